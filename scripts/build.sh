#!/usr/bin/env bash
# Configures and builds one variant: release (default) or asan.
# Usage: scripts/build.sh [release|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
variant=${1:-release}
case "$variant" in
  release) flags=(-DCMAKE_BUILD_TYPE=Release) ;;
  asan)    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOVA_SANITIZE=ON -DZOVA_BUILD_BENCH=OFF) ;;  # timings mean nothing here
  *) echo "unknown variant: $variant" >&2; exit 64 ;;
esac
dir=build/$variant
if [[ ! -f $dir/build.ninja ]]; then
  cmake -S . -B "$dir" -G Ninja "${flags[@]}"
fi
cmake --build "$dir" --parallel "$(nproc)"
