// The page's WebAssembly module against the native build, byte for byte:
//  - its calculator, selection, core list and core details texts against the
//    command-line tool's output over the tool's end-to-end cases and a few
//    hundred generated inputs;
//  - every page call (design figures, chart points, candidates, their order
//    and CSV included) against the same calls in the native driver;
//  - the 10 A / 100 μH selection's time against the native one.
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
    ends.add(page.end);
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
  assert.deepEqual([...ends].sort(), ['outOfRange', 'result', 'validation']);
});

test('selection lines and messages are the tool\'s', async () => {
  const cases = [...toolSelectionCases, ...generatedSelectionCases(150)];
  const ends = new Set();
  await eachLimited(cases, 4, async ([current, inductance, stack]) => {
    const page = engine.select(current, inductance, stack);
    ends.add(page.end);
    const cli = await runTool(['select', `--current=${current}`, `--inductance=${inductance}`, `--stack=${stack}`]);
    const code = { found: 0, noResult: 1, validation: 2, outOfRange: 3 }[page.end];
    assert.deepEqual(cli, {
      code,
      stdout: lines(page.lines.map((l) => l.text)),
      stderr: page.message ? `${page.message}\n` : '',
    }, JSON.stringify([current, inductance, stack]));
  });
  assert.deepEqual([...ends].sort(), ['found', 'noResult', 'outOfRange', 'validation']);
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
// behind for the candidates, their order and CSV, as on the page.
function pageCalls() {
  const calls = [['calculatorHelp'], ['workbenchTexts'], ['coreList', ''], ['coreList', 'kta05'], ['coreDetails', 'KTA014060']];
  for (const c of generatedCalculatorCases(cores, 80, 5)) calls.push(['calculate', ...c]);
  const next = random(99);
  for (const s of [['10', '100', '1'], ['1', '10', '1'], ['30', '100', '2'], ...generatedSelectionCases(12, 3)]) {
    calls.push(['select', ...s], ['candidates']);
    for (let column = 0; column < 16; ++column) calls.push(['candidateOrder', String(column), next() < 0.5 ? '1' : '0']);
    calls.push(['candidatesCsv', '2 0 1 5 3']);
  }
  calls.push(['resetRun'], ['candidates'], ['candidatesCsv', '0']);
  const designTexts = ['', 'abc', '0', '1e39', '-1', '2.5'];
  for (let i = 0; i < 120; ++i) {
    const core = next() < 0.1 ? ` ${cores[Math.floor(next() * cores.length)].toLowerCase()} `
      : next() < 0.05 ? 'XYZ' : cores[Math.floor(next() * cores.length)];
    const turns = next() < 0.1 ? designTexts[Math.floor(next() * 6)] : String(1 + Math.floor(next() * 300));
    const current = next() < 0.1 ? designTexts[Math.floor(next() * 6)] : (next() * 40).toFixed(2);
    const stack = next() < 0.1 ? designTexts[Math.floor(next() * 6)] : String(1 + Math.floor(next() * 4));
    calls.push(['design', core, turns, current, stack]);
  }
  return calls;
}

function callWasm([name, ...args]) {
  switch (name) {
    case 'candidateOrder': return wasm.candidateOrder(Number(args[0]), args[1] === '1');
    case 'candidatesCsv': return wasm.candidatesCsv(args[0].split(' ').map(Number));
    case 'resetRun': wasm.resetRun(); return 'null\n';
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
  wasm.resetRun();
  const calls = pageCalls();
  const native = (await runDriver(calls.map((c) => `${c.join('\t')}\n`).join(''))).split('\x1e\n');
  assert.equal(native.length, calls.length + 1);
  let designs = 0;
  calls.forEach((call, i) => {
    const answer = callWasm(call);
    assert.equal(answer, native[i], `call ${i}: ${JSON.stringify(call)}`);
    if (call[0] === 'design' && JSON.parse(answer).end === 'found') ++designs;
  });
  assert.ok(designs > 60, `${designs} designs with figures`);
});

test('the 10 A / 100 μH selection takes at most 3 times the native time', async (t) => {
  const median = (xs) => xs.sort((a, b) => a - b)[Math.floor(xs.length / 2)];
  const times = [];
  for (let i = 0; i < 350; ++i) {
    const start = performance.now();
    wasm.select('10', '100', '1');
    if (i >= 50) times.push((performance.now() - start) * 1000);  // after the engine's warm-up
  }
  const wasmMicros = median(times);
  const nativeMicros = JSON.parse((await runDriver('bench\t300\t10\t100\t1\n')).split('\x1e\n')[0]).medianMicroseconds;
  const ratio = wasmMicros / nativeMicros;
  t.diagnostic(`selection 10 A / 100 μH: WebAssembly ${wasmMicros.toFixed(0)} μs, native ${nativeMicros.toFixed(0)} μs, ratio ${ratio.toFixed(2)}`);
  assert.ok(ratio <= 3, `ratio ${ratio.toFixed(2)}`);
});
