// The page's module among the faces of a design: every case of the shared
// table (tests/session/design_cases.json) typed box by box into the page's
// workbench is refused at the same box in the same words, or accepted with
// the same figures shown.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { before, test } from 'node:test';
import { engineOf } from '../../js/engine.mjs';
import { repo } from '../paths.mjs';
import { loadModule } from './module.mjs';

const { cases } = JSON.parse(fs.readFileSync(path.join(repo, 'tests/session/design_cases.json'), 'utf8'));

let wasm;
let engine;
before(async () => {
  wasm = await loadModule();
  engine = engineOf(wasm);
});

// Each figure row of the view as "caption → value" (a caption may head two rows: the key figures repeat).
function shownValues(design) {
  const shown = new Map();
  for (const { rows } of design.sections) for (const { name, value } of rows) shown.set(name, value);
  return shown;
}

for (const c of cases) {
  test(c.name, () => {
    wasm.resetSession();
    let view;
    for (const [key, text] of Object.entries(c.boxes)) view = engine.type(key, text);
    assert.deepEqual(Object.fromEntries(Object.keys(c.boxes).map((key) => [key, view.boxes[key]])), c.boxes,
      'the boxes keep what was typed');
    const d = view.design;
    if (c.refused) {
      assert.deepEqual({ end: d.end, refused: d.refused, message: d.message, sections: d.sections },
        { end: 'validation', refused: c.refused, message: c.words, sections: [] });
      return;
    }
    assert.equal(d.end, 'found', d.message);
    assert.equal(d.refused, '');
    const shown = shownValues(d);
    for (const [caption, value] of Object.entries(c.shown)) assert.equal(shown.get(caption), value, caption);
  });
}

