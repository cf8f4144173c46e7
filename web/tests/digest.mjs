// The digest of scripts/output-digest.sh computed by the WebAssembly core under Node.js, in the
// same lines: the same sums as the native program's show that the browser writes the same bytes.
//
//   node --no-experimental-fetch digest.mjs [CORE.js] [VARIANTS]
import { createHash } from 'node:crypto';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { pagePath } from './browser.mjs';

// The core is the one the page beside it was made from.
export async function wasmDigest(corePath = join(dirname(pagePath), 'web/mathsheets-web-core.js'), variants = 300) {
  const core = await createRequire(import.meta.url)(corePath)();
  core.Start(0);
  const lines = [];
  const digest = (label, result) => {
    if (result.error !== undefined) throw new Error(result.error);
    for (const [side, path] of [['student', result.studentPath], ['teacher', result.teacherPath]]) {
      const bytes = core.FS.readFile(path);
      const body = bytes.subarray(bytes.indexOf(10) + 1);
      lines.push(`${label} ${side} ${createHash('sha256').update(body).digest('hex')}`);
      core.FS.unlink(path);
    }
  };
  const catalog = core.Catalog();
  const mainRun = (seed, levels) => {
    core.MainFresh();
    // Every type ticked and given 1, in the order of the command line's --count options.
    for (const type of catalog.types) {
      core.MainCheckBox(type.number);
      core.MainCountBox(type.number, '1');
    }
    core.MainVariants(String(variants));
    for (const [group, k] of levels) core.MainLevel(group, k);
    return core.RunMain(core.MainState(), seed, () => {});
  };
  digest('main', mainRun(7, []));
  digest('main-levels', mainRun(8, [['gcd', 5], ['fraction', 4], ['muldiv', 3], ['mixed', 3], ['mixedmuldiv', 3]]));
  const problems = catalog.problems.filter((p) => p.ready).map((p) => p.index);
  digest(`problems(${problems.length})`, core.RunProblems(problems, String(variants), 7, () => {}));
  return lines.join('\n') + '\n';
}

if (import.meta.url === `file://${process.argv[1]}`) {
  process.stdout.write(await wasmDigest(process.argv[2], Number(process.argv[3] || 300)));
}
