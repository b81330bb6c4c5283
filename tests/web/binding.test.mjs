// SPDX-License-Identifier: MIT
// The browser binding's translation of the model, on the binding's own
// page (BindingPage.cpp): what the page shows and what reaches the model.
import assert from 'node:assert/strict';
import { after, before, beforeEach, test } from 'node:test';
import { buildFolder, launch, openPage, screenshot } from './browser.mjs';
import { serve } from './serve.mjs';

let server;
let browser;
let page;

before(async () => {
  server = await serve(buildFolder);
  browser = await launch();
});

after(async () => {
  await browser.close();
  server.close();
});

// Each test starts from a fresh page.
beforeEach(async () => {
  if (page) await page.close();
  page = await openPage(browser, `http://127.0.0.1:${server.address().port}/tests/web/binding.html`);
  await page.waitForFunction(() => document.title === 'Binding && test');
});

const log = () => page.evaluate(() => window.tpLog || []);
const button = (caption) => `xpath/.//button[normalize-space(.)="${caption}"]`;
const click = async (caption) => (await page.$(button(caption))).click();
const ticks = () => page.evaluate(() => window.tpTicks || 0);
const moreTicks = async () => {
  const now = await ticks();
  await page.waitForFunction((n) => (window.tpTicks || 0) > n + 1, {}, now);
};

test('radio buttons exclude each other through the model, not the browser', async () => {
  const radio = (caption) => `xpath/.//div[contains(@class,"tp-radio")][normalize-space(.)="${caption}"]`;
  const checked = () => page.evaluate(() => [...document.querySelectorAll('.tp-radio input')].map((i) => i.checked));
  await (await page.$(radio('One'))).click();
  assert.deepEqual(await checked(), [true, false, false]);
  await (await page.$(radio('Three'))).click();
  assert.deepEqual(await checked(), [false, false, true]);
  await (await page.$(radio('Three'))).click();
  assert.deepEqual(await checked(), [false, false, true]);
  assert.equal(await page.evaluate(() => document.querySelectorAll('.tp-radio input[name]').length), 0);
});

test('keys go to the model: F2 with a button focused runs the menu, arrows after the focused control hides reach the handler', async () => {
  await click('Focus');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Focus');
  await page.keyboard.press('F2');
  assert.deepEqual(await log(), ['menu']);
  // Hiding the focused button leaves nothing focused: the arrow is the
  // window's, and the page does not scroll on it.
  await click('Hide');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Space');
  assert.deepEqual(await log(), ['menu', 'key 40', 'key 32', 'char  ']);
  assert.equal(await page.evaluate(() => window.tpPrevented), true);
  assert.equal(await page.evaluate(() => window.scrollY), 0);
});

test('Alt with a title\'s access letter opens the menu, and its item\'s letter runs it', async () => {
  await page.keyboard.down('Alt');
  await page.keyboard.press('g');
  await page.keyboard.up('Alt');
  assert.equal(await page.evaluate(() => !!document.querySelector('.tp-menu-title.tp-open')), true);
  await page.keyboard.press('n');
  // Alt alone goes down to the window's handler, as on the desktop.
  assert.deepEqual(await log(), ['key 18', 'menu']);
  assert.equal(await page.evaluate(() => !!document.querySelector('.tp-menu-title.tp-open')), false);
});

test('a timer runs on one browser timer: enabling it again keeps its period, a new interval starts another', async () => {
  await moreTicks();
  assert.deepEqual(await page.evaluate(() => window.tpStarted), [150]);
  await click('Again');
  assert.deepEqual(await page.evaluate(() => window.tpStarted), [150]);
  await click('Slower');
  assert.deepEqual(await page.evaluate(() => [window.tpStarted, window.tpRunning.size]), [[150, 300], 1]);
  await moreTicks();
});

test('captions show "&&" as one "&", the access letter underlined, and markup as written', async () => {
  const shown = await page.evaluate(() => [...document.querySelectorAll('.tp-label')].map((label) => [
    label.textContent, label.querySelector('u')?.textContent ?? null, label.children.length]));
  assert.deepEqual(shown, [
    ['Fish & Chips', 'C', 1],
    ['<b>bold</b> <script>window.tpInjected = 1</script>', null, 0],
  ]);
  assert.equal(await page.evaluate(() => window.tpInjected), undefined);
  assert.equal(await page.evaluate(() => document.querySelector('.tp-caption').textContent), 'Binding && test');
  assert.equal(await page.evaluate(() => document.querySelector('.tp-menu-title u').textContent), 'G');
});

test('a gauge set below its range shows empty, with its range for assistive technology', async () => {
  const gauge = await page.evaluate(() => {
    const element = document.querySelector('[role="progressbar"]');
    return [element.getAttribute('aria-label'), element.getAttribute('aria-valuemin'),
            element.getAttribute('aria-valuemax'), element.getAttribute('aria-valuenow'),
            element.querySelector('.tp-gauge-bar').style.width];
  });
  assert.deepEqual(gauge, ['Gauge', '0', '200', '0', '0px']);
});

test('a drawing shows in its own colours, and what a handler draws is on the canvas when the page\'s call returns', async () => {
  const pixels = await page.evaluate(() => {
    const context = document.querySelector('[aria-label="Swatch"]').getContext('2d');
    const read = () => [[1, 1], [3, 3], [7, 7], [30, 5]].map(([x, y]) => Array.from(context.getImageData(x, y, 1, 1).data));
    const before = read();
    [...document.querySelectorAll('button')].find((button) => button.textContent === 'Mark').click();
    return [before, read()];
  });
  const red = [255, 0, 0, 255];
  const blue = [0, 0, 255, 255];
  assert.deepEqual(pixels, [[red, red, red, blue], [red, [0, 255, 0, 255], red, blue]]);
});

test('an error in a handler is reported once in a box modal to the page while timers go on, and the page goes on after', async () => {
  await click('Throw');
  const boxes = await page.evaluate(() => [...document.querySelectorAll('.tp-box')].map((box) => [
    box.getAttribute('role'), box.querySelector('.tp-caption').textContent,
    box.querySelector('.tp-box-text').textContent]));
  assert.deepEqual(boxes, [['alertdialog', 'Binding test', 'Boom.']]);
  await screenshot(page, 'binding-error-report');
  await moreTicks();
  // Nothing of the window takes input meanwhile.
  const focus = await (await page.$(button('Focus'))).boundingBox();
  await page.mouse.click(focus.x + 5, focus.y + 5);
  await page.evaluate(() => document.body.dispatchEvent(new KeyboardEvent('keydown', { key: 'F2', bubbles: true })));
  assert.deepEqual(await log(), []);
  await page.click('.tp-box-ok');
  assert.equal(await page.evaluate(() => document.querySelectorAll('.tp-box, .tp-veil').length), 0);
  await page.keyboard.press('F2');
  assert.deepEqual(await log(), ['menu']);
});

test('boxes nest: the window stays usable, timers tick, and the outer handler goes on only after the inner one', async () => {
  await click('Outer');
  // The box lies over the window's middle, and the inner box over the
  // outer one: the clicks go to the elements themselves.
  await page.$eval(button('Inner'), (element) => element.click());
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('.tp-box-text')].map((t) => t.textContent)),
                   ['Outer', 'Inner']);
  await moreTicks();
  await screenshot(page, 'binding-nested-boxes');
  const [outerOk, innerOk] = await page.$$('.tp-box-ok');
  await outerOk.evaluate((ok) => ok.click());
  assert.deepEqual(await log(), []);
  await innerOk.evaluate((ok) => ok.click());
  assert.deepEqual(await log(), ['inner done', 'outer done']);
});

test('the page ran without errors', () => {
  assert.deepEqual(page.errors, []);
});
