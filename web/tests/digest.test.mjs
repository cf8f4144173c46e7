// The wasm core's digest under Node.js against scripts/output-digest.sh with the native program.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { root } from './browser.mjs';
import { cli } from './cli.mjs';
import { wasmDigest } from './digest.mjs';

test('the WebAssembly core writes every type and problem byte for byte as the native program', async () => {
  const variants = 300;
  const native = execFileSync(join(root, 'scripts/output-digest.sh'), [cli, String(variants)]).toString();
  assert.equal(await wasmDigest(undefined, variants), native);
});
