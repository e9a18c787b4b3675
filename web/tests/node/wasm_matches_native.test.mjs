// The page's WebAssembly module against the native build, byte for byte:
//  - its calculator, selection, core list and core details texts against the
//    command-line tool's output over the tool's end-to-end cases and a few
//    hundred generated inputs, where the page's reading of its boxes accepts
//    them (the tool's inductance and select commands keep their own checks);
//  - its refusals: the words of the one reader's rules, beside the box named;
//  - every page call (the workbench's session as typed, its charts, the
//    converter's run, candidates with their order and CSV, design files and
//    the report included) against the same calls in the native driver.
import assert from 'node:assert/strict';
import { execFile, spawn } from 'node:child_process';
import { before, test } from 'node:test';
import { promisify } from 'node:util';
import { engineOf } from '../../js/engine.mjs';
import { driver, tool } from '../paths.mjs';
import {
  generatedCalculatorCases, generatedSelectionCases, random, toolCalculatorCases, toolSearches, toolSelectionCases,
} from './cases.mjs';
import { loadModule } from './module.mjs';

const run = promisify(execFile);
const OUT_OF_RANGE = '超出计算范围，请您调整计算参数。';

let wasm;
let engine;
let cores;
before(async () => {
  wasm = await loadModule();
  engine = engineOf(wasm);
  cores = engine.coreList('');
});

// Runs the tool; its exit code is part of the answer.
async function runTool(args) {
  try {
    const { stdout, stderr } = await run(tool, args, { encoding: 'utf8' });
    return { code: 0, stdout, stderr };
  } catch (e) {
    if (typeof e.code !== 'number') throw e;
    return { code: e.code, stdout: e.stdout, stderr: e.stderr };
  }
}

// A few tool runs at a time.
async function eachLimited(items, limit, work) {
  let next = 0;
  const worker = async () => {
    while (next < items.length) {
      const i = next++;
      await work(items[i], i);
    }
  };
  await Promise.all(Array.from({ length: limit }, worker));
}

const lines = (list) => list.map((l) => `${l}\n`).join('');

test('calculator texts are the tool\'s', async () => {
  const cases = [...toolCalculatorCases, ...generatedCalculatorCases(cores, 300)];
  const ends = new Set();
  await eachLimited(cases, 4, async ([core, turns, current, stack]) => {
    const page = engine.calculate(core, turns, current, stack);
    ends.add(page.box ? 'refused' : page.end);
    if (page.box) return;  // the refusals' own test holds their words
    const cli = await runTool(['inductance', `--core=${core}`, `--turns=${turns}`, `--current=${current}`,
      `--stack=${stack}`]);
    const what = JSON.stringify([core, turns, current, stack]);
    const expected = {
      result: { code: 0, stdout: `${page.text}\n`, stderr: '' },
      validation: { code: 2, stdout: '', stderr: `${page.text}\n` },
      outOfRange: { code: 3, stdout: '', stderr: `${OUT_OF_RANGE}\n` },
    }[page.end];
    assert.deepEqual(cli, expected, what);
  });
  // Within the boxes' ranges the calculator no longer runs out of range.
  assert.deepEqual([...ends].sort(), ['refused', 'result', 'validation']);
});

test('selection lines and messages are the tool\'s', async () => {
  const cases = [...toolSelectionCases, ...generatedSelectionCases(150)];
  const ends = new Set();
  await eachLimited(cases, 4, async ([current, inductance, stack]) => {
    const page = engine.select(current, inductance, stack);
    ends.add(page.box ? 'refused' : page.end);
    if (page.box) return;
    const cli = await runTool(['select', `--current=${current}`, `--inductance=${inductance}`, `--stack=${stack}`]);
    const code = { found: 0, noResult: 1, validation: 2, outOfRange: 3 }[page.end];
    assert.deepEqual(cli, {
      code,
      stdout: lines(page.lines.map((l) => l.text)),
      stderr: page.message ? `${page.message}\n` : '',
    }, JSON.stringify([current, inductance, stack]));
  });
  assert.deepEqual([...ends].sort(), ['found', 'noResult', 'refused']);
});

// The refusals in the rules' words (the reader's own table holds every kind of
// text; these are the page's boxes): a count takes 1 to 32767 whole, the
// calculator's current 0 to 10000 A, the selection's more than 0, the
// inductance more than 0 and at most 1000000 μH; the boxes are read in order
// and the first refusal ends the reading. Nothing is left of a result beside a
// refusal.
test('the calculator and the selection refuse a box in the reader\'s words', () => {
  const NOT_A_COUNT = '磁芯个数必须是数字，如 54。';
  const COMMA = '小数点请用“.”，不用逗号。';
  const calculator = [
    // turns, current, stack → box, words
    ['50', '5', '-5', 'stack', '磁芯个数不能为负数。'],
    ['50', '5', '12\n34', 'stack', NOT_A_COUNT],
    ['2.5', '5', '-5', 'turns', '绕线圈数必须是整数。'],
    ['99999999999', '5', '1', 'turns', '绕线圈数应在 1 到 32767 圈之间。'],
    ['50', '1,5', '1', 'current', `电流必须是数字：${COMMA}`],
    ['50', '-0.5', '1', 'current', '电流不能为负数。'],
    ['50', '10001', '1', 'current', '电流应在 0 到 10000 A 之间。'],
  ];
  for (const [turns, current, stack, box, words] of calculator) {
    const what = JSON.stringify([turns, current, stack]);
    assert.deepEqual(engine.calculate('KTB130060', turns, current, stack), { end: 'validation', box, text: words }, what);
  }
  const selection = [
    // current, inductance, stack → box, words
    ['1,5', '100', '1', 'current', `电流必须是数字：${COMMA}`],
    ['10', '0', '1', 'inductance', '电感量应大于 0 且不超过 1000000 μH。'],
    ['10', '2e6', '1', 'inductance', '电感量应大于 0 且不超过 1000000 μH。'],
    ['10', '100', '-5', 'stack', '磁芯个数不能为负数。'],
    ['10', '100', '1.5', 'stack', '磁芯个数必须是整数。'],
    ['10', '100', '12\n34', 'stack', NOT_A_COUNT],
  ];
  for (const [current, inductance, stack, box, words] of selection) {
    const page = engine.select(current, inductance, stack);
    assert.deepEqual({ end: page.end, box: page.box, message: page.message, lines: page.lines },
      { end: 'validation', box, message: words, lines: [] }, JSON.stringify([current, inductance, stack]));
  }
});

// What the reader accepts runs as the tool runs the same values: a
// milliampere written 1e-3, counts and values with blanks or in exponent form.
test('values the reader accepts give the tool\'s answers for the same values', async () => {
  const calculator = [
    [['50', '1e-3', '1'], ['50', '0.001', '1']],
    [[' 50 ', ' 5', '1 '], ['50', '5', '1']],
    [['5e1', '5.0', '1.0'], ['50', '5', '1']],
    // 0 A asks for the zero-bias inductance, as in the desktop calculator.
    [['50', '0', '1'], ['50', '0', '1']],
  ];
  assert.equal(engine.calculate('KTB130060', '50', '5', '1').text, '电感量为：126.920μH');
  for (const [typed, values] of calculator) {
    const page = engine.calculate('KTB130060', ...typed);
    const cli = await runTool(['inductance', '--core=KTB130060', `--turns=${values[0]}`, `--current=${values[1]}`,
      `--stack=${values[2]}`]);
    assert.deepEqual({ code: cli.code, stdout: cli.stdout }, { code: 0, stdout: `${page.text}\n` }, typed.join('|'));
  }
  const page = engine.select('1e1', ' 1e2 ', '1.0');
  const cli = await runTool(['select', '--current=10', '--inductance=100', '--stack=1']);
  assert.equal(page.lines.length, 203);
  assert.equal(cli.stdout, lines(page.lines.map((l) => l.text)));
});

test('core list and core details are the tool\'s', async () => {
  for (const search of toolSearches) {
    const cli = await runTool(['cores', `--search=${search}`]);
    assert.equal(cli.stdout, lines(engine.coreList(search)), `search ${JSON.stringify(search)}`);
  }
  const next = random(7);
  const sample = [cores[0], cores[cores.length - 1], ...Array.from({ length: 40 }, () => cores[Math.floor(next() * cores.length)])];
  await eachLimited(sample, 4, async (partNo) => {
    const cli = await runTool(['core', partNo]);
    assert.equal(cli.stdout, `${engine.coreDetails(partNo).split('\r').join('\n')}\n`, partNo);
  });
});

// Every call the page makes, in one sequence: the selections leave their runs
// behind for the workbench's candidates, their order and CSV, as on the page.
function pageCalls() {
  const calls = [['calculatorHelp'], ['workbenchTexts'], ['figureTable'], ['coreList', ''], ['coreList', 'kta05'], ['coreDetails', 'KTA014060']];
  for (const c of generatedCalculatorCases(cores, 80, 5)) calls.push(['calculate', ...c]);
  const next = random(99);
  calls.push(['resetSession'], ['session'], ['candidates'], ['candidatesCsv']);
  for (const s of [['10', '100', '1'], ['1', '10', '1'], ['30', '100', '2'], ...generatedSelectionCases(12, 3)]) {
    calls.push(['select', ...s], ['session'], ['candidates']);
    for (let column = 0; column < 16; ++column) calls.push(['candidateOrder', String(column), next() < 0.5 ? '1' : '0']);
    calls.push(['candidatesCsv'], ['loadCandidate', String(Math.floor(next() * 5))]);
  }
  const designTexts = ['', 'abc', '0', '1e39', '-1', '2.5'];
  // The switching operation's boxes, mostly left empty as for DC.
  const frequencies = ['100', '50', '0.5', '1,5', '200000'];
  const ripples = ['3', '0.5', '0', '-1', 'x'];
  const coefficients = ['246.5,2.218,1.311', '100, 2, 1.5', '1,2', 'x'];
  const pick = (list) => list[Math.floor(next() * list.length)];
  for (let i = 0; i < 160; ++i) {
    const core = next() < 0.1 ? ` ${pick(cores).toLowerCase()} ` : next() < 0.05 ? 'XYZ' : pick(cores);
    const turns = next() < 0.1 ? pick(designTexts) : String(1 + Math.floor(next() * 300));
    const current = next() < 0.1 ? pick(designTexts) : (next() * 40).toFixed(2);
    const stack = next() < 0.1 ? pick(designTexts) : String(1 + Math.floor(next() * 4));
    const [frequency, ripple, lossCoefficients] = [frequencies, ripples, coefficients].map((list) => (next() < 0.75
      ? '' : pick(list)));
    const boxes = { core, turns, current, stack, frequency, ripple, lossCoefficients };
    for (const [key, text] of Object.entries(boxes)) calls.push(['type', key, text]);
  }
  // The converter: refused, run, its candidates loaded and sorted, its boxes changed after the run.
  const converters = [
    { topology: 'buck', vin: '48', vout: '12', iout: '10', converterFrequency: '100', rippleRatio: '0.3' },
    { topology: 'boost', vin: '12', vout: '48', iout: '2', converterFrequency: '200', rippleRatio: '',
      converterInductance: '47' },
    { topology: 'buck-boost', vin: '24', vout: '15', iout: '3', converterFrequency: '150', converterInductance: '',
      rippleRatio: '0.4', converterStack: '2' },
    { topology: 'buck', vin: '12', vout: '48', iout: '10', converterFrequency: '100' },
    { topology: 'flyback', vin: '48', vout: '12' },
  ];
  for (const converter of converters) {
    for (const [key, text] of Object.entries(converter)) calls.push(['type', key, text]);
    calls.push(['runConverter'], ['candidates'], ['candidateOrder', '17', '1'], ['candidatesCsv'],
      ['hideWarned', '1'], ['candidates'], ['hideWarned', '0'],
      ['loadCandidate', '3'], ['type', 'turns', '40'], ['type', 'vin', '50']);
  }
  // The margins, and the models of the design shown.
  calls.push(['type', 'alTolerance', '12'], ['type', 'hotLimit', '40'], ['type', 'rollOffLimit', '70'], ['session'],
    ['spice', 'ngspice', '0'], ['spice', 'ltspice', '1'], ['type', 'alTolerance', '31'], ['spice', 'ngspice', '0'],
    ['type', 'alTolerance', ''], ['type', 'hotLimit', ''], ['type', 'rollOffLimit', '']);
  // Files: the design saved, written, opened again; bytes that are no design.
  calls.push(['type', 'core', 'KTA092060'], ['type', 'turns', '54'], ['type', 'current', '10'], ['saveDesign'],
    ['saved', 'a.json'], ['session'], ['reportHtml', '2024-05-01', '<div>charts</div>'],
    ['type', 'current', 'x'], ['saveDesign'], ['reportHtml', '2024-05-01', ''],
    ['openDesign', Buffer.from('{"format": 1}').toString('hex'), 'b.json'], ['type', 'current', '10']);
  // The language switched and back: the catalogue, a run said again, the workbench and a refused file.
  calls.push(['catalogue', ''], ['catalogue', 'page'], ['setLanguage', 'en'], ['repeatSelect', '10', '100', '1'],
    ['repeatSelect', '', '100', '1'], ['session'], ['calculate', 'KTB130060', '50', '5', '1'],
    ['openDesign', Buffer.from('{"format": 1}').toString('hex'), 'b.json'], ['setLanguage', 'fr'],
    ['setLanguage', 'zh']);
  return calls;
}

// The saved design's text goes back in as a file's bytes.
function withSavedFile(calls, answers) {
  const saved = calls.findIndex(([name]) => name === 'saveDesign');
  const bytes = Buffer.from(JSON.parse(answers[saved]).text, 'utf8').toString('hex');
  return [...calls, ['openDesign', bytes, 'a.json'], ['session']];
}

function callWasm([name, ...args]) {
  switch (name) {
    case 'candidateOrder': return wasm.candidateOrder(Number(args[0]), args[1] === '1');
    case 'loadCandidate': return wasm.loadCandidate(Number(args[0]));
    case 'openDesign': return wasm.openDesign(Uint8Array.from(Buffer.from(args[0], 'hex')), args[1]);
    case 'hideWarned': return wasm.hideWarned(args[0] === '1');
    case 'spice': return wasm.spice(args[0], args[1] === '1');
    case 'resetSession': wasm.resetSession(); return 'null\n';
    default: return wasm[name](...args);
  }
}

function runDriver(input) {
  return new Promise((resolve, reject) => {
    const child = spawn(driver, [], { stdio: ['pipe', 'pipe', 'inherit'] });
    const chunks = [];
    child.stdout.on('data', (c) => chunks.push(c));
    child.on('error', reject);
    child.on('close', (code) => (code === 0 ? resolve(Buffer.concat(chunks).toString('utf8'))
      : reject(new Error(`${driver} exited ${code}`))));
    child.stdin.end(input);
  });
}

test('every page call answers as the native build does', async () => {
  const first = pageCalls();
  const firstAnswers = first.map(callWasm);
  const calls = withSavedFile(first, firstAnswers);
  const answers = [...firstAnswers, ...calls.slice(first.length).map(callWasm)];
  const native = (await runDriver(calls.map((c) => `${c.join('\t')}\n`).join(''))).split('\x1e\n');
  assert.equal(native.length, calls.length + 1);
  const ends = { designs: 0, converterRuns: 0, opened: 0 };
  calls.forEach((call, i) => {
    assert.equal(answers[i], native[i], `call ${i}: ${JSON.stringify(call)}`);
    const answer = JSON.parse(answers[i]);
    if (call[0] === 'type' && answer.design.end === 'found') ++ends.designs;
    if (call[0] === 'runConverter' && !answer.converter.failed) ++ends.converterRuns;
    if (call[0] === 'openDesign' && answer.opened) ++ends.opened;
  });
  assert.ok(ends.designs > 300 && ends.converterRuns === 3 && ends.opened === 1, JSON.stringify(ends));
});
