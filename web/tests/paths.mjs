// Where the tests find the built page and the native programs. Both builds are
// made by the test command (scripts/test.sh) before these tests run; the
// variables let a test run point elsewhere.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const pageDir = process.env.ZOVA_WEB_DIR ?? path.join(repo, 'build/web');
const nativeDir = process.env.ZOVA_NATIVE_DIR ?? path.join(repo, 'build/release');
export const tool = path.join(nativeDir, 'src/cli/zovamagnetic-cli');
export const driver = path.join(nativeDir, 'web/page_api_driver');
