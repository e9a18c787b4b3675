#!/usr/bin/env bash
# The benchmarks, which the tests do not run: the native Google Benchmarks of
# the optimised build, then the page's speed in Chromium and Node against its
# goals (web/bench/). Run on a quiet machine; the numbers mean nothing under
# load or under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
for bench in build/release/bench/*_bench; do
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench"
done
bash scripts/web.sh --build-only
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
echo "== page speed"
(cd web && ZOVA_TEST_PORT=$port npx --no-install playwright test -c playwright.bench.config.mjs)
