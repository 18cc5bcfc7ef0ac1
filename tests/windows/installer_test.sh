#!/bin/sh
# The installer in the tests' Wine prefix: a silent install for the user (no administrator),
# the installed program starts, the uninstaller is registered and leaves nothing behind; the
# portable zip holds the same files.
#   installer_test.sh WINE_RUN WINESERVER PREFIX SETUP_EXE ZIP
set -eu
wine_run=$1 wineserver=$2 prefix=$3 setup=$4 zip=$5
fail() { echo "installer_test: $*" >&2; exit 1; }

user_dir=$(ls -d "$prefix"/drive_c/users/*/AppData | grep -v /Public/ | head -n 1)
[ -n "$user_dir" ] || fail "no user profile in $prefix"
install_dir="$user_dir/Local/Programs/Anglarix"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Anglarix'
# Every file of the user's profile but the scratch folders, where the uninstaller's copy of
# itself stays until Windows restarts.
profile_files() { (cd "$user_dir/.." && find . -path ./Temp -prune -o -path ./AppData/Local/Temp -prune -o -print | sort); }
before=$(mktemp) after=$(mktemp)
trap 'rm -f "$before" "$after"' EXIT
profile_files > "$before"

"$wine_run" "$setup" /S
for f in anglarix-calc.exe anglarix.exe LICENSE.txt README.txt uninstall.exe; do
  [ -f "$install_dir/$f" ] || fail "$f is not installed in $install_dir"
done
ls "$user_dir"/Roaming/Microsoft/Windows/Start\ Menu/Programs/Anglarix*.lnk > /dev/null ||
  fail "no Start-menu entry"
"$wine_run" reg query "$key" /v UninstallString | grep -q 'uninstall.exe' || fail "no uninstaller registered"

version=$("$wine_run" "$install_dir/anglarix-calc.exe" --version | head -n 1 | tr -d '\r')
case $version in "anglarix-calc (Anglarix) "*) ;; *) fail "the installed program says '$version'" ;; esac
[ "$("$wine_run" "$install_dir/anglarix-calc.exe" 'sin(30)')" = 0.499999999987 ] || fail "the installed program does not calculate"

# The uninstaller runs from a copy of itself in the scratch folder and returns at once.
"$wine_run" "$install_dir/uninstall.exe" /S
for _ in $(seq 150); do
  [ -d "$install_dir" ] || break
  sleep 0.2
done
[ ! -d "$install_dir" ] || fail "the uninstaller left $(ls "$install_dir")"
! "$wine_run" reg query "$key" > /dev/null 2>&1 || fail "the uninstaller left its registry key"
profile_files > "$after"
diff "$before" "$after" > /dev/null || fail "the uninstaller left: $(diff "$before" "$after" | grep '^>')"

listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
name=$(basename "$zip" .zip)
for f in anglarix-calc.exe anglarix.exe LICENSE.txt README.txt; do
  case " $listing" in *" $name/$f "*) ;; *) fail "$f is not in the zip: $listing" ;; esac
done
echo "installer_test: installed, started, uninstalled; the zip holds $listing"
