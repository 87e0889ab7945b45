// Moving files between the page and the player's disk: the settings file
// fudayomi.ini and the list file readlist.txt, byte for byte as the core
// makes and reads them.

// Offers `bytes` as a download named `name`.
export function download(document, name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// The bytes of a file the player picks with `input`, or null.
export function pickFile(input) {
  return new Promise((resolve) => {
    input.value = '';
    input.addEventListener('change', async () => {
      const file = input.files[0];
      resolve(file ? new Uint8Array(await file.arrayBuffer()) : null);
    }, { once: true });
    input.addEventListener('cancel', () => resolve(null), { once: true });
    input.click();
  });
}
