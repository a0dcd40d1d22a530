// Shared by the browser tests: serves the built page on 127.0.0.1, starts
// Debian's Chromium through puppeteer-core, and plays keys the way a player
// does, through the browser's own input pipeline.
'use strict';

const http = require('node:http');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const root = path.resolve(__dirname, '../..');
const webDir = process.env.SONARCH_WEB_DIR || path.join(root, 'build-web/web');
const chromium = process.env.SONARCH_CHROMIUM || '/usr/bin/chromium';
const WELCOME = 'Welcome to Sonarch Alpha 1.4 by Korvel.';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream' };

function serve() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    const file = path.join(webDir, name === '/' ? 'index.html' : name);
    if (!file.startsWith(webDir) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// A browser with a profile of its own, which outlives the browser so that a
// test can close it and open it again on the same storage.
function launch(profile) {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--no-first-run', '--force-renderer-accessibility'],
  });
}

function newProfile() { return fs.mkdtempSync(path.join(os.tmpdir(), 'sonarch-browser-')); }

// Every sentence the game puts out, in order, whatever the voice: the test
// listens at the page's sentence call before the game starts.
// readSentences: what a screen reader gets from the live region. The
// browser hands a screen reader the page as it stands once a frame is laid
// out, so a sentence is read only if it is still there then: each frame,
// every text in the region that was not there at the frame before.
const listen = () => {
  window.heardSentences = [];
  window.readSentences = [];
  const seen = new WeakSet();
  const look = () => {
    const region = document.getElementById('speech');
    for (const node of region ? region.childNodes : []) {
      if (seen.has(node)) continue;
      seen.add(node);
      const text = node.textContent.replace(/\u00a0$/, '');
      if (text !== '') window.readSentences.push(text);
    }
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
  let page;
  Object.defineProperty(window, 'sonarchPage', {
    configurable: true,
    get: () => page,
    set: (value) => {
      const sentence = value.sentence;
      value.sentence = (text, recorded, spoken) => {
        window.heardSentences.push(text);
        sentence.call(value, text, recorded, spoken);
      };
      page = value;
    },
  });
};

async function openGame(browser, server, query = '') {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(listen);
  await page.goto(`http://127.0.0.1:${server.address().port}/${query}`);
  await settle(page);
  return page;
}

// The game has taken every key and waits for the next one, no pause running.
async function settle(page) {
  await page.waitForFunction(() => typeof sonarchEvents !== 'undefined' && sonarchEvents.waitingForKey(),
    { timeout: 20000, polling: 20 });
}

// The newest sentence in the live region.
const spoken = (page) => page.$eval('#speech', (region) =>
  (region.lastChild ? region.lastChild.textContent : '').replace(/\u00a0$/, ''));

// Script key names, as in the headless scripts, to the browser's key names.
const BROWSER_KEYS = { Enter: 'Enter', Escape: 'Escape', Space: 'Space', Tab: 'Tab',
  Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown', Shift: 'ShiftLeft',
  Ctrl: 'ControlLeft', Alt: 'AltLeft', Comma: 'Comma', Period: 'Period', Grave: 'Backquote',
  BracketLeft: 'BracketLeft', BracketRight: 'BracketRight', Semicolon: 'Semicolon',
  Backslash: 'Backslash' };

function browserKey(name) {
  if (/^[A-Z]$/.test(name)) return `Key${name}`;
  if (/^[0-9]$/.test(name)) return `Digit${name}`;
  if (/^KP[0-9]$/.test(name)) return `Numpad${name[2]}`;
  if (/^F[0-9]{1,2}$/.test(name)) return name;
  if (BROWSER_KEYS[name]) return BROWSER_KEYS[name];
  throw new Error(`no browser key for ${name}`);
}

// Presses a key as a script line names it ("Ctrl+Shift+Period") and waits
// until the game has taken it; pauses are cut short with Ctrl, as a player
// in a hurry does. Returns what the live region says then.
async function press(page, line) {
  const parts = line.split('+').map(browserKey);
  const main = parts.pop();
  for (const modifier of parts) await page.keyboard.down(modifier);
  await page.keyboard.press(main);
  for (const modifier of parts.reverse()) await page.keyboard.up(modifier);
  await skipPauses(page);
  return spoken(page);
}

async function skipPauses(page) {
  for (;;) {
    const state = await page.waitForFunction(
      () => (sonarchEvents.waitingForKey() ? 'idle' : sonarchEvents.pausing() ? 'pause' : ''),
      { timeout: 20000, polling: 10 });
    if ((await state.jsonValue()) === 'idle') return;
    await page.keyboard.press('ControlLeft');
  }
}

module.exports = { root, webDir, WELCOME, serve, launch, newProfile, listen, openGame, settle, spoken, press,
  skipPauses };
