// The reader's page: loads the core, builds the main window and its dialogs
// from the core's texts and layouts, and hands the core the page's view,
// tool windows, storage and files.
import { loadEngine } from './engine.js';
import { Gestures } from './gestures.js';
import { MainWindow, buildMenu, Id } from './main_window.js';
import { MessageBox, wireClose } from './message_box.js';
import { defaultVoiceKept, keepDefaultVoice } from './offline.js';
import { GameKeeper } from './resume.js';
import { CardSelectionDialog, ThirdGameDialog } from './selection_dialogs.js';
import { download, keepSettings, keptSettings, kSettingsKey } from './settings_transfer.js';
import { FileStore, Prefs } from './storage.js';
import { Texts, startLanguage } from './texts.js';
import { TimerFace } from './timer_face.js';
import { ClipFault, checkVoice, clipKey, storeVoice } from './voice_import.js';
import { ScreenOn } from './wake_lock.js';

const kStartCommands = new Set([Id.ankiStart, Id.quickStart, 1226, 1227, 2002]);
const kTimerCommands = [1245, 1246, 1247];

function safeLocalStorage() {
  try {
    return window.localStorage;
  } catch {
    return { getItem() { return null; }, setItem() { throw new Error('refused'); }, removeItem() {} };
  }
}

function byId(id) {
  return document.getElementById(id);
}

// The tool windows the core opens and closes: the two selection dialogs and
// the memorisation timer.
class ToolWindows {
  constructor(texts, engine, messages) {
    this.selection = new CardSelectionDialog(byId('selection'), texts, engine, messages);
    this.third = new ThirdGameDialog(byId('third'), texts, engine, messages);
    const timer = byId('timer');
    this.timer = timer;
    this.timerFace = new TimerFace(timer, (w, h, time) => engine.clockHands(w, h, time, 'whole'));
    this.engine = engine;
    for (const id of kTimerCommands) {
      timer.querySelector(`[data-timer="${id}"]`).addEventListener('click', () => engine.timerCommand(id));
    }
    wireClose(timer, () => engine.timerClosed());
  }

  // Resolves once the window has closed by any path.
  open(name) {
    if (name === 'CSelect') return this.selection.open();
    if (name === 'HSelect') return this.third.open();
    if (name === 'Timer') {
      return new Promise((resolve) => {
        this.timer.addEventListener('close', () => resolve(), { once: true });
        this.timer.showModal();
        this.timerFace.draw();
      });
    }
    return Promise.resolve();
  }

  close(name) {
    if (name === 'Timer' && this.timer.open) this.timer.close();
  }
}

async function chooseFile(input) {
  return new Promise((resolve) => {
    input.value = '';
    input.addEventListener('change', async () => {
      const file = input.files[0];
      resolve(file ? new Uint8Array(await file.arrayBuffer()) : null);
    }, { once: true });
    input.addEventListener('cancel', () => resolve(null), { once: true });
    input.click();
  });
}

async function start() {
  const prefs = new Prefs(safeLocalStorage());
  const language = startLanguage(prefs, navigator.languages || [navigator.language || 'ja']);
  const [engine, store] = await Promise.all([
    loadEngine(window),
    window.indexedDB ? FileStore.open(window.indexedDB) : Promise.resolve(new FileStore()),
  ]);
  const texts = new Texts(engine.texts(), language);
  const messages = new MessageBox(byId('message'));
  const mainWindow = new MainWindow(document, texts, engine);
  mainWindow.build();
  byId('language').textContent = texts.get('kPageOtherLanguage');
  byId('language').lang = language === 'ja' ? 'en' : 'ja';
  const notice = byId('notice');
  if (!store.available || !prefs.available) notice.textContent = texts.get('kPageStorageRefused');

  const tools = new ToolWindows(texts, engine, messages);
  const keeper = new GameKeeper(prefs);
  const screenOn = new ScreenOn(navigator, document);
  const listInput = Object.assign(document.createElement('input'), { type: 'file', accept: '.txt,text/plain' });

  const view = {
    setText: (id, text) => mainWindow.setText(id, text),
    setEnabled: (id, enabled) => mainWindow.setEnabled(id, enabled),
    setTrackBarPosition: (position) => mainWindow.setTrackBarPosition(position),
    setReadModeRadio: (mode) => mainWindow.setReadModeRadio(mode),
    showMessage: (caption, text) => messages.show(caption, text),
    releasePointer: () => { if (document.pointerLockElement) document.exitPointerLock(); },
    readingIdle: () => {
      engine.timingChanged(mainWindow.trackBarPosition());
      const state = engine.resumeState();
      keeper.keep(state);
      if (!state) screenOn.set(false);
    },
    // The page cannot close its own tab: "Exit" ends the game and starts
    // the reader afresh, with nothing left to go on with.
    quitProgram: () => {
      keeper.keep(null);
      window.location.reload();
    },
  };
  const frontEnd = {
    openToolWindow: (name) => tools.open(name),
    closeToolWindow: (name) => tools.close(name),
    timerFace: tools.timerFace,
    openHelp: () => window.open('help.html', '_blank', 'noopener'),
    chooseListFile: () => chooseFile(listInput),
    listWritten: (bytes) => download(document, 'readlist.txt', bytes),
    // Readers 2 to 4: the player's own recorded voices.
    readClip: async (number, name) => {
      const clip = await store.get(clipKey(number, name));
      return clip ? { extension: clip.extension, data: clip.data } : null;
    },
  };

  const kept = keeper.kept();
  const resume = kept && (await GameKeeper.offer(byId('resume'))) ? kept : null;
  if (!resume) keeper.keep(null);
  await engine.start({ language, view, frontEnd, settingsIni: await keptSettings(store), resume });
  if (resume) screenOn.set(true);

  const command = (id) => {
    if (kStartCommands.has(id)) screenOn.set(true);
    engine.command(id);
  };
  mainWindow.onCommand = command;
  new Gestures(byId('board'), byId('title'), command);

  const menu = byId('menu');
  buildMenu(byId('menu-groups'), engine.menuBar(), texts, (id) => {
    menu.close();
    command(id);
  });
  for (const button of menu.querySelectorAll('[data-gesture]')) {
    button.addEventListener('click', () => {
      menu.close();
      command(Number(button.dataset.gesture));
    });
  }
  wireClose(menu, () => {});
  byId('menu-open').addEventListener('click', () => menu.showModal());
  byId('language').addEventListener('click', () => {
    prefs.set('language', language === 'ja' ? 'en' : 'ja');
    window.location.reload();
  });

  wireVoices(texts, store, engine);
  wireSettings(texts, store, engine, messages);
  wireOffline(texts, engine);
  byId('loading').remove();
}

function wireVoices(texts, store, engine) {
  const select = byId('voice-reader');
  for (const option of select.options) option.textContent = texts.get(`kItemReader${option.value}`);
  const progress = byId('voice-progress');
  const status = byId('voice-status');
  const audio = new OfflineAudioContext(1, 1, 44100);
  const take = async (files) => {
    if (files.length === 0) return;
    status.textContent = texts.get('kPageCheckingVoice');
    progress.hidden = false;
    progress.value = 0;
    try {
      const entries = await checkVoice(files, (data) => audio.decodeAudioData(data), (part) => { progress.value = part; });
      const refusal = await storeVoice(store, select.value, entries);
      status.textContent = refusal ? `${texts.get(refusal)} ${texts.get('kPageVoiceUnchanged')}`
                                   : texts.get('kPageVoiceKept');
      if (!refusal && engine.voiceChanged) engine.voiceChanged(Number(select.value));
    } catch (error) {
      status.textContent = error instanceof ClipFault
          ? `${texts.get(error.textName)}${error.clip}. ${texts.get('kPageVoiceUnchanged')}`
          : `${String(error.message || error)} ${texts.get('kPageVoiceUnchanged')}`;
    } finally {
      progress.hidden = true;
    }
  };
  for (const input of [byId('voice-folder'), byId('voice-files')]) {
    input.addEventListener('change', () => take([...input.files]));
  }
}

function wireSettings(texts, store, engine, messages) {
  const status = byId('settings-status');
  byId('settings-export').addEventListener('click', async () => {
    const bytes = (await keptSettings(store)) || engine.settingsBytes();
    download(document, kSettingsKey, bytes);
  });
  const input = byId('settings-import');
  input.addEventListener('change', async () => {
    const file = input.files[0];
    if (!file) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const fault = engine.checkSettings(bytes);
    if (fault) {
      await messages.show(fault.caption, fault.text);
      return;
    }
    const refusal = await keepSettings(store, bytes);
    status.textContent = texts.get(refusal || 'kPageSettingsImported');
  });
}

async function wireOffline(texts, engine) {
  const button = byId('keep-voice');
  const progress = byId('keep-progress');
  const status = byId('settings-status');
  const clipUrl = (name) => engine.defaultVoiceUrl(name);
  if (!window.caches) {
    button.disabled = true;
    return;
  }
  if (await defaultVoiceKept(window.caches, clipUrl)) status.textContent = texts.get('kPageVoiceOffline');
  button.addEventListener('click', async () => {
    button.disabled = true;
    progress.hidden = false;
    progress.value = 0;
    try {
      if (navigator.storage && navigator.storage.persist) await navigator.storage.persist();
      await keepDefaultVoice(window.caches, window.fetch.bind(window), clipUrl, (part) => { progress.value = part; });
      status.textContent = texts.get('kPageVoiceOffline');
    } catch (error) {
      status.textContent = texts.get('kPageKeepVoiceFailed') + error.message;
    } finally {
      progress.hidden = true;
      button.disabled = false;
    }
  });
}

start().catch((error) => {
  const loading = byId('loading');
  if (loading) loading.textContent = String(error && error.message ? error.message : error);
  console.error(error);
});
