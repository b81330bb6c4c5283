// SPDX-License-Identifier: MIT
// The whole game in headless Chromium: what the player sees and does on the
// page, from the board's first pixels to a score in the title.
import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launch, openPage, screenshot, serveGame } from './browser.mjs';

// One question, in Windows-1252 as older question files are, with markup
// and a doubled "&" that must show as written and as one "&".
const questions = Buffer.from(
  '[Overzicht]\r\nAantal=1\r\n[1]\r\nVraag=Which <b>caf\xe9</b> serves fish && chips?\r\n' +
  'Juist=The right one\r\nFouta=Wrong A\r\nFoutb=Wrong B\r\n', 'latin1');

let game;
let browser;
let page;

before(async () => {
  game = await serveGame(questions);
  browser = await launch();
  page = await openPage(browser, game.url);
  await page.waitForFunction(() => document.title === 'Tolvanix PlimBora');
});

after(async () => {
  await browser.close();
  game.close();
});

// The board's pixels as the canvas holds them: [width, height, rgba...].
function boardPixels() {
  return page.evaluate(() => {
    const canvas = document.querySelector('[aria-label="Board"]');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, data: Array.from(data) };
  });
}

// The left-most column of pixels that are not black; -1 when all are.
function leftMostLit({ width, height, data }) {
  let left = -1;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const at = (y * width + x) * 4;
      if ((data[at] || data[at + 1] || data[at + 2]) && (left < 0 || x < left)) left = x;
    }
  }
  return left;
}

function shown(selector) {
  return page.evaluate((s) => {
    const element = document.querySelector(s);
    return !!element && element.offsetParent !== null;
  }, selector);
}

async function clickAnswer(text) {
  await page.evaluate((wanted) => {
    const radio = [...document.querySelectorAll('.tp-radio')].find((r) => r.textContent === wanted);
    radio.querySelector('input').click();
  }, text);
  await page.click('[aria-label="Answer"]');
}

test('the board is black in its place before a game starts', async () => {
  const place = await page.evaluate(() => {
    const client = document.querySelector('.tp-client').getBoundingClientRect();
    const board = document.querySelector('[aria-label="Board"]').getBoundingClientRect();
    return [board.left - client.left, board.top - client.top, board.width, board.height];
  });
  assert.deepEqual(place, [8, 8, 181, 361]);
  const pixels = await boardPixels();
  assert.equal(pixels.width, 181);
  assert.equal(pixels.height, 361);
  assert.equal(leftMostLit(pixels), -1);
  await screenshot(page, 'game-start');
});

test('the notes under the game show once it has started', async () => {
  assert.equal(await shown('.page-note'), true);
});

test('the pointing hand shows over the address only, and the address opens in a new tab', async () => {
  const hands = await page.evaluate(() => [...document.querySelectorAll('.tp-window *')]
    .filter((element) => getComputedStyle(element).cursor === 'pointer').map((element) => element.textContent));
  assert.deepEqual(hands, ['https://tolvanix.github.io/plimbora/']);
  const opened = new Promise((resolve) => browser.once('targetcreated', resolve));
  await page.click('xpath/.//div[text()="https://tolvanix.github.io/plimbora/"]');
  const tab = await opened;
  assert.equal(await page.evaluate(() => document.querySelectorAll('.tp-box').length), 0);
  assert.equal(tab.opener(), page.target());
  await (await tab.page())?.close();
});

test('a pop-up the browser blocks is reported as the shell\'s refusal, and the game goes on', async () => {
  // The browser's pop-up blocker answers window.open with nothing.
  await page.evaluate(() => {
    const open = window.open;
    window.open = () => null;
    [...document.querySelectorAll('.tp-label')]
      .find((label) => label.textContent === 'https://tolvanix.github.io/plimbora/').click();
    window.open = open;
  });
  const box = await page.evaluate(() => {
    const element = document.querySelector('.tp-box');
    return [element.getAttribute('role'), element.querySelector('.tp-caption').textContent,
            element.querySelector('.tp-box-text').textContent];
  });
  assert.deepEqual(box, ['alertdialog', 'Tolvanix Plimbora', 'The operating system denied access to the specified file.']);
  await screenshot(page, 'game-blocked-pop-up');
  await page.click('.tp-box-ok');
  assert.equal(await page.evaluate(() => document.querySelectorAll('.tp-box, .tp-veil').length), 0);
});

test('F2 shows a question from the file beside the page, as written', async () => {
  await page.keyboard.press('F2');
  await page.waitForFunction(() => document.title === 'Tolvanix Plimbora');
  await page.waitForFunction(() => document.querySelector('.tp-label.tp-wrap')?.textContent.includes('serves'));
  const question = await page.evaluate(() => document.querySelector('.tp-label.tp-wrap').textContent);
  assert.equal(question, 'Which <b>café</b> serves fish & chips?');
  assert.equal(await page.evaluate(() => document.querySelector('.tp-label.tp-wrap b')), null);
  const answers = await page.evaluate(() => [...document.querySelectorAll('.tp-radio')]
    .filter((r) => r.offsetParent !== null).map((r) => r.textContent).sort());
  assert.deepEqual(answers, ['The right one', 'Wrong A', 'Wrong B']);
  await screenshot(page, 'game-question');
});

test('assistive technology reads the desktop\'s names, top to bottom', async () => {
  const read = await page.evaluate(() => [...document.querySelectorAll('.tp-client [aria-label]')]
    .filter((element) => element.getClientRects().length > 0)
    .map((element) => [element.getAttribute('aria-label'), element.getBoundingClientRect().top]));
  const names = read.map(([name]) => name);
  assert.deepEqual(names.slice(0, 9), [
    'Board', 'Icon: a tower of coloured cubes', 'Tolvanix PlimBora',
    'Please visit my web site for more freeware programs !', 'https://tolvanix.github.io/plimbora/',
    'Question', 'Which <b>café</b> serves fish & chips?', 'Possible Answers', 'Answer']);
  // The answers, shuffled into their places, are read in the order shown.
  const answers = read.slice(9, 12);
  assert.deepEqual(answers.map(([name]) => name).sort(), ['The right one', 'Wrong A', 'Wrong B']);
  assert.deepEqual(answers.map(([, top]) => top), answers.map(([, top]) => top).sort((x, y) => x - y));
  assert.deepEqual(names.slice(12), ['Free play time']);
});

test('a correct answer hides the question and shows the photograph; the arrows steer the piece', async () => {
  await page.waitForFunction(() => document.querySelector('[aria-label="Answer"]').offsetParent !== null);
  await clickAnswer('The right one');
  await page.waitForFunction(() => document.querySelector('[aria-label^="Photograph"]').offsetParent !== null);
  await page.waitForFunction(() => {
    const photograph = document.querySelector('[aria-label^="Photograph"]');
    return photograph.getContext('2d').getImageData(photograph.width >> 1, photograph.height >> 1, 1, 1).data[3] === 255;
  });
  assert.equal(await shown('[aria-label="Answer"]'), false);
  assert.equal(await page.evaluate(() => [...document.querySelectorAll('.tp-group')]
    .some((group) => group.offsetParent !== null)), false);
  const before = leftMostLit(await boardPixels());
  assert.ok(before > 0, 'a piece is on the board');
  await page.keyboard.press('ArrowLeft');
  const moved = leftMostLit(await boardPixels());
  assert.equal(moved, before - 18);
  // The page does not scroll on the arrows and space: the game had them.
  await page.keyboard.press('Space');
  assert.equal(await page.evaluate(() => window.scrollY), 0);
  await screenshot(page, 'game-free-play');
});

test('a wrong answer names the right one in a box', async () => {
  await page.keyboard.press('F2');
  await clickAnswer('Wrong A');
  await page.waitForSelector('.tp-box');
  const box = await page.evaluate(() => {
    const element = document.querySelector('.tp-box');
    return [element.querySelector('.tp-caption').textContent, element.querySelector('.tp-box-text').textContent,
            element.getAttribute('role')];
  });
  assert.deepEqual(box, ['Tolvanix Plimbora', 'The correct answer was: The right one', 'dialog']);
  await screenshot(page, 'game-wrong-answer');
  await page.click('.tp-box-ok');
  await page.waitForFunction(() => !document.querySelector('.tp-box'));
});

test('rows that fill up put the score in the title', { timeout: 120000 }, async () => {
  // The test plays: in free play each new piece goes where it lands lowest
  // (read from the board's pixels), then drops. A game that ends is
  // followed by a new one, as the score outlives it.
  const pieces = await page.evaluate(async () => {
    const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
    const until = async (condition) => {
      while (!condition()) await pause(5);
    };
    const key = (name, code) => (document.activeElement || document.body).dispatchEvent(
      new KeyboardEvent('keydown', { key: name, keyCode: code, bubbles: true, cancelable: true }));
    const shown = (selector) => document.querySelector(selector).offsetParent !== null;
    const board = document.querySelector('[aria-label="Board"]');
    // The lit cells, 10 columns by 20 rows of 18 pixels.
    const cells = () => {
      const data = board.getContext('2d').getImageData(0, 0, board.width, board.height).data;
      const lit = [];
      for (let row = 0; row < 20; ++row) {
        for (let column = 0; column < 10; ++column) {
          const at = ((row * 18 + 9) * board.width + column * 18 + 9) * 4;
          lit.push(data[at] + data[at + 1] + data[at + 2] > 0);
        }
      }
      return lit;
    };
    let fixed = cells();
    for (let piece = 1; piece <= 400; ++piece) {
      if (document.title.startsWith('Tolvanix Plimbora - Score : ')) return piece;
      if (!shown('[aria-label^="Photograph"]') || piece % 60 === 0) {
        // Back to a question (or a fresh game): answer it right for free play.
        if (piece % 60 === 0) key('F2', 113);
        await until(() => shown('[aria-label="Answer"]'));
        const right = [...document.querySelectorAll('.tp-radio')].find((r) => r.textContent === 'The right one');
        right.querySelector('input').click();
        document.querySelector('[aria-label="Answer"]').click();
        await until(() => shown('[aria-label^="Photograph"]'));
        fixed = cells();
      }
      const now = cells();
      const falling = [];
      now.forEach((lit, at) => { if (lit && !fixed[at]) falling.push([at % 10, Math.floor(at / 10)]); });
      if (!falling.length) { fixed = now; await pause(50); continue; }
      const blocked = (column, row) => column < 0 || column > 9 || row > 19 || (row >= 0 && fixed[row * 10 + column]);
      let best = null;
      for (let shift = -9; shift <= 9; ++shift) {
        if (falling.some(([c, r]) => blocked(c + shift, r))) continue;
        let drop = 0;
        while (!falling.some(([c, r]) => blocked(c + shift, r + drop + 1))) ++drop;
        const depth = Math.min(...falling.map(([, r]) => r + drop));
        if (!best || depth > best.depth) best = { shift, depth };
      }
      if (best) {
        for (let step = 0; step < Math.abs(best.shift); ++step) {
          key(best.shift < 0 ? 'ArrowLeft' : 'ArrowRight', best.shift < 0 ? 37 : 39);
        }
      }
      key(' ', 32);
      fixed = cells();
      // The next fall fixes the dropped piece and brings the next one.
      key('ArrowDown', 40);
      await pause(20);
    }
    return 0;
  });
  assert.ok(pieces > 0, 'a row was filled');
  assert.match(await page.title(), /^Tolvanix Plimbora - Score : [1-9][0-9]*0$/);
  await screenshot(page, 'game-score');
});

test('a question file the player chooses serves for the tab, read in pieces and never copied', async () => {
  // Two megabytes of binary junk before the one question: a file the
  // reader must go through without holding it.
  const junk = crypto.randomBytes(2 * 1024 * 1024);
  const chosen = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'tp-chosen-')), 'mine.ini');
  fs.writeFileSync(chosen, Buffer.concat([Buffer.from('[Overzicht]\nAantal=1\n'), junk,
    Buffer.from('\n[1]\nVraag=Chosen question\nJuist=Mine\nFouta=Not mine\nFoutb=Nobody\'s\n')]));
  await page.evaluate(() => {
    window.pieces = [];
    const slice = Blob.prototype.slice;
    Blob.prototype.slice = function (start, end) {
      window.pieces.push(end - start);
      return slice.call(this, start, end);
    };
  });
  await (await page.$('#question-file')).uploadFile(chosen);
  await page.keyboard.press('F2');
  await page.waitForFunction(() => document.querySelector('.tp-label.tp-wrap').textContent === 'Chosen question',
                             { timeout: 60000 });
  const read = await page.evaluate(() => [window.pieces.length, Math.max(...window.pieces),
    Math.max(0, ...[...TP.pageFiles.values()].map((bytes) => bytes.length))]);
  assert.ok(read[0] > 32, `read in ${read[0]} pieces`);
  assert.ok(read[1] <= 64 * 1024, `pieces of at most 64 KiB, not ${read[1]}`);
  assert.ok(read[2] < junk.length, 'no copy of the chosen file among the files the page keeps');
  fs.rmSync(path.dirname(chosen), { recursive: true, force: true });
});

test('a question file gone from beside the page reads as missing, not as the copy fetched before', async () => {
  const served = await serveGame(questions);
  const other = await openPage(browser, served.url);
  try {
    await other.waitForFunction(() => document.title === 'Tolvanix PlimBora');
    await other.keyboard.press('F2');
    await other.waitForFunction(() => document.querySelector('.tp-label.tp-wrap')?.textContent.includes('serves'));
    fs.rmSync(path.join(served.folder, 'vragen.ini'));
    await other.evaluate(() => {
      const radio = [...document.querySelectorAll('.tp-radio')].find((r) => r.textContent === 'Wrong A');
      radio.querySelector('input').click();
    });
    await other.click('[aria-label="Answer"]');
    await other.waitForSelector('.tp-box');
    await other.click('.tp-box-ok');
    await other.keyboard.press('F2');
    // As on the desktop, a missing file gives a question with no text.
    await other.waitForFunction(() => document.querySelector('.tp-label.tp-wrap').textContent === '');
    assert.deepEqual(other.errors.filter((error) => !/status of 404/.test(error)), []);
  } finally {
    await other.close();
    served.close();
  }
});

test('the rules come in a box while the game goes on', async () => {
  await page.click('xpath/.//div[contains(@class,"tp-menu-title")]/span[normalize-space(.)="Help"]');
  await page.click('xpath/.//div[contains(@class,"tp-menu-item")][normalize-space(.)="How to play ?"]');
  const text = await page.evaluate(() => document.querySelector('.tp-box .tp-box-text').textContent);
  assert.match(text, /^If you give a correct answer you will be able to play for 10 seconds, .* let them drop down\. $/);
  await screenshot(page, 'game-rules');
  await page.click('.tp-box-ok');
});

test('Exit ends the game and leaves the page', async () => {
  // "Game" has no access letter: Alt alone opens the first menu, and the
  // item's letter runs it.
  await page.keyboard.press('Alt');
  await page.keyboard.press('x');
  await page.waitForFunction(() => !document.querySelector('.tp-window'));
  assert.equal(await page.evaluate(() => document.getElementById('ended').hidden), false);
});

test('the page ran without errors', () => {
  assert.deepEqual(page.errors, []);
});
