#!/usr/bin/env bash
# Builds the web page into build/web/ (the library compiled to WebAssembly by
# Debian's emscripten, the static files of web/, the charting library from
# web/node_modules) and serves it on http://127.0.0.1:8080/.
# Usage: scripts/web.sh [--build-only] [--port N]
set -euo pipefail
cd "$(dirname "$0")/.."

serve=1
port=8080
while (($#)); do
  case "$1" in
    --build-only) serve=0 ;;
    --port) port=$2; shift ;;
    *) echo "usage: scripts/web.sh [--build-only] [--port N]" >&2; exit 64 ;;
  esac
  shift
done

bash scripts/install-deps.sh
bash scripts/npm-ci.sh

# Debian's emcc runs its JavaScript tools with the node on PATH; a node that is
# not Debian's finds Debian's acorn only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
dir=build/wasm
if [[ ! -f $dir/build.ninja ]]; then
  emcmake cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
nice cmake --build "$dir" --target zovaweb

out=build/web
rm -rf "$out"
mkdir -p "$out/js" "$out/vendor"
cp web/index.html web/help.html web/help-en.html web/style.css web/icon.svg web/manifest.webmanifest "$out/"
cp web/js/*.mjs "$out/js/"
cp "$dir/web/zova.mjs" "$dir/web/zova.wasm" "$out/"
cp web/node_modules/echarts/dist/echarts.common.min.js "$out/vendor/"
# The page's own texts in every language, from the library's catalogue.
node web/tools/page-texts.mjs "$dir/web" "$out/js/texts.mjs"
# The service worker keeps every file for offline use, under a name that
# changes with their contents.
files=$(cd "$out" && find . -type f | sed 's|^\./||' | sort)
version=$(cd "$out" && sha256sum $files | sha256sum | cut -c1-16)
list=$(printf '"%s",' $files)
sed -e "s|__ZOVA_VERSION__|$version|" -e "s|\"__ZOVA_FILES__\"|${list%,}|" web/sw.js > "$out/sw.js"

echo "page built in $out:"
(cd "$out" && find . -type f -printf '%10s  %P\n' | sort -k2)
echo "$(du -cb "$out" --apparent-size | tail -1 | cut -f1) bytes in all"

if ((serve)); then
  echo "serving on http://127.0.0.1:$port/ (Ctrl+C ends)"
  # Debian's Python serves .wasm as application/wasm and .mjs as JavaScript.
  exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$out"
fi
