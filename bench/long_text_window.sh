#!/bin/bash
# The window under Xvfb with megabytes pasted into the focused expression box: the share of a
# core it takes over 10 s left alone, the CPU time of each of three keys and of a click
# elsewhere beyond that, and the resident memory after the paste and after clearing the box.
# Usage: bench/long_text_window.sh path/to/anglarix MEGABYTES [DISPLAY_NUMBER]
# Needs Xvfb, xdotool, xclip and xwininfo.
set -u
program=$1
megabytes=$2
display=${3:-57}
Xvfb :"$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:$display
"$program" >/dev/null 2>&1 &
app=$!
trap 'kill $app $xvfb 2>/dev/null' EXIT
source "$(dirname "$0")/../tests/app/x_units.sh"
find_window || { echo "no window"; exit 1; }
ticks=$(getconf CLK_TCK)
cpu() { awk -v t="$ticks" '{ print ($14 + $15) / t }' /proc/$app/stat; }
rss() { awk '/VmRSS/ { print int($2 / 1024) }' /proc/$app/status; }
beyond() { awk -v a="$1" -v b="$2" -v i="$idle" -v s="$3" 'BEGIN { printf "%d", (b - a - s * i) * 1000 }'; }

head -c $((megabytes << 20)) /dev/zero | tr '\0' 7 | xclip -selection clipboard -loops 3 &
sleep 0.5
click edit10
xdotool key ctrl+v
before=$(cpu)
for _ in $(seq 60); do  # until the paste has settled
  sleep 1
  now=$(cpu)
  awk -v a="$before" -v b="$now" 'BEGIN { exit !(b - a < 0.05) }' && break
  before=$now
done
echo "resident after the paste: $(rss) MB"
start=$(cpu); sleep 10; idle=$(awk -v a="$start" -v b="$(cpu)" 'BEGIN { print (b - a) / 10 }')
echo "focused, left alone: $(awk -v i="$idle" 'BEGIN { printf "%.1f", i * 100 }')% of a core"
for key in 1 2 3; do
  start=$(cpu); xdotool key "$key"; sleep 4
  echo "key $key: $(beyond "$start" "$(cpu)" 4) ms of CPU"
done
start=$(cpu); click edit12; sleep 2
echo "a click in another box: $(beyond "$start" "$(cpu)" 2) ms of CPU"
click edit10
xdotool key ctrl+a BackSpace
sleep 8
echo "resident after clearing the box: $(rss) MB"
