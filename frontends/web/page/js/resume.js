// A game survives a reload or a phone call: after every reading step the
// core's state of the game (order, position, mode, selection) is kept, and
// at the next start the page offers to go on at the same card.

const kKey = 'game';

export class GameKeeper {
  constructor(prefs) {
    this.prefs = prefs;
  }

  // `state` is the core's own text, or null when no game is on.
  keep(state) {
    this.prefs.set(kKey, state);
  }

  kept() {
    return this.prefs.get(kKey);
  }

  // Asks the player; resolves to true to go on.
  static offer(dialog) {
    return new Promise((resolve) => {
      dialog.addEventListener('close', () => resolve(dialog.returnValue === 'yes'), { once: true });
      dialog.showModal();
    });
  }
}
