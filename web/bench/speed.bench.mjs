// How fast the page is, against its goals: ready with the first result shown
// within a second, and the 10 A / 100 μH selection at most 3 times the native
// driver's time, both in Chromium and in Node's WebAssembly. Each line says
// the measurement, the goal and whether it was met; a goal missed is reported,
// not failed, because a loaded machine says nothing about the code.
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { test } from '@playwright/test';
import { loadModule } from '../tests/node/module.mjs';
import { driver } from '../tests/paths.mjs';

const median = (xs) => [...xs].sort((a, b) => a - b)[xs.length >> 1];

function report(what, measured, goal, met) {
  console.log(`${what}: ${measured} (goal ${goal}: ${met ? 'met' : 'MISSED'})`);
}

async function nativeSelectionMicros() {
  const { stdout } = await promisify(execFile)('sh', ['-c', `printf 'bench\\t300\\t10\\t100\\t1\\n' | "${driver}"`]);
  return JSON.parse(stdout.split('\x1e\n')[0]).medianMicroseconds;
}

// The selection call itself (its JSON text, no parsing), 350 times, the first
// 50 left out as the engine's warm-up.
function selectionMicros(zova) {
  const times = [];
  for (let i = 0; i < 350; ++i) {
    const start = performance.now();
    zova.select('10', '100', '1');
    if (i >= 50) times.push((performance.now() - start) * 1000);
  }
  return median(times);
}

test('page ready with the first result shown', async ({ page }) => {
  const readies = [];
  for (let i = 0; i < 5; ++i) {
    await page.goto('about:blank');  // else the same address again only moves within the page
    await page.goto('/#cc=KTB130060&cn=50&ci=5');
    await page.locator('body[data-ready="true"]').waitFor();
    readies.push(await page.evaluate(() => performance.getEntriesByName('zova-ready')[0].startTime));
  }
  const ready = median(readies);
  report('page ready, median of 5 loads', `${ready.toFixed(0)} ms`, '< 1000 ms', ready < 1000);
});

test('10 A / 100 μH selection in Chromium against native', async ({ page }) => {
  await page.goto('/');
  await page.locator('body[data-ready="true"]').waitFor();
  const browser = await page.evaluate(`(async () => {
    const { default: createZova } = await import('/zova.mjs');
    const zova = await createZova();
    ${selectionMicros.toString()}
    const median = ${median.toString()};
    return selectionMicros(zova);
  })()`);
  const native = await nativeSelectionMicros();
  const ratio = browser / native;
  report('selection 10 A / 100 μH, Chromium against native',
    `${browser.toFixed(0)} μs against ${native.toFixed(0)} μs, ratio ${ratio.toFixed(2)}`, 'ratio ≤ 3', ratio <= 3);
});

test('10 A / 100 μH selection in Node against native', async () => {
  const node = selectionMicros(await loadModule());
  const native = await nativeSelectionMicros();
  const ratio = node / native;
  report('selection 10 A / 100 μH, Node WebAssembly against native',
    `${node.toFixed(0)} μs against ${native.toFixed(0)} μs, ratio ${ratio.toFixed(2)}`, 'ratio ≤ 3', ratio <= 3);
});
