// Where the page finds the core: the bridge module of the wasm build, or a
// stand-in that a test put in place before the page loaded.

// Resolves to the bridge's startReader (or startMemotimer, by `entry`).
export async function loadBridge(window, entry = 'startReader') {
  if (window.fudaTestBridge) return window.fudaTestBridge[entry];
  const module = await import('../reader_bridge.js');
  return module[entry];
}
