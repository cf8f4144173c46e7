// The words of a PDF with their boxes, as poppler's pdftotext -bbox gives them, page by page; and
// the comparison of two PDFs of the same sheet word by word.
import { execFileSync } from 'node:child_process';

export function pdfWords(file) {
  const html = execFileSync('pdftotext', ['-bbox', file, '-']).toString();
  const pages = [];
  for (const page of html.split('<page ').slice(1)) {
    const words = [];
    for (const m of page.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<\/word>/g))
      words.push({ x: +m[1], y: +m[2], right: +m[3], bottom: +m[4], text: m[5] });
    pages.push(words);
  }
  return pages;
}

// Where two PDFs of one sheet differ: words of one without a word of the same text within
// `tolerance` points in the other, page by page. The stamp's date and time may differ, and two
// readers may cut a line into words differently ("2=" or "2" and "="): a word may be matched by
// neighbours on its line that spell it, the first at its place.
export function wordDifferences(expected, actual, tolerance = 2) {
  const stamp = /^\d\d\.\d\d\.\d{4}$|^\d\d?:\d\d(:\d\d)?$/;
  const same = (a, b) => a.text === b.text || (stamp.test(a.text) && stamp.test(b.text));
  const near = (a, b) => Math.abs(a.x - b.x) <= tolerance && Math.abs(a.y - b.y) <= tolerance;
  // Takes from `pool` the words on `word`'s line within its box that spell it.
  const spelled = (word, pool) => {
    const run = pool.filter((o) => Math.abs(o.y - word.y) <= tolerance &&
      o.x >= word.x - tolerance && o.right <= word.right + tolerance).sort((a, b) => a.x - b.x);
    if (run.length < 2 || !near(run[0], word) || run.map((o) => o.text).join('') !== word.text) return false;
    for (const o of run) pool.splice(pool.indexOf(o), 1);
    return true;
  };
  const differences = [];
  if (expected.length !== actual.length)
    differences.push(`${expected.length} pages against ${actual.length}`);
  for (let p = 0; p < Math.min(expected.length, actual.length); ++p) {
    const free = [...actual[p]];
    const missing = [];
    for (const word of expected[p]) {
      const at = free.findIndex((other) => same(word, other) && near(word, other));
      if (at < 0) missing.push(word);
      else free.splice(at, 1);
    }
    const stillMissing = missing.filter((word) => !spelled(word, free));
    const extra = free.filter((word) => !spelled(word, stillMissing));
    for (const word of stillMissing) differences.push(`page ${p + 1}: "${word.text}" at ${word.x.toFixed(1)},${word.y.toFixed(1)}`);
    for (const word of extra) differences.push(`page ${p + 1}: extra "${word.text}" at ${word.x.toFixed(1)},${word.y.toFixed(1)}`);
  }
  return differences;
}
