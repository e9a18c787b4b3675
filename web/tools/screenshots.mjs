// The README's screenshots of the page: each tab and the help page at 1280 × 800
// and at a phone's 390 × 844, used as a person would (labels, buttons, rows);
// then, at 1280 × 800, the page in English (web-*-en.png) through its switch.
// Usage (the page served by scripts/web.sh): node web/tools/screenshots.mjs [address] [folder]
import { chromium } from '@playwright/test';

const address = process.argv[2] ?? 'http://127.0.0.1:8080/';
const folder = process.argv[3] ?? 'docs/screenshots';
const root = typeof process.getuid === 'function' && process.getuid() === 0;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: root ? ['--no-sandbox'] : [] });

for (const [suffix, viewport] of [['1280', { width: 1280, height: 800 }], ['390', { width: 390, height: 844 }]]) {
  const page = await browser.newPage({ viewport, locale: 'zh-CN', deviceScaleFactor: 1 });
  page.on('dialog', (dialog) => dialog.accept());  // leaving an unsaved design asks first
  await page.goto(address);
  await page.locator('body[data-ready="true"]').waitFor();
  const shot = async (name) => {
    await page.waitForTimeout(400);
    await page.screenshot({ path: `${folder}/web-${name}-${suffix}.png` });
    console.log(`saved ${folder}/web-${name}-${suffix}.png`);
  };

  const calc = page.getByRole('tabpanel', { name: '电感计算' });
  await calc.getByLabel('磁芯料号').pressSequentially('ktb130');
  await calc.getByRole('listbox').selectOption('KTB130060');
  await calc.getByLabel('绕线圈数').pressSequentially('50');
  await calc.getByLabel('电流大小(A)').click();
  await calc.getByLabel('电流大小(A)').pressSequentially('5');
  await shot('calculator');

  await page.getByRole('tab', { name: '磁芯选型' }).click();
  const selection = page.getByRole('tabpanel', { name: '磁芯选型' });
  await selection.getByLabel('峰值电流(A)').pressSequentially('10');
  await selection.getByLabel('电感量(μH)').pressSequentially('100');
  await selection.getByRole('button', { name: '磁芯选型' }).click();
  await shot('selection');

  await selection.locator('tbody tr').first().dblclick();
  await page.locator('#chart-permeability svg').waitFor();
  await shot('design');
  // Further down: the candidates sorted by copper loss, the second of them chosen.
  await page.locator('#candidates-table').getByRole('button', { name: '铜损 100 °C (W)' }).click();
  await page.locator('#candidates-table tbody tr').nth(1).locator('td').first().click();
  await page.locator('.candidates').evaluate((e) => e.scrollIntoView({ block: 'start' }));
  await shot('design-candidates');

  // The converter: buck 48 → 12 V, 10 A, 100 kHz, r = 0.3; its best candidate
  // by total loss loaded above, then its operating point and the ranking.
  const converter = page.getByRole('group', { name: '变换器' });
  await converter.getByRole('textbox', { name: '变换器开关频率 (kHz)', exact: true }).fill('100');
  await converter.getByRole('textbox', { name: '输入电压 (V)', exact: true }).fill('48');
  await converter.getByRole('textbox', { name: '输出电压 (V)', exact: true }).fill('12');
  await converter.getByRole('textbox', { name: '输出电流 (A)', exact: true }).fill('10');
  await converter.getByRole('textbox', { name: '纹波率 ΔI/I', exact: true }).fill('0.3');
  await converter.getByRole('button', { name: '按总损耗选型' }).click();
  await page.evaluate(() => window.scrollTo({ top: 0 }));
  await shot('design-converter');
  await page.locator('#converter').evaluate((e) => e.scrollIntoView({ block: 'start' }));
  await shot('design-converter-run');
  if (suffix === '1280') {
    // The report, as the browser would print it.
    const [report] = await Promise.all([page.waitForEvent('popup'), page.getByRole('button', { name: '设计报告' }).click()]);
    await report.waitForLoadState();
    await report.setViewportSize({ width: 900, height: 1200 });
    await report.waitForTimeout(300);
    await report.screenshot({ path: `${folder}/web-report-${suffix}.png`, fullPage: true });
    console.log(`saved ${folder}/web-report-${suffix}.png`);
    await report.close();
  }

  await page.goto(new URL('help.html', address).href);
  await shot('help');
  await page.close();
}

// In English: the switch in the header, then the same walk by the boxes' ids.
{
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 });
  page.on('dialog', (dialog) => dialog.accept());
  await page.goto(address);
  await page.locator('body[data-ready="true"]').waitFor();
  await page.getByRole('button', { name: 'English' }).click();
  const shot = async (name) => {
    await page.waitForTimeout(400);
    await page.screenshot({ path: `${folder}/web-${name}-en.png` });
    console.log(`saved ${folder}/web-${name}-en.png`);
  };
  await page.locator('#calc-search').pressSequentially('ktb130');
  await page.locator('#calc-cores').selectOption('KTB130060');
  await page.locator('#calc-turns').pressSequentially('50');
  await page.locator('#calc-current').fill('5');
  await shot('calculator');
  await page.getByRole('tab', { name: 'Core selection' }).click();
  await page.locator('#select-current').pressSequentially('10');
  await page.locator('#select-inductance').pressSequentially('100');
  await page.locator('#select-inductance').press('Enter');
  await shot('selection');
  await page.getByRole('tab', { name: 'Design workbench' }).click();
  for (const [box, value] of [['frequency', '100'], ['vin', '48'], ['vout', '12'], ['iout', '10']]) {
    await page.locator(`#converter-${box}`).fill(value);
  }
  await page.locator('#converter-run').click();
  await page.evaluate(() => window.scrollTo({ top: 0 }));
  await shot('design-converter');
  await page.locator('#converter').evaluate((e) => e.scrollIntoView({ block: 'start' }));
  await shot('design-converter-run');
  const [report] = await Promise.all([page.waitForEvent('popup'), page.locator('#design-report').click()]);
  await report.waitForLoadState();
  await report.setViewportSize({ width: 900, height: 1200 });
  await report.waitForTimeout(300);
  await report.screenshot({ path: `${folder}/web-report-en.png`, fullPage: true });
  console.log(`saved ${folder}/web-report-en.png`);
  await report.close();
  await page.goto(new URL('help-en.html', address).href);
  await shot('help');
  await page.close();
}
await browser.close();
