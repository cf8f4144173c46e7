// The sheet's fonts embedded in the page: loaded under its policy, one family a face, every listed
// character as wide as in the original font file (read here with fontTools, apart from the table
// the layout uses), and a line as wide as its characters: no kerning.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { launch, openPage, root } from './browser.mjs';

// Advances per em of the font files, by family and code point; the line separators are left
// out, a browser breaks the line there.
const advances = JSON.parse(execFileSync('/usr/bin/python3', ['-c', `
import json, sys
sys.path.insert(0, sys.argv[1])
import sheet_fonts
from fontTools.ttLib import TTFont
out = {}
for face in sheet_fonts.FACES:
    font = TTFont(face.file)
    cmap, units = font.getBestCmap(), font["head"].unitsPerEm
    out[face.family] = {c: font["hmtx"][cmap[c]][0] / units for c in sheet_fonts.code_points()
                        if c in cmap and c not in (0xAD, 0x2028, 0x2029)}
print(json.dumps(out))
`, join(root, 'tools')]).toString());

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

test('the page sets the sheet in its own fonts, at the widths of the font files', async () => {
  const { page, console } = await openPage(chromium.browser);
  const measured = await page.evaluate(async (advances) => {
    const context = document.createElement('canvas').getContext('2d');
    const result = {};
    for (const [family, widths] of Object.entries(advances)) {
      const codes = Object.keys(widths).map(Number);
      const loaded = await document.fonts.load(`1000px "${family}"`, String.fromCodePoint(...codes));
      context.font = `1000px "${family}", monospace`;
      let worst = 0;
      for (const code of codes)
        worst = Math.max(worst, Math.abs(context.measureText(String.fromCodePoint(code)).width / 1000 - widths[code]));
      const line = [...'AVAWAYTaToLTУк.ГодЪ 1/4−7·3=“№”'].filter((c) => widths[c.codePointAt(0)] !== undefined);
      const sum = line.reduce((total, c) => total + widths[c.codePointAt(0)], 0);
      result[family] = { loaded: loaded.length, worst, line: context.measureText(line.join('')).width / 1000 - sum };
    }
    return result;
  }, advances);
  assert.deepEqual(Object.keys(measured),
    ['ms-regular', 'ms-bold', 'ms-italic', 'ms-bolditalic', 'ms-mono', 'ms-monobold', 'ms-symbol']);
  for (const [family, { loaded, worst, line }] of Object.entries(measured)) {
    assert.equal(loaded, 1, family);
    assert.ok(worst < 1e-5, `${family}: a character off by ${worst} em`);
    assert.ok(Math.abs(line) < 1e-4, `${family}: a line off by ${line} em`);
  }
  assert.deepEqual(console, []);
  await page.close();
});
