#!/usr/bin/env bash
# anglarix.exe under Wine on an Xvfb server with a window manager, driven from outside as the
# X client test drives the Linux window: first a fresh window against the golden picture and a
# note after an empty result (shown under its box, gone when an input of its group changes),
# then the X client test itself (the end-to-end rows, the Tab order, Enter, Escape and status 0)
# with the full-width text pasted, since Wine rereads its key map for each remapped key.
# The Wine server starts inside the X display (its desktop takes that screen) and is stopped at
# the end, so the test runs alone in the prefix.
#   window_test.sh WINE_RUN WINESERVER PREFIX ANGLARIX_EXE GOLDEN_PNG OUT_DIR
# Exits 77 (skipped) when Xvfb or the tools are missing.
set -u
wine_run=$1 wineserver=$2 prefix=$3 exe=$4 golden=$5 out_dir=$6
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run Xvfb xdotool xclip xauth openbox xprop xwininfo python3; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

if [ -z "${ANGLARIX_INSIDE_XVFB:-}" ]; then
  mkdir -p "$out_dir/screen"
  export ANGLARIX_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -fbdir $out_dir/screen" "$0" "$@"
fi

export WINEPREFIX="$prefix"
stop_wine() { "$wineserver" -k 2>/dev/null; "$wineserver" -w 2>/dev/null; }
stop_wine
launcher="$out_dir/anglarix-wine"
printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$wine_run" "$exe" >"$launcher"
chmod +x "$launcher"
failures=0

source "$here/../app/x_units.sh"
start_window_manager
started=$(date +%s%N)
"$launcher" &
pid=$!
trap 'kill $pid $wm_pid 2>/dev/null; stop_wine' EXIT
if ! find_window; then
  echo "FAIL: the window did not appear"
  exit 1
fi
echo "the window showed $(( ($(date +%s%N) - started) / 1000000 )) ms after the start (with Wine's own)"

xdotool mousemove --sync 1 1
sleep 0.3
if python3 "$here/screenshot_compare.py" "$out_dir/screen/Xvfb_screen0" "$origin_x" "$origin_y" "$golden" \
    "$out_dir/anglarix-wine.png"; then
  echo "ok: the window matches the golden picture"
else
  echo "FAIL: the window is too far from the golden picture (see $out_dir/anglarix-wine.png)"
  failures=$((failures + 1))
fi

# The tips Wine shows as windows of their own on the root, sized; hidden ones are 1 x 1.
shown_tips() { xwininfo -root -children | grep '"anglarix.exe"' | grep -vc ' 1x1+'; }
note_check() {
  local expected=$1 what=$2 count
  for _ in $(seq 20); do
    count=$(shown_tips)
    [ "$count" = "$expected" ] && break
    sleep 0.1
  done
  if [ "$count" = "$expected" ]; then echo "ok: $what"; else echo "FAIL: $what ($count tips shown)"; failures=$((failures + 1)); fi
}
note_check 0 "no note before a click"
started=$(date +%s%N)
click button1
echo "a click with its note took $(( ($(date +%s%N) - started) / 1000000 )) ms (with xdotool's)"
xdotool mousemove --sync 1 1
note_check 1 "a note shows after an empty result"
type_into edit1 1
xdotool mousemove --sync 1 1
note_check 0 "the note goes when an input of its group changes"

kill $pid $wm_pid 2>/dev/null
wait $pid 2>/dev/null
trap 'stop_wine' EXIT

ANGLARIX_X_WIDE_BY_CLIPBOARD=1 "$here/../app/x_client_test.sh" "$launcher" || failures=$((failures + 1))
[ $failures -eq 0 ]
