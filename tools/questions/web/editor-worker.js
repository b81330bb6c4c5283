// SPDX-License-Identifier: MIT
// Reads and checks a file the teacher opens, away from the page: a large
// file takes the checker long, and the page must stay usable meanwhile
// (its Stop ends this worker). The page starts it from a Blob of the tool's
// loader and this script, and hands it the tool's compiled code first, so
// that a new worker starts without the network. Then it answers each
// file's bytes with what the tool's openFile gives for them.
'use strict';

const path = '/tmp/opened.ini';
let ready = null;

onmessage = (event) => {
  if (!ready) {
    const code = event.data;
    ready = LoadQuestionEditor({
      instantiateWasm: (imports, receive) => {
        WebAssembly.instantiate(code, imports).then((instance) => receive(instance));
        return {};
      },
    });
    return;
  }
  const bytes = event.data;
  ready.then((tool) => {
    tool.FS.writeFile(path, bytes);
    try {
      postMessage(tool.openFile(path));
    } finally {
      tool.FS.unlink(path);
    }
  }).catch((error) => postMessage({ unreadable: `the checker failed (${error && error.message ? error.message : error})` }));
};
