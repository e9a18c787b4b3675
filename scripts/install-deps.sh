#!/usr/bin/env bash
# Installs the Debian 12 packages the build (with Qt Charts, Qt SVG, Qt's Linguist tools and Qt's
# Chinese and English texts), the tests (locales: the sources
# localedef builds the tests' comma locale from), the Debian package
# (dpkg-shlibdeps and file, for cpack; lintian to check it), the screenshots
# (xdotool), the report's tests (poppler-utils: pdftotext, pdffonts, pdfinfo,
# pdfimages), the fuzz targets (clang with its libFuzzer and sanitizer
# runtimes), the Python module (pybind11 and Python's headers to build it,
# pytest to test it under /usr/bin/python3) and the web page (Debian's
# emscripten to compile the library to WebAssembly, chromium for the browser
# tests, Python's static server) and the simulator models' tests (ngspice) need.
# Quick when everything is already there: it only calls apt-get for what is missing.
#
# --python-examples also installs what the Python module's example scripts
# plot with (python3-matplotlib, some 40 packages with NumPy and SciPy); the
# build and the tests do not need it.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-wqy-microhei imagemagick poppler-utils
  locales
  dpkg-dev file lintian
  xdotool
  clang libclang-rt-14-dev
  pybind11-dev python3-dev python3-pytest
  emscripten chromium python3
  ngspice
)
case "${1:-}" in
  "") ;;
  --python-examples) packages+=(python3-matplotlib) ;;
  *) echo "usage: install-deps.sh [--python-examples]" >&2; exit 64 ;;
esac
# The page's npm packages (web/package-lock.json, installed by scripts/npm-ci.sh)
# need Node.js 20 or later with npm. A machine that has a Node.js of its own keeps
# it; one without gets Debian's.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi

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
