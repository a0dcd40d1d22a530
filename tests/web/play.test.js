// A player's evening in the browser: the welcome, a new game, a refusal, the
// history, Ctrl through the computer's pauses, a save through the dialog,
// the page reloaded and the browser closed, the game loaded back and the
// save exported as the desktop's own file; a whole game that says what the
// desktop's headless mode says for the same keys and seed; and a map made
// with G, the desktop's own file, still there after the browser is closed.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness');
const { playHeadless } = require('./headless');

let server;
test.before(async () => { server = await h.serve(); });
test.after(() => server.close());

const SEED = 5;

async function loadFirstSave(page, name) {
  for (const [key, said] of [['Enter', 'NewGame'], ['Down', 'Load Game'],
    ['Enter', 'Select Game to Load'], ['Down', name], ['Enter', 'Game Loaded!']]) {
    assert.equal(await h.press(page, key), said);
  }
}

test('a game played, saved through the dialog, and found again', async () => {
  const profile = h.newProfile();
  let browser = await h.launch(profile);
  const keys = [];
  try {
    let page = await h.openGame(browser, server, `?seed=${SEED}`);
    assert.equal(await h.spoken(page), h.WELCOME);
    const play = async (key) => { keys.push(key); return h.press(page, key); };
    const expect = [['Enter', 'NewGame'], ['Enter', 'Select Map'], ['Down', 'Broad World.map'],
      ['Down', 'Four Corners.map'], ['Enter', 'How many computer players would you like? The max is 1.'],
      ['5', 'Please choose a number between 1 and 1.']];
    for (const [key, said] of expect) assert.equal(await play(key), said, `after ${key}`);
    assert.match(await play('1'), /^Choose your starting zone and press Spacebar\. You are now in /);
    assert.match(await play('Space'), / is now under your control\. Choose where to place your points\.$/);

    // The last point starts 7 seconds of pauses; Ctrl cuts each short.
    keys.push('Space');
    const started = Date.now();
    await page.keyboard.press('Space');
    await h.skipPauses(page);
    assert.ok(Date.now() - started < 3000, `Ctrl left the pauses running ${Date.now() - started} ms`);
    assert.equal(await h.spoken(page), 'It is your turn.');

    assert.equal(await play('Comma'), '1. It is your turn.');
    assert.match(await play('Period'), /^2\. .* has taken control of /);
    // The same sentence twice is a change of the live region all the same.
    const raw = () => page.$eval('#speech', (region) => region.textContent);
    await play('Shift+Comma');
    const first = await raw();
    await play('Shift+Comma');
    assert.notEqual(await raw(), first);
    assert.equal(await h.spoken(page), '1. It is your turn.');

    assert.equal(await play('Escape'), 'Main Menu');
    while (await h.spoken(page) !== 'Save Game') await play('Down');
    keys.push('Enter', 'type first try');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#save-dialog[open]');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'save-name');
    assert.equal(await h.spoken(page), 'Name your save and hit enter.');
    await page.keyboard.type('first try');
    await page.keyboard.press('Enter');
    await h.settle(page);
    assert.equal(await h.spoken(page), 'Game Saved!');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'game');

    // The saved file is the desktop's, byte for byte.
    const desktop = playHeadless(keys, SEED);
    const downloads = h.newProfile();
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.focus('#export-choice');
    await page.select('#export-choice', 'first try.snr');
    await page.click('#export-save');
    const exported = path.join(downloads, 'first try.snr');
    while (!fs.existsSync(exported)) await new Promise((resolve) => setTimeout(resolve, 50));
    const desktopFile = path.join(desktop.data, 'Saves', 'first try.snr');
    assert.deepEqual(fs.readFileSync(exported), fs.readFileSync(desktopFile));

    await page.reload();
    await h.settle(page);
    await loadFirstSave(page, 'first try.snr');

    // A desktop save imported comes back after the browser is closed.
    fs.copyFileSync(desktopFile, path.join(downloads, 'a desktop game.snr'));
    const upload = await page.$('#import-save');
    await upload.uploadFile(path.join(downloads, 'a desktop game.snr'));
    await page.waitForFunction(() => document.getElementById('page-status').textContent.includes('imported'));
    await browser.close();
    browser = await h.launch(profile);
    page = await h.openGame(browser, server);
    await loadFirstSave(page, 'a desktop game.snr');
    assert.match(await h.press(page, 'Z'), / controlled by You\.$/);
  } finally {
    await browser.close();
  }
});

test('a whole game says what the headless mode says for the same keys and seed', async () => {
  const lines = fs.readFileSync(path.join(__dirname, 'whole-game.keys'), 'utf8').split('\n')
    .filter((line) => line && !line.startsWith('#'));
  const desktop = playHeadless(lines, 7);
  assert.ok(desktop.sentences.at(-1).endsWith('Congratulations, you have won! Main Menu.'));
  const browser = await h.launch(h.newProfile());
  try {
    const page = await h.openGame(browser, server, '?seed=7');
    for (const line of lines) await h.press(page, line);
    const heard = await page.evaluate(() => window.heardSentences.filter((text) => text !== ''));
    assert.deepEqual(heard, desktop.sentences);
  } finally {
    await browser.close();
  }
});

test('G makes the map the headless mode makes, and the browser keeps it', async () => {
  const keys = ['Enter', 'Enter', 'G'];
  const desktop = playHeadless(keys, SEED);
  const made = /^Made the map .*, saved as (.+\.map)\. Press Enter to play it/.exec(desktop.sentences.at(-1));
  assert.ok(made, desktop.sentences.at(-1));
  const profile = h.newProfile();
  let browser = await h.launch(profile);
  try {
    let page = await h.openGame(browser, server, `?seed=${SEED}`);
    for (const key of keys) await h.press(page, key);
    assert.equal(await h.spoken(page), desktop.sentences.at(-1));
    const bytes = await page.evaluate((name) => Array.from(window.Module.FS.readFile(`/addedMaps/${name}`)),
      made[1]);
    assert.deepEqual(Buffer.from(bytes), fs.readFileSync(path.join(desktop.data, 'Maps', made[1])));
    await browser.close();
    browser = await h.launch(profile);
    page = await h.openGame(browser, server);
    await h.press(page, 'Enter');
    await h.press(page, 'Enter');
    for (let i = 0; i < 10 && await h.spoken(page) !== made[1]; i++) await h.press(page, 'Down');
    assert.equal(await h.spoken(page), made[1]);
    assert.equal(await h.press(page, 'Enter'), 'How many computer players would you like? The max is 7.');
  } finally {
    await browser.close();
  }
});
