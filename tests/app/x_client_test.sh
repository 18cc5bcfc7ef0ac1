#!/usr/bin/env bash
# A real X client run of anglarix: on an Xvfb server, type into the edit boxes and click the
# buttons with xdotool where they are on screen, read the result boxes back through the
# clipboard (select all, copy, xclip) and compare; close with Escape and expect status 0.
# Exits 77 (skipped) when Xvfb or the tools are missing.
set -u
anglarix=${1:?usage: x_client_test.sh path/to/anglarix}

for tool in xvfb-run Xvfb xdotool xclip xauth; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

if [ -z "${ANGLARIX_INSIDE_XVFB:-}" ]; then
  export ANGLARIX_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$anglarix"
fi

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR
# Only read by a sanitizer build; later settings override earlier ones.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/x_client.lsan.supp"
failures=0

"$anglarix" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT

source "$(dirname "$0")/x_units.sh"
if ! find_window; then
  echo "FAIL: the window did not appear"
  exit 1
fi

expect() {
  local actual
  actual=$(read_box "$1")
  if [ "$actual" = "$2" ]; then
    echo "ok: $1 = $2"
  else
    echo "FAIL: $1 = '$actual', expected '$2'"
    failures=$((failures + 1))
  fi
}

type_into edit1 1; type_into edit9 2; click button1
expect edit2 30.00000000086
type_into edit4 1; type_into edit8 1; click button2
expect edit3 45.00000000129
type_into edit6 1; type_into edit7 2; click button3
expect edit5 59.99999999914
type_into edit10 '2*sin(30)'; click button4
expect edit11 0.999999999974
type_into edit10 'ｓｉｎ（３０）'; click button4  # full-width, as a Chinese input method types it
expect edit11 0.499999999987
type_into edit12 30; type_into edit13 1; click button5
expect edit18 1
expect edit17 2.000000000052
expect edit16 1.732050807629

xdotool key --clearmodifiers Escape
status=
for _ in $(seq 50); do
  if ! kill -0 $pid 2>/dev/null; then
    wait $pid
    status=$?
    break
  fi
  sleep 0.1
done
trap - EXIT
if [ "$status" != 0 ]; then
  echo "FAIL: Escape ended the program with status '${status:-still running}', expected 0"
  kill $pid 2>/dev/null
  failures=$((failures + 1))
else
  echo "ok: Escape closed the window, status 0"
fi
[ $failures -eq 0 ]
