# Sourced after x_units.sh: replays tests/cases/frame.cases on a real program on X with a real
# pointer (xdotool), a fresh program for each case.
# Needs from the caller: start_program (starts it, sets pid, calls find_window), stop_program,
# note_windows, which prints "x y width height" for each note on screen now, and
# start_variant_program HOW UNIT, which starts the program on a variant of its template
# (tests/cases/variant.py) and sets pid.
# Counts what fails in `failures`.

# The screen point of a unit: its middle, or a little in from its left end.
point_at() {
  local left top width height s=${scale:-1}
  read -r left top width height <<<"${place[$1]}"
  local dx
  if [ "${2:-middle}" = left ]; then dx=5; else dx=$((width / 2)); fi
  awk -v ox="$origin_x" -v oy="$origin_y" -v l="$left" -v t="$top" -v dx="$dx" -v h="$height" -v s="$s" \
    'BEGIN { printf "%d %d", ox + (l + dx) * s, oy + (t + h / 2) * s }'
}

case_failed() {
  echo "FAIL: $case_name: $*"
  failures=$((failures + 1))
}

# Whether exactly one note shows, beside the unit (touching its rectangle or a few pixels from
# it), whole on the screen, and not under the pointer.
check_note() {
  local unit=$1 notes count left top width height s=${scale:-1}
  notes=$(note_windows)
  count=$(grep -c . <<<"$notes")
  if [ "$count" -ne 1 ]; then
    case_failed "note at $unit: $count notes on screen"
    return
  fi
  read -r left top width height <<<"${place[$unit]}"
  local ux uy uw uh px py
  ux=$(awk -v o="$origin_x" -v v="$left" -v s="$s" 'BEGIN { printf "%d", o + v * s }')
  uy=$(awk -v o="$origin_y" -v v="$top" -v s="$s" 'BEGIN { printf "%d", o + v * s }')
  uw=$(awk -v v="$width" -v s="$s" 'BEGIN { printf "%d", v * s }')
  uh=$(awk -v v="$height" -v s="$s" 'BEGIN { printf "%d", v * s }')
  eval "$(xdotool getmouselocation --shell)"
  px=$X py=$Y
  read -r nx ny nw nh <<<"$notes"
  local gap=$((8 * s))
  if [ $((nx - gap)) -gt $((ux + uw)) ] || [ $((nx + nw + gap)) -lt "$ux" ] ||
    [ $((ny - gap)) -gt $((uy + uh)) ] || [ $((ny + nh + gap)) -lt "$uy" ]; then
    case_failed "the note ($nx,$ny ${nw}x$nh) is not beside $unit ($ux,$uy ${uw}x$uh)"
  fi
  if [ "$px" -ge "$nx" ] && [ "$px" -lt $((nx + nw)) ] && [ "$py" -ge "$ny" ] && [ "$py" -lt $((ny + nh)) ]; then
    case_failed "the note at $unit is under the pointer ($px,$py)"
  fi
  local screen_width screen_height
  read -r screen_width screen_height < <(xdotool getdisplaygeometry)
  if [ "$nx" -lt 0 ] || [ "$ny" -lt 0 ] || [ $((nx + nw)) -gt "$screen_width" ] || [ $((ny + nh)) -gt "$screen_height" ]; then
    case_failed "the note at $unit ($nx,$ny ${nw}x$nh) is not whole on the screen"
  fi
}

# The box has the focus when what is typed lands in it; the mark is taken out again.
check_focus() {
  local unit=$1 before after
  case $unit in button*) echo "  (focus on $unit is not seen from outside)"; return ;; esac
  xdotool type --delay 20 -- Q
  sleep 0.1
  after=$(read_box "$unit")
  if [ "${after: -1}" != Q ]; then
    case_failed "the focus is not on $unit (it holds '$after')"
    return
  fi
  before=${after%Q}
  xdotool key --clearmodifiers ctrl+a BackSpace
  [ -n "$before" ] && xdotool type --delay 20 -- "$before"
}

# Tab in reading order from the first stop: a letter typed at each stop lands in the box Tab
# reached (buttons and the read-only results take none), the walk wraps back to the first stop,
# whose text Tab selected, and Shift+Tab from there reaches the last one. The boxes start empty.
walk_tab_order() {
  local stops=("$@") letters=abcdefghijklmnopqrstuvwxyz i stop
  declare -A typed=()
  click "${stops[0]}"
  for i in "${!stops[@]}"; do
    xdotool type --delay 20 -- "${letters:i:1}"
    typed[${stops[i]}]+=${letters:i:1}
    xdotool key --clearmodifiers Tab
  done
  xdotool type --delay 20 -- z; typed[${stops[0]}]=z
  xdotool key --clearmodifiers shift+Tab
  xdotool type --delay 20 -- y; typed[${stops[-1]}]=y
  sleep 0.1
  for stop in "${stops[@]}"; do
    case $stop in
      edit2 | edit3 | edit5 | button*) ;;
      *)
        local actual
        actual=$(read_box "$stop")
        [ "$actual" = "${typed[$stop]}" ] || case_failed "Tab: $stop holds '$actual', expected '${typed[$stop]}'" ;;
    esac
  done
}

# The stops of the cases file's tab-order step.
tab_order_stops() { sed -n 's/^tab-order //p' "$1" | head -n 1; }

replay_step() {
  local verb=$1 rest=$2 unit=${2%% *} argument=""
  [ "$rest" != "${rest#* }" ] && argument=${rest#* }
  case $verb in
    click)
      move_to $(point_at "$unit" "$argument")
      xdotool click 1
      sleep 0.1 ;;
    type) xdotool type --delay 20 -- "$rest"; sleep 0.1 ;;
    key) xdotool key --clearmodifiers "$rest"; sleep 0.1 ;;
    wait) sleep "$(awk -v ms="$rest" 'BEGIN { printf "%.3f", ms / 1000 }')" ;;
    expect)
      local actual
      actual=$(read_box "$unit")
      [ "$actual" = "$argument" ] || case_failed "$unit holds '$actual', expected '$argument'" ;;
    focus) check_focus "$unit" ;;
    tab-order) walk_tab_order $rest ;;
    variant) ;;  # taken when the case started
    error-box)
      # Its text is the toolkit's to draw; the fake face and the page read it.
      local box=""
      for _ in $(seq 100); do
        box=$(xdotool search --onlyvisible --name '^错误$' 2>/dev/null | head -n 1)
        [ -n "$box" ] && break
        sleep 0.1
      done
      if [ -z "$box" ]; then
        case_failed "no error box"
      else
        xdotool windowactivate --sync "$box" 2>/dev/null
        xdotool key --clearmodifiers Return
      fi ;;
    note) check_note "$unit" ;;
    no-note)
      local count
      count=$(note_windows | grep -c .)
      [ "$count" -eq 0 ] || case_failed "$count notes on screen, expected none" ;;
    exit)
      local status=none
      for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; status=$?; break; }
        sleep 0.1
      done
      [ "$status" = "$rest" ] || case_failed "the program ended with '$status', expected $rest" ;;
    *) case_failed "unknown step '$verb'" ;;
  esac
}

# Replays the cases of a file, or only those whose names match the pattern given.
replay_cases() {
  local file=$1 only=${2:-} line case_name="" steps=()
  run_case() {
    [ -n "$case_name" ] || return 0
    [[ -z "$only" || "$case_name" =~ $only ]] || return 0
    local before=$failures started
    if [ "${steps[0]%% *}" = variant ]; then
      read -r _ how unit <<<"${steps[0]}"
      start_variant_program "$how" "$unit"
    else
      start_program
    fi
    started=$?
    if [ "$started" -eq 0 ]; then
      for step in "${steps[@]}"; do replay_step "${step%% *}" "${step#* }"; done
    else
      case_failed "the window did not appear"
    fi
    stop_program
    [ "$failures" -eq "$before" ] && echo "ok: case $case_name${scale:+ at scale $scale}"
  }
  while IFS= read -r line || [ -n "$line" ]; do
    case $line in
      '' | '#'*) ;;
      'case '*) run_case; case_name=${line#case }; steps=() ;;
      *) steps+=("$line") ;;
    esac
  done <"$file"
  run_case
}
