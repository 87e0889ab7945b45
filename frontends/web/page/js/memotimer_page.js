// The memotimer as a page of its own: the countdown, the clock hands and the
// four commands of its menu, all decided by the core.
import { loadBridge, startPage } from './engine.js';
import { pauseWithoutInput } from './input_pause.js';
import { MessageBox } from './message_box.js';
import { browserPrefs, openFileStore } from './storage.js';
import { Texts, fillPage, startLanguage, wireLanguageSwitch } from './texts.js';
import { TimerFace } from './timer_face.js';
import { keptVoiceOptions } from './voice_import.js';

async function start() {
  const prefs = browserPrefs(window);
  const language = startLanguage(prefs, navigator.languages || [navigator.language || 'ja']);
  const startMemotimer = await loadBridge(window, 'startMemotimer');
  const messages = new MessageBox(document.getElementById('message'));
  // The core may draw before it has handed itself over; the hands wait.
  let memotimer = null;
  const face = new TimerFace(document.getElementById('board'),
                             (w, h, time) => (memotimer ? memotimer.clockHands(w, h, time) : []));
  // The settings' reader may be a voice the player kept.
  const { ownVoices, readClip } = keptVoiceOptions(openFileStore(window));
  memotimer = await startMemotimer({
    language,
    ownVoices,
    view: {
      showCountdownText: (text) => face.showCountdownText(text),
      showHands: (time) => face.showHands(time),
      pauseWithoutInput: (ms) => pauseWithoutInput(document, ms),
      showMessage: (box) => messages.show(box.caption, box.text)
        .then(() => (box.close ? box.close() : memotimer.dismissMessage(box.id))),
      // The end of the program: back to the reader.
      quitProgram: () => window.location.assign('index.html'),
      readClip,
    },
  });
  const texts = new Texts(memotimer.texts(language).all || {}, language);
  fillPage(document, texts, 'kTimerWindowTitle');
  wireLanguageSwitch(document.getElementById('language'), texts, prefs, window);
  face.draw();
  for (const button of document.querySelectorAll('[data-command]')) {
    button.addEventListener('click', () => {
      memotimer.resumeAudio();
      memotimer.command(button.dataset.command);
    });
  }
  document.getElementById('loading').remove();
}

startPage(window, start);
