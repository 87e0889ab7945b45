// What the page keeps in the browser: small preferences (language, the game
// to go on with) in localStorage, the settings file and recorded voices in
// IndexedDB. A browser may refuse either (a private window, a full quota);
// the page then goes on without keeping anything and says so once.

export class Prefs {
  constructor(backing) {
    this.backing = backing;
    this.available = true;
    try {
      const probe = '__fudayomi_probe';
      backing.setItem(probe, '1');
      backing.removeItem(probe);
    } catch {
      this.available = false;
    }
  }

  get(key) {
    try {
      return this.backing.getItem(key);
    } catch {
      return null;
    }
  }

  // False when the browser refused to keep it.
  set(key, value) {
    try {
      if (value === null) this.backing.removeItem(key);
      else this.backing.setItem(key, value);
      return true;
    } catch {
      return false;
    }
  }
}

// The page's localStorage, or a stand-in that refuses every write where the
// browser forbids even reading it.
export function browserPrefs(window) {
  try {
    return new Prefs(window.localStorage);
  } catch {
    return new Prefs({ getItem() { return null; }, setItem() { throw new Error('refused'); }, removeItem() {} });
  }
}

const kDatabaseName = 'fudayomi';
const kDatabaseVersion = 1;
// "files": settings file and clips by key ("fudayomi.ini", "voice2/I-000A").
const kFiles = 'files';

function request(req) {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

function done(transaction) {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onabort = () => reject(transaction.error || new Error('aborted'));
    transaction.onerror = () => reject(transaction.error);
  });
}

// Resolves to the page's store, one that keeps nothing where the browser
// has no IndexedDB.
export function openFileStore(window) {
  return window.indexedDB ? FileStore.open(window.indexedDB) : Promise.resolve(new FileStore());
}

export class FileStore {
  // Resolves to a store whose `available` says whether anything will be kept.
  static async open(indexedDB) {
    const store = new FileStore();
    try {
      const req = indexedDB.open(kDatabaseName, kDatabaseVersion);
      req.onupgradeneeded = () => req.result.createObjectStore(kFiles);
      store.db = await request(req);
      // Some browsers open the database and refuse the first write.
      await store.putAll([['__probe', new Uint8Array(1)]]);
      await store.deleteKeys(['__probe']);
      store.available = true;
    } catch {
      store.available = false;
    }
    return store;
  }

  constructor() {
    this.db = null;
    this.available = false;
  }

  async get(key) {
    if (!this.available) return null;
    const tx = this.db.transaction(kFiles, 'readonly');
    const value = await request(tx.objectStore(kFiles).get(key));
    return value === undefined ? null : value;
  }

  async keysWithPrefix(prefix) {
    if (!this.available) return [];
    const tx = this.db.transaction(kFiles, 'readonly');
    const range = IDBKeyRange.bound(prefix, prefix + '\uffff');
    return request(tx.objectStore(kFiles).getAllKeys(range));
  }

  // All or nothing: one transaction, so a quota error keeps what was there.
  async putAll(entries, removeKeys = []) {
    const tx = this.db.transaction(kFiles, 'readwrite');
    const files = tx.objectStore(kFiles);
    for (const key of removeKeys) files.delete(key);
    for (const [key, value] of entries) files.put(value, key);
    await done(tx);
  }

  async deleteKeys(keys) {
    const tx = this.db.transaction(kFiles, 'readwrite');
    for (const key of keys) tx.objectStore(kFiles).delete(key);
    await done(tx);
  }
}

// A failed write that means the quota, as opposed to a refusal.
export function isQuotaError(error) {
  return !!error && (error.name === 'QuotaExceededError' || /quota/i.test(String(error.message)));
}
