// SPDX-License-Identifier: MIT
// The teachers' question editor in headless Chromium, end to end: files
// opened as the desktop tool reads them, rows pasted from a spreadsheet and
// mended, a saved file read back by the tool's own reader, and the game
// playing what the editor holds. The rules themselves are the C++ core's
// and are tested there; these tests check that the page shows them.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launch, openPage, screenshot, serveGame } from './browser.mjs';

// The desktop tool of the release build, which reads as the game does.
const questionsTool = path.resolve(process.env.TP_QUESTIONS_TOOL ||
  new URL('../../build/release/app/tolvanix-plimbora-questions', import.meta.url).pathname);
const noTool = fs.existsSync(questionsTool)
  ? false : `the release build's ${questionsTool} is missing: build the release preset to compare with it`;

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tp-editor-'));
let game;
let browser;
let page;

before(async () => {
  game = await serveGame();
  browser = await launch();
  page = await openPage(browser, `${game.url}editor.html`);
  await page.setViewport({ width: 1280, height: 800 });
  await page.waitForSelector('body[data-ready]');
});

after(async () => {
  await browser.close();
  game.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

// A bank with something to find on a line of the overview, in a row, and
// in lines outside any question; "é" and "ó" tell the encodings apart.
const findingsBank = [
  '; a teacher\'s bank',
  '[Overzicht]',
  'Aantal=3',
  '',
  '[1]',
  'Vraag=Which café serves fish & chips?',
  'Juist=The harbour && bar',
  'Fouta=The station',
  'Foutb=the STATION',
  'Tip=none',
  '',
  'a stray line',
  '[2]',
  'Vraag=Which gas do plants take in?',
  'Juist=Carbon dióxide',
  'Fouta=Helium',
  'Foutb=',
  '',
].join('\r\n');

const encodings = [
  ['UTF-8', (text) => Buffer.from(text, 'utf8')],
  ['Windows-1252', (text) => Buffer.from(text, 'latin1')],
  // A byte that is not UTF-8 in a marked file stands for its Windows-1252
  // character.
  ['UTF-8 with its mark and a stray byte', (text) => Buffer.concat([Buffer.from([0xEF, 0xBB, 0xBF]),
    Buffer.from(text.replace('The station', 'The st\u0001tion'), 'utf8')]).map((b) => (b === 1 ? 0xE1 : b))],
  ['UTF-16 little-endian', (text) => Buffer.concat([Buffer.from([0xFF, 0xFE]), Buffer.from(text, 'utf16le')])],
  ['UTF-16 big-endian', (text) => Buffer.concat([Buffer.from([0xFE, 0xFF]), Buffer.from(text, 'utf16le').swap16()])],
];

function writeScratch(name, bytes) {
  const file = path.join(scratch, name);
  fs.writeFileSync(file, bytes);
  return file;
}

// What `check` tells of a file: the encoding, each question's texts as
// shown (and the box's text where it differs), and every finding line.
function checkWithTheTool(file) {
  const run = spawnSync(questionsTool, ['check', file], { encoding: 'utf8', maxBuffer: 64 * 1024 * 1024 });
  assert.ok(run.status === 0 || run.status === 1, `check ran: ${run.stderr}`);
  // The report after the file's name, which leads it.
  const lines = run.stdout.split('\n').filter((line, at, all) => at >= all.findIndex((l) => l.startsWith('Read as: ')));
  // A text wrapped onto lines indented under its key is one text.
  const joined = [];
  for (const line of lines) {
    if (/^ {9}\S/.test(line) && !/^ {9}after a wrong answer/.test(line) && joined.length &&
        !/^ {9}after a wrong answer/.test(joined[joined.length - 1])) {
      joined[joined.length - 1] += ` ${line.trim()}`;
    } else {
      joined.push(line);
    }
  }
  const encoding = joined.find((line) => line.startsWith('Read as: ')).slice('Read as: '.length);
  const questions = [];
  for (let at = 0; at < joined.length; ++at) {
    if (!/^Question \d+$/.test(joined[at])) continue;
    const texts = [];
    let box = '';
    for (let key = at + 1; key < joined.length && joined[key].startsWith(' '); ++key) {
      const text = joined[key].match(/^ {2}\w+: "(.*)"$/);
      if (text) texts.push(text[1]);
      else if (/^ {9}"/.test(joined[key])) box = joined[key].trim().slice(1, -1);
    }
    questions.push({ texts, box });
  }
  const findings = joined.filter((line) => /^(Line \d+|File): /.test(line));
  return { encoding, questions, findings };
}

// Opens the file as a teacher does, letting go of unsaved changes when asked.
async function openInEditor(file) {
  await (await page.$('#open-file')).uploadFile(file);
  const opened = (name) => document.getElementById('file').textContent.startsWith(`${name}:`) ||
    document.getElementById('problem').textContent !== '' || document.getElementById('ask').open;
  await page.waitForFunction(opened, {}, path.basename(file));
  if (await page.evaluate(() => document.getElementById('ask').open)) {
    await page.click('#ask button[value="drop"]');
    await page.waitForFunction(opened, {}, path.basename(file));
  }
}

// The row's texts as the preview shows them, after selecting it.
async function previewOf(row) {
  await page.focus(`#rows tr:nth-child(${row + 1}) input[data-column="0"]`);
  return page.evaluate(() => ({
    texts: ['preview-question', 'preview-correct', 'preview-wrong-a', 'preview-wrong-b']
      .map((id) => document.getElementById(id).textContent),
    box: document.getElementById('preview-box').hidden ? '' : document.getElementById('preview-box-text').textContent,
  }));
}

// Every row's texts as the preview shows them.
async function shownQuestions() {
  const questions = [];
  const rows = await page.$$eval('#rows tr', (list) => list.length);
  for (let row = 0; row < rows; ++row) questions.push(await previewOf(row));
  return questions;
}

// What the page tells of the file it opened, in the tool's terms.
async function shownByTheEditor() {
  const shown = await page.evaluate(() => ({
    file: document.getElementById('file').textContent,
    findings: [...document.querySelectorAll('li[data-line]')]
      .map((item) => [Number(item.dataset.line), item.textContent]),
  }));
  return {
    encoding: shown.file.match(/: read as (.*); Aantal/)[1],
    questions: await shownQuestions(),
    // In the order of their lines, as the tool lists them; those of one
    // line keep their order.
    findings: shown.findings.map((finding, at) => [...finding, at])
      .sort((a, b) => a[0] - b[0] || a[2] - b[2]).map(([, text]) => text),
  };
}

async function rowFindings(row) {
  return page.$$eval(`#rows tr:nth-child(${row + 1}) .findings li`, (items) => items.map((item) => item.textContent));
}

async function typeInto(row, column, text) {
  const selector = `#rows tr:nth-child(${row + 1}) input[data-column="${column}"]`;
  await page.click(selector, { clickCount: 3 });
  if (text) await page.keyboard.type(text);
  else await page.keyboard.press('Backspace');
}

// A block as a spreadsheet copies it: cells by tabs, rows by line breaks.
async function paste(text) {
  await page.evaluate((block) => {
    const data = new DataTransfer();
    data.setData('text/plain', block);
    const target = document.activeElement && document.activeElement !== document.body
      ? document.activeElement : document.getElementById('table-place');
    target.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  }, text);
}

async function startEmpty() {
  await page.click('#empty');
  const asked = await page.evaluate(() => document.getElementById('ask').open);
  if (asked) await page.click('#ask button[value="drop"]');
  await page.waitForFunction(() => document.querySelectorAll('#rows tr').length === 0);
}

test('an empty editor invites a file or rows, and names every control', async () => {
  const shown = await page.evaluate(() => ({
    hint: document.getElementById('table-hint').offsetParent !== null,
    save: document.getElementById('save').disabled,
    unnamed: [...document.querySelectorAll('button, input:not([type="file"]):not([type="radio"])')]
      .filter((control) => !control.textContent.trim() && !control.getAttribute('aria-label')).length,
  }));
  assert.deepEqual(shown, { hint: true, save: true, unnamed: 0 });
  await screenshot(page, 'editor-empty');
});

test('a file in every encoding the game reads shows the questions and findings of the tool\'s check',
  { skip: noTool }, async () => {
    for (const [name, encode] of encodings) {
      const file = writeScratch(`${name.replace(/\W+/g, '-')}.ini`, encode(findingsBank));
      await openInEditor(file);
      assert.deepEqual(await shownByTheEditor(), checkWithTheTool(file), name);
    }
    // The rows' findings stand beside their rows, the others under the table.
    assert.deepEqual((await rowFindings(0)).map((finding) => finding.split(':')[0]),
                     ['Line 6', 'Line 9', 'Line 10', 'Line 12']);
    assert.deepEqual(await page.$$eval('#file-findings li', (items) => items.map((item) => item.dataset.line)), ['3']);
  });

test('a file that is no question file shows what the check finds, and one too large is refused',
  { skip: noTool }, async () => {
    const junk = Buffer.alloc(256 * 1024);
    for (let i = 0; i < junk.length; ++i) junk[i] = (i * 7919 + (i >> 5)) & 0xFF;
    for (const [name, bytes] of [['empty.ini', Buffer.alloc(0)], ['junk.ini', junk]]) {
      const file = writeScratch(name, bytes);
      await openInEditor(file);
      // A list shows its first thousand findings and counts the others.
      const all = checkWithTheTool(file).findings;
      assert.deepEqual((await shownByTheEditor()).findings, all.slice(0, 1000), name);
      const more = await page.$$eval('#file-findings li.more', (items) => items.map((item) => item.textContent));
      assert.deepEqual(more, all.length > 1000 ? [`… and ${all.length - 1000} more; the tool's check lists them all.`] : []);
      assert.match(await page.$eval('#count', (element) => element.textContent), new RegExp(`; ${all.length} findings`));
    }
    const before = await page.evaluate(() => document.getElementById('file').textContent);
    const huge = path.join(scratch, 'huge.ini');
    fs.closeSync(fs.openSync(huge, 'w'));
    fs.truncateSync(huge, 17 * 1024 * 1024);
    await openInEditor(huge);
    assert.match(await page.$eval('#problem', (element) => element.textContent),
                 /^huge\.ini is 17\.0 MiB: too large for a question file; the editor opens files of up to 16\.0 MiB\.$/);
    assert.equal(await page.evaluate(() => document.getElementById('file').textContent), before);
  });

test('a large file leaves the page usable: Stop keeps the table, and a bank too large to show is refused', async () => {
  await page.click('#sample');
  await page.waitForFunction(() => document.querySelectorAll('#rows tr').length === 355);
  // Two hundred thousand questions: far more than the checker reads in the
  // time this test takes to press Stop.
  const sections = [];
  for (let n = 1; n <= 200000; ++n) sections.push(`[${n}]\r\nVraag=Q${n}?\r\nJuist=a\r\nFouta=b\r\nFoutb=c`);
  const file = writeScratch('long.ini', `[Overzicht]\r\nAantal=200000\r\n${sections.join('\r\n')}\r\n`);
  await (await page.$('#open-file')).uploadFile(file);
  await page.waitForSelector('#stop:not([hidden])');
  // The page answers while the file is read, and says what it does.
  assert.equal(await page.$eval('#file', (element) => element.textContent), 'Reading long.ini…');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'stop');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#stop', { hidden: true });
  assert.equal(await page.$eval('#problem', (element) => element.textContent),
               'Stopped reading long.ini; the table is as it was.');
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 355);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'open');
  assert.match(await page.$eval('#file', (element) => element.textContent), /^vragen\.ini \(the sample bank\): read as UTF-8/);

  const tooMany = writeScratch('many.ini', `[Overzicht]\r\nAantal=10001\r\n${sections.slice(0, 10001).join('\r\n')}\r\n`);
  await openInEditor(tooMany);
  assert.equal(await page.$eval('#problem', (element) => element.textContent),
               'many.ini holds 10001 questions, more than the editor shows (10000). The question tool\'s check reads it whole.');
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 355);
});

test('once loaded, the editor opens, checks and saves with the network gone', async () => {
  // The last test ended the worker that reads files: the next one starts
  // from what the page already holds.
  const requests = [];
  const record = (request) => { if (!request.url().startsWith('blob:')) requests.push(request.url()); };
  page.on('request', record);
  await page.setOfflineMode(true);
  try {
    await openInEditor(writeScratch('offline.ini', Buffer.from(findingsBank)));
    assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 2);
    await typeInto(1, 3, 'Argon');
    assert.deepEqual(await rowFindings(1), []);
    await page.click('#sample');
    await page.click('#ask button[value="drop"]');
    await page.waitForFunction(() => document.querySelectorAll('#rows tr').length === 355);
  } finally {
    await page.setOfflineMode(false);
    page.off('request', record);
  }
  assert.deepEqual(requests, []);
});

test('a CSV file imports as the tool\'s import reads it, and one the tool refuses is refused alike',
  { skip: noTool }, async () => {
    await startEmpty();
    const csv = writeScratch('questions.csv', 'Vraag;Juist;Fouta;Foutb\r\n"Fish & chips?";Yes;No;"Maybe\r\nnot"\r\n' +
                                              'Capital of Peru?;Lima;Cusco;Quito\r\n');
    await (await page.$('#import-file')).uploadFile(csv);
    await page.waitForFunction(() => document.querySelectorAll('#rows tr').length === 2);
    const imported = path.join(scratch, 'imported.ini');
    const run = spawnSync(questionsTool, ['import', csv, '-o', imported], { encoding: 'utf8' });
    assert.equal(run.status, 0, run.stderr);
    assert.deepEqual(await shownQuestions(), checkWithTheTool(imported).questions);
    const notes = (run.stdout + run.stderr).split('\n').filter((line) => line.startsWith(`${csv}: `))
      .map((line) => `questions.csv: ${line.slice(csv.length + 2)}`);
    assert.deepEqual(await page.$$eval('#import-notes li', (items) => items.map((item) => item.textContent)), notes);
    assert.equal(notes.length, 1);

    const refused = writeScratch('refused.csv', 'Short row;only\r\n');
    await (await page.$('#import-file')).uploadFile(refused);
    await page.waitForFunction(() => document.getElementById('problem').textContent !== '');
    const refusal = spawnSync(questionsTool, ['import', refused, '-o', path.join(scratch, 'refused.ini')],
                              { encoding: 'utf8' });
    assert.equal(refusal.status, 1);
    assert.equal(await page.$eval('#problem', (element) => element.textContent),
                 refusal.stderr.trim().replace(refused, 'refused.csv'));
    assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 2);
  });

test('pasted spreadsheet rows become rows; a finding shows on a bad row and goes when it is mended', async () => {
  await startEmpty();
  await paste('Capital of France?\tParis\tLyon\tNice\r\nCapital of Italy?\tRome\trome\tMilan\r\n' +
              'Fish && chips?\tSalt & vinegar\tKetchup\tMayonnaise\r\n');
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 3);
  assert.deepEqual(await rowFindings(0), []);
  assert.deepEqual(await rowFindings(1),
                   ['Fouta of question 2 is the same answer as Juist ("rome"), so the player sees two answers alike']);
  assert.equal(await page.$eval('#rows tr:nth-child(2) input[data-column="2"]',
                                (input) => input.getAttribute('aria-invalid')), 'true');
  // A cell holds the file's value: the spreadsheet's "&" is doubled, so the
  // game shows it as typed.
  assert.deepEqual((await previewOf(2)).texts, ['Fish && chips?', 'Salt & vinegar', 'Ketchup', 'Mayonnaise']);
  await typeInto(1, 2, 'Turin');
  assert.deepEqual(await rowFindings(1), []);
  assert.equal(await page.$eval('#rows tr:nth-child(2) input[data-column="2"]',
                                (input) => input.hasAttribute('aria-invalid')), false);
  assert.match(await page.$eval('#count', (element) => element.textContent), /^3 questions; no findings/);
});

test('rows are added, moved and deleted with the keyboard, and their findings follow their numbers', async () => {
  // Row 2 of three, made bad, moves down: its finding then names question 3.
  await typeInto(1, 3, 'Turin');
  assert.match((await rowFindings(1))[0], /^Foutb of question 2 is the same answer as Fouta/);
  await page.keyboard.down('Alt');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.up('Alt');
  assert.deepEqual(await rowFindings(1), []);
  assert.match((await rowFindings(2))[0], /^Foutb of question 3 is the same answer as Fouta/);
  const focused = await page.evaluate(() => document.activeElement.getAttribute('aria-label'));
  assert.equal(focused, 'Question 3, wrong answer B');
  await page.keyboard.down('Alt');
  await page.keyboard.press('Delete');
  await page.keyboard.up('Alt');
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 2);
  assert.match(await page.$eval('#count', (element) => element.textContent), /^2 questions; no findings/);
  // A row added after the selected one starts empty, which the check flags.
  await page.focus('#rows tr:nth-child(1) input');
  await page.click('#add-row');
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')),
               'Question 2, the question');
  assert.deepEqual((await rowFindings(1)).slice(0, 1), ['Vraag of question 2 is empty']);
});

test('another file does not replace an unsaved table without asking, nor does leaving the page', async () => {
  await page.click('#empty');
  await page.waitForSelector('#ask[open]');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => !document.getElementById('ask').open);
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 3);
  // A file dropped on the page asks too, naming it.
  await page.evaluate(() => {
    const data = new DataTransfer();
    data.items.add(new File(['[Overzicht]\r\nAantal=1\r\n[1]\r\nVraag=Dropped?\r\n'], 'dropped.ini'));
    document.getElementById('table-place').dispatchEvent(
      new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  });
  await page.waitForSelector('#ask[open]');
  assert.equal(await page.$eval('#ask-text', (element) => element.textContent),
               'The table has changes that are not saved. Open dropped.ini and lose them?');
  await page.click('#ask button[value="keep"]');
  await page.waitForFunction(() => !document.getElementById('ask').open);
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 3);
  const asked = new Promise((resolve) => page.once('dialog', (dialog) => dialog.dismiss().then(() => resolve(dialog.type()))));
  await page.evaluate(() => { location.href = 'about:blank'; });
  assert.equal(await asked, 'beforeunload');
  assert.equal(await page.$$eval('#rows tr', (rows) => rows.length), 3);
  await page.click('#sample');
  await page.waitForSelector('#ask[open]');
  await page.click('#ask button[value="drop"]');
  await page.waitForFunction(() => document.querySelectorAll('#rows tr').length === 355);
});

test('the preview shows the selected row as the game\'s question panel does', async () => {
  await typeInto(2, 0, 'What is 2 && 2?');
  await typeInto(2, 1, '&Four');
  await typeInto(2, 2, 'Three & a bit');
  const preview = await previewOf(2);
  assert.deepEqual(preview, { texts: ['What is 2 & 2?', 'Four', 'Three  a bit', 'Swimmed'],
                              box: 'The correct answer was: &Four' });
  assert.equal(await page.$eval('#preview-correct u', (element) => element.textContent), 'F');
  // The label and the buttons at the game's sizes.
  const sizes = await page.evaluate(() => ['preview-question', 'preview-correct'].map((id) => {
    const box = document.getElementById(id).closest('.tp-control').getBoundingClientRect();
    return [box.width, box.height];
  }));
  assert.deepEqual(sizes, [[345, 73], [305, 17]]);
  assert.match((await rowFindings(2)).join('\n'), /Fouta of question 3 has a single "&"/);
  await screenshot(page, 'editor-sample-finding');
  await page.evaluate(() => document.getElementById('preview').scrollIntoView());
  await screenshot(page, 'editor-preview');
});

// Reads Chromium's download of Save into `folder`.
async function download(click, folder) {
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  const done = new Promise((resolve) => session.on('Browser.downloadProgress', (event) => {
    if (event.state === 'completed' || event.state === 'canceled') resolve(event.state);
  }));
  await click();
  assert.equal(await done, 'completed');
  await session.detach();
  return path.join(folder, 'vragen.ini');
}

test('a saved file, read back by the tool\'s reader, holds the questions as the editor shows them',
  { skip: noTool }, async () => {
    await openInEditor(writeScratch('bank.ini', encodings[3][1](findingsBank)));
    await typeInto(1, 3, 'Neón && argon');
    const shown = await shownByTheEditor();
    const folder = fs.mkdtempSync(path.join(scratch, 'saved-'));
    const saved = await download(() => page.click('#save'), folder);
    const bytes = fs.readFileSync(saved);
    assert.notDeepEqual([...bytes.subarray(0, 3)], [0xEF, 0xBB, 0xBF], 'no byte-order mark');
    assert.equal(bytes.toString('utf8').replace(/\r\n/g, '').includes('\n'), false, 'every line ends in CR LF');
    const read = checkWithTheTool(saved);
    assert.equal(read.encoding, 'UTF-8');
    assert.deepEqual(read.questions, shown.questions);
    assert.equal(await page.title(), 'Tolvanix Plimbora: question editor');
  });

test('from 30 spreadsheet rows to playing them: paste, mend what is flagged, play', { timeout: 120000 }, async () => {
  await startEmpty();
  const rows = [];
  for (let n = 1; n <= 30; ++n) rows.push([`What is ${n} plus ${n}?`, `${2 * n}`, `${2 * n + 1}`, `${2 * n - 1}`]);
  // Three slips a spreadsheet lets through: an empty cell, the right answer
  // again as a wrong one, a question longer than the window shows.
  rows[4][3] = '';
  rows[11][2] = rows[11][1];
  rows[19][0] = `${'A very long question. '.repeat(12)}What is 20 plus 20?`;
  await page.focus('#table-place');
  await paste(rows.map((row) => row.join('\t')).join('\n'));
  assert.equal(await page.$$eval('#rows tr', (list) => list.length), 30);
  const flagged = await page.$$eval('#rows tr', (list) => list.map((row, at) => [at, row.querySelectorAll('.findings li').length])
    .filter(([, count]) => count > 0).map(([at]) => at));
  assert.deepEqual(flagged, [4, 11, 19]);
  await typeInto(4, 3, '9');
  await typeInto(11, 2, '25');
  await typeInto(19, 0, 'What is 20 plus 20?');
  assert.match(await page.$eval('#count', (element) => element.textContent), /^30 questions; no findings/);
  const opened = new Promise((resolve) => browser.once('targetcreated', resolve));
  await page.click('#play');
  const gamePage = await (await opened).page();
  gamePage.errors = [];
  gamePage.on('pageerror', (error) => gamePage.errors.push(error.message));
  await gamePage.waitForFunction(() => document.title === 'Tolvanix PlimBora' &&
                                       !document.getElementById('from-editor').hidden);
  await gamePage.keyboard.press('F2');
  await gamePage.waitForFunction(() => /^What is \d+ plus \d+\?$/.test(
    document.querySelector('.tp-label.tp-wrap')?.textContent || ''));
  const asked = await gamePage.evaluate(() => ({
    question: document.querySelector('.tp-label.tp-wrap').textContent,
    answers: [...document.querySelectorAll('.tp-radio')].filter((r) => r.offsetParent !== null)
      .map((r) => r.textContent).sort(),
    font: getComputedStyle(document.querySelector('.tp-label.tp-wrap')).font,
  }));
  const n = Number(asked.question.match(/\d+/)[0]);
  const mended = { 5: ['9', '10', '11'], 12: ['23', '24', '25'] }[n] || [`${2 * n}`, `${2 * n + 1}`, `${2 * n - 1}`];
  assert.deepEqual(asked.answers, [...mended].sort());
  // The preview draws in the game's font.
  assert.equal(await page.$eval('#preview-question', (label) => getComputedStyle(label).font), asked.font);
  await screenshot(gamePage, 'editor-played');
  assert.deepEqual(gamePage.errors, []);
  await gamePage.close();
});

test('the editor ran without errors', () => {
  assert.deepEqual(page.errors, []);
});
