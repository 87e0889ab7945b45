// The card selection and one-third game dialogs as page dialogs. Every click
// goes to the core, which applies the control's rule to the card selection
// and answers with the flags to show and what the dialog does next; the page
// only draws.
import { wireClose } from './message_box.js';

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

// What both dialogs share: opening from the core's state, a click and the
// core's answer. `show(state)` draws the flags.
class SelectionDialog {
  constructor(dialog, texts, reader, messages, nothingText) {
    this.dialog = dialog;
    this.texts = texts;
    this.reader = reader;
    this.messages = messages;
    this.nothingText = nothingText;
    this.document = dialog.ownerDocument;
    wireClose(dialog, () => {});
  }

  // Built at the first opening, from the core's layout.
  async open() {
    if (!this.built) {
      this.build(this.reader.selectionLayout());
      this.built = true;
    }
    this.show(await this.reader.selectionState());
    this.dialog.showModal();
  }

  async click(id, boxChecked) {
    const answer = await this.reader.selectionClick(id, boxChecked);
    this.show(answer);
    if (answer.step === 'Close') {
      this.dialog.close();
    } else if (answer.step === 'ShowNothingSelected') {
      await this.messages.show(this.texts.get('kNothingSelectedCaption'), this.texts.get(this.nothingText));
    }
  }

  wireChoices(okId, cancelId) {
    this.dialog.querySelector('[data-ok]').addEventListener('click', () => this.click(okId, false));
    this.dialog.querySelector('[data-cancel]').addEventListener('click', () => this.click(cancelId, false));
  }
}

export class CardSelectionDialog extends SelectionDialog {
  constructor(dialog, texts, reader, messages) {
    super(dialog, texts, reader, messages, 'kNothingSelectedText');
    this.boxes = new Map();  // poem -> check box
  }

  build(layout) {
    const dialog = this.dialog;
    const columns = dialog.querySelector('#selection-columns');
    const byColumn = new Map();
    for (const poem of layout.poems) {
      if (!byColumn.has(poem.column)) {
        const column = this.document.createElement('div');
        column.className = 'column';
        byColumn.set(poem.column, column);
        columns.append(column);
      }
      const row = this.document.createElement('div');
      row.className = 'poem';
      const { wrap, box } = checkBox(this.document, poem.caption, (checked) => this.click(poem.boxId, checked));
      row.append(wrap, button(this.document, poem.caption, () => this.click(poem.buttonId, false)));
      byColumn.get(poem.column).append(row);
      this.boxes.set(poem.poem, box);
    }
    const blocks = dialog.querySelector('#selection-blocks');
    for (const block of layout.blocks) {
      blocks.append(button(this.document, block.caption, () => this.click(block.id, false)));
    }
    this.wireChoices(layout.okId, layout.cancelId);
  }

  show(state) {
    for (const [poem, box] of this.boxes) box.checked = state.selected[poem] === 1;
  }
}

export class ThirdGameDialog extends SelectionDialog {
  constructor(dialog, texts, reader, messages) {
    super(dialog, texts, reader, messages, 'kNoThirdChosenText');
    this.boxes = new Map();  // choice -> check box
  }

  build(layout) {
    const dialog = this.dialog;
    const rows = dialog.querySelector('#third-rows');
    for (const third of layout.thirds) {
      const row = this.document.createElement('div');
      row.className = 'third';
      const { wrap, box } = checkBox(this.document, third.caption, (checked) => this.click(third.boxId, checked));
      const label = this.document.createElement('p');
      label.textContent = third.label;
      row.append(wrap, button(this.document, third.caption, () => this.click(third.buttonId, false)), label);
      rows.append(row);
      this.boxes.set(third.choice, box);
    }
    this.wireChoices(layout.thirdOkId, layout.thirdCancelId);
  }

  show(state) {
    for (const [choice, box] of this.boxes) box.checked = state.thirdChoice === choice;
  }
}
