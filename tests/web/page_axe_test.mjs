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
      await chromium.waitFor(`!document.getElementById('loading')`, 30000);
      await chromium.evaluate(axeSource);
      await chromium.evaluate(`document.querySelector('[data-control="QuickStartButton"]').click()`);
      await chromium.waitFor(`document.querySelector('[data-control="UpperVerseLabel"]').textContent`);
      const views = {
        main: null,
        selection: `document.querySelector('#menu-groups [data-command$="CardSelection"]').click()`,
      };
      for (const [name, open] of Object.entries(views)) {
        if (open) {
          await chromium.evaluate(open);
          await chromium.waitFor(`document.getElementById('selection').open`);
        }
        const found = await audit(chromium);
        if (found.length === 0) {
          ++passed;
          console.log(`ok   ${language} ${name}`);
        } else {
          ++failed;
          console.log(`FAIL ${language} ${name}\n  ${found.join('\n  ')}`);
        }
      }
    } finally {
      await chromium.close();
    }
  }
} finally {
  await site.close();
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
