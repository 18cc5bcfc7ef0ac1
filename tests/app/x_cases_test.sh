#!/usr/bin/env bash
# The frame's shared cases (tests/cases/frame.cases) on the Linux window, a real X client on
# Xvfb with a window manager, driven with a real pointer by tests/app/x_cases.sh.
# Exits 77 (skipped) when Xvfb or the tools are missing.
set -u
anglarix=${1:?usage: x_cases_test.sh path/to/anglarix TEMPLATE.bin}
template=${2:?usage: x_cases_test.sh path/to/anglarix TEMPLATE.bin}
here=$(cd "$(dirname "$0")" && pwd)

source "$here/x_units.sh"
source "$here/x_cases.sh"
enter_x "$0" "$anglarix" "$template"
failures=0
start_window_manager
variant_dir=$(mktemp -d)
trap 'kill $pid $wm_pid 2>/dev/null; rm -rf "$variant_dir"' EXIT

start_program() {
  QT_SCALE_FACTOR=${scale:-1} "$anglarix" &
  pid=$!
  find_window
}
start_variant_program() {
  python3 "$here/../cases/variant.py" "$anglarix" "$template" "$variant_dir/anglarix" "$@" || return 1
  "$variant_dir/anglarix" &
  pid=$!
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
# A note at twice the size stands beside its box as whole, and no more over the pointer.
scale=2 replay_cases "$here/../cases/frame.cases" 'note|working'
[ $failures -eq 0 ]
