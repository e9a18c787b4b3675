#!/usr/bin/env bash
# The program started where no display can be reached: each case must end with
# exit code 1 and the program's own message, never with Qt's abort (134).
# Usage: display_failure_test.sh PROGRAM
set -u
program=$1
failed=0
check() {  # name, then the environment to start with
  local name=$1; shift
  local err rc
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
  rc=$?
  if [[ $rc -ne 1 || $err != zovamagnetic:* ]]; then
    echo "FAIL $name: exit $rc, stderr: $err"
    failed=1
  else
    echo "ok   $name"
  fi
}
check noDisplay
check displayNowhere DISPLAY=:97
check unknownPlatform QT_QPA_PLATFORM=bogus
check waylandWithoutItsPlugin WAYLAND_DISPLAY=wayland-97 QT_QPA_PLATFORM=wayland
# One line, not Qt's explanation of its plugins.
lines=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 "$program" 2>&1 >/dev/null | wc -l)
if [[ $lines -ne 1 ]]; then echo "FAIL oneLine: $lines lines"; failed=1; else echo "ok   oneLine"; fi
exit $failed
