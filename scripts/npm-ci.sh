#!/usr/bin/env bash
# Installs web/node_modules exactly as web/package-lock.json pins it (npm ci),
# unless it already is: a stamp keeps the lock file's checksum.
set -euo pipefail
cd "$(dirname "$0")/../web"
sum=$(sha256sum package-lock.json | cut -d' ' -f1)
stamp=node_modules/.installed-lock-sha256
if [[ -f $stamp && $(cat "$stamp") == "$sum" ]]; then
  exit 0
fi
npm ci --no-audit --no-fund
echo "$sum" > "$stamp"
