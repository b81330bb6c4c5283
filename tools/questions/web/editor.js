// SPDX-License-Identifier: MIT
// The editor page's own part: it shows the table and hands every edit to the
// question tool compiled to WebAssembly (tolvanix-plimbora-editor.js), which
// reads, checks, imports, previews and writes exactly as the game and its
// tool do. Nothing is stored or sent: Save is a download, Play hands the
// bytes to the game's tab.
'use strict';

(function () {
  // The page holds an opened file whole in memory; no question file comes
  // near this, and a larger one is most likely not a question file at all.
  const largestFile = 16 * 1024 * 1024;
  const cellNames = ['the question', 'the right answer', 'wrong answer A', 'wrong answer B'];
  // The checker works on files: those of the page's in-memory file system.
  const scratchPath = '/tmp/row.ini';
  // A list longer than this shows its first ones and says how many more:
  // a file that is no question file can have a finding on every line.
  const longestList = 1000;

  const byId = (id) => document.getElementById(id);
  const rowsBody = byId('rows');
  // The table's rows by number: the table body's own list of rows is
  // counted afresh after every change inside it, which a bank of thousands
  // of rows cannot afford on each.
  let lines = [];
  let tableGeneration = 0;  // a newer table stops the batches of an older one
  const rowsInABatch = 200;
  // A bank the browser could not show as a table in reasonable time and
  // memory; the tool's check reads any.
  const mostRows = 10000;

  let tool = null;    // the compiled question tool
  let table = null;   // its table, which rechecks a row on every edit
  // Per row, the findings the opened file has about it (with their lines),
  // until the row is edited or renumbered; from then on the table's own.
  let opened = [];
  let fileFindings = [];
  let findingCounts = [];
  let selected = -1;
  let unsaved = false;
  let sample = null;  // the bytes of the sample bank beside the page
  let lastDownload = null;
  let reader = null;  // the worker that reads a file being opened
  let readerSource = null;  // its script, made when the page loads
  let code = null;  // the tool's compiled WebAssembly, for the page and its workers
  let stopReading = null;
  const plays = new Map();  // the game's tabs still waiting for their questions

  function showProblem(text) {
    byId('problem').textContent = text;
  }

  function setUnsaved(value) {
    unsaved = value;
    document.title = (unsaved ? '* ' : '') + 'Tolvanix Plimbora: question editor';
  }

  function rowFindings(row) {
    const fromFile = opened[row];
    if (fromFile) return fromFile;
    const live = table.findings(row);
    const list = [];
    for (let i = 0; i < live.length; ++i) list.push(live[i]);
    return list;
  }

  function updateCount() {
    const total = findingCounts.reduce((sum, count) => sum + count, 0) + fileFindings.length;
    const rows = table.rowCount();
    let text;
    if (rows === 0 && total === 0) text = 'No questions yet.';
    else if (total === 0) text = `${rows} ${rows === 1 ? 'question' : 'questions'}; no findings: the game shows every question whole.`;
    else text = `${rows} ${rows === 1 ? 'question' : 'questions'}; ${total} ${total === 1 ? 'finding' : 'findings'} to look at.`;
    const count = byId('count');
    if (count.textContent !== text) count.textContent = text;
    byId('save').disabled = rows === 0;
    byId('play').disabled = rows === 0;
  }

  // The findings of one row beside it, and its flagged cells marked.
  function showFindings(row) {
    const line = lines[row];
    if (!line) return;
    const findings = rowFindings(row);
    const list = line.querySelector('.findings');
    list.textContent = '';
    const flagged = new Set();
    for (const finding of findings.slice(0, longestList)) {
      const item = document.createElement('li');
      if (finding.line !== undefined) {
        item.dataset.line = finding.line;
        item.textContent = `Line ${finding.line}: ${finding.message}`;
      } else {
        item.textContent = finding.message;
        flagged.add(finding.column);
      }
      list.append(item);
    }
    listMore(list, findings.length);
    line.querySelectorAll('input').forEach((input, column) => {
      if (flagged.has(column)) {
        input.setAttribute('aria-invalid', 'true');
        input.setAttribute('aria-describedby', list.id);
      } else {
        input.removeAttribute('aria-invalid');
        input.removeAttribute('aria-describedby');
      }
    });
    findingCounts[row] = findings.length;
  }

  function makeRow(row) {
    const line = document.createElement('tr');
    line.tpRow = row;
    line.setAttribute('role', 'row');
    const number = document.createElement('td');
    number.setAttribute('role', 'cell');
    number.className = 'number';
    number.textContent = row + 1;
    line.append(number);
    const texts = table.row(row);
    for (let column = 0; column < 4; ++column) {
      const cell = document.createElement('td');
      cell.setAttribute('role', 'cell');
      const input = document.createElement('input');
      input.type = 'text';
      input.value = texts[column];
      input.dataset.column = column;
      input.spellcheck = true;
      input.setAttribute('aria-label', `Question ${row + 1}, ${cellNames[column]}`);
      cell.append(input);
      line.append(cell);
    }
    const findings = document.createElement('td');
    findings.setAttribute('role', 'cell');
    const list = document.createElement('ul');
    list.className = 'findings';
    list.id = `findings-${row}`;
    list.setAttribute('aria-label', `Findings for question ${row + 1}`);
    findings.append(list);
    line.append(findings);
    return line;
  }

  // The whole table afresh from the tool's rows, as after an open or a
  // change of order; the focus goes to `focusRow`'s cell in `focusColumn`.
  // A text field costs the browser much to make, so the rows in reach come
  // at once and the others in batches between the teacher's events.
  function showTable(focusRow = -1, focusColumn = 0) {
    const count = table.rowCount();
    const generation = ++tableGeneration;
    findingCounts = [];
    for (let row = 0; row < count; ++row) {
      findingCounts.push(opened[row] ? opened[row].length : table.findings(row).length);
    }
    lines = new Array(count);
    rowsBody.textContent = '';
    const addRows = (from, to) => {
      const made = document.createDocumentFragment();
      for (let row = from; row < to; ++row) {
        lines[row] = makeRow(row);
        // Filled before they join the page, which then lays them out once.
        showFindings(row);
        made.append(lines[row]);
      }
      rowsBody.append(made);
    };
    const firstRows = Math.min(count, Math.max(focusRow + rowsInABatch / 2, rowsInABatch));
    addRows(0, firstRows);
    const addMore = (from) => {
      if (generation !== tableGeneration) return;
      const to = Math.min(count, from + rowsInABatch);
      addRows(from, to);
      if (to < count) setTimeout(addMore, 0, to);
      else byId('table').removeAttribute('aria-busy');
    };
    if (firstRows < count) {
      byId('table').setAttribute('aria-busy', 'true');
      setTimeout(addMore, 0, firstRows);
    } else {
      byId('table').removeAttribute('aria-busy');
    }
    showFileFindings();
    select(Math.min(focusRow, count - 1));
    if (selected >= 0 && focusRow >= 0) lines[selected].querySelectorAll('input')[focusColumn].focus();
    updateCount();
  }

  function listMore(list, count) {
    if (count <= longestList) return;
    const more = document.createElement('li');
    more.className = 'more';
    more.textContent = `… and ${count - longestList} more; the tool's check lists them all.`;
    list.append(more);
  }

  function showFileFindings() {
    const section = byId('file-findings');
    const list = section.querySelector('ul');
    list.textContent = '';
    for (const finding of fileFindings.slice(0, longestList)) {
      const item = document.createElement('li');
      if (finding.line > 0) {
        item.dataset.line = finding.line;
        item.textContent = `Line ${finding.line}: ${finding.message}`;
      } else {
        item.dataset.line = 0;
        item.textContent = `File: ${finding.message}`;
      }
      list.append(item);
    }
    listMore(list, fileFindings.length);
    section.hidden = fileFindings.length === 0;
  }

  function showNotes(notes) {
    const section = byId('import-notes');
    const list = section.querySelector('ul');
    list.textContent = '';
    for (const note of notes) {
      const item = document.createElement('li');
      item.textContent = note;
      list.append(item);
    }
    section.hidden = notes.length === 0;
  }

  function fillCaption(target, caption) {
    target.textContent = '';
    target.append(caption.before);
    if (caption.letter) {
      const underlined = document.createElement('u');
      underlined.textContent = caption.letter;
      target.append(underlined, caption.after);
    }
  }

  function showPreview() {
    const which = byId('preview-which');
    const parts = selected >= 0 ? tool.preview(table.row(selected)) : null;
    const empty = { before: '', letter: '', after: '' };
    which.textContent = parts ? `Question ${selected + 1}` : 'Select a row to see it here.';
    fillCaption(byId('preview-question'), parts ? parts.question : empty);
    fillCaption(byId('preview-correct'), parts ? parts.correct : empty);
    fillCaption(byId('preview-wrong-a'), parts ? parts.wrongA : empty);
    fillCaption(byId('preview-wrong-b'), parts ? parts.wrongB : empty);
    byId('preview-box').hidden = !parts || !parts.box;
    byId('preview-box-text').textContent = parts ? parts.box : '';
  }

  function select(row) {
    if (selected >= 0 && lines[selected]) lines[selected].removeAttribute('aria-current');
    selected = row;
    if (selected >= 0 && lines[selected]) lines[selected].setAttribute('aria-current', 'true');
    const none = selected < 0;
    byId('delete-row').disabled = none;
    byId('move-up').disabled = none || selected === 0;
    byId('move-down').disabled = none || selected === table.rowCount() - 1;
    showPreview();
  }

  // Rows from `from` on have new numbers: what the opened file said about
  // them no longer names them.
  function renumberedFrom(from) {
    if (opened.length > from) opened.length = from;
  }

  function focusedColumn() {
    const column = document.activeElement && document.activeElement.dataset
      ? Number(document.activeElement.dataset.column) : NaN;
    return Number.isInteger(column) ? column : 0;
  }

  function insertRows(rows, focus) {
    if (!rows.length) return;
    const at = selected >= 0 ? selected + 1 : table.rowCount();
    table.insertRows(at, rows);
    renumberedFrom(at);
    setUnsaved(true);
    showTable(at, 0);
    if (!focus) byId('table-place').focus();
  }

  function deleteRow() {
    if (selected < 0) return;
    const row = selected;
    const column = focusedColumn();
    table.removeRow(row);
    renumberedFrom(row);
    setUnsaved(true);
    showTable(Math.min(row, table.rowCount() - 1), column);
    if (table.rowCount() === 0) byId('table-place').focus();
  }

  function moveRow(by) {
    const to = selected + by;
    if (selected < 0 || to < 0 || to >= table.rowCount()) return;
    const column = focusedColumn();
    table.moveRow(selected, to);
    renumberedFrom(Math.min(selected, to));
    setUnsaved(true);
    showTable(to, column);
  }

  // Asks before an unsaved table is replaced; resolves to true to go on.
  function mayReplaceTable(what) {
    if (!unsaved) return Promise.resolve(true);
    const dialog = byId('ask');
    byId('ask-text').textContent = `The table has changes that are not saved. Open ${what} and lose them?`;
    return new Promise((resolve) => {
      const answer = (event) => {
        const button = event.target.closest('button');
        if (!button) return;
        dialog.close(button.value);
      };
      dialog.addEventListener('click', answer);
      dialog.addEventListener('close', () => {
        dialog.removeEventListener('click', answer);
        resolve(dialog.returnValue === 'drop');
      }, { once: true });
      dialog.returnValue = '';
      dialog.showModal();
    });
  }

  function replaceTable(rows, findings, fileLine) {
    table.replace(rows);
    opened = rows.map(() => []);
    fileFindings = [];
    for (const finding of findings) {
      if (finding.row >= 0 && finding.row < rows.length) opened[finding.row].push(finding);
      else fileFindings.push(finding);
    }
    showNotes([]);
    showProblem('');
    setUnsaved(false);
    showTable();
    byId('file').textContent = fileLine;
  }

  // While a file is read the table and the commands wait; only Stop works.
  function setReading(name) {
    const reading = name !== null;
    document.querySelector('main').inert = reading;
    for (const button of document.querySelectorAll('header .commands button:not(#stop)')) {
      if (reading) {
        button.dataset.wasDisabled = button.disabled;
        button.disabled = true;
      } else if (button.dataset.wasDisabled !== undefined) {
        button.disabled = button.dataset.wasDisabled === 'true';
        delete button.dataset.wasDisabled;
      }
    }
    // The focus goes back where a keyboard user started, not to the page.
    if (!reading && document.activeElement === byId('stop')) byId('open').focus();
    byId('stop').hidden = !reading;
    if (reading) {
      byId('file').textContent = `Reading ${name}…`;
      byId('stop').focus();
    }
  }

  // What the tool finds in the file, read in the worker so that a file
  // that takes long never holds up the page; nothing when stopped.
  function readFile(name, bytes) {
    if (!reader) {
      reader = new Worker(readerSource);
      reader.postMessage(code);
    }
    const worker = reader;
    const before = byId('file').textContent;
    setReading(name);
    return new Promise((resolve) => {
      const finish = (result) => {
        worker.onmessage = null;
        stopReading = null;
        setReading(null);
        if (!result) byId('file').textContent = before;
        resolve(result);
      };
      worker.onmessage = (event) => finish(event.data);
      stopReading = () => {
        // The worker cannot be interrupted, only ended; the next file
        // starts a new one.
        worker.terminate();
        reader = null;
        finish(null);
        showProblem(`Stopped reading ${name}; the table is as it was.`);
      };
      worker.postMessage(bytes);
    });
  }

  async function openBytes(name, bytes) {
    const result = await readFile(name, bytes);
    if (!result) return;
    if (result.unreadable !== undefined) {
      showProblem(`${name} cannot be read: ${result.unreadable}.`);
      return;
    }
    if (result.rows.length > mostRows) {
      showProblem(`${name} holds ${result.rows.length} questions, more than the editor shows (${mostRows}). ` +
                  'The question tool\'s check reads it whole.');
      return;
    }
    const count = result.count === 1 ? 'draws question 1' : result.count > 1
      ? `draws questions 1 to ${result.count}` : 'always draws question 1';
    replaceTable(result.rows, result.findings,
                 `${name}: read as ${result.encoding}; Aantal ${result.count} (the game ${count}).`);
  }

  function sizeInWords(bytes) {
    return `${(bytes / (1024 * 1024)).toFixed(1)} MiB`;
  }

  async function openFile(file) {
    showProblem('');
    if (file.size > largestFile) {
      showProblem(`${file.name} is ${sizeInWords(file.size)}: too large for a question file; ` +
                  `the editor opens files of up to ${sizeInWords(largestFile)}.`);
      return;
    }
    if (!await mayReplaceTable(file.name)) return;
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      showProblem(`${file.name} cannot be read: ${error.message}`);
      return;
    }
    await openBytes(file.name, bytes);
  }

  async function openSample() {
    if (!sample || !await mayReplaceTable('the sample bank')) return;
    await openBytes('vragen.ini (the sample bank)', sample);
  }

  async function startEmpty() {
    if (!await mayReplaceTable('an empty table')) return;
    replaceTable([], [], 'A new question file.');
  }

  async function importCsv(file) {
    showProblem('');
    if (file.size > largestFile) {
      showProblem(`${file.name} is ${sizeInWords(file.size)}: too large for a spreadsheet of questions.`);
      return;
    }
    let read;
    try {
      read = tool.csvRows(new Uint8Array(await file.arrayBuffer()));
    } catch (error) {
      showProblem(`${file.name} cannot be read: ${error.message}`);
      return;
    }
    if (read.refusal) {
      showProblem(`${file.name}: ${read.refusal.message}`);
      return;
    }
    showProblem('');
    insertRows(read.rows, false);
    showNotes(read.notes.map((note) => `${file.name}: ${note}`));
  }

  function save() {
    const bytes = table.fileBytes();
    if (lastDownload) URL.revokeObjectURL(lastDownload);
    lastDownload = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
    const link = byId('download');
    link.href = lastDownload;
    link.click();
    setUnsaved(false);
  }

  // The game's page asks for its questions once it listens (see its
  // receiving side in index.html).
  function play() {
    const game = window.open('index.html?questions=editor', '_blank');
    if (!game) {
      showProblem('The browser did not open the game\'s tab. Allow this page to open one, or save the ' +
                  'file and choose it on the game\'s page.');
      return;
    }
    plays.set(game, table.fileBytes());
  }

  window.addEventListener('message', (event) => {
    if (event.origin !== location.origin || !event.data || event.data.type !== 'tp-ready-for-questions') return;
    const bytes = plays.get(event.source);
    if (!bytes) return;
    plays.delete(event.source);
    event.source.postMessage({ type: 'tp-questions', bytes }, location.origin);
  });

  function rowOf(element) {
    const line = element.closest && element.closest('tr');
    return line && line.parentNode === rowsBody ? line.tpRow : -1;
  }

  rowsBody.addEventListener('input', (event) => {
    const row = rowOf(event.target);
    if (row < 0) return;
    table.setText(row, Number(event.target.dataset.column), event.target.value);
    opened[row] = undefined;
    setUnsaved(true);
    showFindings(row);
    updateCount();
    if (row === selected) showPreview();
  });
  rowsBody.addEventListener('focusin', (event) => select(rowOf(event.target)));
  rowsBody.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey) return;
    if (event.key === 'ArrowUp') moveRow(-1);
    else if (event.key === 'ArrowDown') moveRow(1);
    else if (event.key === 'Delete') deleteRow();
    else return;
    event.preventDefault();
  });

  // A block copied from a spreadsheet holds tabs or line breaks; pasted
  // anywhere but into another text field it becomes rows. A plain text
  // pasted into a cell stays the browser's to insert.
  document.addEventListener('paste', (event) => {
    if (!table) return;
    const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
    if (!/[\t\r\n]/.test(text)) return;
    const target = event.target;
    if (target.matches && target.matches('input, textarea') && !byId('questions').contains(target)) return;
    event.preventDefault();
    insertRows(tool.pastedRows(text), true);
  });

  byId('open').addEventListener('click', () => byId('open-file').click());
  byId('open-file').addEventListener('change', (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) openFile(file);
  });
  byId('import').addEventListener('click', () => byId('import-file').click());
  byId('import-file').addEventListener('change', (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) importCsv(file);
  });
  byId('sample').addEventListener('click', openSample);
  byId('empty').addEventListener('click', startEmpty);
  byId('save').addEventListener('click', save);
  byId('play').addEventListener('click', play);
  byId('stop').addEventListener('click', () => { if (stopReading) stopReading(); });
  byId('add-row').addEventListener('click', () => insertRows([['', '', '', '']], true));
  byId('delete-row').addEventListener('click', deleteRow);
  byId('move-up').addEventListener('click', () => moveRow(-1));
  byId('move-down').addEventListener('click', () => moveRow(1));

  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    document.body.classList.add('dropping');
  });
  document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    document.body.classList.remove('dropping');
    const file = event.dataTransfer.files[0];
    if (!file || !table) return;
    if (/\.csv$/i.test(file.name)) importCsv(file);
    else openFile(file);
  });

  window.addEventListener('beforeunload', (event) => {
    if (!unsaved) return;
    event.preventDefault();
    event.returnValue = '';
  });

  // Everything the page needs is fetched now, so that it works on without
  // the network: the sample bank, the tool's code (compiled once, for the
  // page and for every worker that reads a file) and the workers' script.
  const fetched = (address, as) => fetch(address).then((response) => {
    if (!response.ok) throw new Error(`${address}: ${response.status} ${response.statusText}`);
    return response[as]();
  });
  const sampleRead = fetch('vragen.ini', { cache: 'no-store' })
    .then((response) => (response.ok ? response.arrayBuffer() : null))
    .then((buffer) => { sample = buffer ? new Uint8Array(buffer) : null; }, () => { sample = null; });
  const compiled = fetched('tolvanix-plimbora-editor.wasm', 'arrayBuffer').then((bytes) => WebAssembly.compile(bytes));
  const workerMade = Promise.all([fetched('tolvanix-plimbora-editor.js', 'text'), fetched('editor-worker.js', 'text')])
    .then((scripts) => {
      readerSource = URL.createObjectURL(new Blob([scripts.join('\n')], { type: 'text/javascript' }));
    });
  const loaded = compiled.then((module) => {
    code = module;
    return LoadQuestionEditor({
      instantiateWasm: (imports, receive) => {
        WebAssembly.instantiate(module, imports).then((instance) => receive(instance));
        return {};
      },
    });
  });

  Promise.all([loaded, sampleRead, workerMade]).then(([module]) => {
    tool = module;
    table = new tool.EditorTable(scratchPath);
    for (const id of ['open', 'empty', 'import', 'add-row']) byId(id).disabled = false;
    byId('sample').disabled = !sample;
    if (!sample) byId('sample').title = 'The sample bank could not be fetched from beside this page.';
    byId('file').textContent = 'A new question file.';
    showTable();
    document.body.dataset.ready = 'true';
  }, (error) => {
    byId('file').textContent = '';
    showProblem(`The editor could not start: ${error && error.message ? error.message : error}`);
  });
})();
