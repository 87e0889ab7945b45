// Screenshots of the page during a game, at phone and desktop size, in both
// languages, for a person to look at:
//   node --experimental-websocket tests/web/page_shots.mjs OUTDIR [SITE]
// Without SITE the page runs over the stand-in core of page_mock.mjs.
import { mkdirSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from './devtools.mjs';
import { mockBridgeScript } from './page_mock.mjs';
import { pageOnlySite, serveSite } from './page_site.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const [outDir = 'build-web/shots', siteArg] = process.argv.slice(2);
mkdirSync(outDir, { recursive: true });
const site = await serveSite(siteArg ? resolve(siteArg) : pageOnlySite(root));
const sizes = { phone: { width: 360, height: 640, deviceScaleFactor: 2, mobile: true },
                desktop: { width: 1280, height: 800, deviceScaleFactor: 1, mobile: false } };
try {
  for (const language of ['ja', 'en']) {
    for (const [name, size] of Object.entries(sizes)) {
      const chromium = await launchChromium([`--lang=${language}`]);
      await chromium.send('Emulation.setDeviceMetricsOverride', size);
      if (!siteArg) await chromium.send('Page.addScriptToEvaluateOnNewDocument', { source: mockBridgeScript(root) });
      await chromium.send('Page.addScriptToEvaluateOnNewDocument', { source: `localStorage.setItem('language', '${language}')` });
      await chromium.navigate(site.url);
      await chromium.waitFor(`!document.getElementById('loading')`);
      await chromium.evaluate(`document.querySelector('[data-control="QuickStartButton"]').click()`);
      await chromium.waitFor(`!document.querySelector('[data-control="NextButton"]').disabled`);
      await chromium.evaluate(`document.querySelector('[data-control="NextButton"]').click()`);
      const wide = await chromium.evaluate('document.documentElement.scrollWidth > window.innerWidth');
      if (wide) console.log(`${language} ${name}: the page scrolls sideways`);
      writeFileSync(join(outDir, `game-${name}-${language}.png`), await chromium.screenshot());
      await chromium.evaluate(`document.querySelector('#menu-groups [data-command$="CardSelection"]').click()`);
      await chromium.waitFor(`document.getElementById('selection').open`);
      writeFileSync(join(outDir, `selection-${name}-${language}.png`), await chromium.screenshot());
      await chromium.evaluate(`document.querySelector('#selection [data-close]').click()`);
      await chromium.evaluate(`document.querySelector('[data-control="AnkiStartButton"]').click()`);
      await chromium.waitFor(`document.getElementById('timer').open`);
      writeFileSync(join(outDir, `timer-${name}-${language}.png`), await chromium.screenshot());
      await chromium.navigate(`${site.url}memotimer.html`);
      await chromium.waitFor(`!document.getElementById('loading')`);
      writeFileSync(join(outDir, `memotimer-${name}-${language}.png`), await chromium.screenshot());
      await chromium.close();
    }
  }
} finally {
  await site.close();
}
console.log(`screenshots in ${outDir}`);
