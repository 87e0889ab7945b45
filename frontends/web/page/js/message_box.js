// Message boxes as one page dialog: each call waits for the previous box to
// be dismissed, so two faults reported at once are shown in turn.

export class MessageBox {
  constructor(dialog) {
    this.dialog = dialog;
    this.queue = Promise.resolve();
  }

  // Resolves when the player has dismissed the box.
  show(caption, text) {
    this.queue = this.queue.then(() => this.showNow(caption, text));
    return this.queue;
  }

  showNow(caption, text) {
    const dialog = this.dialog;
    dialog.querySelector('#message-caption').textContent = caption;
    dialog.querySelector('#message-text').textContent = text;
    return new Promise((resolve) => {
      dialog.addEventListener('close', () => resolve(), { once: true });
      dialog.showModal();
      dialog.querySelector('button').focus();
    });
  }
}

// Closes a sheet on its close control; `onClose` runs for the close box and
// the Escape key alike, as the title bar's close box does on the desktop.
export function wireClose(dialog, onClose) {
  for (const button of dialog.querySelectorAll('[data-close]')) {
    button.addEventListener('click', () => {
      onClose();
      dialog.close();
    });
  }
  dialog.addEventListener('cancel', (event) => {
    event.preventDefault();
    onClose();
    dialog.close();
  });
}
