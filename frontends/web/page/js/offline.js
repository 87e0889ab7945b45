// "Keep the voice on this device": every clip of the default voice, as
// voice/clips.json lists them, goes into the cache the service worker reads
// first, with a progress bar, so that the whole reader works offline.

export const kVoiceCache = 'fudayomi-voice-v1';

async function clipUrls(fetch, voiceBase) {
  const response = await fetch(`${voiceBase}clips.json`);
  if (!response.ok) throw new Error('clips.json');
  return (await response.json()).map((file) => `${voiceBase}${file}`);
}

// Resolves when every clip is kept; rejects naming the clip that failed.
export async function keepDefaultVoice(caches, fetch, voiceBase, onProgress) {
  const cache = await caches.open(kVoiceCache);
  const urls = await clipUrls(fetch, voiceBase);
  await cache.put(`${voiceBase}clips.json`, await fetch(`${voiceBase}clips.json`));
  let kept = 0;
  for (const url of urls) {
    if (!(await cache.match(url))) {
      const response = await fetch(url, { cache: 'no-cache' }).catch(() => null);
      if (!response || !response.ok) throw new Error(url.slice(voiceBase.length));
      await cache.put(url, response);
    }
    onProgress(++kept / urls.length);
  }
}

// Whether the last clip of the list is kept (they are kept in order).
export async function defaultVoiceKept(caches, voiceBase) {
  const cache = await caches.open(kVoiceCache);
  const list = await cache.match(`${voiceBase}clips.json`);
  if (!list) return false;
  const files = await list.json();
  return !!(await cache.match(`${voiceBase}${files[files.length - 1]}`));
}
