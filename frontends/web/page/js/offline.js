// "Keep the voice on this device": every clip of the default voice goes into
// the cache the service worker reads first, with a progress bar, so that the
// whole reader works with the network off.
import { voiceClipNames } from './voice_import.js';

export const kVoiceCache = 'fudayomi-voice-v1';

// Resolves when every clip is kept; rejects with the clip that failed.
export async function keepDefaultVoice(caches, fetch, clipUrl, onProgress) {
  const cache = await caches.open(kVoiceCache);
  const names = voiceClipNames();
  let kept = 0;
  for (const name of names) {
    const url = clipUrl(name);
    if (!(await cache.match(url))) {
      let response;
      try {
        response = await fetch(url, { cache: 'no-cache' });
      } catch {
        throw new Error(name);
      }
      if (!response.ok) throw new Error(name);
      await cache.put(url, response);
    }
    onProgress(++kept / names.length);
  }
}

export async function defaultVoiceKept(caches, clipUrl) {
  if (!caches) return false;
  const cache = await caches.open(kVoiceCache);
  const names = voiceClipNames();
  return !!(await cache.match(clipUrl(names[names.length - 1])));
}
