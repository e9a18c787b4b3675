#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: an optimised
# build (the figures must hold at -O2) and one under AddressSanitizer and
# UndefinedBehaviorSanitizer. Window tests run on Qt's offscreen platform.
# Then the web page: its WebAssembly build, the Node tests that hold it to the
# native build, and the browser tests in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
for variant in release asan; do
  echo "== $variant build"
  bash scripts/build.sh "$variant"
  echo "== $variant tests"
  (cd "build/$variant" && ctest --output-on-failure --parallel "$(nproc)")
done

echo "== web build"
bash scripts/web.sh --build-only
echo "== web tests (Node)"
(cd web && node --test tests/node/)
echo "== web tests (Chromium)"
# A free port for the tests' own server, so a page served by scripts/web.sh may stay up.
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
(cd web && ZOVA_TEST_PORT=$port npx --no-install playwright test)
