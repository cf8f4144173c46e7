// A fresh headless Chromium for each test file, the page opened from file://, every request and
// every console message of the page kept for the tests to look at.
import { mkdtempSync, rmSync, readdirSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { setTimeout as sleep } from 'node:timers/promises';
import puppeteer from 'puppeteer-core';

export const root = resolve(fileURLToPath(new URL('.', import.meta.url)), '../..');
export const pagePath = process.env.MATHSHEETS_HTML || join(root, 'build-web/mathsheets.html');
export const pageUrl = 'file://' + pagePath;

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'mathsheets-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    userDataDir: profile,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the page at `fragment` and waits until it has built itself. Downloads go to a folder of
// their own.
export async function openPage(browser, fragment = '', viewport = { width: 1366, height: 768 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const requests = [];
  const console = [];
  // A data: URL (the page's own fonts) is read from the page itself, not asked of anyone.
  page.on('request', (request) => { if (!request.url().startsWith('data:')) requests.push(request.url()); });
  page.on('console', (message) => console.push(message.type() + ': ' + message.text()));
  page.on('pageerror', (error) => console.push('pageerror: ' + error.message));
  const downloads = mkdtempSync(join(tmpdir(), 'mathsheets-downloads-'));
  const session = await page.createCDPSession();
  // Chromium tells when a download has begun and when it is complete.
  const finished = new Map();  // guid -> file name, once complete
  const names = new Map();
  session.on('Browser.downloadWillBegin', (e) => names.set(e.guid, e.suggestedFilename));
  session.on('Browser.downloadProgress', (e) => {
    if (e.state === 'completed') finished.set(e.guid, names.get(e.guid));
  });
  await session.send('Browser.setDownloadBehavior',
    { behavior: 'allow', downloadPath: downloads, eventsEnabled: true });
  // The print dialog is counted, not opened: a headless browser that is printing makes no PDF.
  await page.evaluateOnNewDocument(() => {
    window.print = () => { window.printCalls = (window.printCalls || 0) + 1; };
  });
  await page.goto(pageUrl + fragment);
  await page.waitForSelector('html[data-ready=true]', { timeout: 30000 });
  return { page, requests, console, downloads: { folder: downloads, finished } };
}

// Waits until a run has offered its files, or failed.
export async function waitForRun(page, timeout = 120000) {
  await page.waitForFunction(
    () => !document.getElementById('download-student').hidden
      || /Ошибка|Invalid|File/.test(document.getElementById('run-status').textContent),
    { timeout, polling: 100 });
  return page.$eval('#run-status', (e) => e.textContent);
}

// Clicks a download button and returns the file's name and bytes once Chromium has written all
// of it. The folder is emptied first: a second run within a minute downloads under the same name.
export async function download(page, downloads, button) {
  for (const name of readdirSync(downloads.folder)) rmSync(join(downloads.folder, name));
  downloads.finished.clear();
  await page.click(button);
  for (let i = 0; i < 400; ++i) {
    if (downloads.finished.size === 1) {
      const [name] = downloads.finished.values();
      return { name, bytes: readFileSync(join(downloads.folder, name)) };
    }
    await sleep(25);
  }
  throw new Error('no download from ' + button);
}
