// The page in English and back: ?lang=en, the switch in the header, the
// choice kept by the browser, every box keeping what is typed.
import { expect, test } from '@playwright/test';

async function open(page, address) {
  await page.goto(address);
  await expect(page.locator('body')).toHaveAttribute('data-ready', 'true');
}

test('?lang=en shows the page in English; the switch keeps the inputs; the browser keeps the choice', async ({ page }) => {
  // When <html lang> turns English, against the first paint of any text:
  // the Chinese of index.html is never shown first.
  await page.addInitScript(() => {
    new MutationObserver(() => {
      if (document.documentElement.lang === 'en') window.zovaEnglishAt ??= performance.now();
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['lang'] });
  });
  await open(page, '/?lang=en#cc=KTB130060&cn=50&ci=5');
  await expect(page.locator('html')).toHaveAttribute('lang', 'en');
  const { englishAt, textPainted } = await page.evaluate(() => ({
    englishAt: window.zovaEnglishAt,
    textPainted: performance.getEntriesByName('first-contentful-paint')[0].startTime,
  }));
  expect(textPainted).toBeGreaterThanOrEqual(englishAt);
  await expect(page).toHaveTitle('ZOVA Core Design Tool');
  const calc = page.getByRole('tabpanel', { name: 'Inductance calculator' });
  await expect(calc.getByLabel('Core part number')).toBeVisible();
  await expect(calc.getByLabel('Turns')).toHaveValue('50');
  await expect(calc.getByLabel('Current (A)')).toHaveValue('5');
  await expect(calc.getByRole('button', { name: 'Calculate' })).toBeVisible();
  await expect(page.locator('header').getByRole('link', { name: 'Help topics' })).toHaveAttribute('href', 'help-en.html');
  await expect(page.locator('#calc-result')).toContainText('126.920');

  await calc.getByLabel('Number of cores').fill('2');
  await expect(page.locator('#calc-result')).toContainText('253.840');
  await page.getByRole('button', { name: '中文' }).click();
  await expect(page.locator('html')).toHaveAttribute('lang', 'zh-CN');
  await expect(page).toHaveURL(/\?lang=zh#/);
  const calcZh = page.getByRole('tabpanel', { name: '电感计算' });
  await expect(calcZh.getByLabel('绕线圈数')).toHaveValue('50');
  await expect(calcZh.getByLabel('磁芯个数')).toHaveValue('2');
  await expect(page.locator('#calc-result')).toHaveText('电感量为：253.840μH');
  await expect(page.locator('#calc-details')).toContainText('磁芯料号：KTB130060');
  await page.getByRole('tab', { name: '磁芯选型' }).click();
  await expect(page.getByRole('columnheader')).toHaveText(
    ['可选磁芯', '磁芯外径(mm)', '磁芯内径(mm)', '磁芯高度(mm)', '绕线圈数', '线径(mm)']);

  await page.getByRole('button', { name: 'English' }).click();
  await expect(page.getByRole('button', { name: 'English' })).toHaveAttribute('aria-pressed', 'true');
  await expect(page.getByRole('columnheader')).toHaveText(
    ['Core', 'OD (mm)', 'ID (mm)', 'Height (mm)', 'Turns', 'Wire (mm)']);
  await page.getByRole('tab', { name: 'Inductance calculator' }).click();
  await expect(calc.getByLabel('Turns')).toHaveValue('50');
  await expect(calc.getByLabel('Number of cores')).toHaveValue('2');
  await expect(calc.getByRole('listbox')).toHaveValue('KTB130060');
  await expect(page.locator('#calc-result')).toContainText('253.840');

  // Without a language in the address the browser's choice holds; the address's wins over it.
  await open(page, '/');
  await expect(page.locator('html')).toHaveAttribute('lang', 'en');
  await expect(page.getByRole('tab', { name: 'Core selection' })).toBeVisible();
  await expect(page).toHaveURL(/\?lang=en$/);
  await open(page, '/?lang=zh');
  await expect(page.getByRole('tab', { name: '磁芯选型' })).toBeVisible();
  await open(page, '/');
  await expect(page.locator('html')).toHaveAttribute('lang', 'zh-CN');
});

test('the workbench is drawn again in the other language with its boxes, figures and candidates', async ({ page }) => {
  await open(page, '/#t=design&sc=10&sl=100&sk=1&sr=1&dc=KTA092060&dn=54&di=10&dk=1&df=100&dr=3');
  const figures = page.locator('#design-figures tbody tr');
  const rows = await figures.count();
  await expect(page.locator('#candidates-table tbody tr')).toHaveCount(203);
  await page.locator('#candidates-table tbody tr').nth(2).click();
  // A box by the name a screen reader reads (the part number's, with its list, is a combobox).
  const box = (scope, name) => scope.getByRole('textbox', { name, exact: true })
    .or(scope.getByRole('combobox', { name, exact: true }));
  await expect(box(page.getByRole('tabpanel', { name: '设计分析' }), '绕线圈数')).toHaveValue('52');
  await box(page, '纹波电流峰峰值 (A)').fill('4');

  await page.getByRole('button', { name: 'English' }).click();
  const design = page.getByRole('tabpanel', { name: 'Design workbench' });
  await expect(design.getByRole('heading', { name: 'Design data' })).toBeVisible();
  await expect(box(design, 'Core part number')).toHaveValue('KTA092090');
  await expect(box(design, 'Turns')).toHaveValue('52');
  await expect(box(design, 'Switching frequency (kHz)')).toHaveValue('100');
  await expect(box(design, 'Ripple current, peak-peak (A)')).toHaveValue('4');
  await expect(box(design, 'Switching frequency (kHz)')).toHaveAttribute('placeholder', 'DC (leave empty)');
  await expect(figures).toHaveCount(rows);
  await expect(page.locator('#candidates-table tbody tr')).toHaveCount(203);
  await expect(page.locator('#candidates-table tbody tr[aria-selected="true"]')).toHaveAttribute('data-row', '2');
});

// Chinese left on a page: each run of CJK characters or full-width punctuation
// with a little of its context, so that a failure names the text.
function chineseIn(text) {
  return [...text.matchAll(/.{0,30}[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]+.{0,10}/g)].map((m) => m[0]);
}

test('in English the buck walk and its report show no Chinese but the switch back to 中文', async ({ page }) => {
  await open(page, '/?lang=en');
  await page.getByRole('tab', { name: 'Design workbench' }).click();
  for (const [box, value] of [['frequency', '100'], ['vin', '48'], ['vout', '12'], ['iout', '10']]) {
    await page.locator(`#converter-${box}`).fill(value);
  }
  await page.locator('#converter-run').click();
  await expect(page.locator('#converter-text')).toContainText('30.000');
  await expect(page.locator('#candidates-table tbody tr').first()).toHaveAttribute('aria-selected', 'true');
  const shown = await page.locator('body').innerText();
  expect(chineseIn(shown)).toEqual(['中文']);

  const [report] = await Promise.all([page.waitForEvent('popup'), page.locator('#design-report').click()]);
  await report.waitForLoadState();
  await expect(report.locator('html')).toHaveAttribute('lang', 'en');
  await expect(report.locator('body')).toContainText('Converter: buck, 48 V → 12 V, 10 A, 100 kHz, duty cycle 0.250');
  expect(chineseIn(await report.locator('body').innerText())).toEqual([]);
});
