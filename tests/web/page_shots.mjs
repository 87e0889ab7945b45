// Screenshots of the page at phone and desktop size, in both languages, for
// a person to look at: the card selection, the memorisation timer, a game at
// its second card, and the memotimer page.
//   node --experimental-websocket tests/web/page_shots.mjs OUTDIR [SITE]
// Without SITE the page runs over the stand-in core of page_mock.mjs; with
// one, over the real core with a voice of tones.
import { mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from './devtools.mjs';
import { mockBridgeScript } from './page_mock.mjs';
import { pageOnlySite, poemClipNames, serveSite, startControlReady, toneSite } from './page_site.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const [outDir = 'build-web/shots', siteArg] = process.argv.slice(2);
mkdirSync(outDir, { recursive: true });
const siteDir = siteArg ? toneSite(resolve(siteArg), [...poemClipNames(), 'Mesg/anki_s.ogg']) : pageOnlySite(root);
const site = await serveSite(siteDir);
const sizes = { phone: { width: 360, height: 640, deviceScaleFactor: 2, mobile: true },
                desktop: { width: 1280, height: 800, deviceScaleFactor: 1, mobile: false } };
const click = (selector) => `document.querySelector('${selector}').click()`;
const nextEnabled = `!document.querySelector('[data-control="NextButton"]').disabled`;

// Each view in a load of its own: the core opens the card selection and the
// timer only while no game is on.
const views = {
  selection: [click('#menu-groups [data-command$="CardSelection"]'), `document.getElementById('selection').open`],
  timer: [click('[data-control="AnkiStartButton"]'), `document.getElementById('timer').open`],
  game: [`(async () => {
            ${click('[data-control="QuickStartButton"]')};
            while (!(${nextEnabled})) await new Promise((r) => setTimeout(r, 50));
            ${click('[data-control="NextButton"]')};
          })()`, nextEnabled],
};

try {
  for (const language of ['ja', 'en']) {
    for (const [name, size] of Object.entries(sizes)) {
      const chromium = await launchChromium([`--lang=${language}`]);
      try {
        await chromium.send('Emulation.setDeviceMetricsOverride', size);
        if (!siteArg) await chromium.send('Page.addScriptToEvaluateOnNewDocument', { source: mockBridgeScript(root) });
        await chromium.send('Page.addScriptToEvaluateOnNewDocument', { source: `localStorage.setItem('language', '${language}')` });
        for (const [view, [open, shown]] of Object.entries(views)) {
          await chromium.navigate(site.url);
          await chromium.waitFor(startControlReady, 30000);
          await chromium.evaluate(open);
          await chromium.waitFor(shown, 30000);
          // The view settles (the card's text, the clock's first hands).
          await new Promise((r) => setTimeout(r, 500));
          if (await chromium.evaluate('document.documentElement.scrollWidth > window.innerWidth')) {
            console.log(`${language} ${name} ${view}: the page scrolls sideways`);
          }
          writeFileSync(join(outDir, `${view}-${name}-${language}.png`), await chromium.screenshot());
        }
        await chromium.navigate(`${site.url}memotimer.html`);
        await chromium.waitFor(`!document.getElementById('loading')`, 30000);
        writeFileSync(join(outDir, `memotimer-${name}-${language}.png`), await chromium.screenshot());
      } finally {
        await chromium.close();
      }
    }
  }
} finally {
  await site.close();
  rmSync(siteDir, { recursive: true, force: true });
}
console.log(`screenshots in ${outDir}`);
