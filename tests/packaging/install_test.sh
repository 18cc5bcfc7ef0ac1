#!/usr/bin/env bash
# make install's contract: everything under DESTDIR + PREFIX, both programs in one bindir,
# stripped, the manual pages and the desktop files beside them, and the programs run from there.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=/opt/anglarix-test

DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" --strip >/dev/null
root="$stage$prefix"
status=0
fail() { echo "FAIL: $*"; status=1; }
expect() { [ -e "$root/$1" ] || fail "missing $1"; }

for f in bin/anglarix bin/anglarix-calc share/man/man1/anglarix.1.gz share/man/man1/anglarix-calc.1.gz \
         share/applications/org.anglarix.Anglarix.desktop share/metainfo/org.anglarix.Anglarix.metainfo.xml; do
  expect "$f"
done
for size in 16 24 32 48 64 128 256; do
  icon="$root/share/icons/hicolor/${size}x$size/apps/org.anglarix.Anglarix.png"
  file -b "$icon" 2>/dev/null | grep -q "PNG image data, $size x $size," || fail "no $size px icon"
done
expect share/icons/hicolor/scalable/apps/org.anglarix.Anglarix.svg
for program in anglarix anglarix-calc; do
  if file -b "$root/bin/$program" | grep -q 'not stripped'; then fail "$program is not stripped"; fi
done
outside=$(find "$stage" -type f -not -path "$root/*")
[ -z "$outside" ] || fail "installed outside the prefix: $outside"
[ "$("$root/bin/anglarix-calc" '2^10')" = 1024 ] || fail "the installed anglarix-calc"
"$root/bin/anglarix" --version | grep -q '^License: MIT$' || fail "the installed anglarix"
"$root/bin/anglarix" --help | grep -q '^Usage: anglarix' || fail "anglarix --help"
if "$root/bin/anglarix" --bogus 2>/dev/null; [ $? -ne 2 ]; then fail "anglarix --bogus is not refused with 2"; fi
expect share/locale/zh/LC_MESSAGES/anglarix-calc.mo
exit $status
