#!/bin/sh
# Runs every fuzz target of a build for a while and reports how many inputs
# each one ran.   run-fuzzers.sh BUILD SECONDS
# A target that finds a failing input stops; its output and the input's file
# (in BUILD/fuzz/artifacts) are shown, and the script fails at the end.
set -u
build=$1
seconds=$2
listing="$build/fuzz/fuzz-targets.txt"
[ -f "$listing" ] || { echo "run-fuzzers: no fuzz targets in $build" >&2; exit 2; }

failed=0
summary=""
while read -r name program corpus seeds artifacts; do
  log="$build/fuzz/$name.log"
  echo "fuzzing $name for $seconds s"
  if "$program" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/$name-" "$corpus" "$seeds" </dev/null >"$log" 2>&1; then
    verdict=ok
  else
    verdict=FAILED
    failed=1
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary="$summary$(printf '%-14s %12s executions  %s' "$name" "${runs:-?}" "$verdict")
"
done <"$listing"

printf '\n%s' "$summary"
exit $failed
