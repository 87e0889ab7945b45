// The first script of every page. The reader's threads share memory, which a
// browser allows only in a page isolated from other origins; a static host
// cannot send the headers that ask for it, so our service worker adds them.
// On the first visit the page is not yet under the worker: it registers the
// worker and loads itself once more. The load that goes away fetches nothing
// more (the next one would fetch it again) and says so with
// `window.fudaIsolationPending`, for the page's script, tests and benchmarks.
(() => {
  if (window.crossOriginIsolated || !('serviceWorker' in navigator)) return;
  // Once only: a browser that will not isolate the page keeps this load.
  if (sessionStorage.getItem('fudaIsolationReload') === '1') {
    navigator.serviceWorker.register(new URL('isolation_sw.js', document.currentScript.src)).catch(() => {});
    return;
  }
  window.fudaIsolationPending = true;
  sessionStorage.setItem('fudaIsolationReload', '1');
  const reload = () => window.location.reload();
  navigator.serviceWorker.register(new URL('isolation_sw.js', document.currentScript.src))
    .then((registration) => {
      if (navigator.serviceWorker.controller) reload();
      else navigator.serviceWorker.addEventListener('controllerchange', reload);
      if (registration.active && !navigator.serviceWorker.controller) reload();
    }, reload);
  window.stop();
})();
