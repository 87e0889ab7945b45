// A plain static server for the site (no special headers, as on any web
// host), and a page-only site for checks that need no wasm build.
import { createServer } from 'node:http';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';

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
