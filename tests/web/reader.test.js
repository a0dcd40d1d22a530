// What the player's screen reader gets from the page: every sentence, in
// order, however fast they come; F12 switching only the built-in voice; how
// to play again after Exit; the saves to export listed before the list is
// visited; and the box of last sentences and the picture for sighted helpers.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness');

let server, browser;
test.before(async () => {
  server = await h.serve();
  browser = await h.launch(h.newProfile());
});
test.after(async () => {
  await browser.close();
  server.close();
});

// Two frames: long enough for the page as it stands to be handed over.
const twoFrames = (page) => page.evaluate(() => new Promise((resolve) =>
  requestAnimationFrame(() => requestAnimationFrame(resolve))));

test('every sentence reaches the screen reader, in order, through a game', async () => {
  const page = await h.openGame(browser, server, '?seed=3');
  // The clear sentences say "Map chosen." and the question together, and a
  // computer player's turn begins with its name right before its first move.
  assert.equal(await h.press(page, 'F2'), 'Clear sentences.');
  for (const key of ['Enter', 'Enter', 'Down', 'Down', 'Enter', '1', 'Space', 'Space']) await h.press(page, key);
  for (let i = 0; i < 6; i++) await h.press(page, 'Shift+Enter');
  await twoFrames(page);
  const { heard, read } = await page.evaluate(() => ({
    heard: window.heardSentences.filter((text) => text !== ''), read: window.readSentences }));
  assert.ok(heard.includes('Map chosen.'), heard.join(' | '));
  assert.ok(heard.some((text) => /^\w+'s turn\.$/.test(text)), heard.join(' | '));
  assert.deepEqual(read, heard);
  // The classic sentences again, for the tests after this one.
  assert.equal(await h.press(page, 'F2'), 'Classic sentences.');
});

test('F12 in the page switches the built-in voice only: the screen reader hears on', async () => {
  const page = await h.openGame(browser, server);
  // Backslash stands in for F12.
  assert.equal(await h.press(page, 'Backslash'), 'Sapi is now Off.');
  assert.equal(await h.press(page, 'Down'), 'NewGame');
  assert.equal(await page.$eval('#caption', (caption) => caption.textContent), 'NewGame');
  assert.equal(await h.press(page, 'Backslash'), 'Sapi is now On.');
  await twoFrames(page);
  assert.deepEqual((await page.evaluate(() => window.readSentences)).slice(-3),
    ['Sapi is now Off.', 'NewGame', 'Sapi is now On.']);
});

test('after Exit the page says how to play again, and again at any key', async () => {
  const page = await h.openGame(browser, server);
  for (let i = 0; i < 5 && await h.spoken(page) !== 'Exit'; i++) await h.press(page, 'Down');
  assert.equal(await h.spoken(page), 'Exit');
  await page.keyboard.press('Enter');
  const again = 'Reload the page to play again.';
  await page.waitForFunction((last) => window.readSentences.at(-1) === last, { polling: 20 }, again);
  assert.deepEqual((await page.evaluate(() => window.readSentences)).slice(-2), ['Goodbye!', again]);
  await page.keyboard.press('KeyZ');
  await page.waitForFunction((last) => window.readSentences.filter((text) => text === last).length === 2,
    { polling: 20, timeout: 5000 }, again);
});

test('the saves to export are listed before the list is visited', async () => {
  let page = await h.openGame(browser, server);
  const options = () => page.$$eval('#export-choice option', (all) => all.map((option) => option.textContent));
  assert.deepEqual(await options(), ['No saved games yet']);
  const file = path.join(h.newProfile(), 'kept game.snr');
  fs.writeFileSync(file, 'a saved game');
  await (await page.$('#import-save')).uploadFile(file);
  await page.waitForFunction(() => document.getElementById('page-status').textContent.includes('imported'));
  assert.deepEqual(await options(), ['kept game.snr']);
  page = await h.openGame(browser, server);
  assert.notEqual(await page.evaluate(() => document.activeElement.id), 'export-choice');
  assert.deepEqual(await options(), ['kept game.snr']);
});

test('the box of last sentences shows whole lines only', async () => {
  const page = await h.openGame(browser, server);
  for (let i = 0; i < 14; i++) await h.press(page, 'Down');
  const { shown, full, line } = await page.$eval('#log', (log) => ({
    shown: log.clientHeight, full: log.scrollHeight,
    line: parseFloat(getComputedStyle(log.firstElementChild).lineHeight) }));
  assert.ok(full > shown, `the box holds all ${full} pixels`);
  const lines = shown / line;
  assert.ok(Math.abs(lines - Math.round(lines)) < 0.05, `the box shows ${lines} lines`);
});

test('the picture marks the cursor zone and keeps each text inside its disc', async () => {
  const page = await h.openGame(browser, server);
  for (const key of ['Enter', 'Enter', 'Down', 'Down', 'Down', 'Down', 'Down', 'Enter', '1']) await h.press(page, key);
  const check = () => page.$eval('#board', (canvas) => {
    const centres = [[116, 85], [144, 228], [273, 86], [355, 139], [296, 190], [371, 239]];
    const { data, width, height } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    const pixel = (x, y) => Array.from(data.slice(4 * (y * width + x), 4 * (y * width + x) + 3)).join();
    const ringed = centres.filter(([x, y]) => pixel(x + 38, y) === '0,80,179').length;
    let outside = 0;
    for (let y = 0; y < height; y++) {
      for (let x = 0; x < width; x++) {
        if (pixel(x, y) === '255,255,255') continue;
        if (!centres.some(([cx, cy]) => (x - cx) ** 2 + (y - cy) ** 2 <= 42 * 42)) outside++;
      }
    }
    return { ringed, outside };
  });
  const before = await check();
  assert.equal(before.ringed, 1);
  assert.equal(before.outside, 0);
  await h.press(page, 'Q');
  await h.press(page, 'Q');
  assert.deepEqual(await check(), { ringed: 1, outside: 0 });
});
