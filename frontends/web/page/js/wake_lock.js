// Keeps the screen on while a game is read, where the browser has the
// Screen Wake Lock API. The browser drops the lock when the page is hidden,
// so it is asked for again when the page comes back.

export class ScreenOn {
  constructor(navigator, document) {
    this.navigator = navigator;
    this.wanted = false;
    this.lock = null;
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible' && this.wanted) this.acquire();
    });
  }

  async set(wanted) {
    this.wanted = wanted;
    if (wanted) await this.acquire();
    else if (this.lock) {
      const lock = this.lock;
      this.lock = null;
      await lock.release().catch(() => {});
    }
  }

  async acquire() {
    if (this.lock || !this.navigator.wakeLock) return;
    try {
      this.lock = await this.navigator.wakeLock.request('screen');
      this.lock.addEventListener('release', () => { this.lock = null; });
    } catch {
      // Refused (battery saver, hidden page): the game goes on regardless.
    }
  }
}
