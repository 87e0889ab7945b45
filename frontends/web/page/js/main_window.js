// The main window as a page: the controls the core enables and captions,
// and every click forwarded to the core as its named command. Nothing here
// decides what a command does.
import { Texts } from './texts.js';

export class MainWindow {
  constructor(document, onCommand, onTrackBar) {
    this.document = document;
    this.onCommand = onCommand;
    this.trackBar = this.control('TimingTrackBar');
    this.next = this.control('NextButton');
    for (const element of document.querySelectorAll('main [data-command]')) {
      const radio = element.type === 'radio';
      element.addEventListener(radio ? 'change' : 'click', () => {
        this.onCommand(element.dataset.command);
        // The focus leaves a pressed button, so that the next Space or
        // Enter reads the next card instead of pressing it again.
        if (!radio) element.blur();
      });
    }
    // Every move of the thumb reaches the core, as the track bar's drawing
    // notifications do on the desktop.
    this.trackBar.addEventListener('input', () => onTrackBar(Number(this.trackBar.value)));
    document.addEventListener('keydown', (event) => this.key(event));
  }

  control(name) {
    return this.document.querySelector(`[data-control="${name}"]`);
  }

  // Space or Enter anywhere but on a control of its own is "Next".
  key(event) {
    if (event.key !== ' ' && event.key !== 'Enter') return;
    if (event.repeat || event.altKey || event.ctrlKey || event.metaKey) return;
    const target = event.target;
    if (target.closest && target.closest('button, input, select, textarea, a, dialog')) return;
    if (this.document.querySelector('dialog[open]')) return;
    event.preventDefault();
    if (!this.next.disabled) this.onCommand(this.next.dataset.command);
  }

  // The captions the core gives its controls by name; a radio button's
  // caption is the text beside it.
  setCaptions(controls) {
    for (const [name, caption] of Object.entries(controls)) {
      const element = this.control(name);
      if (!element || caption === undefined) continue;
      const target = element.type === 'radio' ? element.nextElementSibling : element;
      target.textContent = caption;
    }
  }

  // --- the view's calls from the core ---

  setText(name, text) {
    const element = this.control(name);
    if (element) element.textContent = text;
  }

  setEnabled(name, enabled) {
    const element = this.control(name);
    if (!element) return;
    if (element.tagName === 'FIELDSET') {
      for (const input of element.querySelectorAll('input')) input.disabled = !enabled;
    } else if ('disabled' in element) {
      element.disabled = !enabled;
    }
  }

  setTrackBarPosition(position) {
    this.trackBar.value = String(position);
  }

  setReadModeRadio(mode) {
    this.control('ManualRadio').checked = mode === 'Manual';
    this.control('AutoRadio').checked = mode === 'Automatic';
  }
}

// The menu bar's pop-ups as groups of buttons in the menu sheet, in the
// core's order; separators (null) are left out.
export function buildMenu(container, menuBar, onCommand) {
  const document = container.ownerDocument;
  container.replaceChildren();
  menuBar.forEach((menu, index) => {
    const section = document.createElement('section');
    section.className = 'menu-group';
    const heading = document.createElement('h3');
    heading.id = `menu-${index}`;
    heading.textContent = Texts.plain(menu.title);
    section.setAttribute('aria-labelledby', heading.id);
    section.append(heading);
    for (const item of menu.items) {
      if (!item) continue;
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.command = item.command;
      button.textContent = Texts.plain(item.caption);
      button.addEventListener('click', () => onCommand(item.command));
      section.append(button);
    }
    container.append(section);
  });
}
