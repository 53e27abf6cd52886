# Helpers for the real-window tests: a private X server with a window manager, the game started in
# a folder of its own, screenshots read pixel by pixel, and polling with time limits. Sourced by
# window_test.sh; everything it starts is ended on exit, also on failure.

WORK=$(mktemp -d /tmp/voranka-window.XXXXXX)
XVFB_PID=
WM_PID=
GAME_PID=
BLANK_PID=
WIN=

cleanup() {
  for pid in $BLANK_PID $GAME_PID $WM_PID $XVFB_PID; do
    kill "$pid" 2>/dev/null
  done
  for pid in $BLANK_PID $GAME_PID $WM_PID $XVFB_PID; do
    wait "$pid" 2>/dev/null
  done
  if [ -n "${KEEP_WORK:-}" ]; then echo "work folder kept: $WORK" >&2; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "$XVFB_PID" ]; then
    import -window root "$WORK/failure.png" 2>/dev/null && echo "screenshot: $WORK/failure.png" >&2
    KEEP_WORK=1
  fi
  if [ -s "$WORK/game.err" ]; then
    echo "--- the game's stderr:" >&2
    grep -v '^ALSA lib' "$WORK/game.err" >&2
  fi
  exit 1
}

note() { echo "$*"; }

now_ms() { date +%s%3N; }

# poll SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; fails after SECONDS.
poll() {
  local limit=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(now_ms)" -lt "$limit" ] || return 1
    sleep 0.05
  done
}

# start_x WIDTHxHEIGHT: a private X server on a free display, with openbox managing its windows.
start_x() {
  local attempt
  for attempt in 1 2 3; do
    rm -f "$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    if poll 10 test -s "$WORK/display"; then
      export DISPLAY=":$(head -n1 "$WORK/display")"
      poll 5 x_ready && break
    fi
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
  done
  [ -n "$XVFB_PID" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  mkdir -p "$WORK/home"
  for attempt in 1 2 3; do
    HOME="$WORK/home" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    poll 5 wm_ready && break
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
    WM_PID=
  done
  [ -n "$WM_PID" ] || fail "openbox did not start: $(cat "$WORK/openbox.log")"
  xdotool mousemove 0 0
}

x_ready() { xprop -root >/dev/null 2>&1; }

wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# start_game DIR [VAR=VALUE...]: the game in DIR, with its window found, placed and focused.
start_game() {
  local dir=$1
  shift
  (cd "$dir" && exec env "$@" "$VORANKA") >"$WORK/game.out" 2>"$WORK/game.err" &
  GAME_PID=$!
  poll 10 find_window || fail "no window titled VORANKA"
  # The window is placed once the window manager has framed it; wait for that to settle.
  poll 5 settled || fail "the window did not settle"
  [ -n "${NO_FOCUS:-}" ] && return
  xdotool windowactivate "$WIN" 2>/dev/null
  poll 5 focused || fail "the window did not get the focus"
}

find_window() {
  WIN=$(named VORANKA)
  [ -n "$WIN" ]
}

# named TITLE: the first managed window with exactly that title (xdotool's own search misses
# titles set as UTF-8 only).
named() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
      echo $((id))
      return
    fi
  done
}

settled() {
  geometry
  local now="$CX $CY $CW $CH"
  [ "$now" = "${SETTLED_LAST:-}" ] && return 0
  SETTLED_LAST=$now
  sleep 0.2
  return 1
}

focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WIN" ]; }

# geometry: CX CY (client area on the screen), CW CH (its size), FX FY (outer frame's corner).
geometry() {
  local info
  info=$(xwininfo -id "$WIN" 2>/dev/null) || return 1
  CX=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  CY=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  CW=$(awk '/Width:/ {print $2}' <<<"$info")
  CH=$(awk '/Height:/ {print $2}' <<<"$info")
  local rx ry
  rx=$(awk '/Relative upper-left X/ {print $4}' <<<"$info")
  ry=$(awk '/Relative upper-left Y/ {print $4}' <<<"$info")
  FX=$((CX - rx))
  FY=$((CY - ry))
}

# close_game: asks the window to close; sets GAME_RC to the exit code.
close_game() {
  "$TOOL" close "$WIN"
  poll 5 game_gone || fail "the game did not end within 5 s of the close"
  wait "$GAME_PID"
  GAME_RC=$?
  GAME_PID=
}

game_gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# snap: a screenshot of the whole screen into $WORK/s.png.
snap() { import -window root "$WORK/s.png" || fail "no screenshot"; }

# pixels X Y [X Y...]: the colours (RRGGBB) at client positions of the last snap.
pixels() {
  local format=
  while [ $# -ge 2 ]; do
    format+="%[hex:p{$((CX + $1)),$((CY + $2))}] "
    shift 2
  done
  convert "$WORK/s.png" -format "$format" info: | sed 's/ *$//'
}

# colour K: fixture picture K's colour.
colour() { "$TOOL" colour "$1"; }

# shows X Y RRGGBB: a fresh snap shows that colour at the client position.
shows() {
  snap
  [ "$(pixels "$1" "$2")" = "$3" ]
}

# expect_shows SECONDS X Y RRGGBB WHAT
expect_shows() {
  poll "$1" shows "$2" "$3" "$4" || fail "$5: ($2, $3) shows $(pixels "$2" "$3"), not $4"
}

# point X Y: moves the pointer to the client position (X, Y), which may lie outside the window.
point() { xdotool mousemove $((CX + $1)) $((CY + $2)); }

# press / release BUTTON: held long enough for at least one tick to see it.
press() {
  xdotool mousedown "${1:-1}"
  sleep 0.1
}
release() {
  xdotool mouseup "${1:-1}"
  sleep 0.1
}
click() {
  press "${1:-1}"
  release "${1:-1}"
}

# cpu_ticks PID: the process's user and system time in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# count_colour X Y W H RRGGBB: how many pixels of the last snap in that client rectangle have the
# colour exactly.
count_colour() {
  convert "$WORK/s.png" -crop "${3}x${4}+$((CX + $1))+$((CY + $2))" +repage \
    -fill black +opaque "#$5" -fill white -opaque "#$5" -format '%[fx:round(mean*w*h)]' info:
}

# top_row X BACKGROUND: the first client row of the last snap, in column X, whose colour is not
# BACKGROUND.
top_row() {
  convert "$WORK/s.png" -crop "1x760+$((CX + $1))+$CY" +repage txt:- |
    awk -v bg="#$2" 'NR > 1 && $3 !~ "^" bg { split($1, p, /[,:]/); print p[2]; exit }'
}

# loud_samples FILE: how many 16-bit samples of a raw audio file are well above silence.
loud_samples() {
  od -An -v -td2 -w2 "$1" | awk '$1 > 1000 || $1 < -1000 { n++ } END { print n + 0 }'
}
