#!/bin/sh
# The installer in the tests' Wine prefix: a silent install for the user (no administrator),
# the installed program starts, the uninstaller is registered and leaves nothing behind; while
# an installed program runs, a silent upgrade and a silent uninstall stop with status 3 and say
# why, changing nothing; the portable zip holds the same files.
#   installer_test.sh WINE_RUN WINESERVER PREFIX SETUP_EXE ZIP
set -eu
wine_run=$1 wineserver=$2 prefix=$3 setup=$4 zip=$5
fail() { echo "installer_test: $*" >&2; exit 1; }

user_dir=$(ls -d "$prefix"/drive_c/users/*/AppData | grep -v /Public/ | head -n 1)
[ -n "$user_dir" ] || fail "no user profile in $prefix"
install_dir="$user_dir/Local/Programs/Anglarix"
keys='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
key="$keys\\Anglarix"
# Every file of the user's profile but the scratch folders, where the uninstaller's copy of
# itself stays until Windows restarts.
profile_files() { (cd "$user_dir/.." && find . -path ./Temp -prune -o -path ./AppData/Local/Temp -prune -o -print | sort); }
scratch=$(mktemp -d)
before=$scratch/before after=$scratch/after
trap 'exec 3>&-; rm -rf "$scratch"' EXIT
profile_files > "$before"
"$wine_run" reg query "$keys" > /dev/null 2>&1 && had_keys=1 || had_keys=0

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

# The command line answering from the installed folder (the window needs a display) holds its
# program file, as a running window does. The uninstaller runs in place (_?=) to return its own
# status.
mkfifo "$scratch/in"
"$wine_run" "$install_dir/anglarix-calc.exe" < "$scratch/in" > "$scratch/out" 2>&1 &
exec 3> "$scratch/in"
echo '1+1' >&3
for _ in $(seq 100); do
  grep -q '^2' "$scratch/out" && break
  sleep 0.2
done
grep -q '^2' "$scratch/out" || fail "the installed command line did not answer: $(cat "$scratch/out")"
win_dir=$("$wine_run" winepath -w "$install_dir" | tr -d '\r')
refuses() {  # NAME COMMAND...
  local name=$1 status=0
  shift
  "$wine_run" "$@" 2> "$scratch/said" || status=$?
  [ "$status" = 3 ] || fail "the $name with a program running ended with status $status, not 3"
  grep -q 'anglarix-calc.exe is running' "$scratch/said" || fail "the $name did not say why: $(cat "$scratch/said")"
  "$wine_run" reg query "$key" /v UninstallString > /dev/null 2>&1 || fail "the $name removed the registration"
  [ -f "$install_dir/anglarix.exe" ] || fail "the $name removed the program"
}
refuses installer "$setup" /S
refuses uninstaller "$install_dir/uninstall.exe" /S "_?=$win_dir"
exec 3>&-
wait

# The uninstaller runs from a copy of itself in the scratch folder and returns at once.
"$wine_run" "$install_dir/uninstall.exe" /S
for _ in $(seq 150); do
  [ -d "$install_dir" ] || break
  sleep 0.2
done
[ ! -d "$install_dir" ] || fail "the uninstaller left $(ls "$install_dir")"
! "$wine_run" reg query "$key" > /dev/null 2>&1 || fail "the uninstaller left its registry key"
[ $had_keys = 1 ] || ! "$wine_run" reg query "$keys" > /dev/null 2>&1 || fail "the uninstaller left an empty $keys"
profile_files > "$after"
diff "$before" "$after" > /dev/null || fail "the uninstaller left: $(diff "$before" "$after" | grep '^>')"

listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
name=$(basename "$zip" .zip)
for f in anglarix-calc.exe anglarix.exe LICENSE.txt README.txt; do
  case " $listing" in *" $name/$f "*) ;; *) fail "$f is not in the zip: $listing" ;; esac
done
echo "installer_test: installed, started, uninstalled; the zip holds $listing"
