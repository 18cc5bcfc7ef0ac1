# Sourced by the tests and scripts that drive the window on X: where the main window's boxes
# and buttons are, how to type into, click and read them with xdotool and xclip, and the
# window manager they run under.
# Needs: window (the X window id), origin_x, origin_y (its client area's top-left corner on the
# screen) and optionally scale (the Qt scale factor the program runs at, default 1), and counts
# failures in failures.

# Unit places in the window's client area, in logical pixels: left top width height.
declare -A place=(
  [edit1]="70 12 71 21"    [edit9]="70 39 71 21"    [edit2]="70 66 71 21"    [button1]="34 93 84 29"
  [edit4]="243 12 71 21"   [edit8]="243 39 71 21"   [edit3]="243 67 71 21"   [button2]="202 93 84 29"
  [edit6]="396 12 71 21"   [edit7]="396 39 71 21"   [edit5]="396 66 71 21"   [button3]="363 93 84 29"
  [edit10]="77 205 115 21" [edit11]="352 205 115 21" [button4]="206 206 64 21"
  [edit12]="62 272 112 21" [edit13]="62 304 112 21" [edit15]="62 336 112 21" [edit14]="62 368 112 21"
  [edit18]="352 296 112 21" [edit17]="352 328 112 21" [edit16]="352 360 112 21" [button5]="203 320 64 24"
)

# For a test of the Linux window on X: skips (77) when a tool is missing; outside Xvfb, runs the
# calling script (its path and arguments given) again inside a new server with a 1280 x 1024
# screen; inside, sets Qt for X and the sanitizer's suppressions of the X libraries.
enter_x() {
  local tool
  for tool in xvfb-run Xvfb xdotool xclip xauth openbox xprop xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
  done
  if [ -z "${ANGLARIX_INSIDE_XVFB:-}" ]; then
    export ANGLARIX_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
  fi
  export QT_QPA_PLATFORM=xcb
  unset QT_SCALE_FACTOR
  # Only read by a sanitizer build; later settings override earlier ones.
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/x_client.lsan.supp"
}

# Starts openbox (wm_pid) and waits until it manages the screen, so that the window is framed
# and placed as on a desktop.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
}

# Finds the calculator's window and its place on the screen.
find_window() {
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Anglarix$' | head -n 1)
  [ -n "$window" ] || return 1
  sleep 0.5
  # xwininfo, not xdotool, which counts a window manager's frame twice.
  local info
  info=$(xwininfo -id "$window")
  origin_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  origin_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
}

# Moves the pointer to a screen point and waits until it is there. xdotool's wait is for a move,
# and lasts 15 s when the pointer is there already, so the pointer steps beside it first.
move_to() {
  xdotool mousemove "$(($1 + 1))" "$2" mousemove --sync "$1" "$2"
}

click() {
  local left top width height s=${scale:-1}
  read -r left top width height <<<"${place[$1]}"
  local x y
  x=$(awk -v o="$origin_x" -v l="$left" -v w="$width" -v s="$s" 'BEGIN { printf "%d", o + (l + w / 2) * s }')
  y=$(awk -v o="$origin_y" -v t="$top" -v h="$height" -v s="$s" 'BEGIN { printf "%d", o + (t + h / 2) * s }')
  move_to "$x" "$y"
  xdotool click 1
  sleep 0.1
}

type_into() {
  click "$1"
  xdotool key --clearmodifiers ctrl+a BackSpace
  xdotool type --delay 20 -- "$2"
  sleep 0.1
}

read_box() {
  click "$1"
  # xclip stays behind to serve the empty text until the client copies; an empty box copies
  # nothing, and a command substitution would wait for it on its output for good.
  printf '' | xclip -selection clipboard >/dev/null
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard 2>/dev/null
}

# The frame the window manager drew, centred on the 1280 x 1024 screen within a pixel, and up
# and down within [slack] more (Wine centres by a caption it sizes at the DPI; the window
# manager draws its own).
frame_centred() {
  local slack=${1:-0} left right top bottom x y width height info
  # A busy window manager frames the window a moment after it shows.
  for _ in $(seq 50); do
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
    [ -n "$left" ] && break
    sleep 0.1
  done
  info=$(xwininfo -id "$window")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  width=$(sed -n 's/.*Width: *//p' <<<"$info")
  height=$(sed -n 's/.*Height: *//p' <<<"$info")
  if [ -z "$left" ] || [ -z "$x" ]; then
    echo "FAIL: no frame extents or place for the window"
    failures=$((failures + 1))
    return
  fi
  local dx=$((2 * (x - left) + width + left + right - 1280)) dy=$((2 * (y - top) + height + top + bottom - 1024))
  if [ ${dx#-} -le 2 ] && [ ${dy#-} -le $((2 + 2 * slack)) ]; then
    echo "ok: the frame is centred (off by $dx/2, $dy/2)"
  else
    echo "FAIL: the frame is off centre by $dx/2, $dy/2 pixels (client $x,$y ${width}x$height, frame $left $right $top $bottom)"
    failures=$((failures + 1))
  fi
}
