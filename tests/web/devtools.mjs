// Headless Chromium driven over the DevTools protocol, with Node's own
// WebSocket (node --experimental-websocket): start, open a page, evaluate,
// take screenshots.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export async function launchChromium(extraArgs = []) {
  const profile = mkdtempSync(join(tmpdir(), 'fudayomi-chromium-'));
  const child = spawn('chromium', ['--headless=new', '--no-sandbox', '--remote-debugging-port=0',
    `--user-data-dir=${profile}`, '--no-first-run', '--autoplay-policy=no-user-gesture-required',
    ...extraArgs, 'about:blank'], { stdio: 'ignore', detached: true });
  const portFile = join(profile, 'DevToolsActivePort');
  // Chromium writes the port, then a newline and the browser's path.
  const port = async () => (existsSync(portFile) ? readFileSync(portFile, 'utf8') : '');
  for (let i = 0; i < 400 && !(await port()).includes('\n'); ++i) await sleep(50);
  const [number] = (await port()).split('\n');
  const targets = await (await fetch(`http://127.0.0.1:${number}/json/list`)).json();
  const page = targets.find((t) => t.type === 'page');
  const session = await connect(page.webSocketDebuggerUrl);
  session.close = async () => {
    session.socket.close();
    // Chromium's helpers are in its process group; they go with it.
    const exited = new Promise((resolve) => child.once('exit', resolve));
    process.kill(-child.pid, 'SIGTERM');
    await exited;
    await sleep(200);
    try {
      rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    } catch {
      // A helper still writing leaves its scratch profile behind in /tmp.
    }
  };
  return session;
}

async function connect(url) {
  const socket = new WebSocket(url);
  await new Promise((resolve, reject) => {
    socket.onopen = resolve;
    socket.onerror = reject;
  });
  let next = 0;
  const pending = new Map();
  const listeners = [];
  socket.onmessage = (event) => {
    const message = JSON.parse(event.data);
    if (message.id !== undefined && pending.has(message.id)) {
      const { resolve, reject } = pending.get(message.id);
      pending.delete(message.id);
      if (message.error) reject(new Error(message.error.message));
      else resolve(message.result);
    } else if (message.method) {
      for (const listener of listeners) listener(message);
    }
  };
  const send = (method, params = {}) => new Promise((resolve, reject) => {
    const id = ++next;
    pending.set(id, { resolve, reject });
    socket.send(JSON.stringify({ id, method, params }));
  });
  const session = {
    socket,
    send,
    on: (listener) => listeners.push(listener),
    // The value of `expression` in the page, awaited.
    async evaluate(expression) {
      const result = await send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
      if (result.exceptionDetails) throw new Error(result.exceptionDetails.exception?.description || result.exceptionDetails.text);
      return result.result.value;
    },
    // Polls `expression` until it is truthy.
    async waitFor(expression, timeoutMs = 10000) {
      const end = Date.now() + timeoutMs;
      for (;;) {
        const value = await session.evaluate(expression).catch(() => false);
        if (value) return value;
        if (Date.now() > end) throw new Error(`timed out waiting for ${expression}`);
        await sleep(50);
      }
    },
    async navigate(url) {
      await send('Page.enable');
      const loaded = new Promise((resolve) => listeners.push((m) => { if (m.method === 'Page.loadEventFired') resolve(); }));
      await send('Page.navigate', { url });
      await loaded;
    },
    async screenshot() {
      const { data } = await send('Page.captureScreenshot', { format: 'png' });
      return Buffer.from(data, 'base64');
    },
  };
  return session;
}
