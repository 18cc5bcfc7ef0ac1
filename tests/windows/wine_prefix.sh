#!/bin/sh
# Makes the Wine prefix the Windows tests run in, once per test run: a server left by an
# earlier run is stopped, the old prefix removed, and a new one set up. The server then stays
# up while the tests start their programs, and goes a minute after the last one ends.
#   wine_prefix.sh PREFIX WINE64 WINESERVER
set -eu
prefix=$1 wine64=$2 wineserver=$3
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
if [ -d "$prefix" ]; then "$wineserver" -k 2>/dev/null && "$wineserver" -w || true; fi
rm -rf "$prefix"
mkdir -p "$prefix"
"$wineserver" -p60 </dev/null >/dev/null 2>&1
"$wine64" wineboot --init >/dev/null 2>&1
