// A player's own recorded voice, chosen as a folder or as files: every verse
// clip I-000A … I-100B and the four announcements, each WAV, MP3 or Ogg. The
// clips are checked whole before anything is stored, and stored in one
// transaction, so a bad choice leaves the voice kept before as it was.
import { isQuotaError } from './storage.js';

const kPoemCount = 100;
const kAnnouncements = ['anki_s', 'anki_5', 'nifun', 'shiai_s'];
const kExtensions = ['wav', 'mp3', 'ogg'];
// Far above any spoken verse; a larger file is refused before it is read.
export const kMaxClipBytes = 64 * 1024 * 1024;

// The clips a voice holds, as the core asks for them.
export function voiceClipNames() {
  const names = [];
  for (let poem = 0; poem <= kPoemCount; ++poem) {
    const number = String(poem).padStart(3, '0');
    names.push(`I-${number}A`, `I-${number}B`);
  }
  for (const clip of kAnnouncements) names.push(`Mesg/${clip}`);
  return names;
}

// The clip a chosen file is, by its name without regard to case (a voice
// made on Windows may say "i-000a.WAV" or "MESG"), or null for other files.
export function clipNameOf(file) {
  const path = (file.webkitRelativePath || file.name).replace(/\\/g, '/');
  const base = path.split('/').pop();
  const dot = base.lastIndexOf('.');
  if (dot < 0) return null;
  const extension = base.slice(dot + 1).toLowerCase();
  if (!kExtensions.includes(extension)) return null;
  const stem = base.slice(0, dot).toLowerCase();
  const verse = /^i-(\d{3})([ab])$/.exec(stem);
  if (verse && Number(verse[1]) <= kPoemCount) return `I-${verse[1]}${verse[2].toUpperCase()}`;
  if (kAnnouncements.includes(stem)) return `Mesg/${stem}`;
  return null;
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
export async function checkVoice(files, decode, onProgress) {
  const chosen = new Map();
  for (const file of files) {
    const name = clipNameOf(file);
    // Where a folder holds one clip in two formats, the first format of
    // WAV, MP3, Ogg wins, as the desktop's probe prefers.
    if (name && (!chosen.has(name) || rank(file) < rank(chosen.get(name)))) chosen.set(name, file);
  }
  const names = voiceClipNames();
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
  return file.name.slice(file.name.lastIndexOf('.') + 1).toLowerCase();
}

function rank(file) {
  return kExtensions.indexOf(extensionOf(file));
}

// The storage keys of reader `number`'s clips.
export function clipKey(number, name) {
  return `voice${number}/${name}`;
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
