// The page itself: what a screen reader is told about it, an automated
// accessibility audit with the save dialog closed and open, a main thread
// that sleeps through a pause, the picture of Simple World, and saves from
// two tabs at once.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const axe = require('axe-core');
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

// From the start to the question of the starting zone, on the map at this
// place of the map list, against one computer player.
async function newGame(page, mapPlace) {
  for (const key of ['Enter', 'Enter', ...Array(mapPlace).fill('Down'), 'Enter', '1']) {
    await h.press(page, key);
  }
}

async function audit(page) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) {
    await page.addScriptTag({ content: axe.source });
  }
  const { violations } = await page.evaluate(() => window.axe.run(document));
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
}

test('the accessibility tree shows the game area by name and the live region', async () => {
  const page = await h.openGame(browser, server);
  const cdp = await page.createCDPSession();
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const property = (node, name) => (node.properties || []).find((p) => p.name === name)?.value.value;
  const game = nodes.find((node) => node.role?.value === 'application');
  assert.match(game?.name?.value ?? '', /^Sonarch game\. Every key goes to the game/);
  assert.equal(property(game, 'focused'), true);
  // Polite and not atomic: each sentence added is read after the one before.
  const live = nodes.filter((node) => property(node, 'live') === 'polite' && property(node, 'atomic') === false &&
    property(node, 'relevant') === 'additions');
  assert.ok(live.length > 0, 'no polite live region that reads its additions');
});

test('no accessibility violations with the save dialog closed and open', async () => {
  const page = await h.openGame(browser, server);
  assert.deepEqual(await audit(page), []);
  await newGame(page, 2);
  await h.press(page, 'Space');
  assert.equal(await h.press(page, 'Escape'), 'Main Menu');
  while (await h.spoken(page) !== 'Save Game') await h.press(page, 'Down');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#save-dialog[open]');
  assert.deepEqual(await audit(page), []);
  await page.keyboard.press('Escape');
  await h.settle(page);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'game');
});

test('the main thread sleeps through a pause', async () => {
  const page = await h.openGame(browser, server, '?seed=3');
  await newGame(page, 2);
  await h.press(page, 'Space');
  await page.keyboard.press('Space');
  // The computer player's claim is followed by a pause of 5 seconds.
  await page.waitForFunction(() => sonarchEvents.pausing() &&
    window.heardSentences.at(-1).includes(' has taken control of '), { polling: 10 });
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics
    .find((metric) => metric.name === 'TaskDuration').value;
  const before = await busy();
  await new Promise((resolve) => setTimeout(resolve, 4000));
  const seconds = (await busy()) - before;
  assert.ok(await page.evaluate(() => sonarchEvents.pausing()), 'the pause was over too soon');
  assert.ok(seconds < 0.2, `the main thread worked ${seconds} s of 4 s`);
});

test('Simple World has its picture, other maps none', async () => {
  const page = await h.openGame(browser, server);
  await newGame(page, 2);
  assert.equal(await page.$eval('#board', (canvas) => canvas.hidden), true);
  await page.reload();
  await h.settle(page);
  await newGame(page, 5);
  await h.press(page, 'Space');
  // Left of each zone's centre, inside its disc, where no text is: the owner's tint.
  const tints = await page.$eval('#board', (canvas) => {
    const centres = [[116, 85], [144, 228], [273, 86], [355, 139], [296, 190], [371, 239]];
    const context = canvas.getContext('2d');
    return centres.map(([x, y]) => Array.from(context.getImageData(x - 28, y, 1, 1).data.slice(0, 3)).join());
  });
  assert.equal(tints.filter((tint) => tint === '200,255,255').length, 1, tints.join(' '));
  assert.equal(tints.filter((tint) => tint === '255,255,255').length, 5, tints.join(' '));
});

test('the voice chosen in the address is kept for the next visit', async () => {
  let page = await h.openGame(browser, server, '?voice=none');
  assert.equal(await h.spoken(page), '');
  assert.equal(await page.$eval('#log li', (entry) => entry.textContent), h.WELCOME);
  page = await h.openGame(browser, server);
  assert.equal(await page.$eval('#voice-choice', (control) => control.value), 'none');
  await page.select('#voice-choice', 'screen-reader');
  assert.equal(await h.press(page, 'Down'), 'NewGame');
  // Minus stands in for F9, the rate key, which leaves a screen reader's rate alone.
  await page.keyboard.press('Minus');
  await h.settle(page);
  assert.equal(await h.spoken(page), "Your screen reader's own rate applies; change it there.");
});

test('a map added from disk is in the map list from the next visit', async () => {
  let page = await h.openGame(browser, server);
  const file = require('node:path').join(h.newProfile(), 'Zebra Isles.map');
  require('node:fs').writeFileSync(file, 'Zebra Isles\n4\nNorth Isle\n1\n1\nSouth Isle\n1\n0\nEast Isle\n1\n0\nWest Isle\n1\n0\n');
  await (await page.$('#add-map')).uploadFile(file);
  await page.waitForFunction(() => document.getElementById('page-status').textContent.includes('added'));
  page = await h.openGame(browser, server);
  for (const key of ['Enter', 'Enter', 'Up']) await h.press(page, key);
  assert.equal(await h.press(page, 'Up'), 'Zebra Isles.map');
  assert.equal(await h.press(page, 'Enter'), 'How many computer players would you like? The max is 1.');
});

test('the sounds chosen are kept for the next visit, and Backspace erases in a search', async () => {
  let page = await h.openGame(browser, server);
  // The apostrophe stands in for F11.
  await page.keyboard.press('Quote');
  await h.settle(page);
  assert.equal(await h.spoken(page), 'Sounds off.');
  page = await h.openGame(browser, server);
  await page.keyboard.press('Quote');
  await h.settle(page);
  assert.equal(await h.spoken(page), 'Sounds on.');
  await newGame(page, 2);
  assert.equal(await h.press(page, 'F'), 'Find a zone: type the start of its name.');
  assert.equal(await h.press(page, 'N'), 'Northeast Corner: unclaimed. 1 of 2 matches.');
  await page.keyboard.press('Backspace');
  await h.settle(page);
  assert.equal(await h.spoken(page), 'Find a zone: type the start of its name.');
});

// Two tabs of the game open at once, one importing a save while the other
// saves a game: each file is kept, where writing the whole folder back from
// one tab would drop what the other had saved meanwhile.
test('saves made in two tabs at once are both kept', async () => {
  const first = await h.openGame(browser, server);
  const second = await h.openGame(browser, server);
  const file = require('node:path').join(h.newProfile(), 'from the second tab.snr');
  require('node:fs').writeFileSync(file, 'a saved game');
  await (await second.$('#import-save')).uploadFile(file);
  await second.waitForFunction(() => document.getElementById('page-status').textContent.includes('imported'));
  await newGame(first, 2);
  await h.press(first, 'Space');
  await h.press(first, 'Escape');
  while (await h.spoken(first) !== 'Save Game') await h.press(first, 'Down');
  await first.keyboard.press('Enter');
  await first.waitForSelector('#save-dialog[open]');
  await first.keyboard.type('from the first tab');
  await first.keyboard.press('Enter');
  await h.settle(first);
  assert.equal(await h.spoken(first), 'Game Saved!');
  const third = await h.openGame(browser, server);
  const saves = await third.evaluate(() => sonarchStorage.saves());
  assert.ok(saves.includes('from the first tab.snr') && saves.includes('from the second tab.snr'), saves.join(', '));
});

test('F2 and its stand-in choose the clear or the classic sentences, kept for the next visit', async () => {
  let page = await h.openGame(browser, server);
  assert.equal(await h.press(page, 'F2'), 'Clear sentences.');
  page = await h.openGame(browser, server);
  assert.equal(await h.press(page, 'BracketLeft'), 'Classic sentences.');
});

test('F3 and its stand-in choose the computer players\' strength, kept for the next visit', async () => {
  let page = await h.openGame(browser, server);
  assert.equal(await h.press(page, 'F3'), 'Computer players: strong.');
  page = await h.openGame(browser, server);
  assert.equal(await h.press(page, 'BracketRight'), 'Computer players: gentle.');
  assert.equal(await h.press(page, 'F3'), 'Computer players: standard.');
});

test('F4 and its stand-in choose how the computer players\' turns are told, kept for the next visit', async () => {
  let page = await h.openGame(browser, server);
  assert.equal(await h.press(page, 'F4'), 'Rounds told briefly.');
  page = await h.openGame(browser, server);
  assert.equal(await h.press(page, 'Semicolon'), 'Rounds told in full.');
});
