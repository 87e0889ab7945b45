// The card selection and one-third game dialogs as page dialogs. Every click
// goes to the core, which applies the control's rule to the card selection
// and answers with the flags to show and whether to close; the page draws.
import { wireClose } from './message_box.js';

// Opens `dialog` and resolves when it has closed by any path.
function runModal(dialog, onOpen) {
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(), { once: true });
    onOpen();
    dialog.showModal();
  });
}

// What the core's answer to a click asks of the dialog. The "nothing chosen"
// message is the dialog's own, as on the desktop.
async function follow(dialog, answer, texts, messages, nothingText) {
  if (answer.step === 'close') dialog.close();
  else if (answer.step === 'nothing') await messages.show(texts.get('kNothingSelectedCaption'), texts.get(nothingText));
}

function button(document, caption, onClick) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = caption;
  element.addEventListener('click', onClick);
  return element;
}

function checkBox(document, label, onChange) {
  const wrap = document.createElement('label');
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.setAttribute('aria-label', label);
  box.addEventListener('change', () => onChange(box.checked));
  wrap.append(box);
  return { wrap, box };
}

export class CardSelectionDialog {
  constructor(dialog, texts, engine, messages) {
    this.dialog = dialog;
    this.messages = messages;
    this.texts = texts;
    this.engine = engine;
    this.boxes = new Map();  // poem -> check box
    const document = dialog.ownerDocument;
    const layout = engine.selectionLayout();
    const columns = dialog.querySelector('#selection-columns');
    const byColumn = [];
    for (const poem of layout.poems) {
      if (!byColumn[poem.column]) {
        const column = document.createElement('div');
        column.className = 'column';
        byColumn[poem.column] = column;
        columns.append(column);
      }
      const caption = texts.pick(poem.caption);
      const row = document.createElement('div');
      row.className = 'poem';
      const { wrap, box } = checkBox(document, caption, (checked) => this.click(poem.boxId, checked));
      row.append(wrap, button(document, caption, () => this.click(poem.buttonId, false)));
      byColumn[poem.column].append(row);
      this.boxes.set(poem.poem, box);
    }
    const blocks = dialog.querySelector('#selection-blocks');
    for (const block of layout.blocks) {
      blocks.append(button(document, texts.pick(block.caption), () => this.click(block.id, false)));
    }
    dialog.querySelector('[data-ok]').addEventListener('click', () => this.click(layout.okId, false));
    dialog.querySelector('[data-cancel]').addEventListener('click', () => this.click(layout.cancelId, false));
    wireClose(dialog, () => {});
  }

  open() {
    return runModal(this.dialog, () => this.show(this.engine.selectionState()));
  }

  async click(id, boxChecked) {
    const answer = await this.engine.selectionClick('CSelect', id, boxChecked);
    this.show(answer);
    await follow(this.dialog, answer, this.texts, this.messages, 'kNothingSelectedText');
  }

  show(state) {
    for (const [poem, box] of this.boxes) box.checked = state.selected[poem] === 1;
  }
}

export class ThirdGameDialog {
  constructor(dialog, texts, engine, messages) {
    this.dialog = dialog;
    this.texts = texts;
    this.messages = messages;
    this.engine = engine;
    this.boxes = new Map();  // choice -> check box
    const document = dialog.ownerDocument;
    const layout = engine.selectionLayout();
    const rows = dialog.querySelector('#third-rows');
    for (const third of layout.thirds) {
      const row = document.createElement('div');
      row.className = 'third';
      const caption = texts.pick(third.buttonCaption);
      const { wrap, box } = checkBox(document, caption, (checked) => this.click(third.boxId, checked));
      const label = document.createElement('p');
      label.textContent = texts.pick(third.label);
      row.append(wrap, button(document, caption, () => this.click(third.buttonId, false)), label);
      rows.append(row);
      this.boxes.set(third.choice, box);
    }
    dialog.querySelector('[data-ok]').addEventListener('click', () => this.click(layout.thirdOkId, false));
    dialog.querySelector('[data-cancel]').addEventListener('click', () => this.click(layout.thirdCancelId, false));
    wireClose(dialog, () => {});
  }

  open() {
    return runModal(this.dialog, () => this.show(this.engine.selectionState()));
  }

  async click(id, boxChecked) {
    const answer = await this.engine.selectionClick('HSelect', id, boxChecked);
    this.show(answer);
    await follow(this.dialog, answer, this.texts, this.messages, 'kNoThirdChosenText');
  }

  show(state) {
    for (const [choice, box] of this.boxes) box.checked = state.thirdChoice === choice;
  }
}
