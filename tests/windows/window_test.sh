#!/usr/bin/env bash
# anglarix.exe under Wine on an Xvfb server with a window manager, driven from outside as the
# Linux window is: a fresh window against the golden picture, and its focus kept while another
# window comes and goes; then the X client test itself (the end-to-end rows, the Tab order,
# Enter, Escape and status 0) with the full-width text pasted, since Wine rereads its key map
# for each remapped key; then the window at 96, 144 and 192 DPI (centred, its notes whole and
# at its factor), and a megabyte and 4 MB in the expression box. Given `cases`, the frame's
# shared cases with a real pointer instead (tests/app/x_cases.sh), a fresh program for each.
# The Wine server starts inside the X display (its desktop takes that screen) and is stopped at
# the end, so the test runs alone in the prefix.
#   window_test.sh WINE_RUN WINESERVER PREFIX ANGLARIX_EXE GOLDEN_PNG OUT_DIR [cases]
# Exits 77 (skipped) when Xvfb or the tools are missing.
set -u
wine_run=$1 wineserver=$2 prefix=$3 exe=$4 golden=$5 out_dir=$6 part=${7:-window}
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run Xvfb xdotool xclip xauth openbox xprop xwininfo xmessage python3; do
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
failures=0 pid=

source "$here/../app/x_units.sh"
source "$here/../app/x_cases.sh"
start_window_manager
start_program() {
  "$launcher" &
  pid=$!
  find_window
}
# A variant of the built-in template, as the build wrote it beside the program.
start_variant_program() {
  python3 "$here/../cases/variant.py" "$exe" "$(dirname "$exe")/program/data/MainWindowTemplate.bin" \
    "$out_dir/anglarix-variant.exe" "$@" || return 1
  "$wine_run" "$out_dir/anglarix-variant.exe" &
  pid=$!
}
# The next program's window is not to be taken for this one's, still going.
stop_program() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  for _ in $(seq 50); do
    xwininfo -id "$window" >/dev/null 2>&1 || break
    sleep 0.1
  done
}
# Wine shows a tip as a window of its own on the root; a hidden one keeps its window, unmapped
# or shrunk to 1 x 1.
note_windows() {
  local id info x y width height
  xwininfo -root -children | grep '"anglarix.exe"' | while read -r id _; do
    [ $((id)) -eq $((window)) ] && continue
    info=$(xwininfo -id "$id" 2>/dev/null) || continue
    grep -q 'Map State: IsViewable' <<<"$info" || continue
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    width=$(sed -n 's/.*Width: *//p' <<<"$info")
    height=$(sed -n 's/.*Height: *//p' <<<"$info")
    [ "$width" -gt 1 ] && [ "$height" -gt 1 ] && echo "$x $y $width $height"
  done
}
trap 'kill $pid $wm_pid 2>/dev/null; stop_wine' EXIT

if [ "$part" = cases ]; then
  replay_cases "$here/../cases/frame.cases"
  [ $failures -eq 0 ]
  exit
fi

started=$(date +%s%N)
if ! start_program; then
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

# Another window comes to the front and goes: the box Tab reached keeps the focus, so what is
# typed next replaces its text instead of going nowhere.
click edit9
xdotool type --delay 20 -- x
click edit1
xdotool key --clearmodifiers Tab
xmessage -geometry +0+0 elsewhere &
other=$!
xdotool windowactivate --sync "$(xdotool search --sync --onlyvisible --name '^xmessage$' | head -n 1)"
xdotool windowactivate --sync "$window"
xdotool type --delay 20 -- y
kill $other
if [ "$(read_box edit9)" = y ]; then
  echo "ok: the box Tab reached has the focus again after another window"
else
  echo "FAIL: a key typed after another window came and went did not reach the box Tab reached"
  failures=$((failures + 1))
fi
stop_program
kill $wm_pid 2>/dev/null
trap 'stop_wine' EXIT

ANGLARIX_X_WIDE_BY_CLIPBOARD=1 "$here/../app/x_client_test.sh" "$launcher" || failures=$((failures + 1))

# The blank columns between a tip's text and its right border (x y width height on the screen).
# The tip draws its text 3 px inside the border and cuts it there, so a glyph that ran past the
# room the tip measured leaves ink in that last column.
ink_margin() {
  python3 - "$here" "$out_dir/screen/Xvfb_screen0" "$@" <<'EOF'
import sys
sys.path.insert(0, sys.argv[1])
from screenshot_compare import read_xwd
x, y, width, height = map(int, sys.argv[3:7])
rows = read_xwd(sys.argv[2], x, y, width, height)
inside = rows[2][6:9]
last = max((c for c in range(1, width - 1) for r in rows[1:-1] if r[3 * c:3 * c + 3] != inside), default=0)
print(width - 1 - last)
EOF
}
# At 96, 144 and 192 DPI (Wine's LogPixels) the window opens centred and a note's text is at
# the window's factor; at 96, where the stand-in font's bitmaps draw wider than GDI measures
# them, the notes that lost the end of a line ("除以 0 或过小的数" its 数, the expression box's
# 用, Sin(30)'s "/") show their whole text. The prefix is left at 96 for the tests after this.
set_dpi() { "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'kill $pid $wm_pid 2>/dev/null; stop_wine; set_dpi 96; stop_wine' EXIT
start_window_manager
for dpi in 96 144 192; do
  stop_wine
  set_dpi $dpi
  if ! start_program; then
    echo "FAIL: the window did not appear at $dpi DPI"
    failures=$((failures + 1))
    continue
  fi
  scale=$(awk -v d=$dpi 'BEGIN { print d / 96 }')
  echo "at $dpi DPI:"
  frame_centred $(((dpi - 96) * 20 / 96))
  read -r left top _ <<<"${place[edit10]}"
  move_to "$(awk -v o="$origin_x" -v l="$left" -v s="$scale" 'BEGIN { printf "%d", o + (l + 8) * s }')" \
    "$(awk -v o="$origin_y" -v t="$top" -v s="$scale" 'BEGIN { printf "%d", o + (t + 8) * s }')"
  for note in hover 'Sin(30)' 1/0; do
    if [ "$note" != hover ]; then
      type_into edit10 "$note"
      for _ in $(seq 30); do
        [ -z "$(note_windows)" ] && break
        sleep 0.1
      done
      click button4
    fi
    for _ in $(seq 50); do
      [ -n "$(note_windows)" ] && break
      sleep 0.1
    done
    sleep 0.3  # placed again once its size is known
    height=
    read -r x y width height < <(note_windows | head -n 1)
    if [ -z "$height" ]; then
      echo "FAIL: no note for $note at $dpi DPI"
      failures=$((failures + 1))
      continue
    fi
    margin=$(ink_margin "$x" "$y" "$width" "$height")
    echo "  the note for $note is ${width}x$height, its text $margin px from its border"
    # A line's note is 23 px high at 96 DPI.
    if [ "$note" = 1/0 ] && [ "$height" -lt $((23 * dpi * 8 / 960)) ]; then
      echo "FAIL: the note's text is not at the window's factor ($height px high at $dpi DPI)"
      failures=$((failures + 1))
    fi
    if [ "$dpi" = 96 ] && [ "$margin" -le 3 ]; then
      echo "FAIL: the note for $note lost the end of a line (ink in its text's last column)"
      failures=$((failures + 1))
    fi
  done
  stop_program
done
unset scale

# A megabyte pasted into the expression box is evaluated whole (the control's default limit cut
# it to 30,000 characters: 15000 for 524288), and a key typed at the end of 4 MB takes well
# under 100 ms (the control analysed its whole line again at each key, 3.5 s at 30,000
# characters; a megabyte's paste never ended).
stop_wine
set_dpi 96
start_program
type_into edit12 5
# Reads back the small box, so that what was sent before has been taken; a window that has not
# answered in 30 s has stalled.
stalled=
settled() {
  click edit12
  printf '' | xclip -selection clipboard
  xdotool key --clearmodifiers ctrl+a ctrl+c
  for _ in $(seq 1500); do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = 5 ] && return
    sleep 0.02
  done
  stalled=1
}
paste_into() {
  python3 -c "import sys; sys.stdout.write(sys.argv[1] * int(sys.argv[2]) + sys.argv[3])" "$2" "$3" "$4" |
    xclip -selection clipboard
  sleep 0.5  # the client learns of the new owner in its own time
  click "$1"
  xdotool key --clearmodifiers ctrl+a ctrl+v
  settled
}
paste_into edit10 '1+' 524287 1
click button4
settled
answer=$(read_box edit11)
if [ "$answer" = 524288 ]; then
  echo "ok: a megabyte's sum is evaluated whole: $answer"
else
  echo "FAIL: a megabyte's sum of 1s gave '$answer', not 524288"
  failures=$((failures + 1))
fi
paste_into edit10 '1+' 2097152 ''
now() { date +%s%N; }
type_at_end() {
  click edit10
  xdotool key --clearmodifiers End
  [ -z "$1" ] || xdotool type --delay 0 -- "$1"
  settled
}
started=$(now)
type_at_end ''
settling=$(($(now) - started))
started=$(now)
type_at_end 11111111111111111111
per_key=$(awk -v t=$(($(now) - started - settling)) 'BEGIN { printf "%.1f", t / 20e6 }')
click edit10
printf '' | xclip -selection clipboard
xdotool key --clearmodifiers ctrl+a ctrl+c
length=0
for _ in $(seq 100); do
  length=$(xclip -o -selection clipboard 2>/dev/null | wc -c)
  [ "$length" -gt 0 ] && break
  sleep 0.1
done
echo "a key at the end of 4 MB took about $per_key ms; the box holds $length characters"
if [ -n "$stalled" ] || awk -v t="$per_key" 'BEGIN { exit !(t >= 100) }' || [ "$length" != $((4194304 + 20)) ]; then
  echo "FAIL: typing into 4 MB: $per_key ms a key (under 100 wanted), $length characters ($((4194304 + 20)) wanted)${stalled:+, the window stalled}"
  failures=$((failures + 1))
fi
stop_program
[ $failures -eq 0 ]
