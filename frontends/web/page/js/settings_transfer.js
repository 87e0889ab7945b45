// The settings file kept in the browser, with the desktop's keys and
// meanings: "export settings" hands out the kept fudayomi.ini byte for byte,
// "import settings" keeps a chosen one after the core has read it the way
// it reads the desktop's.

export const kSettingsKey = 'fudayomi.ini';

// Offers `bytes` as a download named `name`.
export function download(document, name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// The kept settings file, or null.
export async function keptSettings(store) {
  const value = await store.get(kSettingsKey);
  return value ? new Uint8Array(value) : null;
}

// Keeps `bytes` as the settings file. Resolves to null, or to the name of
// the text that says why nothing was kept.
export async function keepSettings(store, bytes) {
  if (!store.available) return 'kPageStorageRefused';
  try {
    await store.putAll([[kSettingsKey, bytes]]);
    return null;
  } catch {
    return 'kPageStorageFull';
  }
}
