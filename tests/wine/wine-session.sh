#!/bin/bash
# Starts or stops the Wine session of a test run.
#   wine-session.sh start SESSION WINE64 [DISPLAY]
#   wine-session.sh stop SESSION
# With DISPLAY the session uses that X display instead of a private Xvfb,
# and windows stay managed by its window manager.
# SESSION is a folder of the build; everything the session makes stays in it.
# Only what this script started is stopped: its own Xvfb (by pid) and the
# wineserver of its own prefix.
set -u
action=$1
session=$2
mkdir -p "$session"
session=$(cd "$session" && pwd)

write_env() {
  local wine64=$1 display=$2
  local wineserver
  wineserver=$(dirname "$wine64")/wineserver
  [ -x "$wineserver" ] || wineserver=$(command -v wineserver)
  cat >"$session/session.env.new" <<ENV
export PLIMSETT_WINE64='$wine64'
export PLIMSETT_WINESERVER='$wineserver'
export DISPLAY='$display'
export WINEPREFIX='$session/prefix'
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES='winemenubuilder.exe=d;winedbg.exe=d;mscoree=d'
export LOCPATH='$session/locale'
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
unset LANGUAGE
ENV
  mv "$session/session.env.new" "$session/session.env"
}

stop_session() {
  if [ -f "$session/session.env" ]; then
    . "$session/session.env"
    "$PLIMSETT_WINESERVER" -k 2>/dev/null
    "$PLIMSETT_WINESERVER" -w 2>/dev/null
  fi
  if [ -f "$session/xvfb.pid" ]; then
    kill "$(cat "$session/xvfb.pid")" 2>/dev/null
    rm -f "$session/xvfb.pid"
  fi
  rm -f "$session/session.env"
}

case $action in
start)
  wine64=$3
  stop_session  # a session left over by an interrupted run

  if [ ! -d "$session/locale/zh_CN.UTF-8" ]; then
    mkdir -p "$session/locale"
    localedef -i zh_CN -f UTF-8 "$session/locale/zh_CN.UTF-8" 2>/dev/null
    [ -d "$session/locale/zh_CN.UTF-8" ] || { echo "localedef failed" >&2; exit 1; }
  fi

  own_display=${4:-}
  if [ -n "$own_display" ]; then
    write_env "$wine64" "$own_display"
  else
    rm -f "$session/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
      3>"$session/display" </dev/null >"$session/xvfb.log" 2>&1 &
    echo $! >"$session/xvfb.pid"
    for _ in $(seq 100); do
      [ -s "$session/display" ] && break
      sleep 0.1
    done
    [ -s "$session/display" ] || { echo "Xvfb did not start" >&2; cat "$session/xvfb.log" >&2; exit 1; }
    write_env "$wine64" ":$(head -n1 "$session/display")"
  fi
  . "$session/session.env"

  # Order matters: set the prefix up, let that server end, then start the
  # persistent one and change settings through it.
  # Every process left running must let go of ctest's output pipe, or
  # ctest waits for it to close.
  "$wine64" wineboot -i </dev/null >"$session/wineboot.log" 2>&1
  "$PLIMSETT_WINESERVER" -w </dev/null >/dev/null 2>&1
  "$PLIMSETT_WINESERVER" -p </dev/null >/dev/null 2>&1
  # No window manager under Xvfb: unmanaged windows hide and close at once.
  # A display of the user's own has one; its prefix may have been used
  # without one before.
  if [ -z "$own_display" ]; then
    "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  else
    "$wine64" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f </dev/null >/dev/null 2>&1
  fi
  "$wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  # The browser engine's add-on installer (a dialog of appwiz.cpl, started by
  # mshtml when no HTML engine is found) must never block a test.
  "$wine64" reg add 'HKCU\Software\Wine\DllOverrides' /v appwiz.cpl /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
  echo "wine session ready on display $DISPLAY"
  ;;
stop)
  stop_session
  echo "wine session stopped"
  ;;
*)
  echo "usage: $0 start SESSION WINE64 | stop SESSION" >&2
  exit 2
  ;;
esac
