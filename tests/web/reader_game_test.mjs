// One short game in headless Chromium, the site served by a plain static
// server with no special headers: a voice of test tones, a list file of the
// desktop's loaded, the pause slider moved, "Start quickly" (the preface and
// the first card) and one "Next". The pauses are measured in the frames the
// page's audio worklet rendered; the list file the page exports must be the
// desktop's for the same order. Then ten cards chosen in the card selection
// make the next game's order, that game goes on after a reload at the same
// card, and the memotimer page counts down. With audio that never runs, the
// player is told once that there is no sound, and the game still comes to
// "Next". Last, a voice of the player's own, kept on an earlier visit, read as
// reader 2: one clip an MP3, one broken and reported by name.
//   node --experimental-websocket reader_game_test.mjs SITE DESKTOP_LIST_BYTES
import { execFileSync, spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { launchChromium } from './devtools.mjs';

const [siteArg, desktopListBytes] = process.argv.slice(2);
const site = resolve(siteArg);
const kSliderPosition = 37;  // 740 ms: not the 1 s the reader starts with
const kPauseMs = kSliderPosition * 20;
const kPrefacePauseMs = 2000;
const kRate = 44100;
const kOrder = [17, 42, 8];
const kListBytes = execFileSync(desktopListBytes, ['ja', ...kOrder.map(String)]);
const kChosen = [3, 8, 17, 25, 42, 51, 64, 77, 90, 99];

// The site with a voice of short tones in place of the default one.
function toneSite() {
  const dir = mkdtempSync(join(tmpdir(), 'fudayomi-web-test-'));
  for (const name of readdirSync(site)) {
    if (name !== 'voice') symlinkSync(join(site, name), join(dir, name));
  }
  const voice = join(dir, 'voice');
  mkdirSync(voice);
  mkdirSync(join(voice, 'Mesg'));
  const names = [];
  const tone = (name, hertz) => {
    const wav = join(voice, `${name}.wav`);
    execFileSync('sox', ['-n', '-r', String(kRate), '-c', '1', '-b', '16', wav,
      'synth', '0.25', 'sine', String(hertz)]);
    execFileSync('oggenc', ['-Q', '-o', join(voice, `${name}.ogg`), wav]);
    rmSync(wav);
    names.push(`${name}.ogg`);
  };
  for (const poem of new Set([0, ...kOrder, ...kChosen])) {
    for (const verse of ['A', 'B']) tone(`I-${String(poem).padStart(3, '0')}${verse}`, 300 + poem * 5);
  }
  tone('Mesg/anki_s', 200);
  writeFileSync(join(voice, 'clips.json'), JSON.stringify(names));
  // A page of the test's own, so the test does not depend on the page's looks.
  writeFileSync(join(dir, 'game_test.html'),
    '<!doctype html><meta charset="utf-8"><script src="isolation.js"></script><title>test</title>');
  return dir;
}

function serve(dir) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', dir],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolveUrl, reject) => {
    server.stdout.on('data', (data) => {
      const port = /port (\d+)/.exec(String(data));
      if (port) resolveUrl({ url: `http://127.0.0.1:${port[1]}/`, close: () => server.kill() });
    });
    server.on('exit', () => reject(new Error('the static server ended')));
  });
}

// In the page: the reader started over the bridge with `options`, a view
// that notes what the core enables and the messages it shows (each closed at
// once), and idle(), which waits until the game waits for "Next".
const startInPage = (options) => `
  const { startReader } = await import('./reader_bridge.js');
  const enabled = {};
  const messages = [];
  const view = {
    setEnabled(control, on) { enabled[control] = on; },
    showPhase(phase) { enabled['phase:' + phase] = true; window.testPhase = phase; },
    showMessage(box) { messages.push(box.caption + ': ' + box.text); box.close(); },
    openToolWindow(name) { window.testToolWindow(name); },
    setText(control, text) { window.testTexts[control] = text; },
  };
  window.testTexts = {};
  const reader = await startReader(${options});
  Object.assign(window, { testReader: reader, testMessages: messages });
  const idle = async () => {
    const end = Date.now() + 60000;
    while (!enabled.NextButton) {
      if (Date.now() > end) throw new Error('the game never waited for Next: ' + messages.join(' / ') + ' ' + JSON.stringify(enabled));
      await new Promise((r) => setTimeout(r, 20));
    }
  };`;

// The game played through the reader's commands, and what it rendered and
// exported handed back.
const kGame = `(async () => {
  ${startInPage(`{ language: 'ja', view, record: true, sampleRate: ${kRate} }`)}
  await reader.resumeAudio();
  await reader.importList(new Uint8Array(${JSON.stringify([...kListBytes])}));
  await reader.moveTrackBar(${kSliderPosition});
  await reader.command('StartWithoutMemorisation');
  await idle();
  enabled.NextButton = false;
  await reader.command('ReadNext');
  await idle();
  await new Promise((r) => setTimeout(r, 300));
  const list = await reader.exportList();
  const edges = await reader.soundEdges();
  return { edges, list: list && Array.from(list.bytes), messages };
})()`;

// Runs in the page after the game: the game ended, the card selection set
// to the chosen cards box by box and confirmed, and a new game started; the
// cards of its order (from its list file) are handed back.
const kSelection = `(async () => {
  const reader = window.testReader;
  const waitFor = async (ready, what) => {
    const end = Date.now() + 30000;
    while (!ready()) {
      if (Date.now() > end) throw new Error('no ' + what + ': ' + window.testMessages.join(' / '));
      await new Promise((r) => setTimeout(r, 20));
    }
  };
  await reader.command('FinishReading');
  await waitFor(() => window.testPhase === 'NoGame', 'end of the game');
  const opened = new Promise((r) => { window.testToolWindow = r; });
  const closed = reader.command('OpenCardSelection');
  if (await opened !== 'CSelect') throw new Error('the card selection did not open');
  const layout = reader.selectionLayout();
  const chosen = ${JSON.stringify(kChosen)};
  let state = await reader.selectionState();
  for (const poem of layout.poems) {
    const wanted = chosen.includes(poem.poem) ? 1 : 0;
    if (poem.poem !== 0 && state.selected[poem.poem] !== wanted) state = await reader.selectionClick(poem.boxId, wanted === 1);
  }
  const answer = await reader.selectionClick(layout.okId, false);
  await closed;
  await reader.command('StartWithoutMemorisation');
  await waitFor(() => window.testPhase === 'BetweenCards', 'first card');
  window.testPhase = null;
  await reader.command('ReadNext');
  await waitFor(() => window.testPhase === 'BetweenCards', 'second card');
  const list = await reader.exportList();
  const text = list ? new TextDecoder().decode(list.bytes) : '';
  const cards = text.split('\\r\\n').filter((line) => line.trim()).map((line) => parseInt(line, 10));
  return { step: answer.step, cards: cards.sort((a, b) => a - b), list: list && Array.from(list.bytes),
           card: window.testTexts.UpperVerseLabel };
})()`;

// Runs in the page loaded again: the game left at its second card goes on,
// and its list file and the card it shows are handed back.
const kResume = `(async () => {
  const { startReader } = await import('./reader_bridge.js');
  const texts = {};
  const view = { showPhase(phase) { window.testPhase = phase; }, showMessage(box) { box.close(); },
                 setText(control, text) { texts[control] = text; } };
  const reader = await startReader({ language: 'ja', view, sampleRate: ${kRate} });
  if (!(await reader.unfinishedGame())) return null;
  await reader.resumeAudio();
  await reader.resumeGame();
  const end = Date.now() + 30000;
  while (window.testPhase !== 'BetweenCards' && Date.now() < end) await new Promise((r) => setTimeout(r, 20));
  const list = await reader.exportList();
  return list && { list: Array.from(list.bytes), card: texts.UpperVerseLabel };
})()`;

// Audio that never runs (a context the browser keeps suspended, as it does
// before a click): the messages shown while the game comes to "Next".
const kSilentGame = `(async () => {
  window.AudioContext = class extends AudioContext {
    constructor(options) { super(options); this.suspend(); }
    resume() { return Promise.resolve(); }
  };
  ${startInPage("{ language: 'ja', view }")}
  await reader.importList(new Uint8Array(${JSON.stringify([...kListBytes])}));
  await reader.command('StartWithoutMemorisation');
  await idle();
  return messages;
})()`;

// The player's own voice as reader 2, kept on an earlier visit: its clips
// come from the page's store, every one a WAV tone but the preface's upper
// verse, an MP3 the page decodes, and its lower verse, an MP3 that is not
// one, which the core must report by name.
function ownVoiceGame() {
  const dir = mkdtempSync(join(tmpdir(), 'fudayomi-own-voice-'));
  const wav = join(dir, 'tone.wav');
  execFileSync('sox', ['-n', '-r', String(kRate), '-c', '1', '-b', '16', wav, 'synth', '0.25', 'sine', '440']);
  execFileSync('lame', ['--quiet', wav, join(dir, 'tone.mp3')]);
  const [wavBytes, mp3Bytes] = ['tone.wav', 'tone.mp3'].map((name) => readFileSync(join(dir, name)).toString('base64'));
  rmSync(dir, { recursive: true, force: true });
  const names = [...Array(101).keys()].flatMap((poem) => ['A', 'B'].map((v) => `I-${String(poem).padStart(3, '0')}${v}`));
  return `(async () => {
    const clip = (text, extension) => ({ extension, data: Uint8Array.from(atob(text), (c) => c.charCodeAt(0)).buffer });
    const clips = { 'I-000A': clip('${mp3Bytes}', 'mp3'), 'I-000B': clip(btoa('not an mp3'), 'mp3') };
    const wav = clip('${wavBytes}', 'wav');
    const asked = [];
    const readClip = async (number, name) => { asked.push(number + '/' + name); return clips[name] || wav; };
    const ownVoices = { 2: ${JSON.stringify([...names, 'Mesg/anki_s'])} };
    ${startInPage(`{ language: 'ja', view: Object.assign(view, { readClip }), sampleRate: ${kRate}, ownVoices }`)}
    await reader.resumeAudio();
    await reader.command('Reader2');
    await reader.command('StartWithoutMemorisation');
    await idle();
    return { messages, asked };
  })()`;
}

function fail(text) {
  console.error(`FAIL: ${text}`);
  process.exitCode = 1;
}

const dir = toneSite();
const server = await serve(dir);
let browser = await launchChromium();
try {
  await browser.navigate(`${server.url}game_test.html`);
  // The first visit installs the service worker and loads the page again.
  await browser.waitFor('window.crossOriginIsolated === true', 15000);
  const result = await browser.evaluate(kGame);
  const { edges, frame, underruns, sampleRate } = result.edges;
  const sounds = edges.filter((e) => e.end !== undefined);
  const ms = (frames) => (frames * 1000) / sampleRate;
  console.log(`rendered ${frame} frames at ${sampleRate} Hz, ${underruns} underruns; sounds:`,
    sounds.map((s) => `${ms(s.start).toFixed(2)}-${ms(s.end).toFixed(2)}`).join(' '));
  if (sounds.length !== 5) {
    fail(`expected 5 clips (preface, first card, one Next), heard ${sounds.length}`);
  } else {
    const gaps = [
      ['preface', ms(sounds[1].start - sounds[0].end), kPrefacePauseMs],
      ['after the preface', ms(sounds[2].start - sounds[1].end), kPauseMs],
      ['after the first card', ms(sounds[4].start - sounds[3].end), kPauseMs],
    ];
    for (const [where, measured, wanted] of gaps) {
      console.log(`pause ${where}: ${measured.toFixed(3)} ms (wanted ${wanted})`);
      if (Math.abs(measured - wanted) > 1) fail(`pause ${where} is ${measured.toFixed(3)} ms, not ${wanted}`);
    }
  }
  if (!result.list) {
    fail(`the page exported no list; messages: ${result.messages.join(' / ')}`);
  } else {
    const exported = Buffer.from(result.list);
    if (!exported.equals(kListBytes)) fail('the exported list differs from the desktop\'s for the same order');
    else console.log(`list file: ${exported.length} bytes, as the desktop writes them`);
  }

  const selection = await browser.evaluate(kSelection);
  console.log(`card selection: ${selection.step}; the next game's cards: ${selection.cards.join(' ')}`);
  if (selection.cards.join(' ') !== kChosen.join(' ')) fail('the game after the card selection has other cards than the chosen ones');

  await browser.navigate(`${server.url}game_test.html`);
  const resumed = await browser.evaluate(kResume);
  if (!resumed) fail('no unfinished game after the reload');
  else if (!Buffer.from(resumed.list).equals(Buffer.from(selection.list)) || resumed.card !== selection.card) {
    fail('the game after the reload has another order or card');
  }
  else console.log(`after the reload the game goes on at the same card: ${resumed.card}`);

  await browser.navigate(`${server.url}memotimer.html`);
  await browser.waitFor(`!document.getElementById('loading')`, 15000);
  await browser.evaluate(`document.querySelector('[data-command="MemoStart"]').click()`);
  // After the start announcement's pause, the first second counts down.
  await browser.waitFor(`/14:5\\d/.test(document.querySelector('.countdown').textContent)`, 15000);
  console.log(`memotimer page: ${await browser.evaluate(`document.querySelector('.countdown').textContent`)}`);
  await browser.close();
  browser = await launchChromium();
  await browser.navigate(`${server.url}game_test.html`);
  await browser.waitFor('window.crossOriginIsolated === true', 15000);
  const messages = await browser.evaluate(kSilentGame);
  const told = messages.filter((text) => text.startsWith('音声出力'));
  if (told.length !== 1) fail(`without running audio the player was told ${told.length} times, not once: ${messages.join(' / ')}`);
  else console.log('without running audio: told once, and the game came to Next');
  await browser.close();
  browser = await launchChromium();
  await browser.navigate(`${server.url}game_test.html`);
  await browser.waitFor('window.crossOriginIsolated === true', 15000);
  const own = await browser.evaluate(ownVoiceGame());
  const heard = `asked ${own.asked.join(' ')}; told ${own.messages.join(' / ')}`;
  const named = own.messages.length === 1 && own.messages[0].includes('I-000B');
  if (!named || !own.asked.includes('2/I-000A') || own.asked.length < 3) fail(`reader 2's own voice: ${heard}`);
  else console.log(`reader 2's own voice read, its broken clip named: ${heard}`);
} finally {
  await browser.close();
  server.close();
  rmSync(dir, { recursive: true, force: true });
}
