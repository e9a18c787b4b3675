// Browser tests: Debian's chromium driven by @playwright/test, the page served
// from build/web by Debian's Python (scripts/test.sh builds it first).
import { defineConfig } from '@playwright/test';
import { pageDir } from './tests/paths.mjs';

const port = Number(process.env.ZOVA_TEST_PORT ?? 8181);
const root = typeof process.getuid === 'function' && process.getuid() === 0;

export default defineConfig({
  testDir: 'tests/browser',
  testMatch: '**/*.test.mjs',
  timeout: 30_000,
  workers: 2,
  reporter: [['list']],
  outputDir: '../build/web-test-results',
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    browserName: 'chromium',
    locale: 'zh-CN',
    acceptDownloads: true,
    launchOptions: { executablePath: '/usr/bin/chromium', args: root ? ['--no-sandbox'] : [] },
  },
  webServer: {
    command: `/usr/bin/python3 -m http.server ${port} --bind 127.0.0.1 --directory "${pageDir}"`,
    url: `http://127.0.0.1:${port}/index.html`,
    reuseExistingServer: false,
    stdout: 'ignore',
    stderr: 'ignore',
  },
});
