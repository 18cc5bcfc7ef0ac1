#!/usr/bin/env bash
# The window as a screen reader sees it: on an Xvfb server of its own with a private D-Bus
# session (and the AT-SPI bus it starts on demand), run anglarix with accessibility on and walk
# its tree from Python (atspi_tree.py). Exits 77 (skipped) when a tool is missing.
set -u
anglarix=${1:?usage: atspi_tree_test.sh path/to/anglarix}
python=/usr/bin/python3  # the system's, which has the pyatspi bindings

for tool in Xvfb xprop dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

if [ -z "${ANGLARIX_INSIDE_DBUS:-}" ]; then
  # Xvfb picks a free display itself, so that X tests running at the same time never meet.
  # -noreset: the AT-SPI daemons come and go as clients, and a server resetting between them
  # can refuse the program's connection.
  display_file=$(mktemp)
  xvfb=
  trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
  # A server that reports its display but takes no client (its socket lost to a server that
  # was ending on the same number) is started again, up to three times.
  for attempt in 1 2 3; do
    : >"$display_file"
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do
      [ -s "$display_file" ] && break
      sleep 0.1
    done
    if [ -s "$display_file" ]; then
      export DISPLAY=":$(head -n 1 "$display_file")"
      for _ in $(seq 50); do
        xprop -root >/dev/null 2>&1 && break 2
        sleep 0.1
      done
    fi
    echo "Xvfb attempt $attempt took no client"
    kill $xvfb 2>/dev/null
    wait $xvfb 2>/dev/null
  done
  xprop -root >/dev/null 2>&1 || { echo "FAIL: Xvfb did not start"; exit 1; }
  export ANGLARIX_INSIDE_DBUS=1
  # The session bus, and the AT-SPI bus it starts on demand, end with the walk.
  dbus-run-session -- "$0" "$anglarix"
  exit
fi

export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=1  # Python's own GTK bindings, if loaded, stay off the bus
unset QT_SCALE_FACTOR
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/x_client.lsan.supp"
# The script ends the program itself; the timeout is for a hang in the bus.
exec timeout -k 5 90 "$python" "$(dirname "$0")/atspi_tree.py" "$anglarix"
