// Writes the page's texts (the library's whole catalogue in every language: the
// page's own phrases and those it shows beside the library's answers) as a
// module the page imports: node web/tools/page-texts.mjs BUILD_DIR OUT_FILE,
// BUILD_DIR holding zova.mjs and zova.wasm. Run by scripts/web.sh.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [dir, out] = process.argv.slice(2);
if (!dir || !out) {
  console.error('usage: node web/tools/page-texts.mjs BUILD_DIR OUT_FILE');
  process.exit(64);
}
const { default: createZova } = await import(pathToFileURL(path.resolve(dir, 'zova.mjs')).href);
const module = await createZova({ wasmBinary: fs.readFileSync(path.join(dir, 'zova.wasm')) });
const { languages, phrases } = JSON.parse(module.catalogue(''));
fs.writeFileSync(out, `// The page's texts in each language, written by the web build from the
// library's catalogue (src/language/texts/*.def). Not to be edited.
export const LANGUAGES = ${JSON.stringify(languages)};
export const TEXTS = ${JSON.stringify(phrases)};
`);
console.log(`${out}: ${Object.keys(phrases).length} texts in ${languages.join(', ')}`);
