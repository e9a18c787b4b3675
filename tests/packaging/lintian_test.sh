#!/usr/bin/env bash
# Builds the Debian package from a finished build directory and holds it to
# lintian: no error, no warning, no hardening tag at any level, the files
# Debian policy asks for in place, the help pages where the Help menu looks for
# them (../share/zovamagnetic/help/ from /usr/bin), and the Qt libraries among its
# dependencies.
# Usage: lintian_test.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)

contents=$(dpkg-deb -c "$deb")
for file in usr/share/doc/zovamagnetic/copyright usr/share/doc/zovamagnetic/changelog.Debian.gz \
            usr/share/man/man1/zovamagnetic.1.gz usr/share/man/man1/zovamagnetic-cli.1.gz \
            usr/share/zovamagnetic/help/help.html usr/share/zovamagnetic/help/help-en.html \
            usr/share/zovamagnetic/help/style.css; do
  grep -q " \./$file\$" <<<"$contents" || { echo "missing from the package: $file"; exit 1; }
done

# The charts and their SVG export come from Debian's Qt packages; the Python
# module from the python3 it was built for.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6charts6 libqt6svg6 "python3 (>= "; do
  grep -qF "$package" <<<"$depends" || { echo "the package does not depend on $package: $depends"; exit 1; }
done

# The module in Debian's Python path, with its stubs, imported from the
# package's (stripped) files by Debian's python3.
site=usr/lib/python3/dist-packages/zovamagnetic
for file in $site/__init__.py $site/__init__.pyi $site/py.typed; do
  grep -q " \./$file\$" <<<"$contents" || { echo "missing from the package: $file"; exit 1; }
done
grep -q " \./$site/_zovamagnetic\.cpython-.*\.so\$" <<<"$contents" || { echo "missing from the package: the module's native part"; exit 1; }
dpkg-deb -x "$deb" "$out/root"
PYTHONPATH="$out/root/usr/lib/python3/dist-packages" PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c '
import zovamagnetic
assert zovamagnetic.select(10, 100)[0]["partNo"] == "KTA092060"
' || { echo "the packaged Python module does not work"; exit 1; }

status=0
report=$(lintian -I --tag-display-limit 0 --fail-on error,warning "$deb" 2>&1) || status=$?
echo "$report"
if ((status != 0)); then echo "lintian failed ($status)"; exit 1; fi
if grep -q "hardening-" <<<"$report"; then echo "hardening flags missing"; exit 1; fi
echo "lintian: no error, no warning"
