// Where the page finds the core: the bridge module of the wasm build, or a
// stand-in that a test put in place before the page loaded.

// Resolves to the bridge's startReader (or startMemotimer, by `entry`).
export async function loadBridge(window, entry = 'startReader') {
  if (window.fudaTestBridge) return window.fudaTestBridge[entry];
  const module = await import('../reader_bridge.js');
  return module[entry];
}

// Runs `start` in the page that stays, not in the load that isolation.js is
// about to redo; a failed start shows its error where the page says it is
// loading.
export function startPage(window, start) {
  if (window.fudaIsolationPending) return;
  start().catch((error) => {
    const loading = window.document.getElementById('loading');
    if (loading) loading.textContent = String(error && error.message ? error.message : error);
    console.error(error);
  });
}
