// Figures of the web site on this machine (not a test):
//   node --experimental-websocket bench/web_bench.mjs [SITE]   (default build-web/site)
// - code size: WebAssembly, JavaScript and CSS, gzip-compressed (goal ≤ 1 MiB);
// - time from navigation to an enabled start control, cold cache (goal ≤ 1.0 s),
//   also at 4× CPU slowdown;
// - decode time of one clip of the default voice in the browser;
// - the page's memory during a game (goal ≤ 64 MB);
// - audio underruns over a whole 100-card automatic game at 4× CPU slowdown
//   (goal 0), read with a voice of short test tones so that it takes minutes.
import { readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import { extname, join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchChromium } from '../tests/web/devtools.mjs';
import { serveSite, startControlReady as startControl, toneSite } from '../tests/web/page_site.mjs';

const siteDir = resolve(process.argv[2] || 'build-web/site');
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const upperVerse = `document.querySelector('[data-control="UpperVerseLabel"]').textContent`;

function files(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    if (statSync(path).isDirectory()) return name === 'voice' ? [] : files(path);
    return [path];
  });
}

function codeSize() {
  const totals = { '.wasm': 0, '.js': 0, '.css': 0 };
  for (const file of files(siteDir)) {
    const kind = extname(file) === '.mjs' ? '.js' : extname(file);
    if (kind in totals) totals[kind] += gzipSync(readFileSync(file), { level: 9 }).length;
  }
  const sum = Object.values(totals).reduce((a, b) => a + b, 0);
  console.log(`code size, gzip: wasm ${kib(totals['.wasm'])}, js ${kib(totals['.js'])}, css ${kib(totals['.css'])}; ` +
              `total ${kib(sum)} (goal ≤ 1024 KiB)`);
}

// A fresh profile each time, so nothing is cached; the first visit includes
// the one reload that puts the page under its service worker. The help page
// (no script, no core) in the same fresh browser tells what the machine
// itself takes.
async function timeToStart(url, slowdown) {
  const time = async (address, ready) => {
    const chromium = await launchChromium();
    try {
      await chromium.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
      const began = Date.now();
      await chromium.send('Page.navigate', { url: address });
      await chromium.waitFor(ready, 60000);
      const ms = Date.now() - began;
      // The load that stays began when the one that registered the worker reloaded.
      const reloadAt = Math.max(0, Math.round((await chromium.evaluate('performance.timeOrigin')) - began));
      return { ms, reloadAt };
    } finally {
      await chromium.close();
    }
  };
  const { ms, reloadAt } = await time(url, startControl);
  const plain = await time(`${url}help.html`, `document.readyState === 'complete'`);
  console.log(`navigation to start control, cold cache, ${slowdown}× CPU: ${ms} ms` +
              `${slowdown === 1 ? ' (goal ≤ 1000 ms)' : ''}, of which the first load, until the isolation ` +
              `reload: ${reloadAt} ms; the help page alone: ${plain.ms} ms`);
}

async function decodeTime(url) {
  const chromium = await launchChromium();
  try {
    await chromium.navigate(url);
    // The first decode also starts the browser's decoder; the later ones
    // are what each clip of a game costs.
    const ms = await chromium.evaluate(`(async () => {
      const data = await (await fetch('voice/I-001A.ogg')).arrayBuffer();
      const context = new OfflineAudioContext(1, 1, 48000);
      const times = [];
      for (let i = 0; i < 5; ++i) {
        const began = performance.now();
        await context.decodeAudioData(data.slice(0));
        times.push(performance.now() - began);
      }
      return times;
    })()`);
    const later = ms.slice(1).sort((x, y) => x - y);
    console.log(`decode of voice/I-001A.ogg in the browser: ${later[later.length >> 1].toFixed(1)} ms ` +
                `(median of 4; the first, which starts the decoder: ${ms[0].toFixed(1)} ms)`);
  } finally {
    await chromium.close();
  }
}

// Every clip a 0.3 s tone, and settings for an automatic game with a short
// interval and no memorisation.
async function gameFigures() {
  const tones = toneSite(siteDir, JSON.parse(readFileSync(join(siteDir, 'voice/clips.json'), 'utf8')));
  const site = await serveSite(tones);
  const chromium = await launchChromium();
  try {
    const ini = '[Auto]\r\nAuto=1\r\nItvl=0.2\r\n[Timer]\r\nUse=0\r\n';
    await chromium.send('Page.addScriptToEvaluateOnNewDocument', {
      source: `if (!localStorage.getItem('fudayomi.ini')) localStorage.setItem('fudayomi.ini', '${Buffer.from(ini).toString('base64')}')` });
    await chromium.navigate(site.url);
    await chromium.waitFor(startControl, 60000);
    await chromium.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    const preface = await chromium.evaluate(upperVerse);
    await chromium.evaluate(`document.querySelector('[data-control="QuickStartButton"]').click()`);
    await chromium.waitFor(`${upperVerse} !== ${JSON.stringify(preface)}`, 60000);
    await new Promise((r) => setTimeout(r, 5000));
    const memory = await chromium.evaluate(`(async () => {
      if (window.crossOriginIsolated && performance.measureUserAgentSpecificMemory) {
        return { bytes: (await performance.measureUserAgentSpecificMemory()).bytes, how: 'measureUserAgentSpecificMemory' };
      }
      return { bytes: performance.memory.totalJSHeapSize, how: 'JS heap' };
    })()`);
    console.log(`page memory during a game: ${(memory.bytes / 1e6).toFixed(1)} MB (${memory.how}; goal ≤ 64 MB)`);
    const began = Date.now();
    // The game ends by showing the preface poem again.
    await chromium.waitFor(`${upperVerse} === ${JSON.stringify(preface)}`, 30 * 60000);
    const stats = await chromium.evaluate('window.fudaReader.audioStats()');
    console.log(`100-card automatic game at 4× CPU (${((Date.now() - began) / 1000).toFixed(0)} s, ` +
                `${stats.framesTaken} frames taken): ${stats.underruns} audio underruns (goal 0)`);
  } finally {
    await chromium.close();
    await site.close();
    rmSync(tones, { recursive: true, force: true });
  }
}

codeSize();
const site = await serveSite(siteDir);
try {
  await timeToStart(site.url, 1);
  await timeToStart(site.url, 4);
  await decodeTime(site.url);
} finally {
  await site.close();
}
await gameFigures();
