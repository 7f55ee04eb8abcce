#!/bin/bash
# Starts the x86_64 program under Wine in code page 936 (a zh_CN locale):
#   scripts/run.sh BUILD_DIR
# On the current X display it runs until the program is closed. Without a
# display it runs on a private 1024x768 Xvfb display inside Wine's virtual
# desktop, which draws the caption bar, saves a screenshot of the window to
# BUILD_DIR/screenshot.png, prints its path and closes the program again.
# The Wine session (prefix, locale, wineserver) lives in BUILD_DIR/run.
set -u
build=${1:?usage: run.sh BUILD_DIR}
build=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
session_script=$here/../tests/wine/wine-session.sh
session=$build/run
program=$build/app/plimsett.exe
caption="Plimsett - Orvandy"
screenshot=$build/screenshot.png

[ -f "$program" ] || { echo "run.sh: no $program; build the target plimsett first" >&2; exit 1; }
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=$(command -v wine64 || command -v wine)

stop_session() { "$session_script" stop "$session" >/dev/null 2>&1; }

start_session() {
  mkdir -p "$session"
  if ! "$session_script" start "$session" "$wine64" "$@" >/dev/null 2>"$session/start.log"; then
    cat "$session/start.log" >&2
    exit 1
  fi
  trap stop_session EXIT
  # shellcheck disable=SC1091
  . "$session/session.env" 2>/dev/null  # bash itself cannot load the locale; Wine can
}

if [ -n "${DISPLAY:-}" ]; then
  start_session "$DISPLAY"
  "$PLIMSETT_WINE64" "$program"
  exit $?
fi

start_session
"$PLIMSETT_WINE64" explorer "/desktop=Plimsett,1024x768" "$program" \
  </dev/null >"$session/program.log" 2>&1 &

# The virtual desktop gives each top-level window of the program an X window
# of the same title, placed where the program put it: "WxH+x+y  +X+Y", the
# last pair on the root window.
window_line() { xwininfo -root -tree 2>/dev/null | grep -F "\"$caption\"" | head -n1; }
line=""
for _ in $(seq 150); do
  line=$(window_line)
  [ -n "$line" ] && break
  sleep 0.1
done
[ -n "$line" ] || { echo "run.sh: the window did not appear" >&2; exit 1; }
size=$(grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' <<<"$line" | head -n1 | cut -d+ -f1)
origin=$(grep -oE ' \+-?[0-9]+\+-?[0-9]+$' <<<"$line" | tr -d ' ')
window_id=$(awk '{print $1}' <<<"$line")

# The window is painted a moment after it appears: take the picture once two
# looks in a row agree.
previous=""
for _ in $(seq 50); do
  import -window root -crop "$size$origin" +repage "$screenshot.new.png" 2>/dev/null
  current=$(md5sum <"$screenshot.new.png")
  [ "$current" = "$previous" ] && break
  previous=$current
  sleep 0.2
done
mv "$screenshot.new.png" "$screenshot"
echo "$screenshot"

# Close it as a person would, with Esc; the session's end takes what is left.
xdotool windowfocus --sync "$window_id" key Escape 2>/dev/null
for _ in $(seq 50); do
  [ -z "$(window_line)" ] && break
  sleep 0.1
done
