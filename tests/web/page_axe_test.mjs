// No accessibility fault of "serious" or "critical" impact (axe-core) on the
// main page during a game and in the card selection, in both languages.
//   node --experimental-websocket tests/web/page_axe_test.mjs [SITE]
// Without SITE the page runs over the stand-in core of page_mock.mjs.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from './devtools.mjs';
import { mockBridgeScript } from './page_mock.mjs';
import { pageOnlySite, serveSite } from './page_site.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '../..');
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const siteArg = process.argv[2];
const site = await serveSite(siteArg ? resolve(siteArg) : pageOnlySite(root));

// The serious and critical findings on what the page shows now.
async function audit(chromium) {
  return chromium.evaluate(`axe.run(document, { resultTypes: ['violations'] }).then((r) =>
    r.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => v.id + ' (' + v.impact + '): ' + v.nodes.map((n) => n.target.join(' ')).slice(0, 5).join(', ')))`);
}

let passed = 0;
let failed = 0;
try {
  for (const language of ['ja', 'en']) {
    const chromium = await launchChromium();
    try {
      await chromium.send('Emulation.setDeviceMetricsOverride', { width: 360, height: 640, deviceScaleFactor: 1, mobile: true });
      if (!siteArg) await chromium.send('Page.addScriptToEvaluateOnNewDocument', { source: mockBridgeScript(root) });
      await chromium.send('Page.addScriptToEvaluateOnNewDocument', { source: `localStorage.setItem('language', '${language}')` });
      await chromium.navigate(site.url);
      // A built site loads once more under its isolating service worker; the
      // checks go to the page that stays.
      if (siteArg) await chromium.waitFor('window.crossOriginIsolated === true', 15000);
      // The notice goes once the page has started (not before it is parsed).
      await chromium.waitFor(`document.readyState === 'complete' && !document.getElementById('loading')`, 30000);
      await chromium.evaluate(axeSource);
      const report = (name, found) => {
        if (found.length === 0) {
          ++passed;
          console.log(`ok   ${language} ${name}`);
        } else {
          ++failed;
          console.log(`FAIL ${language} ${name}\n  ${found.join('\n  ')}`);
        }
      };
      // The core opens the card selection only while no game is on.
      await chromium.evaluate(`document.querySelector('#menu-groups [data-command$="CardSelection"]').click()`);
      await chromium.waitFor(`document.getElementById('selection').open`);
      report('selection', await audit(chromium));
      await chromium.evaluate(`document.querySelector('#selection [data-cancel]').click()`);
      await chromium.waitFor(`!document.getElementById('selection').open`);
      await chromium.evaluate(`document.querySelector('[data-control="QuickStartButton"]').click()`);
      await chromium.waitFor(`!document.querySelector('[data-control="NextButton"]').disabled`, 30000);
      report('main', await audit(chromium));
    } finally {
      await chromium.close();
    }
  }
} finally {
  await site.close();
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
