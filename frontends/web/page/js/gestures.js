// The main window's mouse gestures on the page's background: the left button
// toggles the mouse lock, the right button steers the reading, a right
// double-click starts a game, a middle double-click and a double-click on
// the title choose the hidden pair-order variants. A touch screen reaches the
// same commands through the buttons of the menu's gesture group.

// The core's names of the gestures.
export const Gesture = {
  rightButton: 'RightButton',
  rightDoubleClick: 'RightDoubleClick',
  middleDoubleClick: 'MiddleDoubleClick',
  title: 'TitlePictureDoubleClick',
};

// Two presses of one button this close together are a double-click.
const kDoubleClickMs = 500;

export class Gestures {
  constructor(board, title, onCommand) {
    this.board = board;
    this.onCommand = onCommand;
    this.last = { button: -1, at: -Infinity };
    board.addEventListener('mousedown', (event) => this.press(event));
    board.addEventListener('contextmenu', (event) => {
      if (this.onBackground(event)) event.preventDefault();
    });
    title.addEventListener('dblclick', () => onCommand(Gesture.title));
    board.ownerDocument.addEventListener('pointerlockchange', () => {
      board.classList.toggle('locked', board.ownerDocument.pointerLockElement === board);
    });
  }

  // Clicks on controls belong to the controls; with the lock on, every
  // click arrives on the locked background.
  onBackground(event) {
    if (this.locked()) return true;
    return !event.target.closest('button, input, select, label, a, fieldset');
  }

  locked() {
    return this.board.ownerDocument.pointerLockElement === this.board;
  }

  press(event) {
    if (!this.onBackground(event)) return;
    const now = event.timeStamp;
    const double = this.last.button === event.button && now - this.last.at < kDoubleClickMs;
    this.last = double ? { button: -1, at: -Infinity } : { button: event.button, at: now };
    if (event.button === 0) {
      event.preventDefault();
      this.toggleLock();
    } else if (event.button === 2) {
      // The first press of a double-click has already steered the reading.
      this.onCommand(Gesture.rightButton);
      if (double) this.onCommand(Gesture.rightDoubleClick);
    } else if (event.button === 1) {
      event.preventDefault();
      if (double) this.onCommand(Gesture.middleDoubleClick);
    }
  }

  // The desktop holds the pointer on one spot; the page's equivalent keeps
  // every click on the background until the left button is pressed again.
  toggleLock() {
    const document = this.board.ownerDocument;
    if (this.locked()) {
      document.exitPointerLock();
    } else if (this.board.requestPointerLock) {
      const result = this.board.requestPointerLock();
      if (result && result.catch) result.catch(() => {});
    }
  }
}
