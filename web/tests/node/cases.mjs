// Inputs the WebAssembly module and the native programs are run over: the
// command-line tool's end-to-end cases that a page can send (a part number from
// the list or none), and inputs generated from a fixed seed.

// A small, seeded generator (mulberry32) so every run checks the same inputs.
export function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// The tool's end-to-end calculator cases: core, turns, current, stack.
export const toolCalculatorCases = [
  ['KTB130060', '50', '5', '1'], ['KTB130060', '50', '0', '1'], ['', '50', '0', '1'],
  ['KTB130060', 'abc', '0', '1'], ['', '', '0', '99999'], ['KTB130060', '40000', '0', '1'],
  ['KTB130060', ' 50 ', ' 5 ', '1'], ['KTB130060', '2.5', '0', '3.5'], ['KTB130060', '50', '5', ''],
  ['KTB130060', '50', '5', 'two'], ['KTB130060', '50', '0', '-1'], ['KTA014060', '10', '-2', '1'],
  ['KTA014060', '-10', '1', '1'], ['KTA014060', '   ', '1', '1'], ['KTA014060', '10', '', '1'],
  ['KTA014060', '10', '1.2.3', '1'], ['KTA014060', '10', '1e39', '1'], ['KTB130060', '30000', '1e36', '1'],
  ['KRA037125', '50', '1', '1'], ['KRA306090', '29', '10', '2'], ['', 'x', 'y', '2'],
  ['KTA106090', '100', '1.5', '1'], ['KTB130060', '50', '5', '2'],
];

// The tool's end-to-end selection cases: current, inductance, stack.
export const toolSelectionCases = [
  ['10', '100', '1'], ['', '100', '1'], ['-2', '100', '1'], ['10', '100000', '1'], ['10', '100', ''],
  ['30', '100', '2'], ['10.0', '1e2', '1.0'], ['1', '10', '1'],
];

export const toolSearches = ['', 'KRB', '  kta05 ', 'kta05', 'KTB13', '060', 'x'];

const pick = (next, list) => list[Math.floor(next() * list.length)];

function decimalText(next, max) {
  const digits = pick(next, [0, 0, 1, 2, 3, 5]);
  return (next() * max).toFixed(digits);
}

export function generatedCalculatorCases(cores, count, seed = 22) {
  const next = random(seed);
  const odd = ['', ' ', 'abc', '1.2.3', '1e39', '-3', '40000', '2.5', '0', '1e3', ' 7 ', '.5', '3.'];
  const cases = [];
  for (let i = 0; i < count; ++i) {
    const core = next() < 0.05 ? '' : pick(next, cores);
    const turns = next() < 0.1 ? pick(next, odd) : String(1 + Math.floor(next() * 400));
    const current = next() < 0.1 ? pick(next, odd) : decimalText(next, 60);
    const stack = next() < 0.1 ? pick(next, ['', 'two', '99999', '-1', '0', '1.5']) : String(1 + Math.floor(next() * 6));
    cases.push([core, turns, current, stack]);
  }
  return cases;
}

export function generatedSelectionCases(count, seed = 2022) {
  const next = random(seed);
  const odd = ['', '0', '-1', 'abc', '1e39', '1.2.3', ' 5'];
  const cases = [];
  for (let i = 0; i < count; ++i) {
    const current = next() < 0.08 ? pick(next, odd) : decimalText(next, 40);
    const inductance = next() < 0.08 ? pick(next, odd) : decimalText(next, next() < 0.5 ? 200 : 5000);
    const stack = next() < 0.08 ? pick(next, ['', '0', '99999']) : String(1 + Math.floor(next() * 4));
    cases.push([current, inductance, stack]);
  }
  return cases;
}
