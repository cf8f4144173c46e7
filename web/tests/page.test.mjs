// The page in a real headless Chromium, opened from file:// as a teacher opens it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync } from 'node:fs';
import { setTimeout as sleep } from 'node:timers/promises';
import { launch, openPage, waitForRun, download, pageUrl } from './browser.mjs';
import { runCli, afterStamp } from './cli.mjs';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

test('the page loads from file://, runs its core in a worker and asks for nothing else', async () => {
  const { page, requests, console } = await openPage(chromium.browser, '#main?seed=1&variants=1&count=1:1');
  const policy = await page.$eval('meta[http-equiv=Content-Security-Policy]', (m) => m.content);
  assert.match(policy, /connect-src 'none'/);
  assert.match(policy, /default-src 'none'/);
  await page.click('#main-run');
  await waitForRun(page);
  await page.click('#print-teacher');
  const outside = requests.filter((url) => !url.startsWith(pageUrl) && !url.startsWith('blob:null/'));
  assert.deepEqual(outside, []);
  assert.deepEqual(console, []);
  await page.close();
});

// A few types of every family, with levels, and a few problems of every family; the fragment and
// the command line say the same.
const runs = [
  { fragment: 'main?seed=7&variants=12&count=1:3,12:2,44:2,47:1,48:2,58:1,34:2,61:1,13:2,59:1,24:1,68:1,87:1,97:1,75:1,96:1,81:1,86:1,102:1,105:1,32:1,33:1,70:2,113:1&level=gcd:3,fraction:2',
    args: ['main', '--seed', '7', '--variants', '12', ...['1=3', '12=2', '44=2', '47=1', '48=2', '58=1', '34=2', '61=1', '13=2', '59=1', '24=1', '68=1', '87=1', '97=1', '75=1', '96=1', '81=1', '86=1', '102=1', '105=1', '32=1', '33=1', '70=2', '113=1'].flatMap((c) => ['--count', c]), '--level', 'gcd=3', '--level', 'fraction=2'] },
  { fragment: 'main?seed=4000000000&variants=%203a&count=50:2,53:1,56:1,57:x3,76:1,114:1&level=muldiv:3,mixed:2,mixedmuldiv:1',
    args: ['main', '--seed', '4000000000', '--variants', ' 3a', ...['50=2', '53=1', '56=1', '57=x3', '76=1', '114=1'].flatMap((c) => ['--count', c]), '--level', 'muldiv=3', '--level', 'mixed=2', '--level', 'mixedmuldiv=1'] },
  { fragment: 'problems?seed=3&variants=5&select=Z1,Z30,Z60,S1,S20,S38,B1,B86,B93,B132',
    args: ['problems', '--seed', '3', '--variants', '5', '--select', 'Z1,Z30,Z60,S1,S20,S38,B1,B86,B93,B132'] },
];

test('a run set by the address downloads the files mathsheets-cli writes, byte for byte after the stamp', async () => {
  const { page, downloads } = await openPage(chromium.browser);
  for (const { fragment, args } of runs) {
    await page.evaluate((f) => { location.hash = f; }, fragment);
    await page.waitForFunction((f) => document.getElementById('messages').hidden, {}, fragment);
    await page.click(fragment.startsWith('main') ? '#main-run' : '#problems-run');
    await waitForRun(page);
    const student = await download(page, downloads, '#download-student');
    const teacher = await download(page, downloads, '#download-teacher');
    const expected = runCli(args);
    const prefix = fragment.startsWith('main') ? 'a' : 'z';
    assert.match(student.name, new RegExp(`^${prefix}jobs_\\d\\d\\.\\d\\d\\.\\d{4}_\\d{1,2}_\\d\\d\\.txt$`));
    assert.equal(teacher.name, student.name.replace('jobs_', 'jobt_'));
    assert.ok(afterStamp(student.bytes).equals(afterStamp(expected.student.bytes)), fragment);
    assert.ok(afterStamp(teacher.bytes).equals(afterStamp(expected.teacher.bytes)), fragment);
    // The link of the sheet is the set of what ran, with its seed.
    const link = await page.$eval('#link', (o) => o.value);
    assert.equal(link.split('#')[1].split('&')[0], fragment.split('&')[0]);
  }
  await page.close();
});

test('"Отмена" stops a run of 1,000,000 variants within half a second and offers no file', async () => {
  const { page, downloads } = await openPage(chromium.browser, '#main?variants=1000000&count=1:1,44:1');
  await page.click('#main-run');
  await page.waitForFunction(() => /Записано вариантов: [1-9]\d* из 1000000/.test(
    document.getElementById('run-status').textContent), { polling: 50, timeout: 20000 });
  // The page answers while the worker runs.
  const started = Date.now();
  await page.evaluate(() => document.getElementById('main-variants').value);
  assert.ok(Date.now() - started < 250);
  await page.click('#run-cancel');
  await page.waitForFunction(() => /Остановлено/.test(document.getElementById('run-status').textContent),
    { polling: 20, timeout: 500 });
  await sleep(300);
  const state = await page.evaluate(() => ({
    download: document.getElementById('download-student').hidden,
    print: document.getElementById('print-student').hidden,
    run: document.getElementById('main-run').disabled,
    status: document.getElementById('run-status').textContent,
  }));
  assert.deepEqual({ ...state, status: undefined }, { download: true, print: true, run: false, status: undefined });
  assert.doesNotMatch(state.status, /из 1000000\..*Готово/);
  assert.deepEqual(readdirSync(downloads.folder), []);
  await page.close();
});

test('a fragment carrying markup is shown as text and runs nothing', async () => {
  const hostile = [
    'main?variants=%3Cimg%20src%3Dx%20onerror%3D%22window.pwned%3D1%22%3E&count=1:%3Cscript%3Ewindow.pwned%3D2%3C%2Fscript%3E',
    'main?%3Cimg%20src=x%20onerror=window.pwned=3%3E=1&seed=%3Cscript%3Ewindow.pwned=4%3C/script%3E',
    '%3Cscript%3Ewindow.pwned=5%3C/script%3E?a=b',
  ];
  const { page, requests } = await openPage(chromium.browser, '#' + hostile[0]);
  const elementsBefore = await page.evaluate(() => document.querySelectorAll('script, img, iframe').length);
  assert.equal(await page.$eval('#main-variants', (i) => i.value), '<img src=x onerror="window.pwned=1">');
  for (const fragment of hostile.slice(1)) {
    const shown = await page.$eval('#messages', (m) => m.textContent);
    await page.evaluate((f) => { location.hash = f; }, fragment);
    await page.waitForFunction((s) => document.getElementById('messages').textContent !== s, {}, shown);
  }
  await page.click('#main-run');
  await waitForRun(page);
  await sleep(200);
  const after = await page.evaluate(() => ({
    pwned: typeof window.pwned,
    elements: document.querySelectorAll('script, img, iframe').length,
    messageMarkup: document.getElementById('messages').children.length,
  }));
  assert.deepEqual(after, { pwned: 'undefined', elements: elementsBefore, messageMarkup: 0 });
  assert.ok(requests.every((url) => url.startsWith(pageUrl) || url.startsWith('blob:null/')));
  await page.close();
});
