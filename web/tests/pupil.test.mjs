// The pupil's page in a real headless Chromium: a pupil fills a variant, checks it, and gets the
// score and the code; nothing typed runs, nothing is sent.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, pageUrl } from './browser.mjs';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

// Fractions, decimals, comparison, equations, percent, Roman numerals; and word problems.
const pupilLinks = [
  'main?seed=21&variants=6&count=15:2,44:2,50:1,61:1,67:1,97:1,21:1&mode=pupil&reveal=1',
  'problems?seed=4&variants=3&select=Z1,Z30,S1,B93&mode=pupil&reveal=1&variant=2',
];

async function start(page, name, className, variant) {
  await page.type('#pupil-name', name);
  await page.type('#pupil-class', className);
  if (variant !== undefined) await page.type('#pupil-variant', String(variant));
  await page.click('#pupil-start');
  await page.waitForSelector('#pupil-sheet .answer-box');
}

async function checkSheet(page) {
  await page.click('#pupil-check');
  await page.waitForSelector('#pupil-summary:not([hidden])');
  return page.evaluate(() => ({
    summary: document.getElementById('pupil-summary').textContent,
    code: document.getElementById('result-code').textContent,
    wrong: [...document.querySelectorAll('.answer-box.wrong')].map((b) => b.dataset.item),
    right: document.querySelectorAll('.answer-box.right').length,
    marks: [...document.querySelectorAll('.answer-box .verdict')].map((v) => v.textContent),
  }));
}

// Types the revealed key into every field, as a pupil who knows it would.
async function typeKey(page) {
  await page.evaluate(() => {
    const set = (input, value) => {
      input.value = value;
      input.dispatchEvent(new Event('input', { bubbles: true }));
    };
    for (const box of document.querySelectorAll('.answer-box.wrong')) {
      const revealed = box.querySelector('.revealed').textContent.replace(/^Ответ: /, '');
      const values = revealed.split('; ');
      [...box.querySelectorAll('.field')].forEach((field, k) => {
        const value = values[k].trim();
        if (field.classList.contains('fraction')) {
          const m = value.replace('−', '-').match(/^(-?\d+ )?(-?\d+)\/(\d+)/);
          set(field.querySelector('[data-part=whole]'), m[1] ? m[1].trim() : '');
          set(field.querySelector('[data-part=num]'), m[2]);
          set(field.querySelector('[data-part=den]'), m[3]);
        } else {
          const control = field.querySelector('input, select');
          // The key's number without its unit, as the field asks for it.
          set(control, control.tagName === 'SELECT' ? value : value.replace('−', '-').split(' ')[0]);
        }
      });
    }
  });
}

for (const link of pupilLinks) {
  test(`a pupil who types the key gets every answer right, and two changed answers wrong: ${link.split('?')[0]}`, async () => {
    const { page, requests, console } = await openPage(chromium.browser, '#' + link);
    assert.equal(await page.$('#main-run').then((b) => b.isVisible()), false);
    const fixed = link.includes('variant=');
    await start(page, 'Иванова Маша', '5 «Б»', fixed ? undefined : 3);
    // Every field tells which exercise it belongs to; a fraction's three parts say which they are.
    const fields = await page.$$eval('#pupil-sheet input, #pupil-sheet select', (all) => all.map((f) => ({
      item: f.dataset.item, part: f.dataset.part ?? null })));
    assert.ok(fields.length > 0);
    assert.ok(fields.every((f) => f.item));
    assert.ok(fields.every((f) => f.part === null || ['whole', 'num', 'den'].includes(f.part)));
    const empty = await checkSheet(page);
    assert.equal(empty.right, 0);
    await typeKey(page);
    const all = await checkSheet(page);
    const [, right, total] = all.summary.match(/Верно: (\d+) из (\d+)/);
    assert.equal(right, total, all.summary + ' wrong: ' + all.wrong.join(','));
    assert.ok(Number(total) > 0);
    assert.ok(all.marks.every((m) => m === '✓'));
    assert.match(all.code, /^[0-9A-HJKMNP-TV-Z-]{10,64}$/);
    // Two answers changed: those two are marked wrong, with a cross, and the score drops by two.
    const changed = await page.evaluate(() => {
      const boxes = [...document.querySelectorAll('.answer-box.right')].filter((b) => b.querySelector('input'));
      return boxes.slice(0, 2).map((box) => {
        const input = box.querySelector('input[data-part=num], input:not([data-part])');
        input.value = String(Number(input.value.replace(',', '.')) + 1).replace('.', ',');
        return box.dataset.item;
      });
    });
    const two = await checkSheet(page);
    assert.deepEqual(two.wrong.sort(), changed.sort());
    assert.match(two.summary, new RegExp(`Верно: ${Number(total) - 2} из ${total}`));
    assert.equal(two.marks.filter((m) => m === '✗').length, 2);
    assert.notEqual(two.code, all.code);
    const outside = requests.filter((url) => !url.startsWith(pageUrl) && !url.startsWith('blob:null/') && !url.startsWith('data:'));
    assert.deepEqual(outside, []);
    assert.deepEqual(console, []);
    await page.close();
  });
}

test('a name of markup is a name; a bad pupil link opens no work', async () => {
  const { page } = await openPage(chromium.browser, '#' + pupilLinks[0]);
  const before = await page.evaluate(() => document.querySelectorAll('script, img, iframe').length);
  await start(page, '<img src=x onerror="window.pwned=1">', '<b>5</b>', 1);
  await checkSheet(page);
  const after = await page.evaluate(() => ({
    pwned: typeof window.pwned,
    elements: document.querySelectorAll('script, img, iframe, b').length,
    name: document.getElementById('pupil-name').value,
  }));
  assert.deepEqual(after, { pwned: 'undefined', elements: before, name: '<img src=x onerror="window.pwned=1">' });
  await page.close();
  for (const bad of ['main?seed=1&variants=2&count=1:2&mode=teacher', 'main?seed=1&variants=2&count=1:2&mode=pupil&variant=9',
    'main?seed=1&variants=2&count=1:2&mode=pupil&marks=50,70,90', 'main?seed=1&variants=2&count=1:2&mode=pupil&reveal=2']) {
    const { page: refused } = await openPage(chromium.browser, '#' + bad);
    const state = await refused.evaluate(() => ({
      message: document.getElementById('messages').textContent,
      start: document.getElementById('pupil-start') !== null,
    }));
    assert.ok(state.message.length > 0, bad);
    assert.equal(state.start, false, bad);
    await refused.close();
  }
});

test('the pupil\'s page works at 390 px: every field can be reached and typed in', async () => {
  const { page } = await openPage(chromium.browser, '#' + pupilLinks[0], { width: 390, height: 844 });
  await start(page, 'Петров Коля', '6 А', 2);
  const sizes = await page.$$eval('#pupil-sheet input', (all) => all.map((i) => i.getBoundingClientRect().height));
  assert.ok(sizes.every((h) => h >= 12), sizes.join(','));
  await page.close();
});
