#!/bin/sh
# Runs a Windows program inside the test session: wine-exec.sh SESSION PROGRAM [ARG...]
session=$1
shift
if [ ! -f "$session/session.env" ]; then
  echo "wine-exec: no Wine session in $session (run the tests through ctest)" >&2
  exit 125
fi
. "$session/session.env"
exec "$PLIMSETT_WINE64" "$@"
