// SPDX-License-Identifier: MIT
// What the browser tests share: Debian's Chromium, headless, driven by
// puppeteer-core, on pages served from 127.0.0.1.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';

export const buildFolder = path.resolve(process.env.TP_WEB_BUILD || new URL('../../build/web', import.meta.url).pathname);

// Copies the built game into a scratch folder, with `questions` as its
// vragen.ini when given, and serves it. Resolves to { url, folder, close }.
export async function serveGame(questions) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tp-web-'));
  fs.cpSync(path.join(buildFolder, 'app'), folder, {
    recursive: true,
    filter: (source) => !/CMakeFiles|\.a$|cmake_install|include$/.test(source),
  });
  if (questions !== undefined) fs.writeFileSync(path.join(folder, 'vragen.ini'), questions);
  const server = await serve(folder);
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    folder,
    close: () => {
      server.close();
      fs.rmSync(folder, { recursive: true, force: true });
    },
  };
}

export async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tp-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.TP_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage', '--window-size=800,600'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A new page whose errors fail the test that reads them.
export async function openPage(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') page.errors.push(message.text()); });
  await page.goto(url);
  return page;
}

// Screenshots go to build/web/screenshots/ for a person to look at.
export async function screenshot(page, name) {
  const folder = path.join(buildFolder, 'screenshots');
  fs.mkdirSync(folder, { recursive: true });
  await page.screenshot({ path: path.join(folder, `${name}.png`) });
}
