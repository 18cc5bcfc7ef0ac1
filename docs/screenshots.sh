#!/usr/bin/env bash
# Makes the README's screenshots of the running calculator, at scale 1 and 2, on an Xvfb
# server: every group filled with an example and its button clicked, then the window captured;
# and one with a note showing why a result box stays empty.
# The offscreen picture of the freshly loaded window is the golden image the tests keep; the
# page's is the screenshot its chromium test took last.
#   docs/screenshots.sh build/faces/qt/app/anglarix
set -eu
anglarix=$(realpath "${1:?usage: docs/screenshots.sh path/to/anglarix}")
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${ANGLARIX_INSIDE_XVFB:-}" ]; then
  export ANGLARIX_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" "$0" "$anglarix"
fi
export QT_QPA_PLATFORM=xcb
source "$here/../tests/app/x_units.sh"

for scale in 1 2; do
  QT_SCALE_FACTOR=$scale "$anglarix" &
  pid=$!
  find_window
  type_into edit1 1;  type_into edit9 2;  click button1
  type_into edit4 1;  type_into edit8 1;  click button2
  type_into edit6 1;  type_into edit7 2;  click button3
  type_into edit10 '2*tg(30)+1'; click button4
  type_into edit12 30; type_into edit13 1; click button5
  click edit10
  xdotool mousemove 0 0
  sleep 0.5
  import -window "$window" "$here/anglarix-scale$scale.png"
  xdotool key --clearmodifiers Escape
  wait $pid
done
# A note at work: an expression without a value, the note under its result box.
scale=1
"$anglarix" &
pid=$!
find_window
type_into edit10 'sin(30)/0'; click button4
sleep 0.5
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
import -window root -crop "${size}+${origin_x}+${origin_y}" +repage "$here/anglarix-tip.png"
xdotool key --clearmodifiers Escape
wait $pid

cp "$here/../tests/forms/golden/main_window.png" "$here/main-window.png"
echo "written: $here/anglarix-scale1.png $here/anglarix-scale2.png $here/anglarix-tip.png $here/main-window.png"
# The page as chromium showed it in its test (make web-test), at zoom 1.
page="$here/../build-web/page_actual.png"
if [ -f "$page" ]; then
  cp "$page" "$here/page-chromium.png"
  echo "written: $here/page-chromium.png"
fi
# And on a phone (390 x 844, device scale 3), the first screen after the tables were tapped in.
if [ -f "${page%.png}_phone.png" ]; then
  cp "${page%.png}_phone.png" "$here/page-phone.png"
  echo "written: $here/page-phone.png"
fi
