// SPDX-License-Identifier: MIT
// How soon the question editor's findings are up to date after a keystroke,
// on the 355-question sample bank, in headless Chromium (never run by the
// tests; the machines they run on are noisy). Each keystroke adds or takes
// away a single "&" at the end of an answer, so that a finding comes and
// goes; the time runs from the key's event to the findings in the page
// (the editor's handler done) and to the next frame drawn with them.
// Usage: node editor_bench.mjs EDITOR_FOLDER [KEYSTROKES]
import { launch } from '../../tests/web/browser.mjs';
import { serve } from '../../tests/web/serve.mjs';

const [folder, keystrokesText = '50'] = process.argv.slice(2);
const keystrokes = Number(keystrokesText);
const goal = 50;

const server = await serve(folder);
const browser = await launch();
const page = await browser.newPage();
await page.setViewport({ width: 1280, height: 800 });
await page.goto(`http://127.0.0.1:${server.address().port}/editor.html`);
await page.waitForSelector('body[data-ready]');
await page.click('#sample');
await page.waitForFunction(() => document.querySelectorAll('#rows tr').length === 355);

// Times are taken in the page: the key's event time, the end of the
// editor's input handler (a listener after it), and the next frame.
await page.evaluate(() => {
  window.timings = [];
  let pressed = 0;
  document.addEventListener('keydown', (event) => { pressed = event.timeStamp; }, true);
  document.addEventListener('input', () => {
    const handled = performance.now();
    const findings = document.querySelectorAll('#rows .findings li').length;
    requestAnimationFrame(() => setTimeout(() => {
      window.timings.push({ handled: handled - pressed, drawn: performance.now() - pressed, findings });
    }, 0));
  });
});

const cell = '#rows tr:nth-child(200) input[data-column="2"]';
await page.focus(cell);
await page.keyboard.press('End');
async function press(index) {
  await page.keyboard.press(index % 2 === 0 ? '&' : 'Backspace');
  await page.waitForFunction((count) => window.timings.length === count, {}, index + 1);
}
const warmUp = 6;
for (let index = 0; index < warmUp; ++index) await press(index);
for (let index = warmUp; index < warmUp + keystrokes; ++index) await press(index);
const measured = (await page.evaluate(() => window.timings)).slice(warmUp);

await browser.close();
server.close();

// The finding must have come and gone with the keys, or nothing was measured.
const toggled = measured.every((timing, index) => timing.findings === (index % 2 === 0 ? 1 : 0));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const worst = (values) => Math.max(...values);
const handled = measured.map((timing) => timing.handled);
const drawn = measured.map((timing) => timing.drawn);
console.log(`keystroke to findings in the page: median ${median(handled).toFixed(1)} ms, worst ${worst(handled).toFixed(1)} ms`);
console.log(`keystroke to the next frame drawn: median ${median(drawn).toFixed(1)} ms, worst ${worst(drawn).toFixed(1)} ms` +
            ` (goal: within ${goal} ms), over ${measured.length} keystrokes`);
if (!toggled) {
  console.log('the finding did not follow the keys: the measurement is void');
  process.exitCode = 1;
}
