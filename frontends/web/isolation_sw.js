// The site's service worker. It answers the site's own requests and adds the
// two headers that isolate the page from other origins, so the reader's
// threads may share memory on any static host. The offline cache
// (offline_cache.js), when the site has it, decides where an answer comes
// from; this file only adds the headers.
try {
  importScripts('offline_cache.js');
} catch (error) {
  // A site without the offline cache answers from the network.
}

self.addEventListener('install', () => self.skipWaiting());
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

function respond(request) {
  return self.fudaOffline ? self.fudaOffline.fetch(request) : fetch(request);
}

function isolated(response) {
  // Opaque answers and redirects cannot be rebuilt; they pass as they are.
  if (response.status === 0 || response.type === 'opaqueredirect') return response;
  const headers = new Headers(response.headers);
  headers.set('Cross-Origin-Opener-Policy', 'same-origin');
  headers.set('Cross-Origin-Embedder-Policy', 'require-corp');
  headers.set('Cross-Origin-Resource-Policy', 'same-origin');
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (new URL(request.url).origin !== self.location.origin) return;
  // A cache-only request of another origin's mode cannot be answered here.
  if (request.cache === 'only-if-cached' && request.mode !== 'same-origin') return;
  event.respondWith(respond(request).then(isolated));
});
