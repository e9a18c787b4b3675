#!/usr/bin/env bash
# Installs the Debian 12 packages the build (with Qt Charts, Qt SVG and Qt's
# Chinese texts), the tests (locales: the sources
# localedef builds the tests' comma locale from), the Debian package
# (dpkg-shlibdeps and file, for cpack; lintian to check it), the screenshots
# (xdotool), the fuzz targets (clang with its libFuzzer and sanitizer
# runtimes) and the Python module (pybind11 and Python's headers to build it,
# pytest to test it under /usr/bin/python3) need.
# Quick when everything is already there: it only calls apt-get for what is missing.
#
# --python-examples also installs what the Python module's example scripts
# plot with (python3-matplotlib, some 40 packages with NumPy and SciPy); the
# build and the tests do not need it.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-wqy-microhei imagemagick
  locales
  dpkg-dev file lintian
  xdotool
  clang libclang-rt-14-dev
  pybind11-dev python3-dev python3-pytest
)
case "${1:-}" in
  "") ;;
  --python-examples) packages+=(python3-matplotlib) ;;
  *) echo "usage: install-deps.sh [--python-examples]" >&2; exit 64 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "missing packages: ${missing[*]}; run this as root (or install them with apt-get)" >&2
    exit 1
  fi
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
