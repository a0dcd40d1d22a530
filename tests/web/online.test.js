// The page as a seat in a room on the game's own server, as a player is
// asked in: Anna makes a room from the Linux program and gives Ben the
// link; Ben opens it in the browser, is asked his name, joins, and hears
// Anna's attack told from his seat, as does a page that came in to watch
// through the main menu's online questions. Ben reloads the page, and the
// page takes his seat back without asking his name again.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const h = require('./harness');

const program = process.env.SONARCH_PROGRAM || path.join(h.root, 'build/sonarch');
const WAIT = 30000;

// A program of the game, its output gathered as it comes; lines() waits
// (bounded) until a line matches.
function run(args, input) {
  const child = spawn(program, args, { stdio: ['pipe', 'pipe', 'pipe'] });
  const output = { text: '', errors: '' };
  child.stdout.on('data', (chunk) => { output.text += chunk; });
  child.stderr.on('data', (chunk) => { output.errors += chunk; });
  if (input !== undefined) child.stdin.end(input);
  const line = (pattern) => new Promise((resolve, reject) => {
    const started = Date.now();
    const look = () => {
      const found = output.text.split('\n').find((each) => pattern.test(each));
      if (found !== undefined) return resolve(found);
      if (Date.now() - started > WAIT || child.exitCode !== null) {
        return reject(new Error(`no line ${pattern} from ${args[0]}:\n${output.text}\n${output.errors}`));
      }
      return setTimeout(look, 50);
    };
    look();
  });
  return { child, output, line };
}

const literally = (text) => text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

// Until the live region has read a sentence matching pattern; the page in
// front, where the browser lays out its frames.
async function heard(page, pattern) {
  await page.bringToFront();
  return page.waitForFunction((source) => window.readSentences.some((text) => new RegExp(source).test(text)),
    { timeout: WAIT, polling: 50 }, pattern.source);
}

// Anna makes the room, starts the game once Ben is in, claims her start and
// places her points on it, then attacks from it the zone at its second link
// (unclaimed: Ben takes the first), and stays until the test is done.
const ANNA = ['wait Ben joined', 'G', 'wait Choose your starting zone', 'Space', 'A',
  'wait It is your turn', 'Space', 'W', 'W', 'Space', 'wait Ben is back', 'wait Game over'];

// The server, with the page's build folder, on a free port of 127.0.0.1.
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'sonarch-online-page-'));
const children = [];
let url;
test.before(async () => {
  fs.mkdirSync(path.join(work, 'server'));
  const server = run(['--serve', '--port', '0', '--seed', '4', '--data-dir', path.join(work, 'server'),
    '--web-dir', h.webDir]);
  children.push(server.child);
  url = (await server.line(/^Sonarch server at /)).replace('Sonarch server at ', '');
  assert.match(url, /^http:\/\/127\.0\.0\.1:\d+\/$/);
});
test.after(() => {
  for (const child of children) child.kill('SIGKILL');
  fs.rmSync(work, { recursive: true, force: true });
});

// Anna's program makes a room for two with the script's keys; the room's code.
async function annaMakesARoom(keys) {
  const folder = fs.mkdtempSync(path.join(work, 'anna-'));
  const anna = run(['--headless', '--data-dir', folder, '--server', url,
    '--create', 'Simple World Map', '--people', '2', '--name', 'Anna'], `${keys.join('\n')}\n`);
  children.push(anna.child);
  const code = /#([A-Z]{4})$/.exec(await anna.line(/Room code: .*#[A-Z]{4}$/))[1];
  return { anna, code, spokenCode: literally(`${code.split('').join(', ')}.`) };
}

test('a page opened at a room\'s link plays in that room, and a reload takes the seat back',
  { timeout: 120000 }, async () => {
    const profile = h.newProfile();
    let browser;
    try {
      const { anna, code, spokenCode } = await annaMakesARoom(ANNA);

      browser = await h.launch(profile);
      const page = await browser.newPage();
      await page.evaluateOnNewDocument(h.listen);
      await page.goto(`${url}#${code}`);
      // The name is asked, spoken, in the page's dialog.
      await page.waitForSelector('#save-dialog[open]', { timeout: WAIT });
      await heard(page, new RegExp(`^Joining room ${spokenCode} Type your name and press Enter\\.$`));
      await page.keyboard.type('Ben');
      await page.keyboard.press('Enter');
      await heard(page, /^You are Ben, seat 2 of 2\.$/);
      assert.equal(await page.evaluate(() => location.hash), `#${code}`);

      // A second page comes in through the main menu's online questions,
      // the first of which offers the page's own server: Enter takes it.
      const watcher = await browser.newPage();
      await watcher.evaluateOnNewDocument(h.listen);
      await watcher.goto(url);
      await h.settle(watcher);
      await watcher.keyboard.press('KeyO');
      await heard(watcher, new RegExp(`^Online game\\. .* press Enter for ${literally(url)}\\.$`));
      await watcher.keyboard.press('Enter');
      await heard(watcher, /^Type a room's code to join it/);
      await watcher.waitForSelector('#save-dialog[open]');
      await watcher.keyboard.type(`watch ${code.toLowerCase()}`);
      await watcher.keyboard.press('Enter');
      await heard(watcher, new RegExp(`^Room code: ${spokenCode}`));
      // A watcher holds no seat to keep.
      assert.equal(await watcher.evaluate(() => location.hash), '');

      // Ben claims the zone at his cursor's first link and keeps his point.
      await heard(page, /^It is your turn\. Choose your starting zone/);
      for (const key of ['Q', 'Q', 'Space', 'Shift+Enter']) await h.press(page, key);
      // Anna's attack, told from Ben's seat.
      const taken = literally(/^msg: You have taken control of (.*)\.$/.exec(
        await anna.line(/^msg: You have taken control of /))[1]);
      const attack = new RegExp(`^Anna has taken control of ${taken}\\. ${taken} now has an army of \\d\\.$`);
      await heard(page, attack);
      await heard(watcher, attack);
      await watcher.close();

      // A reload asks no name: the browser kept the seat, and Anna hears
      // Ben come back.
      await page.reload();
      await heard(page, new RegExp(`^Room code: ${spokenCode}`));
      await anna.line(/Ben is back\./);
      assert.equal(await page.$('#save-dialog[open]'), null);
    } finally {
      if (browser) await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    }
  });

test('a seat the browser kept that the server no longer gives joins the room afresh', { timeout: 60000 },
  async () => {
    const profile = h.newProfile();
    let browser;
    try {
      const { anna, code, spokenCode } = await annaMakesARoom(['wait Ben joined', 'wait Game over']);
      browser = await h.launch(profile);
      const page = await browser.newPage();
      await page.evaluateOnNewDocument(h.listen);
      // A token the server never gave, and the name given last time.
      await page.goto(url);
      const stale = `sonarch.seat ws://${new URL(url).host} ${code}`;
      await page.evaluate((key) => {
        localStorage.setItem(key, `${'0'.repeat(32)} 5 0`);
        localStorage.setItem('sonarch.name', 'Ben');
      }, stale);
      await page.goto(`${url}#${code}`);
      await heard(page, /^You are Ben, seat 2 of 2\.$/);
      await anna.line(/Ben joined the room\./);
      assert.equal(await page.$('#save-dialog[open]'), null);
      assert.ok(!(await page.evaluate(() => window.readSentences.join(' '))).includes('The server says'));
      // The seat now kept is the one the server gave.
      const kept = await page.evaluate((key) => localStorage.getItem(key), stale);
      assert.match(kept, /^[0-9a-f]{32} \d+ 0$/);
      assert.notEqual(kept.slice(0, 32), '0'.repeat(32));
      assert.match(await page.evaluate(() => window.readSentences.join(' ')), new RegExp(`Room code: ${spokenCode}`));
    } finally {
      if (browser) await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    }
  });
