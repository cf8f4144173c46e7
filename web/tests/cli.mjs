// The command-line program the browser edition is held to, and the comparison of two worksheet
// files after their stamp lines.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { root } from './browser.mjs';

export const cli = resolve(process.env.MATHSHEETS_CLI || join(root, 'build/cli/mathsheets-cli'));

// Runs mathsheets-cli in a fresh folder and returns both files' names and bytes.
export function runCli(args) {
  const dir = mkdtempSync(join(tmpdir(), 'mathsheets-cli-'));
  try {
    mkdirSync(join(dir, 'gen'));
    const [student, teacher] = execFileSync(cli, [...args, '--dir', dir]).toString().trim().split('\n');
    return {
      student: { name: student.split('/').pop(), bytes: readFileSync(student) },
      teacher: { name: teacher.split('/').pop(), bytes: readFileSync(teacher) },
    };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

export function afterStamp(bytes) {
  return bytes.subarray(bytes.indexOf('\r\n') + 2);
}
