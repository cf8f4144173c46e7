// The teacher's side of the pupils' work in a real headless Chromium: the pupils' link, and 30
// result codes pasted among a chat's words read into the table, its CSV (the same bytes as
// `mathsheets-cli results`), a name of markup kept as text, and not one request made.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch, openPage, download, pageUrl } from './browser.mjs';
import { cli } from './cli.mjs';

const set = 'main?seed=7&variants=4&count=1:2,44:2,67:1,75:1';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

// 30 pupils' checks made by a core of the page's own: each types the keys of a variant (the
// answers a check reveals) with its first `wrong` answers changed. Returns the codes and what
// each row of the table must say.
async function pupilsCodes(page) {
  return page.evaluate(async (pupilSet) => {
    const core = await MathsheetsCore();
    const opened = core.PupilOpen(pupilSet);
    if (opened.error) throw new Error(opened.error);
    const pupils = [];
    for (let i = 0; i < 30; ++i) {
      const variant = i % 4 + 1;
      const items = core.PupilItems(variant);
      const keys = core.PupilCheck(variant, [], '', '', 0).items;
      const wrong = i % 3;
      let changed = 0;
      const answers = items.map((item, k) => {
        const change = item.judged && changed < wrong;
        if (change) ++changed;
        const text = keys[k].answer;
        return item.fields.map((field) => {
          if (field.kind === 'fraction') {
            const [whole, fraction] = text.includes(' ') ? text.split(' ') : ['', text];
            const [num, den] = fraction.split('/');
            return { whole, num: change ? String(Number(num) + 1) : num, den };
          }
          if (field.kind === 'sign') return change ? (text === '<' ? '>' : '<') : text;
          return change ? text + '1' : text;
        });
      });
      const name = i === 7 ? '<img src=x onerror="window.pwned=1">' : `Ученик Номер ${i}`;
      const check = core.PupilCheck(variant, answers, name, i % 2 ? '5А' : '6Б', Date.UTC(2026, 1, 3, 10, i));
      const wrongLabels = check.items.filter((item) => item.verdict === 'wrong').map((item) => item.label);
      pupils.push({ code: check.code, right: check.right, total: check.total, mark: check.mark, variant,
        wrong: wrongLabels.join(', ') });
    }
    return pupils;
  }, set + '&mode=pupil');
}

// The codes among the words of a chat: quotes, brackets, commas and full stops round them, two on
// one line, one broken after a dash onto the next line, lower case, a repeated one.
function chatOf(pupils) {
  const lines = [];
  pupils.forEach((pupil, i) => {
    const code = pupil.code;
    switch (i % 6) {
      case 0: lines.push(`Ученик ${i}: «${code}»`); break;
      case 1: lines.push(`(${code}), вот мой код.`); break;
      case 2: lines.push(`"${code}".`); break;
      case 3: lines.push(`код ${code.slice(0, 12)}\n${code.slice(12)} — проверьте`); break;
      case 4: lines.push(`${code.toLowerCase()}, спасибо!`); break;
      default: lines.push(`[10:0${i % 10}] ${code}; и ещё раз ${code}`);
    }
  });
  return 'Добрый вечер! Вот коды за домашнюю работу.\n' + lines.join('\n') +
    '\nОдин код чужой: 1ZZZZ-ZZZZZ-ZZZZZ-ZZZZZ-ZZ. Ссылка: https://example.org/page.html#main?seed=7\n';
}

test('the pupils\' dialog gives the set\'s link with the pupils\' choices', async () => {
  const { page, requests } = await openPage(chromium.browser, '#' + set);
  await page.click('#pupils-button');
  await page.click('#pupils-reveal');
  await page.$eval('#pupils-mark-5', (input) => { input.value = '85'; input.dispatchEvent(new Event('input')); });
  const link = await page.$eval('#pupils-link', (output) => output.value);
  assert.equal(link, pageUrl + '#' + set + '&mode=pupil&reveal=1&marks=85,70,50');
  await page.type('#pupils-variant', '9');
  assert.match(await page.$eval('#pupils-problem', (p) => p.textContent), /Вариант: от 1 до 4/);
  const text = await page.$eval('#pupils', (dialog) => dialog.textContent);
  assert.match(text, /тренировки и домашней работы/);
  assert.match(text, /инструменты разработчика/);
  assert.match(text, /на бумаге/);
  assert.ok(requests.every((url) => url.startsWith(pageUrl) || url.startsWith('blob:null/')));
  await page.close();
});

test('30 codes pasted among chat text give 30 rows, a CSV that parses back and nothing sent', async () => {
  const { page, requests, console, downloads } = await openPage(chromium.browser, '#' + set);
  const pupils = await pupilsCodes(page);
  assert.ok(pupils.every((pupil) => pupil.code.length > 0 && pupil.code.length <= 64));
  const chat = chatOf(pupils);
  await page.click('#tab-results');
  assert.match(await page.$eval('#results-set', (p) => p.textContent), /main\?seed=7&variants=4/);
  const started = Date.now();
  await page.$eval('#results-paste', (area, text) => {
    area.value = text;
    area.dispatchEvent(new Event('input'));
  }, chat);
  await page.waitForFunction(() => /Учеников в таблице: 30\./.test(
    document.getElementById('results-summary').textContent), { polling: 20, timeout: 5000 });
  assert.ok(Date.now() - started < 2000);
  assert.equal(await page.$$eval('#results-rows tbody tr', (rows) => rows.length), 30);
  // The name of markup is text: no image, no handler run.
  assert.equal(await page.$$eval('#results img', (images) => images.length), 0);
  assert.equal(await page.evaluate(() => window.pwned), undefined);
  assert.match(await page.$eval('#results-rows', (b) => b.textContent), /<Img Src\?x Onerror/);
  // The foreign code is refused with its reason; the repeated ones counted once.
  const refused = await page.$$eval('#results-refused li', (items) => items.map((li) => li.textContent));
  assert.equal(refused.length, 1);
  assert.match(refused[0], /повреждён|другого набора/);
  assert.match(await page.$eval('#results-summary', (p) => p.textContent), /Повторно вставленных кодов: 5/);

  const csv = await download(page, downloads, '#results-download');
  assert.equal(csv.name, 'результаты.csv');
  assert.deepEqual([...csv.bytes.subarray(0, 3)], [0xEF, 0xBB, 0xBF]);
  const lines = csv.bytes.subarray(3).toString('utf-8').split('\r\n');
  assert.equal(lines.pop(), '');
  assert.equal(lines.shift(), 'Класс;Фамилия, имя;Вариант;Верно;Из;Отметка;Ошибки');
  assert.equal(lines.length, 30);
  const rows = lines.map((line) => line.split(';'));
  assert.ok(rows.every((cells) => cells.length === 7));
  const byName = new Map(rows.map((cells) => [cells[1], cells]));
  pupils.forEach((pupil, i) => {
    if (i === 7) return;
    const cells = byName.get(`Ученик Номер ${i}`);
    assert.ok(cells, `row of pupil ${i}`);
    assert.deepEqual(cells.slice(0, 7), [i % 2 ? '5А' : '6Б', `Ученик Номер ${i}`, String(pupil.variant),
      String(pupil.right), String(pupil.total), String(pupil.mark), pupil.wrong]);
    assert.equal(pupil.total - pupil.right, i % 3);
  });

  // The command line makes the same table from the same text.
  const dir = mkdtempSync(join(tmpdir(), 'mathsheets-results-'));
  try {
    writeFileSync(join(dir, 'lesson.mathsheet'), set + '\n');
    writeFileSync(join(dir, 'chat.txt'), chat);
    const out = execFileSync(cli, ['results', join(dir, 'lesson.mathsheet'), join(dir, 'chat.txt')],
      { stdio: ['ignore', 'pipe', 'ignore'] });
    assert.ok(out.equals(csv.bytes));
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }

  await page.click('#results-print');
  assert.equal(await page.evaluate(() => window.printCalls), 1);
  const outside = requests.filter((url) => !url.startsWith(pageUrl) && !url.startsWith('blob:null/'));
  assert.deepEqual(outside, []);
  assert.deepEqual(console, []);
  await page.close();
});
