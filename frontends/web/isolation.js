// The first script of every page. The reader's threads share memory, which a
// browser allows only in a page isolated from other origins; a static host
// cannot send the headers that ask for it, so our service worker adds them.
// On the first visit the page is not yet under the worker: it registers the
// worker and loads itself once more. Meanwhile `window.fudaIsolationPending`
// is true, so the page's script (and a test or benchmark) leaves the core
// alone in the page that goes away.
(() => {
  if (window.crossOriginIsolated || !('serviceWorker' in navigator)) return;
  const reloaded = sessionStorage.getItem('fudaIsolationReload') === '1';
  window.fudaIsolationPending = !reloaded;
  navigator.serviceWorker.register(new URL('isolation_sw.js', document.currentScript.src))
    .then((registration) => {
      if (reloaded) return;  // once only: a browser that refuses keeps its page
      sessionStorage.setItem('fudaIsolationReload', '1');
      const reload = () => window.location.reload();
      if (navigator.serviceWorker.controller) reload();
      else navigator.serviceWorker.addEventListener('controllerchange', reload);
      if (registration.active && !navigator.serviceWorker.controller) reload();
    })
    .catch(() => {
      // No worker, no reload: the page starts as it is, and says so if the
      // core cannot run without isolation.
      window.fudaIsolationPending = false;
      window.dispatchEvent(new Event('fudaisolationrefused'));
    });
})();
