// The main window as a page: the controls the core enables and captions,
// and every click forwarded to the core as its command id. Nothing here
// decides what a command does.
import { Texts } from './texts.js';

// Ids the core knows (core/screen/control_ids.h).
export const Id = {
  title: 1000,
  ankiStart: 1003,
  quickStart: 1004,
  next: 1005,
  exit: 1006,
  trackBar: 1007,
  timingLabel: 1011,
  manual: 1012,
  auto: 1013,
  statusBar: 70,
};

export class MainWindow {
  constructor(document, texts, engine) {
    this.document = document;
    this.texts = texts;
    this.engine = engine;
    this.board = document.getElementById('board');
    this.trackBar = this.control(Id.trackBar);
    this.onCommand = (id) => engine.command(id);
  }

  control(id) {
    return this.document.querySelector(`[data-id="${id}"]`);
  }

  // Captions of the buttons, radios and status bar, from the core's texts.
  build() {
    const t = this.texts;
    const captions = {
      [Id.ankiStart]: 'kAnkiStartButton',
      [Id.quickStart]: 'kQuickStartButton',
      [Id.next]: 'kNextButton',
      [Id.exit]: 'kExitButton',
      [Id.statusBar]: 'kMakerNotice',
    };
    for (const [id, name] of Object.entries(captions)) this.control(id).textContent = t.get(name);
    t.fill(this.document);
    this.document.title = t.get('kWindowTitle');
    this.document.documentElement.lang = t.language;

    for (const id of [Id.ankiStart, Id.quickStart, Id.next, Id.exit]) {
      this.control(id).addEventListener('click', () => this.onCommand(id));
    }
    for (const id of [Id.manual, Id.auto]) {
      this.control(id).addEventListener('change', () => this.onCommand(id));
    }
    // Every move of the thumb reaches the core, as the track bar's drawing
    // notifications do on the desktop.
    this.trackBar.addEventListener('input', () => this.engine.timingChanged(this.trackBarPosition()));
    this.document.addEventListener('keydown', (event) => this.key(event));
  }

  // Space or Enter anywhere but on a control of its own is "Next".
  key(event) {
    if (event.key !== ' ' && event.key !== 'Enter') return;
    if (event.repeat || event.altKey || event.ctrlKey || event.metaKey) return;
    const target = event.target;
    if (target.closest && target.closest('button, input, select, textarea, a, dialog')) return;
    if (this.document.querySelector('dialog[open]')) return;
    event.preventDefault();
    if (!this.control(Id.next).disabled) this.onCommand(Id.next);
  }

  // --- ReaderView, called by the bridge on the page's main thread ---

  setText(id, text) {
    const element = this.control(id);
    if (element) element.textContent = text;
  }

  setEnabled(id, enabled) {
    const element = this.control(id);
    if (!element) return;
    if (element.tagName === 'FIELDSET') {
      for (const input of element.querySelectorAll('input')) input.disabled = !enabled;
    } else {
      element.disabled = !enabled;
    }
  }

  setTrackBarPosition(position) {
    this.trackBar.value = String(position);
  }

  setReadModeRadio(mode) {
    this.control(Id.manual).checked = mode === 'manual';
    this.control(Id.auto).checked = mode === 'auto';
  }

  trackBarPosition() {
    return Number(this.trackBar.value);
  }
}

// The menu bar's pop-ups as groups of buttons in the menu sheet, in the
// core's order; separators become gaps.
export function buildMenu(container, menuBar, texts, onCommand) {
  container.replaceChildren();
  menuBar.forEach((menu, index) => {
    const section = container.ownerDocument.createElement('section');
    section.className = 'menu-group';
    const heading = container.ownerDocument.createElement('h3');
    heading.id = `menu-${index}`;
    heading.textContent = Texts.plain(texts.pick(menu.title));
    section.setAttribute('aria-labelledby', heading.id);
    section.append(heading);
    for (const item of menu.items) {
      if (item.id === 0) continue;
      const button = container.ownerDocument.createElement('button');
      button.type = 'button';
      button.dataset.command = String(item.id);
      button.textContent = Texts.plain(texts.pick(item.caption));
      button.addEventListener('click', () => onCommand(item.id));
      section.append(button);
    }
    container.append(section);
  });
}
