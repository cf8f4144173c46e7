// The print view against the command line's PDF: Chromium's own PDF of the page's pages and
// mathsheets-cli's typeset PDF of the same set have the same pages, every word at the same place.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch, openPage, waitForRun } from './browser.mjs';
import { cli } from './cli.mjs';
import { pdfWords, wordDifferences } from './pdfwords.mjs';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

// A class set of decimals, fractions, equations, percent, comparison and an expression's value,
// at the layout choices teachers pick most, and word problems.
const classSet = 'main?seed=11&variants=30&count=15:2,18:1,44:2,50:1,61:1,97:1,67:1,81:1';
const sets = [
  { name: 'auto, with a title', fragment: classSet + '&title=%D0%A1%D0%B0%D0%BC%D0%BE%D1%81%D1%82%D0%BE%D1%8F%D1%82%D0%B5%D0%BB%D1%8C%D0%BD%D0%B0%D1%8F%20%D1%80%D0%B0%D0%B1%D0%BE%D1%82%D0%B0%20%E2%84%963' },
  { name: 'four a page in two columns', fragment: 'main?seed=12&variants=9&count=15:2,44:2,61:1,97:1&per-page=4&columns=2' },
  { name: 'large print on A5 without the key', fragment: 'main?seed=13&variants=5&count=18:2,50:1,67:2,81:1&large=1&paper=a5&key=0' },
  { name: 'word problems', fragment: 'problems?seed=3&variants=4&select=Z1,Z30,S1,S20,B1,B93' },
];

// The PDFs mathsheets-cli makes of a set: the student's and the teacher's.
function cliPdfs(fragment, dir) {
  mkdirSync(join(dir, 'gen'));
  writeFileSync(join(dir, 'set.mathsheet'), fragment);
  const paths = execFileSync(cli, ['run', join(dir, 'set.mathsheet'), '--dir', dir, '--pdf']).toString().trim().split('\n');
  return { student: paths[2], teacher: paths[3] };
}

// Chromium's PDF of the print view of one sheet, at the page's own paper size.
async function browserPdf(page, which, file) {
  await page.click('#print-' + which);
  await page.waitForSelector('#print-sheet[data-pages]', { timeout: 30000 });
  writeFileSync(file, await page.pdf({ preferCSSPageSize: true }));
  await page.click('#print-close');
  await page.evaluate(() => { delete document.getElementById('print-sheet').dataset.pages; });
}

for (const { name, fragment } of sets) {
  test(`the browser prints the command line's pages: ${name}`, async () => {
    const dir = mkdtempSync(join(tmpdir(), 'mathsheets-print-'));
    try {
      const expected = cliPdfs(fragment, dir);
      const { page } = await openPage(chromium.browser, '#' + fragment);
      await page.click(fragment.startsWith('main') ? '#main-run' : '#problems-run');
      await waitForRun(page);
      for (const which of ['student', 'teacher']) {
        const file = join(dir, which + '-browser.pdf');
        await browserPdf(page, which, file);
        const cliPages = pdfWords(expected[which]);
        const browserPages = pdfWords(file);
        assert.equal(browserPages.length, cliPages.length, `${which}: pages`);
        assert.deepEqual(wordDifferences(cliPages, browserPages).slice(0, 10), [], which);
      }
      assert.equal(await page.evaluate(() => window.printCalls), 2);
      await page.close();
    } finally {
      rmSync(dir, { recursive: true, force: true });
    }
  });
}

test('a printed sheet writes decimals with a comma; a title with markup is text, a bad one is named', async () => {
  const title = encodeURIComponent('<b>Контрольная</b> & <i>№2</i>');
  const { page } = await openPage(chromium.browser, `#main?seed=5&variants=2&count=15:3,18:3,61:2&title=${title}`);
  await page.click('#main-run');
  await waitForRun(page);
  await page.click('#print-teacher');
  await page.waitForSelector('#print-sheet[data-pages]');
  const texts = await page.$$eval('#print-sheet text', (all) => all.map((t) => t.textContent));
  const markup = await page.$$eval('#print-sheet b, #print-sheet i', (all) => all.length);
  assert.equal(markup, 0);
  assert.ok(texts.includes('<b>Контрольная</b>'), texts.slice(0, 5).join('|'));
  // Only the stamp line, the first text of each page, keeps the date's points.
  const pointed = texts.filter((t) => /\d\.\d/.test(t) && !/^\d\d\.\d\d\.\d{4} /.test(t));
  assert.deepEqual(pointed, []);
  assert.ok(texts.some((t) => /\d,\d/.test(t)));
  await page.click('#print-close');
  await page.evaluate(() => { document.getElementById('layout').open = true; });
  await page.type('#layout-title', 'x'.repeat(121));
  assert.match(await page.$eval('#messages', (m) => m.textContent), /длиннее 120 знаков/);
  await page.close();
});
