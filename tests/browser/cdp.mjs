// A small client of the Chrome DevTools Protocol over --remote-debugging-pipe:
// JSON messages separated by NUL bytes, written to the browser's fd 3 and
// read from its fd 4. Enough for the tests, with no packages to install.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export function findChromium() {
  const candidates = [process.env.CHROMIUM, '/usr/bin/chromium', '/usr/bin/chromium-browser', '/usr/bin/google-chrome'];
  return candidates.find((path) => path && existsSync(path)) || null;
}

export class Browser {
  static async launch(executable) {
    const profile = mkdtempSync(join(tmpdir(), 'quillon-chromium-'));
    const args = [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-default-apps', '--mute-audio', `--user-data-dir=${profile}`,
      '--remote-debugging-pipe', 'about:blank',
    ];
    // The browser keeps its caches and settings in the fresh profile, never in the user's home.
    const env = { ...process.env, HOME: profile, XDG_CONFIG_HOME: profile, XDG_CACHE_HOME: profile };
    const child = spawn(executable, args, { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'], env });
    const browser = new Browser(child, profile);
    await browser.send('Target.setDiscoverTargets', { discover: true });
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = new Set();
    this.stderr = '';
    let buffer = '';
    child.stderr.on('data', (chunk) => { this.stderr = (this.stderr + chunk).slice(-4000); });
    child.stdio[4].on('data', (chunk) => {
      buffer += chunk.toString('utf8');
      let end;
      while ((end = buffer.indexOf('\0')) >= 0) {
        const message = JSON.parse(buffer.slice(0, end));
        buffer = buffer.slice(end + 1);
        this.dispatch(message);
      }
    });
    child.on('exit', (code) => {
      for (const { reject } of this.pending.values()) reject(new Error(`chromium exited (${code}): ${this.stderr}`));
      this.pending.clear();
    });
  }

  dispatch(message) {
    if (message.id !== undefined) {
      const waiter = this.pending.get(message.id);
      if (!waiter) return;
      this.pending.delete(message.id);
      if (message.error) waiter.reject(new Error(`${waiter.method}: ${message.error.message}`));
      else waiter.resolve(message.result);
      return;
    }
    for (const listener of [...this.listeners]) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  // The first event of that method (and session) for which accept holds.
  waitForEvent(method, accept = () => true, timeout = 10000) {
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        this.listeners.delete(listener);
        reject(new Error(`no ${method} within ${timeout} ms`));
      }, timeout);
      const listener = (message) => {
        if (message.method !== method || !accept(message.params, message.sessionId)) return;
        clearTimeout(timer);
        this.listeners.delete(listener);
        resolve(message.params);
      };
      this.listeners.add(listener);
    });
  }

  async newPage() {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    return page;
  }

  async close() {
    const exited = new Promise((resolve) => {
      if (this.child.exitCode !== null || this.child.signalCode !== null) resolve();
      else this.child.once('exit', resolve);
    });
    try {
      await Promise.race([this.send('Browser.close'), new Promise((resolve) => setTimeout(resolve, 3000))]);
    } catch {
      // the browser is going anyway
    }
    await Promise.race([exited, new Promise((resolve) => setTimeout(resolve, 3000))]);
    this.child.kill('SIGKILL');
    await exited;
    // Helper processes may still be finishing their writes into the profile.
    rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  }
}

const KEYS = {
  ArrowDown: { code: 'ArrowDown', keyCode: 40 },
  ArrowUp: { code: 'ArrowUp', keyCode: 38 },
  ArrowRight: { code: 'ArrowRight', keyCode: 39 },
  ArrowLeft: { code: 'ArrowLeft', keyCode: 37 },
  Home: { code: 'Home', keyCode: 36 },
  End: { code: 'End', keyCode: 35 },
  Enter: { code: 'Enter', keyCode: 13, text: '\r' },
  Tab: { code: 'Tab', keyCode: 9 },
  '*': { code: 'NumpadMultiply', keyCode: 106, text: '*' },
};

export class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
  }

  send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

  async goto(url) {
    const { errorText } = await this.send('Page.navigate', { url });
    if (errorText) throw new Error(`${url}: ${errorText}`);
    // The load event of a page still loading from before could pass for this one's.
    await waitUntil(`${url} has loaded`, () => this.evaluate(
      `location.href === ${JSON.stringify(url)} && document.readyState === 'complete'`));
  }

  // The page's frames below the top one: { id, name, url }.
  async frames() {
    const { frameTree } = await this.send('Page.getFrameTree');
    return (frameTree.childFrames || []).map(({ frame }) => ({ id: frame.id, name: frame.name, url: frame.url }));
  }

  async frameNamed(name) {
    const frame = (await this.frames()).find((f) => f.name === name);
    if (!frame) throw new Error(`no frame named ${name}`);
    return frame;
  }

  // Runs an expression in the page's own scripts, or beside them in a frame's document.
  async evaluate(expression, frameId = undefined) {
    const params = { expression, returnByValue: true, awaitPromise: true };
    if (frameId) {
      const { executionContextId } = await this.send('Page.createIsolatedWorld', { frameId, worldName: 'quillon-test' });
      params.contextId = executionContextId;
    }
    const { result, exceptionDetails } = await this.send('Runtime.evaluate', params);
    if (exceptionDetails) throw new Error(`${expression}: ${exceptionDetails.exception?.description || exceptionDetails.text}`);
    return result.value;
  }

  async press(key) {
    const { code, keyCode, text } = KEYS[key];
    const common = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode };
    await this.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', text, ...common });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...common });
  }

  async click(x, y) {
    for (const type of ['mousePressed', 'mouseReleased']) {
      await this.send('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
    }
  }
}

// Polls check until it gives a true value. A check that throws, as one may
// while the page it asks is navigating away, counts as not yet.
export async function waitUntil(what, check, timeout = 10000) {
  const end = Date.now() + timeout;
  let last;
  while (Date.now() < end) {
    try {
      last = await check();
      if (last) return last;
    } catch (error) {
      last = String(error.message || error);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`timed out waiting until ${what} (last: ${JSON.stringify(last)})`);
}
