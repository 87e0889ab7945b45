// The core's pause without input: while an announcement plays, taps and keys
// on the page go nowhere, as the desktop window takes no input then.
export function pauseWithoutInput(document, ms) {
  document.body.inert = true;
  setTimeout(() => { document.body.inert = false; }, ms);
}
