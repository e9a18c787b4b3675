// The page's own texts: the catalogue the web build wrote into the page is the
// library's page phrases, every text index.html and the scripts name is one of
// them (index.html's Chinese being the phrase's, so switching back shows it
// unchanged), and the module switches its language by the exact codes only.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { engineOf } from '../../js/engine.mjs';
import { pageDir, repo } from '../paths.mjs';
import { loadModule } from './module.mjs';

let wasm;
let engine;
let written;
before(async () => {
  wasm = await loadModule();
  engine = engineOf(wasm);
  written = await import(pathToFileURL(path.join(pageDir, 'js/texts.mjs')).href);
});

const entities = { '&lt;': '<', '&gt;': '>', '&amp;': '&', '&quot;': '"' };
const decoded = (html) => html.replace(/&(lt|gt|amp|quot);/g, (e) => entities[e]);
const indexHtml = () => fs.readFileSync(path.join(repo, 'web/index.html'), 'utf8');

test('the page\'s catalogue is the library\'s, every phrase of it, in both languages', () => {
  const library = JSON.parse(wasm.catalogue('')).phrases;
  assert.deepEqual(written.LANGUAGES, ['zh', 'en']);
  assert.ok(Object.keys(library).filter((key) => key.startsWith('page.')).length > 50);
  assert.deepEqual(Object.keys(written.TEXTS).sort(), Object.keys(library).sort());
  assert.deepEqual(written.TEXTS, library);
});

test('an area is named whole', () => {
  const rows = [
    { name: 'the page\'s own', area: 'page', some: true },
    { name: 'a part of its name', area: 'pag', some: false },
    { name: 'with its point', area: 'page.', some: false },
    { name: 'none of the library', area: 'nowhere', some: false },
  ];
  for (const { name, area, some } of rows) {
    const keys = Object.keys(JSON.parse(wasm.catalogue(area)).phrases);
    assert.equal(keys.length > 0, some, name);
    assert.ok(keys.every((key) => key.startsWith(`${area}.`)), name);
  }
});

test('every text index.html marks names a page phrase, and its Chinese is the phrase\'s', () => {
  const html = indexHtml();
  const marked = [...html.matchAll(/data-say(?:-[a-z-]+)?="([^"]+)"/g)].map((m) => m[1]);
  assert.ok(marked.length > 80, `${marked.length} marked`);
  for (const key of marked) assert.ok(key in written.TEXTS, `index.html names ${key}`);
  // Element texts: <tag … data-say="key" …>中文</tag>.
  const texts = [...html.matchAll(/<(\w+)\b[^>]*\sdata-say="([^"]+)"[^>]*>([^<]*)<\/\1>/g)];
  assert.equal(texts.length, [...html.matchAll(/\sdata-say="/g)].length, 'every marked element holds text only');
  for (const [, , key, chinese] of texts) assert.equal(decoded(chinese), written.TEXTS[key].zh, key);
  // Attributes: aria-label="中文" … data-say-aria-label="key", in either order.
  for (const [tag] of html.matchAll(/<[^>]*\sdata-say-(?:aria-label|placeholder|content|href)="[^"]+"[^>]*>/g)) {
    for (const [, attribute, key] of tag.matchAll(/data-say-([a-z-]+)="([^"]+)"/g)) {
      const shown = tag.match(new RegExp(`\\s${attribute}="([^"]*)"`))[1];
      assert.equal(decoded(shown), written.TEXTS[key].zh, `${attribute} of ${key}`);
    }
  }
});

test('every text the scripts say is a phrase of the catalogue', () => {
  const dir = path.join(repo, 'web/js');
  const named = fs.readdirSync(dir).filter((f) => f.endsWith('.mjs'))
    .flatMap((f) => [...fs.readFileSync(path.join(dir, f), 'utf8').matchAll(/'((?:page|messages|workbench|figures|documents)\.[A-Za-z]+)'/g)]
      .map((m) => [f, m[1]]));
  assert.ok(named.length >= 10);
  for (const [file, key] of named) assert.ok(key in written.TEXTS, `${file}: ${key}`);
});

test('the language changes by its exact code only, and the page\'s own words follow it', () => {
  const rows = [
    { name: 'English', code: 'en', known: true, now: 'en' },
    { name: 'a code in capitals', code: 'EN', known: false, now: 'en' },
    { name: 'a tag, not a code', code: 'zh-CN', known: false, now: 'en' },
    { name: 'Chinese', code: 'zh', known: true, now: 'zh' },
    { name: 'nothing', code: '', known: false, now: 'zh' },
  ];
  for (const { name, code, known, now } of rows) {
    assert.deepEqual(engine.setLanguage(code), { known, language: now }, name);
  }
  wasm.resetSession();
  const refused = (answer) => answer.message.slice(0, answer.message.indexOf(':') + 1 || undefined);
  const notADesign = Uint8Array.from(Buffer.from('{"format": 1}'));
  try {
    engine.setLanguage('en');
    assert.equal(engine.session().fileNames.design, 'design');
    assert.equal(engine.session().fileNames.report, 'design-report');
    assert.equal(refused(engine.openDesign(notADesign, 'b.json')), 'Cannot open “b.json”:');
    engine.setLanguage('zh');
    assert.equal(engine.session().fileNames.design, '设计');
    assert.ok(engine.openDesign(notADesign, 'b.json').message.startsWith('无法打开“b.json”：'));
  } finally {
    engine.setLanguage('zh');
  }
});

test('a run said again is not taken into the workbench again', () => {
  wasm.resetSession();
  const again = engine.repeatSelect('10', '100', '1');
  assert.equal(again.lines.length, 203);
  assert.equal(again.status, '找到 203 个磁芯。');
  assert.equal(engine.session().candidates.total, 0);
  engine.select('10', '100', '1');
  const taken = engine.session().candidates;
  engine.loadCandidate(5);
  engine.repeatSelect('10', '100', '1');
  assert.deepEqual(engine.session().candidates, { ...taken, chosen: 5 });
  wasm.resetSession();
});
