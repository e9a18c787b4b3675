// The English help page is the Chinese one in English: the same ids and
// anchors, the same links and table for the figures, and no Chinese left in
// it (but for a link to the Chinese page labelled 中文, were there one).
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { repo } from '../paths.mjs';

const page = (name) => fs.readFileSync(path.join(repo, 'web', name), 'utf8');
const chinese = page('help.html');
const english = page('help-en.html');

const all = (text, pattern) => [...text.matchAll(pattern)].map((m) => m[1]).sort();
const ids = (text) => all(text, /\sid="([^"]*)"/g);
const anchors = (text) => all(text, /\shref="(#[^"]*)"/g);
// The CJK blocks and the full-width punctuation Chinese uses.
const cjk = /[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]/u;

test('the two pages have the same element ids and anchors', () => {
  assert.ok(ids(chinese).includes('figure-rows'));
  assert.deepEqual(ids(english), ids(chinese));
  assert.deepEqual(anchors(english), anchors(chinese));
});

test('the English page holds no Chinese outside a link labelled 中文', () => {
  const rest = english.replace(/<a\b[^>]*>中文<\/a>/g, '');
  const found = rest.match(cjk);
  assert.equal(found, null, found && rest.slice(Math.max(0, found.index - 60), found.index + 20));
  assert.match('Help（KTB）', cjk);  // the check sees full-width brackets
});

const rows = [
  { name: 'Chinese', text: chinese, lang: 'zh-CN', back: 'index.html' },
  { name: 'English', text: english, lang: 'en', back: 'index.html?lang=en' },
];
for (const { name, text, lang, back } of rows) {
  test(`${name}: its language, its way back and the empty table the figures are written into`, () => {
    assert.ok(text.includes(`<html lang="${lang}">`), lang);
    assert.ok(text.includes(`<a id="back-to-tool" href="${back}">`), back);
    assert.ok(text.includes('<tbody id="figure-rows"></tbody>'));
    assert.ok(text.includes('<script type="module" src="js/help.mjs"></script>'));
  });
}
