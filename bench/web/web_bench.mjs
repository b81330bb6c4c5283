// SPDX-License-Identifier: MIT
// The web game's goals, measured in headless Chromium from one server on
// 127.0.0.1 (never run by the tests; the machines they run on are noisy):
//  - download: the page's .js and .wasm together, raw and gzip-compressed;
//  - start: navigation to the board's first pixels against a bare page that
//    draws one canvas from a wasm module of its own, medians of interleaved
//    runs;
//  - free play: the page's CPU time over 10 s of free play, by Chromium's
//    own metrics (TaskDuration), against 10 s of the page doing nothing.
// Usage: node web_bench.mjs GAME_FOLDER BARE_FOLDER [RUNS]
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { launch } from '../../tests/web/browser.mjs';
import { serve } from '../../tests/web/serve.mjs';

const [gameFolder, bareFolder, runsText = '15'] = process.argv.slice(2);
const runs = Number(runsText);

const sizes = ['tolvanix-plimbora.js', 'tolvanix-plimbora.wasm'].map((name) => {
  const data = fs.readFileSync(path.join(gameFolder, name));
  return [data.length, zlib.gzipSync(data, { level: 9 }).length];
});
const raw = sizes.reduce((sum, [size]) => sum + size, 0);
const packed = sizes.reduce((sum, [, size]) => sum + size, 0);
console.log(`download: ${raw} bytes (goal 1500000), ${packed} gzip-compressed (goal 400000)`);

const gameServer = await serve(gameFolder);
const bareServer = await serve(bareFolder);
const browser = await launch();

// The time from navigation to the first pixels put on a canvas.
async function firstPixels(url) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...args) {
      if (window.firstPixels === undefined) window.firstPixels = performance.now();
      return put.apply(this, args);
    };
  });
  await page.goto(url);
  await page.waitForFunction(() => window.firstPixels !== undefined);
  const time = await page.evaluate(() => window.firstPixels);
  await page.close();
  return time;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const gameUrl = `http://127.0.0.1:${gameServer.address().port}/`;
const bareUrl = `http://127.0.0.1:${bareServer.address().port}/bare_canvas.html`;
await firstPixels(gameUrl);
await firstPixels(bareUrl);
const game = [];
const bare = [];
for (let run = 0; run < runs; ++run) {
  game.push(await firstPixels(gameUrl));
  bare.push(await firstPixels(bareUrl));
}
const ratio = median(game) / median(bare);
console.log(`start: game ${median(game).toFixed(1)} ms, bare page ${median(bare).toFixed(1)} ms, ` +
            `ratio ${ratio.toFixed(2)} (goal 1.5) over ${runs} interleaved runs`);

// Free play: a correct answer starts 20 s of it; 10 s are measured.
async function taskSeconds(page) {
  const metrics = await page.metrics();
  return metrics.TaskDuration;
}
const page = await browser.newPage();
await page.goto(gameUrl);
await page.waitForFunction(() => document.title === 'Tolvanix PlimBora');
const idleStart = await taskSeconds(page);
await new Promise((resolve) => setTimeout(resolve, 10000));
const idle = (await taskSeconds(page)) - idleStart;
await page.keyboard.press('F2');
await page.waitForFunction(() => document.querySelector('[aria-label="Answer"]').offsetParent !== null);
// The page does not know the correct answer: it answers until one was
// right (a wrong one brings the next question).
for (let attempt = 0; attempt < 100; ++attempt) {
  const started = await page.evaluate((choice) => {
    if (document.querySelector('[aria-label^="Photograph"]').offsetParent !== null) return true;
    if (document.querySelector('[aria-label="Answer"]').offsetParent === null) return false;
    const visible = [...document.querySelectorAll('.tp-radio')].filter((radio) => radio.offsetParent !== null);
    visible[choice % visible.length].querySelector('input').click();
    document.querySelector('[aria-label="Answer"]').click();
    document.querySelector('.tp-box-ok')?.click();
    return false;
  }, attempt);
  if (started) break;
  await new Promise((resolve) => setTimeout(resolve, 100));
}
await page.waitForFunction(() => document.querySelector('[aria-label^="Photograph"]').offsetParent !== null);
const playStart = await taskSeconds(page);
await new Promise((resolve) => setTimeout(resolve, 10000));
const play = (await taskSeconds(page)) - playStart;
console.log(`free play: ${(play * 1000).toFixed(0)} ms of the page's CPU in 10 s ` +
            `(${(play * 10).toFixed(2)} %), idle page ${(idle * 1000).toFixed(0)} ms`);

await browser.close();
gameServer.close();
bareServer.close();
