#!/usr/bin/env bash
# The frame's shared cases (tests/cases/frame.cases) on the Linux window, a real X client on
# Xvfb with a window manager, driven with a real pointer by tests/app/x_cases.sh.
# Exits 77 (skipped) when Xvfb or the tools are missing.
set -u
anglarix=${1:?usage: x_cases_test.sh path/to/anglarix}
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run Xvfb xdotool xclip xauth openbox xprop xwininfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

if [ -z "${ANGLARIX_INSIDE_XVFB:-}" ]; then
  export ANGLARIX_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$anglarix"
fi

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/x_client.lsan.supp"
failures=0

source "$here/x_units.sh"
source "$here/x_cases.sh"
start_window_manager
trap 'kill $pid $wm_pid 2>/dev/null' EXIT

start_program() {
  "$anglarix" &
  pid=$!
  find_window
}
stop_program() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}
note_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Anglarix note$' 2>/dev/null); do
    xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
      /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
  done
}

replay_cases "$here/../cases/frame.cases"
[ $failures -eq 0 ]
