#!/bin/sh
# bench/cli-vs-python.sh PATH-OF-bytesettext
#
# Times bytesettext against Python doing the same conversions on the same
# 64 MiB of mixed ASCII and double-byte text, checks that both give the
# same bytes, and prints MB/s and the ratio. Builds nothing.
#
# BENCH_RUNS (default 3): runs of bytesettext per conversion, the fastest
# counts; Python runs once. BENCH_MIB (default 64): size of the text.
set -eu

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 PATH-OF-bytesettext" >&2
  exit 2
fi
program=$1
runs=${BENCH_RUNS:-3}
mib=${BENCH_MIB:-64}

work=$(mktemp -d "${TMPDIR:-/tmp}/bytesettext-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# The text: words of ASCII with blanks, punctuation and CR LF between, and
# runs of two-byte characters as code page 936 has them (lead 0xB0-0xF7,
# second byte 0xA1-0xFE). A 4 MiB block, repeated.
python3 - "$work/text" "$mib" <<'EOF'
import random, sys
rng = random.Random(936)
words = [bytes(rng.choice(b"abcdefghijklmnopqrstuvwxyz0123456789") for _ in range(rng.randint(1, 9)))
         for _ in range(500)]
chinese = [bytes((rng.randint(0xB0, 0xF7), rng.randint(0xA1, 0xFE))) for _ in range(3000)]
gaps = [b" ", b", ", b". ", b"\r\n", b"\xa3\xac", b"\xa1\xa3"]
block = bytearray()
while len(block) < 4 << 20:
    if rng.random() < 0.5:
        block += rng.choice(words)
    else:
        block += b"".join(rng.choices(chinese, k=rng.randint(1, 8)))
    block += rng.choice(gaps)
block = bytes(block[: 4 << 20])
with open(sys.argv[1], "wb") as out:
    for _ in range(int(sys.argv[2]) // 4):
        out.write(block)
EOF

# Python's encode: the one-liner anyone would write.
py_encode='import sys; open(sys.argv[2], "w").write(",".join(map(str, open(sys.argv[1], "rb").read())))'

# Python's decode, faithful to the lenient read: pieces cut at commas that
# begin a character (a byte of 0x80 or more takes the next one with it),
# full-width forms folded, blanks and one sign before the digits, 32-bit
# wrap-around, four little-endian bytes a value with the zero bytes left
# out. Pieces of plain digits, all that the written form has, take the
# fast road.
py_decode='
import array, re, sys
src = open(sys.argv[1], "rb").read()
if re.search(rb"[\x80-\xff]", src) is None:
    pieces = src.split(b",")
    if pieces[-1] == b"":
        pieces.pop()
else:
    cuts = [m.start() for m in re.finditer(rb"[\x80-\xff][\x00-\xff]?|,", src) if m.group() == b","]
    starts = [0] + [c + 1 for c in cuts]
    pieces = [src[s:e] for s, e in zip(starts, cuts + [len(src)])]
    if starts[-1] == len(src):
        pieces.pop()
def fold(p):
    out, i = bytearray(), 0
    while i < len(p):
        b = p[i]
        if b < 0x80:
            out.append(b)
            i += 1
            continue
        if i + 1 == len(p):
            break
        s = p[i + 1]
        if b == 0xA3 and s >= 0xA1: out.append(s - 0x80)
        elif b == 0xA1 and s == 0xA1: out.append(0x20)
        elif b == 0xA1 and s == 0xAB: out.append(0x7E)
        elif b == 0xA1 and s in (0xEE, 0xEF): out.append(0x2A)
        else: out += p[i:i + 2]
        i += 2
    return bytes(out)
def value(p):
    m = re.match(rb"[\t\n\v\f\r ]*([+-]?)([0-9]*)", fold(p))
    v = int(m.group(2) or b"0")
    return (-v if m.group(1) == b"-" else v) & 0xFFFFFFFF
if all(map(bytes.isdigit, pieces)):
    values = list(map(int, pieces))
    if values and max(values) > 0xFFFFFFFF:
        values = [v & 0xFFFFFFFF for v in values]
else:
    values = [value(p) for p in pieces]
words = array.array("I", values)
if sys.byteorder == "big":
    words.byteswap()
open(sys.argv[2], "wb").write(words.tobytes().replace(b"\0", b""))
'

# "seconds peak-KiB" of one run of "$@"; the peak is "-" without GNU time.
measure() {
  start=$(date +%s%N)
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f '%M' -o "$work/peak" "$@"
  else
    "$@"
    echo - >"$work/peak"
  fi
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(cat "$work/peak")" | awk '{ printf "%.3f %s\n", $1 / 1e6, $2 }'
}

# The fastest of $runs runs: "seconds peak-KiB".
fastest() {
  best=""
  i=0
  while [ "$i" -lt "$runs" ]; do
    this=$(measure "$@")
    if [ -z "$best" ] || awk -v a="${this% *}" -v b="${best% *}" 'BEGIN { exit !(a < b) }'; then
      best=$this
    fi
    i=$((i + 1))
  done
  echo "$best"
}

same() {
  if ! cmp -s "$1" "$2"; then
    echo "$0: bytesettext and Python disagree on $3" >&2
    exit 1
  fi
}

cli_encode=$(fastest "$program" encode "$work/text" -o "$work/encoded")
py_encode_time=$(measure python3 -c "$py_encode" "$work/text" "$work/encoded.py")
same "$work/encoded" "$work/encoded.py" encode

cli_decode=$(fastest "$program" decode "$work/encoded" -o "$work/decoded")
py_decode_time=$(measure python3 -c "$py_decode" "$work/encoded" "$work/decoded.py")
same "$work/decoded" "$work/decoded.py" decode
same "$work/decoded" "$work/text" "the round trip"

text_bytes=$(wc -c <"$work/text")
encoded_bytes=$(wc -c <"$work/encoded")

# One row: conversion, input bytes, "seconds KiB" of bytesettext, of Python.
row() {
  echo "$1 $2 $3 $4" | awk '{
    cli = $2 / 1e6 / ($3 > 0 ? $3 : 0.001); py = $2 / 1e6 / ($5 > 0 ? $5 : 0.001)
    printf "%-7s %9.1f %8.3f %9.0f %9s %8.3f %9.0f %9s %7.1fx\n",
           $1, $2 / 1048576, $3, cli, $4, $5, py, $6, cli / py
  }'
}

printf 'bytesettext %s vs %s; input of encode: %s MiB of mixed text\n' \
  "$("$program" --version | sed 's/.* //')" "$(python3 --version)" "$mib"
printf '%-7s %9s %8s %9s %9s %8s %9s %9s %8s\n' \
  conv "in MiB" "cli s" "cli MB/s" "cli KiB" "py s" "py MB/s" "py KiB" ratio
row encode "$text_bytes" "$cli_encode" "$py_encode_time"
row decode "$encoded_bytes" "$cli_decode" "$py_decode_time"
