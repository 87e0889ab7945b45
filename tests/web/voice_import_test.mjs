// A recorded voice chosen with a clip missing, empty, too large or not
// decodable is refused with the clip's name, before anything is stored.
//   node --test tests/web/voice_import_test.mjs
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { ClipFault, checkVoice } from '../../frontends/web/page/js/voice_import.js';

const names = ['I-000A', 'I-000B', 'Mesg/anki_s'];

// A chosen file as the browser gives it; `size` may lie about a file too
// large to be read at all.
function file(path, bytes = 4, size = bytes) {
  return {
    name: path.split('/').pop(),
    webkitRelativePath: path,
    size,
    arrayBuffer: async () => {
      if (size !== bytes) throw new Error('a file this large must not be read');
      return new ArrayBuffer(bytes);
    },
  };
}

const good = () => [file('v/I-000A.wav'), file('v/i-000b.WAV'), file('v/MESG/anki_s.ogg')];
const decodes = async () => {};

test('a bad choice of clips is refused naming the clip', async () => {
  const cases = [
    [good().slice(1), decodes, 'kPageClipMissing', 'I-000A'],
    [[file('v/I-000A.wav', 0), ...good().slice(1)], decodes, 'kPageClipEmpty', 'I-000A.wav'],
    [[file('v/I-000A.wav', 4, 2 ** 31), ...good().slice(1)], decodes, 'kPageClipTooLarge', 'I-000A.wav'],
    [good(), async (data) => { if (data.byteLength === 4) throw new Error('bad'); }, 'kPageClipUndecodable', 'I-000A.wav'],
  ];
  for (const [files, decode, textName, clip] of cases) {
    await assert.rejects(checkVoice(files, names, decode, () => {}),
                         (error) => error instanceof ClipFault && error.textName === textName && error.clip === clip);
  }
  const entries = await checkVoice(good(), names, decodes, () => {});
  assert.deepEqual(entries.map(([name, clip]) => `${name}.${clip.extension}`), ['I-000A.wav', 'I-000B.wav', 'Mesg/anki_s.ogg']);
});
