// SPDX-License-Identifier: MIT
// Reads and checks a file the teacher opens, away from the page: a large
// file takes the checker long, and the page must stay usable meanwhile
// (its Stop ends this worker). Answers each file's bytes with what the
// tool's openFile gives for them.
'use strict';

importScripts('tolvanix-plimbora-editor.js');

const ready = LoadQuestionEditor();
const path = '/tmp/opened.ini';

onmessage = (event) => {
  ready.then((tool) => {
    tool.FS.writeFile(path, event.data);
    try {
      postMessage(tool.openFile(path));
    } finally {
      tool.FS.unlink(path);
    }
  }).catch((error) => postMessage({ unreadable: `the checker failed (${error && error.message ? error.message : error})` }));
};
