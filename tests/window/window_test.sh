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

"case_$CASE"
