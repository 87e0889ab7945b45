// No accessibility fault of "serious" or "critical" impact (axe-core) on the
// main page during a game and in the card selection, in both languages.
//   node --experimental-websocket tests/web/page_axe_test.mjs [SITE]
// Without SITE the page runs over the stand-in core of page_mock.mjs.
import { readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from './devtools.mjs';
import { mockBridgeScript } from './page_mock.mjs';
import { pageOnlySite, poemClipNames, serveSite, startControlReady, toneSite } from './page_site.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '../..');
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const siteArg = process.argv[2];
// A built site reads a voice of tones, so the game starts at once.
const siteDir = siteArg ? toneSite(resolve(siteArg), poemClipNames()) : pageOnlySite(root);
const site = await serveSite(siteDir);

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
      await chromium.waitFor(startControlReady, 30000);
      await chromium.evaluate(axeSource);
      // The card selection first: the core opens it only while no game runs.
      const views = {
        selection: [`document.querySelector('#menu-groups [data-command$="CardSelection"]').click()`,
                    `document.getElementById('selection').open`],
        main: [`(async () => {
                  document.querySelector('#selection [data-cancel]').click();
                  while (document.getElementById('selection').open) await new Promise((r) => setTimeout(r, 50));
                  document.querySelector('[data-control="QuickStartButton"]').click();
                })()`,
               `!document.querySelector('[data-control="NextButton"]').disabled`],
      };
      for (const [name, [open, shown]] of Object.entries(views)) {
        const found = await chromium.evaluate(open)
          .then(() => chromium.waitFor(shown, 30000))
          .then(() => audit(chromium), (error) => [`not shown: ${error.message}`]);
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
  rmSync(siteDir, { recursive: true, force: true });
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
