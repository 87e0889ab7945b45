// Where the page finds the core: the bridge module the wasm build makes, or
// a stand-in that a test put in place before the page loaded.

export async function loadEngine(window) {
  if (window.fudaTestEngine) return window.fudaTestEngine;
  const module = await import('../fudayomi_bridge.js');
  return module.default ? await module.default() : module;
}
