// The page's speed, measured rather than tested: the same server and browser
// as the tests, one worker so that the runs do not share the machine with
// each other (scripts/bench.sh runs it after the native benchmarks).
import config from './playwright.config.mjs';

export default {
  ...config,
  testDir: 'bench',
  testMatch: '**/*.bench.mjs',
  workers: 1,
  outputDir: '../build/web-bench-results',
};
