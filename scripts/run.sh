#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
app=build/release/src/app/zovamagnetic
cli=build/release/src/cli/zovamagnetic-cli
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  cat >&2 <<MSG
Built $app, but there is no display to show it on
(neither DISPLAY nor WAYLAND_DISPLAY is set).
Without a display, use the command-line tool instead:
  $cli --help
or start the program on a virtual display:
  xvfb-run -a $app
MSG
  exit 1
fi
exec "$app" "$@"
