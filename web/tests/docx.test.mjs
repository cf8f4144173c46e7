// "Скачать для Word" in a real headless Chromium: the pupil's and the teacher's document of a run
// hold the parts mathsheets-cli docx makes of the same two files, each byte for byte.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch, openPage, waitForRun, download } from './browser.mjs';
import { cli } from './cli.mjs';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

// The parts of a document in the archive's order, each {name, bytes}, read by Python's zipfile.
function partsOf(file) {
  const listing = execFileSync('python3', ['-c', `
import base64, json, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    print(json.dumps([[n, base64.b64encode(archive.read(n)).decode()] for n in archive.namelist()]))
`, file]).toString();
  return JSON.parse(listing).map(([name, data]) => ({ name, bytes: Buffer.from(data, 'base64') }));
}

// Fractions, mixed numbers, decimals, equations and Roman numerals with a title that is markup;
// word problems on A5 without the key. The print choices as the fragment gives them and as the
// command line takes them.
const runs = [
  { fragment: 'main?seed=7&variants=3&count=1:2,7:1,21:1,34:1,44:2,54:1,81:1&per-page=2' +
      '&title=%3Cw%3Ap%3E%20%26%20%D0%A1%D0%B0%D0%BC%D0%BE%D1%81%D1%82%D0%BE%D1%8F%D1%82%D0%B5%D0%BB%D1%8C%D0%BD%D0%B0%D1%8F',
    print: ['--per-page', '2', '--title', '<w:p> & Самостоятельная'] },
  { fragment: 'problems?seed=3&variants=2&select=Z1,S20,B93&paper=a5&key=0&large=1',
    print: ['--paper', 'a5', '--no-key', '--large'] },
];

test('the page\'s Word documents hold the command line\'s parts, byte for byte', async () => {
  const { page, downloads } = await openPage(chromium.browser);
  const folder = mkdtempSync(join(tmpdir(), 'mathsheets-docx-'));
  try {
    for (const { fragment, print } of runs) {
      await page.evaluate((f) => { location.hash = f; }, fragment);
      await page.waitForFunction(() => document.getElementById('messages').hidden);
      await page.click(fragment.startsWith('main') ? '#main-run' : '#problems-run');
      await waitForRun(page);
      const student = await download(page, downloads, '#download-student');
      const teacher = await download(page, downloads, '#download-teacher');
      const documents = [await download(page, downloads, '#docx-student'),
        await download(page, downloads, '#docx-teacher')];
      assert.deepEqual(documents.map((d) => d.name),
        [student.name, teacher.name].map((name) => name.replace(/\.txt$/, '.docx')));
      // The command line's documents of the very files the page offered.
      for (const file of [student, teacher, ...documents]) writeFileSync(join(folder, file.name), file.bytes);
      const made = join(folder, 'cli');
      mkdirSync(made);
      const paths = execFileSync(cli, ['docx', join(folder, student.name), join(folder, teacher.name),
        '--out-dir', made, ...print]).toString().trim().split('\n');
      assert.equal(paths.length, 2);
      for (const [k, path] of paths.entries()) {
        const ours = partsOf(path);
        const theirs = partsOf(join(folder, documents[k].name));
        assert.deepEqual(theirs.map((p) => p.name), ours.map((p) => p.name), fragment);
        for (const [i, part] of ours.entries())
          assert.ok(theirs[i].bytes.equals(part.bytes), `${fragment}: ${documents[k].name} ${part.name}`);
      }
      rmSync(made, { recursive: true, force: true });
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
    await page.close();
  }
});
