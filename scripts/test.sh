#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: an optimised
# build (the figures must hold at -O2) and one under AddressSanitizer and
# UndefinedBehaviorSanitizer. Window tests run on Qt's offscreen platform.
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
