#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
app=build/release/src/app/zovamagnetic
if [[ ! -x $app ]]; then
  echo "built the library and tests; the windowed program is not part of this build yet"
  exit 0
fi
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && ${QT_QPA_PLATFORM:-} != offscreen ]]; then
  echo "no display: the windowed program needs one (try: xvfb-run -a $app)" >&2
  exit 1
fi
exec "$app" "$@"
