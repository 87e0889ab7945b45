// A player's own recorded voice, chosen as a folder or as files: every verse
// clip I-000A … I-100B and the four announcements, each WAV, MP3 or Ogg. The
// clips are checked whole before anything is stored, and stored in one
// transaction, so a bad choice leaves the voice kept before as it was.
import { isQuotaError } from './storage.js';

const kExtensions = ['wav', 'mp3', 'ogg'];
// Far above any spoken verse; a larger file is refused before it is read.
export const kMaxClipBytes = 64 * 1024 * 1024;

// The clips a voice holds, as the default voice lists them in
// voice/clips.json ("I-000A.ogg", "Mesg/anki_s.ogg"), without extension.
export async function voiceClipNames(fetch, voiceBase) {
  const response = await fetch(`${voiceBase}clips.json`);
  if (!response.ok) throw new Error(`${voiceBase}clips.json`);
  return (await response.json()).map((file) => file.replace(/\.[^./]+$/, ''));
}

function stem(path) {
  const base = path.replace(/\\/g, '/').split('/').pop();
  const dot = base.lastIndexOf('.');
  return { stem: (dot < 0 ? base : base.slice(0, dot)).toLowerCase(), extension: dot < 0 ? '' : base.slice(dot + 1).toLowerCase() };
}

// The clip of `names` a chosen file is, by its name without regard to case
// (a voice made on Windows may say "i-000a.WAV" or "MESG"), or null.
export function clipNameOf(file, names) {
  const { stem: fileStem, extension } = stem(file.webkitRelativePath || file.name);
  if (!kExtensions.includes(extension)) return null;
  return names.find((name) => stem(name).stem === fileStem) || null;
}

// A fault found in the chosen clips: its message text and the clip's name.
export class ClipFault extends Error {
  constructor(textName, clip) {
    super(`${textName} ${clip}`);
    this.textName = textName;
    this.clip = clip;
  }
}

// Checks `files` and resolves to [clipName, {extension, data}] entries.
// `decode(arrayBuffer)` rejects for a clip the browser cannot decode.
export async function checkVoice(files, names, decode, onProgress) {
  const chosen = new Map();
  for (const file of files) {
    const name = clipNameOf(file, names);
    // Where a folder holds one clip in two formats, the first format of
    // WAV, MP3, Ogg wins, as the desktop's probe prefers.
    if (name && (!chosen.has(name) || rank(file) < rank(chosen.get(name)))) chosen.set(name, file);
  }
  const missing = names.filter((name) => !chosen.has(name));
  if (missing.length > 0) {
    const shown = missing.slice(0, 6).join(', ');
    throw new ClipFault('kPageClipMissing', missing.length > 6 ? `${shown} … (${missing.length})` : shown);
  }
  for (const name of names) {
    const file = chosen.get(name);
    if (file.size === 0) throw new ClipFault('kPageClipEmpty', file.name);
    if (file.size > kMaxClipBytes) throw new ClipFault('kPageClipTooLarge', file.name);
  }
  const entries = [];
  let checked = 0;
  for (const name of names) {
    const file = chosen.get(name);
    const data = await file.arrayBuffer();
    try {
      // The decoder may detach the buffer it is given.
      await decode(data.slice(0));
    } catch {
      throw new ClipFault('kPageClipUndecodable', file.name);
    }
    entries.push([name, { extension: extensionOf(file), data }]);
    onProgress(++checked / names.length);
  }
  return entries;
}

function extensionOf(file) {
  return stem(file.name).extension;
}

function rank(file) {
  return kExtensions.indexOf(extensionOf(file));
}

// The storage keys of reader `number`'s clips.
export function clipKey(number, name) {
  return `voice${number}/${name}`;
}

// The readers whose voice a player records.
export const kOwnReaders = [2, 3, 4];

// The clip names ("I-000A", "Mesg/anki_s") of each of readers `numbers`,
// by number, as the store holds them.
export async function keptVoices(store, numbers = kOwnReaders) {
  const voices = {};
  for (const number of numbers) {
    const prefix = clipKey(number, '');
    voices[number] = (await store.keysWithPrefix(prefix)).map((key) => key.slice(prefix.length));
  }
  return voices;
}

// What the bridge's startReader() takes of the voices kept in the store that
// `storeOpened` resolves to: their clips' names, known before the core
// starts, and each clip's bytes when a game first reads it.
export function keptVoiceOptions(storeOpened) {
  return {
    ownVoices: storeOpened.then((store) => keptVoices(store)),
    readClip: async (number, name) => (await storeOpened).get(clipKey(number, name)),
  };
}

// Replaces reader `number`'s voice by `entries` in one transaction.
// Resolves to null, or to the name of the text that says why nothing changed.
export async function storeVoice(store, number, entries) {
  if (!store.available) return 'kPageStorageRefused';
  try {
    const old = await store.keysWithPrefix(`voice${number}/`);
    await store.putAll(entries.map(([name, clip]) => [clipKey(number, name), clip]), old);
    return null;
  } catch (error) {
    return isQuotaError(error) ? 'kPageStorageFull' : 'kPageStorageRefused';
  }
}
