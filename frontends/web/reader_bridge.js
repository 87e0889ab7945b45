// The page's way to the reader's core: startReader() loads the program
// (fudayomi_core.js, built from the C++ core), connects its sound to an
// audio worklet, and hands back the Reader whose calls go to the core. The
// core answers through the page's view object. Nothing of the game lives
// here: every rule, text and time comes from the core.
const kFolder = '/fudayomi';
const kSettings = `${kFolder}/fudayomi.ini`;
const kList = `${kFolder}/readlist.txt`;
const kVoice = `${kFolder}/data`;
const kUnfinished = 'unfinished.txt';
const kOwnVoices = '/tmp/own-voices.txt';
const kKept = ['fudayomi.ini', 'readlist.txt', kUnfinished];

function toBase64(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
}

function fromBase64(text) {
  return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
}

// A decoded clip as a 16-bit WAV file, which the core reads as it is.
function wavBytes(decoded) {
  const channels = decoded.numberOfChannels;
  const frames = decoded.length;
  const out = new DataView(new ArrayBuffer(44 + frames * channels * 2));
  const text = (at, s) => [...s].forEach((c, i) => out.setUint8(at + i, c.charCodeAt(0)));
  text(0, 'RIFF');
  out.setUint32(4, 36 + frames * channels * 2, true);
  text(8, 'WAVEfmt ');
  out.setUint32(16, 16, true);
  out.setUint16(20, 1, true);
  out.setUint16(22, channels, true);
  out.setUint32(24, decoded.sampleRate, true);
  out.setUint32(28, decoded.sampleRate * channels * 2, true);
  out.setUint16(32, channels * 2, true);
  out.setUint16(34, 16, true);
  text(36, 'data');
  out.setUint32(40, frames * channels * 2, true);
  const data = [...Array(channels).keys()].map((c) => decoded.getChannelData(c));
  for (let f = 0; f < frames; f++) {
    for (let c = 0; c < channels; c++) {
      const sample = Math.max(-1, Math.min(1, data[c][f]));
      out.setInt16(44 + (f * channels + c) * 2, Math.round(sample * 32767), true);
    }
  }
  return new Uint8Array(out.buffer);
}

// The program's WebAssembly compiled as it arrives; compiled whole where the
// server does not call it application/wasm.
function compileCore(url) {
  return WebAssembly.compileStreaming(fetch(url))
    .catch(() => fetch(url).then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
}

// The program's WebAssembly, compiled from the moment the page imports the
// bridge, while the page gets ready.
const kCoreWasm = new URL('fudayomi_core.wasm', import.meta.url).href;
const coreCompiled = compileCore(kCoreWasm);

function loadScript(url) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = url;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`cannot load ${url}`));
    document.head.append(script);
  });
}

// The files the core keeps between visits, in the browser's storage; null
// when the browser refuses storage.
function keptStorage() {
  try {
    const probe = 'fudayomi.probe';
    localStorage.setItem(probe, '1');
    localStorage.removeItem(probe);
    return localStorage;
  } catch {
    return null;
  }
}

export async function startReader({
  language = 'ja', view = {}, voiceBase = 'voice/', baseUrl = new URL('./', import.meta.url).href,
  record = false, sampleRate, program = 'reader', ownVoices = {},
} = {}) {
  const call = (name, ...args) => {
    try {
      if (typeof view[name] === 'function') view[name](...args);
    } catch (error) {
      console.error(error);
    }
  };
  const storage = keptStorage();
  if (!storage) call('storageUnavailable');

  // Everything the start needs is asked for at once; the audio context,
  // which takes a while to open its device, opens meanwhile.
  const scriptUrl = new URL('fudayomi_core.js', baseUrl).href;
  const wasmUrl = new URL('fudayomi_core.wasm', baseUrl).href;
  const compiled = wasmUrl === kCoreWasm ? coreCompiled : compileCore(wasmUrl);
  const scriptLoaded = window.createFudayomiCore ? null : loadScript(scriptUrl);
  const voiceUrl = new URL(voiceBase, document.baseURI).href;
  const clipList = fetch(new URL('clips.json', voiceUrl)).then((r) => (r.ok ? r.json() : []), () => []);
  const audio = new AudioContext(sampleRate ? { latencyHint: 'interactive', sampleRate } : { latencyHint: 'interactive' });
  // The core starts while the worklet loads; its sound waits for the worklet.
  const workletLoaded = audio.audioWorklet.addModule(new URL('sound_worklet.js', baseUrl));
  // A store that cannot list the kept voices costs those voices, not the start.
  const ownListed = Promise.resolve(ownVoices).catch((error) => {
    console.error(error);
    return {};
  });
  const [clipNames, ownClips] = await Promise.all([clipList, ownListed, scriptLoaded, compiled]);

  let node = null;
  let ringWords = null;
  let started = null;
  let nextTask = 1;
  const tasks = new Map();
  const saved = new Map();
  // The module's object: the factory fills in the one it is given.
  const module = {};
  const startUp = () => new Promise((resolve) => { started = resolve; });
  const firstStart = startUp();

  // The kept files, stored again when the core has changed them.
  const keep = () => {
    if (!storage || !module.FS) return;
    for (const name of kKept) {
      let bytes = null;
      try {
        bytes = module.FS.readFile(`${kFolder}/${name}`);
      } catch {
        // The core removed it (a game kept till now has ended).
        if (saved.has(name)) {
          storage.removeItem(name);
          saved.delete(name);
        }
        continue;
      }
      const text = toBase64(bytes);
      if (saved.get(name) === text) continue;
      try {
        storage.setItem(name, text);
        saved.set(name, text);
      } catch {
        call('storageUnavailable');
      }
    }
  };

  const pageCalls = {
    async soundReady(ring, channels) {
      try {
        await workletLoaded;
      } catch (error) {
        // No sound: the core tells the player once a clip waits unheard.
        console.error(error);
        return;
      }
      if (node) node.disconnect();
      node = new AudioWorkletNode(audio, 'fuda-sound', {
        numberOfInputs: 0,
        outputChannelCount: [2],
        processorOptions: { buffer: module.HEAPU8.buffer, ring, channels, record },
      });
      ringWords = new Int32Array(module.HEAPU8.buffer, ring, 3);
      node.connect(audio.destination);
    },
    keptFilesChanged() {
      keep();
    },
    started() {
      keep();
      if (started) started();
      started = null;
    },
    // The box comes with its own way to be closed, usable at once: the
    // core's start-up may wait on a box before the Reader exists.
    showMessage(box) {
      call('showMessage', { ...box, close: () => module._fuda_dismiss_message(box.id) });
    },
    // A clip of the player's own voice, from the view's readClip(), written
    // where the core waits for it; MP3, which the core cannot decode, as WAV.
    // Missing, empty or undecodable: the core hears so and names the clip.
    async readOwnClip(id, number, name, path) {
      let written = 0;
      try {
        const clip = typeof view.readClip === 'function' ? await view.readClip(number, name) : null;
        if (clip && clip.data && clip.data.byteLength > 0) {
          module.FS.writeFile(path, clip.extension === 'mp3'
            ? wavBytes(await audio.decodeAudioData(clip.data.slice(0)))
            : new Uint8Array(clip.data));
          written = 1;
        }
      } catch (error) {
        console.error(error);
      }
      module._fuda_own_clip_read(id, written);
    },
    taskDone(task, result) {
      keep();
      const done = tasks.get(task);
      tasks.delete(task);
      if (done) done(result);
    },
  };

  await window.createFudayomiCore(Object.assign(module, {
    arguments: [language, String(audio.sampleRate), voiceUrl, program],
    mainScriptUrlOrBlob: scriptUrl,
    locateFile: (path) => new URL(path, baseUrl).href,
    instantiateWasm(imports, receive) {
      compiled.then(async (wasm) => receive(await WebAssembly.instantiate(wasm, imports), wasm));
      return {};
    },
    fudaCallPage(method, argsJson) {
      const args = JSON.parse(argsJson);
      if (pageCalls[method]) pageCalls[method](...args);
      else call(method, ...args);
    },
    preRun: [(m) => {
      m.FS.mkdirTree(`${kVoice}/Mesg`);
      m.FS.mkdirTree('/tmp');
      for (const name of kKept) {
        const text = storage && storage.getItem(name);
        if (text) {
          m.FS.writeFile(`${kFolder}/${name}`, fromBase64(text));
          saved.set(name, text);
        }
      }
      // The voice's clips as empty stand-ins; each is fetched when first read.
      for (const name of clipNames) m.FS.writeFile(`${kVoice}/${name}`, new Uint8Array());
      // The player's own voices, which the core places before it starts.
      const own = Object.entries(ownClips || {}).flatMap(([number, names]) => names.map((name) => `${number} ${name}\n`));
      if (own.length > 0) m.FS.writeFile(kOwnVoices, own.join(''));
    }],
  }));
  await firstStart;

  const exists = (path) => {
    try {
      return module.FS.lookupPath(path).node;
    } catch {
      return null;
    }
  };
  const run = (post) => new Promise((resolve) => {
    const task = nextTask++;
    tasks.set(task, resolve);
    if (!post(task)) {
      tasks.delete(task);
      resolve(false);
    }
  });
  const command = (name) => run((task) => module.ccall('fuda_command', 'number', ['string', 'number'], [name, task]));

  return {
    ...toolWindowCalls(module, run, () => language),
    ...keptGameCalls(module, run, keep),
    command,
    // Reader `number` (2 to 4) is the player's voice of clips `names`
    // ("I-000A", "Mesg/anki_s"), each got from view.readClip() when read.
    ownVoice(number, names) {
      return run((task) => {
        module.ccall('fuda_own_voice', null, ['number', 'string', 'number'], [number, names.join('\n'), task]);
        return true;
      });
    },
    moveTrackBar(position) {
      return run((task) => {
        module._fuda_move_track_bar(position, task);
        return true;
      });
    },
    dismissMessage(id) {
      module._fuda_dismiss_message(id);
    },
    toolWindowClosed() {
      module._fuda_tool_window_closed();
    },
    resumeAudio() {
      return audio.resume();
    },
    texts(lang = language) {
      return coreJson(module, module.ccall('fuda_texts', 'number', ['string'], [lang]));
    },
    // The desktop's "Writing of the List": the file's bytes when the core
    // wrote one (a game is on), else null.
    async exportList() {
      const before = exists(kList);
      await command('ExportList');
      const after = exists(kList);
      if (!after || after === before) return null;
      return { name: 'readlist.txt', bytes: module.FS.readFile(kList) };
    },
    importList(bytes) {
      module.FS.writeFile(kList, bytes);
      return command('ImportList');
    },
    async exportSettings() {
      return exists(kSettings) ? { name: 'fudayomi.ini', bytes: module.FS.readFile(kSettings) } : null;
    },
    importSettings(bytes) {
      module.FS.writeFile(kSettings, bytes);
      keep();
    },
    async restart({ language: next = language } = {}) {
      language = next;
      const done = startUp();
      module.ccall('fuda_restart', null, ['string'], [language]);
      await done;
    },
    async shutdown() {
      module._fuda_quit();
    },
    // For the benchmark: render quanta the worklet found the ring short, and
    // the frames it has taken, since the program's last start.
    audioStats() {
      return ringWords ? { underruns: Atomics.load(ringWords, 2) >>> 0, framesTaken: Atomics.load(ringWords, 0) >>> 0 }
                       : { underruns: 0, framesTaken: 0 };
    },
    // For tests and the benchmark: where sound started and ended in what the
    // worklet rendered (when started with `record`), in frames at `sampleRate`.
    soundEdges() {
      return new Promise((resolve) => {
        node.port.onmessage = (event) => resolve({ ...event.data, sampleRate: audio.sampleRate });
        node.port.postMessage('edges');
      });
    },
  };
}

// The tool windows' calls and the memotimer's start (kept apart from the
// rest of the bridge). Layouts, states, steps and the hands' geometry are
// the core's; the page only draws them.

// The JSON string the core handed over at `at`, parsed; the core's copy is freed.
function coreJson(module, at) {
  const json = module.UTF8ToString(at);
  module._free(at);
  return JSON.parse(json);
}

function toolWindowCalls(module, run, language) {
  return {
    // The selection dialogs' controls, from the core's layout tables.
    selectionLayout() {
      return coreJson(module, module.ccall('fuda_selection_layout', 'number', ['string'], [language()]));
    },
    // {selected: [0 or 1 by poem], thirdChoice}.
    selectionState() {
      return run((task) => {
        module._fuda_selection_state(task);
        return true;
      });
    },
    // The state after the core's rule for control `id`, with `step`:
    // 'ShowSelection', 'Close' or 'ShowNothingSelected'.
    selectionClick(id, boxChecked) {
      return run((task) => {
        module._fuda_selection_click(id, boxChecked ? 1 : 0, task);
        return true;
      });
    },
    // The hands [{from, to, pen}] on a canvas of `width` by `height`.
    clockHands(width, height, { hour, minute, second }) {
      return coreJson(module, module._fuda_clock_hands(width, height, hour, minute, second));
    },
  };
}

// A game cut short by a reload or a closed tab: the core keeps its cards
// from the current one on as a list file, which keep() stores.
function keptGameCalls(module, run, keep) {
  const path = `${kFolder}/${kUnfinished}`;
  return {
    async unfinishedGame() {
      try {
        return module.FS.stat(path).size > 0;
      } catch {
        return false;
      }
    },
    // Goes on at the same card; resolves to whether the game goes on.
    resumeGame() {
      return run((task) => {
        module._fuda_resume_game(task);
        return true;
      });
    },
    dropUnfinishedGame() {
      try {
        module.FS.unlink(path);
      } catch {
        // Nothing was kept.
      }
      keep();
    },
  };
}

// The memotimer as a page of its own: the core's memotimer program, the same
// one the desktop's memotimer runs. Its view gets showCountdownText(text),
// showHands(time), showMessage(box), pauseWithoutInput(ms), quitProgram().
export async function startMemotimer(options = {}) {
  const core = await startReader({ ...options, program: 'memotimer' });
  const { command, clockHands, texts, dismissMessage, resumeAudio, shutdown } = core;
  return { command, clockHands, texts, dismissMessage, resumeAudio, shutdown };
}
