#!/bin/sh
# bench/window-click.sh
#
# Builds the window's click benchmark in the 64-bit Windows build and runs it
# under Wine, in a session of its own that it stops again however it ends.
# Where there is no Wine it says so and does nothing else.
set -eu
cd "$(dirname "$0")/.."

wine64=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then
    wine64=$candidate
    break
  fi
done
if [ -z "$wine64" ]; then
  echo "window click: no wine64 here, left out"
  exit 0
fi

build=build/windows-x64
cmake --preset windows-x64 >"$build-bench.log" 2>&1 || { cat "$build-bench.log"; exit 1; }
rm -f "$build-bench.log"
cmake --build --preset windows-x64 -j"${JOBS:-2}" --target window_click_bench

session=$build/wine
trap 'tests/wine/wine-session.sh stop "$session" >/dev/null' EXIT INT TERM
tests/wine/wine-session.sh start "$session" "$wine64" >/dev/null
# A guard against a hung Wine, far above the minute the run takes.
timeout 900 tests/wine/wine-exec.sh "$session" "$build/bench/window_click_bench.exe"
