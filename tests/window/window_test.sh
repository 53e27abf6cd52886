#!/bin/bash
# Real-window tests of the built game under a private Xvfb:
#   window_test.sh CASE VORANKA WINDOW_TOOL
# CASE is one of the functions named case_* below.
set -u

CASE=$1
VORANKA=$(realpath "$2")
TOOL=$(realpath "$3")
source "$(dirname "$0")/lib.sh"

C0=$(colour 0)  # the menu's background
C1=$(colour 1)  # the sorting button lit
C2=$(colour 2)  # the memory button lit

fixtures() {
  mkdir -p "$1"
  "$TOOL" fixtures "$1"
}

# The window as designed, the first frame, the latch acting on the menu, and a clean close.
case_window() {
  start_x 1600x1000
  fixtures "$WORK/game"
  local before
  before=$(cd "$WORK/game" && find . | sort)
  start_game "$WORK/game"
  geometry
  [ "$CW x $CH" = "1022 x 760" ] || fail "client area $CW x $CH"
  [ "$FX,$FY" = "304,125" ] || fail "outer frame at ($FX, $FY)"
  xprop -id "$WIN" _NET_WM_ALLOWED_ACTIONS | grep -qE 'MAXIMIZE|RESIZE' &&
    fail "the window can be resized or maximised"

  expect_shows 5 0 0 "$C0" "the first frame"
  snap
  [ "$(pixels 1021 0 0 759 1021 759 511 380)" = "$C0 $C0 $C0 $C0" ] || fail "the first frame is not whole"

  # Each row: pointer position, the colour the menu then shows.
  local rows=(
    "411 287 $C2" "619 402 $C2" "410 300 $C0" "620 300 $C0" "500 286 $C0" "500 403 $C0"
    "411 497 $C1" "609 593 $C1" "615 550 $C0" "500 496 $C0" "500 594 $C0" "500 450 $C0"
  )
  local row x y c
  for row in "${rows[@]}"; do
    read -r x y c <<<"$row"
    point "$x" "$y"
    expect_shows 3 100 100 "$c" "pointer at ($x, $y)"
  done

  # With no button held, leaving the window keeps the last position inside it: still lit.
  point 500 300
  expect_shows 3 100 100 "$C2" "pointer on the memory button"
  point 500 -60
  sleep 0.3
  expect_shows 1 100 100 "$C2" "pointer left the window upwards"
  point 1100 300
  sleep 0.3
  expect_shows 1 100 100 "$C2" "pointer left the window to the right"

  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC after the close"
  [ -s "$WORK/game.out" ] && fail "the game wrote to stdout: $(cat "$WORK/game.out")"
  [ "$(cd "$WORK/game" && find . | sort)" = "$before" ] || fail "the game wrote files"
  note "window: placed, sized, first frame, latch and close all right"
}

# No ticks without the focus, a repaint from the last frame while standing still, little CPU.
case_focus() {
  start_x 1600x1000
  fixtures "$WORK/game"
  start_game "$WORK/game"
  point 100 100
  expect_shows 5 100 100 "$C0" "the first frame"

  # A window of another program takes the focus and covers part of the game.
  "$TOOL" blank $((CX + 50)) $((CY + 50)) 300 300 &
  BLANK_PID=$!
  local blank=
  poll 5 eval 'blank=$(named blank); [ -n "$blank" ]' ||
    fail "no blank window"
  xdotool windowactivate "$blank" 2>/dev/null
  poll 5 eval '[ "$(xdotool getwindowfocus)" = "$blank" ]' || fail "the blank window has no focus"

  # The pointer moves over the memory button, but no tick runs to light it.
  point 500 300
  local start
  start=$(cpu_ticks "$GAME_PID")
  sleep 2
  local used=$(($(cpu_ticks "$GAME_PID") - start))
  expect_shows 1 500 600 "$C0" "no tick without the focus"
  [ "$used" -le 10 ] || fail "$used centiseconds of CPU in 2 s without the focus"

  # Uncovered while still without the focus: the last frame shows again at once.
  xdotool windowmove "$blank" 1200 700
  expect_shows 2 100 100 "$C0" "the uncovered part repainted"
  expect_shows 1 500 600 "$C0" "still no tick"

  xdotool windowactivate "$WIN"
  expect_shows 3 500 600 "$C2" "ticks again with the focus"
  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC"
  note "focus: stands still and idle without the focus (${used} cs of CPU in 2 s), repaints, resumes"
}

# Without pictures: a black window and the error box; with them in place, the first frame.
case_missing() {
  start_x 1600x1000
  mkdir -p "$WORK/game"
  NO_FOCUS=1 start_game "$WORK/game"
  local box=
  poll 10 eval 'box=$(named Error); [ -n "$box" ]' ||
    fail "no error box"
  grep -qx 'Cannot open file obr/0.bmp' "$WORK/game.err" || fail "the failure is not on stderr"
  geometry
  snap
  [ "$(pixels 10 10 1000 740 100 700)" = "000000 000000 000000" ] || fail "the window is not black"

  # While the box is open no tick runs, so no second failure comes.
  sleep 1
  [ "$(grep -c 'Cannot open file' "$WORK/game.err")" = 1 ] || fail "ticks ran while the box was open"

  fixtures "$WORK/game"
  point 100 100
  xdotool windowactivate "$box" 2>/dev/null
  xdotool key --window "$box" Return
  poll 5 eval '[ -z "$(named Error)" ]' || fail "the box did not close"
  expect_shows 5 100 100 "$C0" "the first frame after the retry"
  [ "$(grep -c 'Cannot open file' "$WORK/game.err")" = 1 ] || fail "more failures after the fix"

  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC"
  note "missing: black window, error box, retry after the box, clean close"
}

# The left button captures the pointer, the others do not: seen on the sorting intro, which never
# clears the latch, so a press whose release went unreported starts the game from a mere hover.
case_capture() {
  start_x 1600x1000
  fixtures "$WORK/game"
  start_game "$WORK/game"
  local intro game
  intro=$(colour 4)
  game=$(colour 20)
  point 500 550
  click
  expect_shows 3 20 20 "$intro" "the sorting intro"

  # Left: pressed on empty ground, dragged out of the window, released there: the release is
  # reported, so hovering the start button afterwards starts nothing.
  point 700 300
  press 1
  point 700 -100
  point 1100 300
  release 1
  point 500 720
  expect_shows 3 411 720 008000 "the start button's outline"
  sleep 0.3
  expect_shows 1 20 20 "$intro" "a captured release outside the window"

  # Right: the same moves, but the release outside is not reported and the press stays latched.
  point 700 300
  press 3
  point 1100 300
  release 3
  point 500 720
  expect_shows 3 20 20 "$game" "an uncaptured press still latched"
  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC"
  note "capture: the left button captures, the right does not"
}

# The surface pixel a client pixel maps to, as the game does it, for a view of VW x VH at (VX, VY).
to_surface_x() { echo $((((2 * ($1 - VX) + 1) * 1022) / (2 * VW))); }
to_surface_y() { echo $((((2 * ($1 - VY) + 1) * 760) / (2 * VH))); }

# The first client column (row) that maps to surface column (row) S or beyond.
client_x_for() {
  local x=$VX
  while [ "$(to_surface_x "$x")" -lt "$1" ]; do x=$((x + 1)); done
  echo "$x"
}
client_y_for() {
  local y=$VY
  while [ "$(to_surface_y "$y")" -lt "$1" ]; do y=$((y + 1)); done
  echo "$y"
}

# A laptop screen of 1366 x 768: the whole frame shows scaled down, and the buttons' edges land
# on the right surface pixels.
case_small() {
  start_x 1366x768
  fixtures "$WORK/game"
  start_game "$WORK/game"
  geometry
  [ "$FX" -ge 0 ] && [ "$FY" -ge 0 ] || fail "the frame starts off the screen at ($FX, $FY)"
  [ $((CX + CW)) -le 1366 ] && [ $((CY + CH)) -le 768 ] || fail "the client area $CW x $CH at ($CX, $CY) is not wholly on the screen"
  [ "$CW" -lt 1022 ] && [ "$CH" -lt 760 ] || fail "not scaled: $CW x $CH"
  # The frame fills the client area with its aspect kept, centred.
  VW=$CW
  VH=$(((CW * 760) / 1022))
  if [ "$VH" -gt "$CH" ]; then
    VH=$CH
    VW=$(((CH * 1022) / 760))
  fi
  VX=$(((CW - VW) / 2))
  VY=$(((CH - VH) / 2))

  point 0 0
  expect_shows 5 "$VX" "$VY" "$C0" "the frame's top-left corner"
  snap
  [ "$(pixels $((VX + VW - 1)) $((VY + VH - 1)) $((VX + VW / 2)) $((VY + VH / 2)))" = "$C0 $C0" ] ||
    fail "the frame is not whole on the screen"

  # The memory button's box begins at surface (411, 287): one client pixel before it lights nothing.
  local x y
  x=$(client_x_for 411)
  y=$(client_y_for 287)
  point "$x" "$y"
  expect_shows 3 20 20 "$C2" "pointer at client ($x, $y), surface (411, 287)"
  point $((x - 1)) "$y"
  expect_shows 3 20 20 "$C0" "pointer at client ($((x - 1)), $y), surface x 410 or less"
  point "$x" $((y - 1))
  expect_shows 3 20 20 "$C0" "pointer at client ($x, $((y - 1))), surface y 286 or less"
  # The sorting button ends at surface (609, 593): its last client pixel lights, the next does not.
  x=$(($(client_x_for 610) - 1))
  y=$(($(client_y_for 594) - 1))
  point "$x" "$y"
  expect_shows 3 20 20 "$C1" "pointer at client ($x, $y), surface (609, 593)"
  point $((x + 1)) "$y"
  expect_shows 3 20 20 "$C0" "pointer at client ($((x + 1)), $y), surface x 610 or more"

  # A click there acts: the sorting intro's background replaces the menu.
  point "$x" "$y"
  click
  expect_shows 3 20 20 "$(colour 4)" "the sorting intro after a click on the scaled button"
  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC"
  note "small: client $CW x $CH at ($CX, $CY), frame shown $VW x $VH, buttons reached"
}

# picture_of RRGGBB FIRST LAST: the fixture picture in FIRST..LAST with that colour, or nothing.
picture_of() {
  local k
  for ((k = $2; k <= $3; k++)); do
    [ "$(colour "$k")" = "$1" ] && echo "$k" && return
  done
}

# The memory button opens the table; two clicks open two cards, which turn back after the pause.
case_memory() {
  start_x 1600x1000
  fixtures "$WORK/game"
  start_game "$WORK/game"
  local back table
  back=$(colour 18)
  table=$(colour 3)
  point 500 300
  click
  expect_shows 3 20 20 "$table" "the memory table"
  snap
  [ "$(pixels 98 345 218 345 938 585)" = "$back $back $back" ] || fail "the cards do not lie face down"

  # Slot 0 at (50, 300) and slot 1 at (170, 300), each clicked in its middle.
  point 98 345
  click
  point 218 345
  click
  local faces=
  opened() {
    snap
    local a b
    read -r a b <<<"$(pixels 98 345 218 345)"
    [ -n "$(picture_of "$a" 6 17)" ] && [ -n "$(picture_of "$b" 6 17)" ] && faces="$a $b"
  }
  poll 3 opened || fail "the two cards did not open: $(pixels 98 345 218 345)"
  local open_at
  open_at=$(now_ms)
  point 500 200
  turned() {
    snap
    local now
    now=$(pixels 98 345 218 345)
    [ "$now" = "$back $back" ] || [ "$now" = "$table $table" ]
  }
  poll 8 turned || fail "the cards did not turn back: $(pixels 98 345 218 345)"
  local shown=$(($(now_ms) - open_at))
  # 70 frames of pause and about 19 of closing, at 37 frames a second.
  [ "$shown" -ge 1800 ] || fail "the cards turned back after only $shown ms"
  [ "$shown" -le 4500 ] || fail "the cards turned back only after $shown ms"
  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC"
  note "memory: two cards ($faces) opened and turned back after $shown ms"
}

# The sorting game: an item in lane 2 falls at about 37 frames a second, is dragged (out of the
# window and back, under the capture) onto its container without an error; the next item dropped
# elsewhere shows the hint, counts an error and beeps.
case_sorting() {
  start_x 1600x1000
  fixtures "$WORK/game"
  start_game "$WORK/game" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/audio.raw"
  local ground
  ground=$(colour 20)
  point 500 550
  click
  expect_shows 3 20 20 "$(colour 4)" "the sorting intro"
  point 500 720
  click
  expect_shows 3 20 20 "$ground" "the sorting game"
  point 700 150
  snap
  local errors0
  errors0=$(count_colour 42 42 200 34 965032)
  [ "$errors0" -gt 0 ] || fail "no error line"

  # The first item comes about 129 frames after the start, in lane 2 (x 400), and falls.
  local y1 t1 y2 t2 before after
  item_low() {
    snap
    y1=$(top_row 460 "$ground")
    [ -n "$y1" ] && [ "$y1" -gt 20 ]
  }
  poll 10 item_low || fail "no item falling in lane 2"
  before=$(now_ms)
  snap
  after=$(now_ms)
  t1=$(((before + after) / 2))
  y1=$(top_row 460 "$ground")
  sleep 2
  before=$(now_ms)
  snap
  after=$(now_ms)
  t2=$(((before + after) / 2))
  y2=$(top_row 460 "$ground")
  local speed=$((100000 * (y2 - y1) / (t2 - t1)))  # hundredths of a pixel a second
  [ "$speed" -ge 3400 ] && [ "$speed" -le 3900 ] ||
    fail "the item fell $((y2 - y1)) pixels in $((t2 - t1)) ms: $speed/100 a second"

  local item picture container
  item=$(pixels 460 $((y2 + 50)))
  picture=$(picture_of "$item" 22 34)
  [ -n "$picture" ] || fail "the item's colour $item is no item picture's"
  # The containers: drop box centres and hint positions, by the item pictures that belong in each.
  case $picture in
    29 | 30 | 31) container="98 312 55 357" ;;
    22 | 23 | 24 | 25) container="104 552 59 596" ;;
    32 | 33 | 34) container="909 320 823 352" ;;
    *) container="914 559 828 588" ;;
  esac
  local dropX dropY hintX hintY
  read -r dropX dropY hintX hintY <<<"$container"

  # Take it where it is now, drag it out of the window on the left, then onto its container.
  local now_y=$((y2 + ($(now_ms) - t2) * 37 / 1000))
  point 453 $((now_y + 60))
  press 1
  point -20 400
  expect_shows 2 10 400 "$item" "the held item dragged out of the window"
  [ "$(pixels 40 400)" = "$ground" ] || fail "the held item is not drawn at x -73"
  point "$dropX" "$dropY"
  expect_shows 2 "$dropX" "$dropY" "$item" "the held item over its container"
  release 1
  sleep 0.3
  snap
  [ "$(count_colour "$hintX" "$hintY" 160 36 FA6464)" = 0 ] || fail "a hint after a right drop"
  [ "$(count_colour 42 42 200 34 965032)" = "$errors0" ] || fail "the error line changed after a right drop"
  [ "$(loud_samples "$WORK/audio.raw")" = 0 ] || fail "a beep after a right drop"

  # The second item comes 330 frames after the first, in lane 3 (x 515): dropped on open ground.
  item_in_lane_3() {
    snap
    [ "$(pixels 575 40)" != "$ground" ]
  }
  poll 15 item_in_lane_3 || fail "no second item in lane 3"
  item=$(pixels 575 40)
  picture=$(picture_of "$item" 22 34)
  case $picture in
    29 | 30 | 31) hintX=55 hintY=357 ;;
    22 | 23 | 24 | 25) hintX=59 hintY=596 ;;
    32 | 33 | 34) hintX=823 hintY=352 ;;
    *) hintX=828 hintY=588 ;;
  esac
  point 568 45
  press 1
  point 500 150
  expect_shows 2 500 150 "$item" "the second item held"
  release 1
  hinted() {
    snap
    [ "$(count_colour "$hintX" "$hintY" 160 36 FA6464)" -gt 20 ]
  }
  poll 2 hinted || fail "no hint at ($hintX, $hintY) after a wrong drop"
  [ "$(count_colour 42 42 200 34 965032)" != "$errors0" ] || fail "the error line did not change"
  poll 3 eval '[ "$(loud_samples "$WORK/audio.raw")" -gt 1000 ]' || fail "no beep reached the audio output"
  close_game
  [ "$GAME_RC" = 0 ] || fail "exit code $GAME_RC"
  note "sorting: fell at $speed/100 pixels a second, right drop, wrong drop of picture $picture hinted and beeped"
}

"case_$CASE"
