// The service worker's cache, loaded into the site's service worker with
// importScripts(). `self.fudaOffline.fetch(request)` stands in for fetch():
// the site's own files come from the network while it is there and are kept
// as they arrive, so that after one visit the reader starts offline; the
// default voice's clips come from the cache first, once the player has kept
// them with "keep the voice on this device".
(() => {
  const kSiteCache = 'fudayomi-site-v1';
  const kVoiceCache = 'fudayomi-voice-v1';

  function isVoice(url) {
    return /\/voice\//.test(url.pathname);
  }

  // The answer goes to the page as it arrives; keeping a copy does not hold
  // it up (the WebAssembly compiles while it streams in).
  async function networkFirst(request) {
    const cache = await caches.open(kSiteCache);
    try {
      const response = await fetch(request);
      if (response.ok && response.type === 'basic') cache.put(request, response.clone()).catch(() => {});
      return response;
    } catch (error) {
      const kept = await cache.match(request, { ignoreSearch: true });
      if (kept) return kept;
      throw error;
    }
  }

  async function cacheFirst(request) {
    const kept = await caches.match(request, { cacheName: kVoiceCache });
    if (kept) return kept;
    return fetch(request);
  }

  self.fudaOffline = {
    voiceCache: kVoiceCache,
    // Same-origin GETs only; anything else goes to the network as it is.
    fetch(request) {
      const url = new URL(request.url);
      if (request.method !== 'GET' || url.origin !== self.location.origin) return fetch(request);
      return isVoice(url) ? cacheFirst(request) : networkFirst(request);
    },
  };
})();
