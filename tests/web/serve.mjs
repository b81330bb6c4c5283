// SPDX-License-Identifier: MIT
// A static file server on 127.0.0.1 for trying the web game and for its
// browser tests: `node serve.mjs FOLDER [PORT]` serves FOLDER until stopped.
// Every response forbids caching, so an edited question file is what the
// next question reads.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.bmp': 'image/bmp',
  '.ico': 'image/x-icon',
  '.ini': 'text/plain; charset=utf-8',
};

// Serves `root` on 127.0.0.1 at `port` (0: any free one). Resolves to the
// server, whose address().port tells the port.
export function serve(root, port = 0) {
  const base = path.resolve(root);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    let file = path.join(base, path.normalize(name));
    if (!file.startsWith(base)) {
      response.writeHead(403).end();
      return;
    }
    if (name.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
        return;
      }
      response.writeHead(200, {
        'Content-Type': types[path.extname(file).toLowerCase()] || 'application/octet-stream',
        'Cache-Control': 'no-store',
      });
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const root = process.argv[2] || '.';
  const server = await serve(root, Number(process.argv[3] || 8080));
  console.log(`Serving ${root} at http://127.0.0.1:${server.address().port}/`);
}
