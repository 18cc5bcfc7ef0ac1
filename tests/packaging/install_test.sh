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
expect() { if [ -e "$root/$1" ]; then echo "ok: $1"; else echo "FAIL: missing $1"; status=1; fi; }

for f in bin/anglarix bin/anglarix-calc share/man/man1/anglarix.1.gz share/man/man1/anglarix-calc.1.gz \
         share/applications/org.anglarix.Anglarix.desktop share/metainfo/org.anglarix.Anglarix.metainfo.xml; do
  expect "$f"
done
for program in anglarix anglarix-calc; do
  if file -b "$root/bin/$program" | grep -q 'not stripped'; then echo "FAIL: $program is not stripped"; status=1; fi
done
outside=$(find "$stage" -type f -not -path "$root/*")
[ -z "$outside" ] || { echo "FAIL: installed outside the prefix: $outside"; status=1; }
[ "$("$root/bin/anglarix-calc" '2^10')" = 1024 ] || { echo "FAIL: the installed anglarix-calc"; status=1; }
"$root/bin/anglarix" --version | grep -q '^License: MIT$' || { echo "FAIL: the installed anglarix"; status=1; }
exit $status
