// After one visit and "keep the voice on this device", the reader starts
// and reads with the network off.
//   node --experimental-websocket tests/web/page_offline_test.mjs SITE
import { rmSync } from 'node:fs';
import { resolve } from 'node:path';
import { launchChromium } from './devtools.mjs';
import { poemClipNames, serveSite, startControlReady as startControl, toneSite } from './page_site.mjs';

const siteDir = toneSite(resolve(process.argv[2]), poemClipNames());
const site = await serveSite(siteDir);
const chromium = await launchChromium();
let failed = 0;
try {
  await chromium.send('Emulation.setDeviceMetricsOverride', { width: 360, height: 640, deviceScaleFactor: 1, mobile: true });
  await chromium.navigate(site.url);
  await chromium.waitFor(startControl, 60000);
  await chromium.waitFor('window.crossOriginIsolated && navigator.serviceWorker.controller', 30000);
  await chromium.evaluate(`document.getElementById('keep-voice').click()`);
  await chromium.waitFor(`document.getElementById('keep-progress').hidden && document.getElementById('settings-status').textContent`, 120000);
  // The server goes away: nothing answers on its address any more.
  await site.close();
  await chromium.evaluate('location.reload()').catch(() => {});
  await chromium.waitFor(startControl, 60000);
  const upperVerse = `document.querySelector('[data-control="UpperVerseLabel"]').textContent`;
  const preface = await chromium.evaluate(upperVerse);
  await chromium.evaluate(`document.querySelector('[data-control="QuickStartButton"]').click()`);
  // The preface's two verses and the first card's upper verse come from
  // the cache; the first card shows once they have been read.
  await chromium.waitFor(`${upperVerse} !== ${JSON.stringify(preface)}`, 60000);
  console.log('ok   offline start and first card');
} catch (error) {
  ++failed;
  console.log(`FAIL offline: ${error.message}`);
} finally {
  await chromium.close();
  rmSync(siteDir, { recursive: true, force: true });
}
console.log(`${1 - failed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
