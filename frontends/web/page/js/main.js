// The reader's page: starts the core through the bridge, builds the main
// window and its dialogs from the core's texts and layouts, and gives the
// core the page's view, tool windows, files and the player's own voices.
import { loadBridge, startPage } from './engine.js';
import { Gestures } from './gestures.js';
import { pauseWithoutInput } from './input_pause.js';
import { MainWindow, buildMenu } from './main_window.js';
import { MessageBox, wireClose } from './message_box.js';
import { defaultVoiceKept, keepDefaultVoice } from './offline.js';
import { CardSelectionDialog, ThirdGameDialog } from './selection_dialogs.js';
import { download, pickFile } from './settings_transfer.js';
import { browserPrefs, openFileStore } from './storage.js';
import { Texts, fillPage, startLanguage, wireLanguageSwitch } from './texts.js';
import { TimerFace } from './timer_face.js';
import { ClipFault, checkVoice, keptVoiceOptions, keptVoices, kOwnReaders, storeVoice, voiceClipNames } from './voice_import.js';
import { ScreenOn } from './wake_lock.js';

const kVoiceBase = 'voice/';

function byId(id) {
  return document.getElementById(id);
}

// The tool windows the core opens: the two selection dialogs and the
// memorisation timer. Built once the core's layouts are at hand.
class ToolWindows {
  constructor(texts, reader, messages) {
    this.windows = {
      CSelect: new CardSelectionDialog(byId('selection'), texts, reader, messages),
      HSelect: new ThirdGameDialog(byId('third'), texts, reader, messages),
    };
    this.timer = byId('timer');
    this.timerFace = new TimerFace(this.timer, (w, h, time) => reader.clockHands(w, h, time));
    wireClose(this.timer, () => {});
    // The core hears of a close it did not ask for itself.
    this.closedByCore = false;
    for (const dialog of [byId('selection'), byId('third'), this.timer]) {
      dialog.addEventListener('close', () => {
        if (!this.closedByCore) reader.toolWindowClosed();
        this.closedByCore = false;
      });
    }
    for (const button of this.timer.querySelectorAll('[data-command]')) {
      button.addEventListener('click', () => reader.command(button.dataset.command));
    }
  }

  open(name) {
    if (name === 'Timer') {
      this.timer.showModal();
      this.timerFace.draw();
    } else if (this.windows[name]) {
      this.windows[name].open();
    }
  }

  close(name) {
    const dialog = name === 'Timer' ? this.timer : this.windows[name]?.dialog;
    if (dialog && dialog.open) {
      this.closedByCore = true;
      dialog.close();
    }
  }
}

// Everything the core calls on the page. `later` holds what exists only
// once the core has started (the tool windows need its layouts).
function makeView(mainWindow, messages, screenOn, readClip, later) {
  return {
    setText: (name, text) => mainWindow.setText(name, text),
    setEnabled: (name, enabled) => mainWindow.setEnabled(name, enabled),
    setTrackBarPosition: (position) => mainWindow.setTrackBarPosition(position),
    setReadModeRadio: (mode) => mainWindow.setReadModeRadio(mode),
    showPhase: (phase) => {
      // Shown to tests and benchmarks, which wait for a game's end.
      document.body.dataset.phase = phase;
      screenOn.set(phase !== 'NoGame');
    },
    // A box may come while the core is still starting (an unreadable
    // settings file), before the reader is handed over: the box then
    // carries its own close().
    showMessage: (box) => messages.show(box.caption, box.text)
      .then(() => (box.close ? box.close() : later.reader.dismissMessage(box.id))),
    openToolWindow: (name) => later.tools.open(name),
    closeToolWindow: (name) => later.tools.close(name),
    showCountdownText: (text) => later.tools.timerFace.showCountdownText(text),
    showHands: (time) => later.tools.timerFace.showHands(time),
    openHelp: () => window.open('help.html', '_blank', 'noopener'),
    pauseWithoutInput: (ms) => pauseWithoutInput(document, ms),
    releasePointer: () => { if (document.pointerLockElement) document.exitPointerLock(); },
    // A page cannot close its own tab: the reader starts afresh instead.
    quitProgram: () => window.location.reload(),
    storageUnavailable: () => { byId('notice').textContent = later.texts.get('kPageStorageRefused'); },
    clipFailed: () => {},
    // Readers 2 to 4: the player's own recorded voices.
    readClip,
  };
}

async function start() {
  const prefs = browserPrefs(window);
  const language = startLanguage(prefs, navigator.languages || [navigator.language || 'ja']);
  // The player's voices are opened while the core starts: only a reading
  // with a recorded voice waits for them.
  const storeOpened = openFileStore(window);
  const startReader = await loadBridge(window);
  const messages = new MessageBox(byId('message'));
  const screenOn = new ScreenOn(navigator, document);
  const later = {};
  let reader = null;
  let audioResumed = false;
  const command = async (name) => {
    if (!reader) return;  // still starting
    if (!audioResumed) {
      reader.resumeAudio();
      audioResumed = true;
    }
    if (name === 'ExportList') {
      const file = await reader.exportList();
      if (file) download(document, file.name, file.bytes);
    } else if (name === 'ImportList') {
      const bytes = await pickFile(byId('list-import'));
      if (bytes) reader.importList(bytes);
    } else {
      reader.command(name);
    }
  };
  const mainWindow = new MainWindow(document, command, (position) => reader && reader.moveTrackBar(position));
  // The voices kept on an earlier visit are known before the settings choose
  // a reader; their clips are read from the store only when played.
  const { ownVoices, readClip } = keptVoiceOptions(storeOpened);
  reader = await startReader({
    language, view: makeView(mainWindow, messages, screenOn, readClip, later), voiceBase: kVoiceBase, ownVoices,
  });
  const store = await storeOpened;
  later.reader = reader;
  // The benchmark reads the sound's underruns through it.
  window.fudaReader = reader;

  const captions = reader.texts(language);
  const texts = new Texts(captions.all || {}, language);
  later.texts = texts;
  fillPage(document, texts, 'kWindowTitle');
  mainWindow.setCaptions({ StatusBar: captions.makerNotice, ...captions.controls });
  wireLanguageSwitch(byId('language'), texts, prefs, window);
  if (!store.available) byId('notice').textContent = texts.get('kPageStorageRefused');
  later.tools = new ToolWindows(texts, reader, messages);
  new Gestures(byId('board'), byId('title'), command);

  const menu = byId('menu');
  buildMenu(byId('menu-groups'), captions.menuBar, (name) => {
    menu.close();
    command(name);
  });
  for (const button of menu.querySelectorAll('[data-command]')) {
    if (button.closest('#menu-groups')) continue;
    button.addEventListener('click', () => {
      menu.close();
      command(button.dataset.command);
    });
  }
  wireClose(menu, () => {});
  byId('menu-open').addEventListener('click', () => menu.showModal());

  wireVoices(texts, store, reader, command);
  wireSettings(texts, store, reader);
  wireOffline(texts);
  byId('loading').remove();

  if (reader.unfinishedGame && (await reader.unfinishedGame())) {
    const goOn = await offer(byId('resume'));
    if (goOn) {
      reader.resumeAudio();
      audioResumed = true;
      reader.resumeGame();
    } else {
      reader.dropUnfinishedGame();
    }
  }
}

// Asks whether to go on with the game left unfinished.
function offer(dialog) {
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(dialog.returnValue === 'yes'), { once: true });
    dialog.showModal();
  });
}

// Tells the core which clips readers `numbers` have kept now.
async function announceVoices(store, reader, numbers) {
  const voices = await keptVoices(store, numbers);
  for (const number of numbers) await reader.ownVoice(number, voices[number]);
}

function wireVoices(texts, store, reader, command) {
  const select = byId('voice-reader');
  for (const option of select.options) option.textContent = texts.get(`kItemReader${option.value}`);
  const progress = byId('voice-progress');
  const status = byId('voice-status');
  const take = async (files) => {
    if (files.length === 0) return;
    status.textContent = texts.get('kPageCheckingVoice');
    progress.hidden = false;
    progress.value = 0;
    try {
      const audio = new OfflineAudioContext(1, 1, 44100);
      const names = await voiceClipNames(window.fetch.bind(window), kVoiceBase);
      const entries = await checkVoice(files, names, (data) => audio.decodeAudioData(data), (part) => { progress.value = part; });
      const refusal = await storeVoice(store, select.value, entries);
      if (!refusal) {
        await announceVoices(store, reader, [Number(select.value)]);
        // The voice just kept is the one the player wants to hear.
        command(`Reader${select.value}`);
      }
      status.textContent = refusal ? `${texts.get(refusal)} ${texts.get('kPageVoiceUnchanged')}`
                                   : texts.get('kPageVoiceKept');
    } catch (error) {
      status.textContent = error instanceof ClipFault
          ? `${texts.get(error.textName)}${error.clip} ${texts.get('kPageVoiceUnchanged')}`
          : `${String(error.message || error)} ${texts.get('kPageVoiceUnchanged')}`;
    } finally {
      progress.hidden = true;
    }
  };
  for (const input of [byId('voice-folder'), byId('voice-files')]) {
    input.addEventListener('change', () => take([...input.files]));
  }
}

function wireSettings(texts, store, reader) {
  byId('settings-export').addEventListener('click', async () => {
    // Nothing to hand out where the browser lost the settings file.
    const file = await reader.exportSettings();
    if (file) download(document, file.name, file.bytes);
  });
  const input = byId('settings-import');
  input.addEventListener('change', async () => {
    const file = input.files[0];
    if (!file) return;
    reader.importSettings(new Uint8Array(await file.arrayBuffer()));
    // The new settings may name other folders for the own voices.
    await announceVoices(store, reader, kOwnReaders);
    byId('settings-status').textContent = texts.get('kPageSettingsImported');
  });
}

function wireOffline(texts) {
  const button = byId('keep-voice');
  const progress = byId('keep-progress');
  const status = byId('settings-status');
  if (!window.caches) {
    button.disabled = true;
    return;
  }
  button.addEventListener('click', async () => {
    button.disabled = true;
    progress.hidden = false;
    progress.value = 0;
    try {
      if (navigator.storage && navigator.storage.persist) await navigator.storage.persist();
      await keepDefaultVoice(window.caches, window.fetch.bind(window), kVoiceBase, (part) => { progress.value = part; });
      status.textContent = texts.get('kPageVoiceOffline');
    } catch (error) {
      status.textContent = texts.get('kPageKeepVoiceFailed') + error.message;
    } finally {
      progress.hidden = true;
      button.disabled = false;
    }
  });
  // The button works at once; whether the voice is already kept is told when
  // known, unless the status says something newer by then.
  defaultVoiceKept(window.caches, kVoiceBase).then((kept) => {
    if (kept && !status.textContent) status.textContent = texts.get('kPageVoiceOffline');
  }, () => {});
}

startPage(window, start);
