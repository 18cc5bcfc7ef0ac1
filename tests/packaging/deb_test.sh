#!/usr/bin/env bash
# The Debian package as a user gets it: its Depends, and its programs run from an unpacked root.
set -euo pipefail
deb=${1:?usage: deb_test.sh PACKAGE.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-wqy-zenhei libjpeg62-turbo libqt6widgets6 libc6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed"
done

dpkg-deb -x "$deb" "$root"
[ "$("$root/usr/bin/anglarix-calc" 'sin(30)' '2*tg(30)+1')" = $'0.499999999987\n2.154700538339' ] ||
  fail "anglarix-calc from the package"
"$root/usr/bin/anglarix" --version | grep -q '^anglarix (Anglarix) ' || fail "anglarix --version from the package"
[ -f "$root/usr/share/doc/anglarix/copyright" ] || fail "no copyright file"
[ -f "$root/usr/share/locale/zh/LC_MESSAGES/anglarix-calc.mo" ] || fail "no Chinese messages"
exit $status
