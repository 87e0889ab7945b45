// A plain static server for the site (no special headers, as on any web
// host), a page-only site for checks that need no wasm build, a site whose
// voice is test tones, and what tells that the page is ready to start.
import { createServer } from 'node:http';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, statSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, extname, join, normalize } from 'node:path';

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
  '.ogg': 'audio/ogg', '.wav': 'audio/wav', '.txt': 'text/plain',
};

// Resolves to {url, close()} serving `dir` on 127.0.0.1.
export function serveSite(dir) {
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(dir, path));
    try {
      if (!file.startsWith(dir) || !statSync(file).isFile()) throw new Error('not found');
      response.writeHead(200, { 'content-type': kTypes[extname(file)] || 'application/octet-stream' });
      response.end(readFileSync(file));
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((done) => {
      server.close(done);
      server.closeAllConnections();
    }),
  })));
}

// The page's files and the icons, as scripts/web-build.sh lays them out.
export function pageOnlySite(root) {
  const dir = mkdtempSync(join(tmpdir(), 'fudayomi-page-'));
  cpSync(join(root, 'frontends/web/page'), dir, { recursive: true });
  mkdirSync(join(dir, 'icons'));
  for (const icon of ['fudayomi-128.png', 'fudayomi-256.png', 'fudayomi.svg']) {
    cpSync(join(root, 'packaging/icons', icon), join(dir, 'icons', icon));
  }
  return dir;
}

// True in the page once its start control can be clicked.
export const startControlReady = `(() => { const b = document.querySelector('[data-control="QuickStartButton"]'); return b && !b.disabled && !document.getElementById('loading'); })()`;

// The clips of the hundred poems and the preface.
export function poemClipNames() {
  return Array.from({ length: 101 }, (_, poem) => ['A', 'B'].map((verse) => `I-${String(poem).padStart(3, '0')}${verse}.ogg`)).flat();
}

// `site` with a voice of one 0.3 s tone under each of `names`, so that a game
// reads quickly; the site's other files are linked, not copied.
export function toneSite(site, names) {
  const dir = mkdtempSync(join(tmpdir(), 'fudayomi-tones-'));
  for (const name of readdirSync(site)) {
    if (name !== 'voice') symlinkSync(join(site, name), join(dir, name));
  }
  const tone = join(dir, 'tone.ogg');
  execFileSync('sox', ['-n', '-r', '48000', '-c', '1', tone, 'synth', '0.3', 'sine', '440']);
  for (const name of names) {
    mkdirSync(dirname(join(dir, 'voice', name)), { recursive: true });
    cpSync(tone, join(dir, 'voice', name));
  }
  writeFileSync(join(dir, 'voice', 'clips.json'), JSON.stringify(names));
  return dir;
}
