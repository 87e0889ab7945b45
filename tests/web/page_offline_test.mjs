// After one visit and "keep the voice on this device", the reader starts
// and reads with the network off; with the network lost in a game before
// the voice was kept, the clip that cannot be fetched is reported by name
// and the game does not hang.
//   node --experimental-websocket tests/web/page_offline_test.mjs SITE
import { rmSync } from 'node:fs';
import { resolve } from 'node:path';
import { launchChromium } from './devtools.mjs';
import { poemClipNames, serveSite, startControlReady as startControl, toneSite } from './page_site.mjs';

const siteDir = toneSite(resolve(process.argv[2]), poemClipNames());
const upperVerse = `document.querySelector('[data-control="UpperVerseLabel"]').textContent`;
const click = (control) => `document.querySelector('[data-control="${control}"]').click()`;
let failed = 0;

// Runs `check` in a fresh browser at phone size over a server of its own.
async function withPage(name, check) {
  const site = await serveSite(siteDir);
  const chromium = await launchChromium();
  try {
    await chromium.send('Emulation.setDeviceMetricsOverride', { width: 360, height: 640, deviceScaleFactor: 1, mobile: true });
    await chromium.navigate(site.url);
    await chromium.waitFor(startControl, 60000);
    await check(chromium, site);
    console.log(`ok   ${name}`);
  } catch (error) {
    ++failed;
    console.log(`FAIL ${name}: ${error.message}`);
  } finally {
    await chromium.close();
    await site.close();
  }
}

// The game started, up to its first card; resolves to the preface's upper verse.
async function firstCard(chromium) {
  const preface = await chromium.evaluate(upperVerse);
  await chromium.evaluate(click('QuickStartButton'));
  await chromium.waitFor(`${upperVerse} !== ${JSON.stringify(preface)}`, 60000);
  return preface;
}

await withPage('offline start and first card', async (chromium, site) => {
  await chromium.waitFor('window.crossOriginIsolated && navigator.serviceWorker.controller', 30000);
  await chromium.evaluate(`document.getElementById('keep-voice').click()`);
  await chromium.waitFor(`document.getElementById('keep-progress').hidden && document.getElementById('settings-status').textContent`, 120000);
  // The server goes away: nothing answers on its address any more.
  await site.close();
  await chromium.evaluate('location.reload()').catch(() => {});
  await chromium.waitFor(startControl, 60000);
  // The preface's two verses and the first card's upper verse come from
  // the cache; the first card shows once they have been read.
  await firstCard(chromium);
});

await withPage('network lost in a game, the voice not kept', async (chromium, site) => {
  await firstCard(chromium);
  await site.close();
  // Each "Next" needs clips not fetched yet; the first that cannot be
  // fetched is named in a message box's caption, as on the desktop.
  const told = `document.getElementById('message').open && document.getElementById('message-caption').textContent`;
  for (let next = 0; next < 3 && !(await chromium.evaluate(told)); ++next) {
    await chromium.waitFor(`(${told}) || !document.querySelector('[data-control="NextButton"]').disabled`, 60000);
    if (!(await chromium.evaluate(told))) await chromium.evaluate(click('NextButton'));
  }
  const text = await chromium.waitFor(told, 60000);
  if (!/I-\d{3}[AB]/.test(text)) throw new Error(`the message names no clip: ${text}`);
});

rmSync(siteDir, { recursive: true, force: true });
console.log(`${2 - failed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
