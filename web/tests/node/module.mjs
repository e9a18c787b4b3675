// The page's WebAssembly module under Node. Its loader would fetch the .wasm by
// a file path, which Node's fetch refuses: the bytes are handed over instead.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { pageDir } from '../paths.mjs';

export async function loadModule() {
  const { default: createZova } = await import(pathToFileURL(path.join(pageDir, 'zova.mjs')).href);
  return createZova({ wasmBinary: fs.readFileSync(path.join(pageDir, 'zova.wasm')) });
}
