#!/usr/bin/env bash
# Whole-process time of one splicer call appending a 1-second note with the
# default envelope and a 10 ms overlap: onto an output of 0.1 s and onto one
# that already holds 10 minutes. Before each run the output pair is put back
# as it was, so every run does the same work. The start of an empty C++
# program is measured as the floor.
#
# usage: bash bench/joiner_process.sh [build folder, default build] [runs, default 500]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-500}
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

sox -n -r 44100 -b 16 -c 1 note.wav synth 1.2 sine 441 vol 0.5
"$bin/splicer" short R.wav 0 100 0 0 >/dev/null
"$bin/splicer" long R.wav 0 600000 0 0 >/dev/null
for name in short long; do
  cp "$name.whd" "$name.whd.saved"
  echo "truncate -s $(stat -c %s "$name.dat") $name.dat && cp $name.whd.saved $name.whd" >"reset_$name.sh"
done

call="0 1000 0 5 35 0 100 100 0 10"
hyperfine -N --warmup 20 --runs "$runs" --export-json results.json \
  --prepare "bash reset_short.sh" --prepare "bash reset_long.sh" --prepare "true" \
  --command-name "splicer, output of 0.1 s" "$bin/splicer short note.wav $call" \
  --command-name "splicer, output of 10 min" "$bin/splicer long note.wav $call" \
  --command-name "empty C++ program" "$bin/joiner_empty_program" >/dev/null

# results.json is pretty-printed: one "key": value per line. Wall time
# suffers from other load on the machine; user + system CPU time less so.
awk -F': ' '
  /"command"/ { gsub(/[",]/, "", $2); name = $2 }
  /"mean"/    { gsub(/,/, "", $2); mean = $2 * 1000 }
  /"stddev"/  { gsub(/,/, "", $2); sd = $2 * 1000 }
  /"median"/  { gsub(/,/, "", $2); median = $2 * 1000 }
  /"user"/    { gsub(/,/, "", $2); user = $2 * 1000 }
  /"system"/  { gsub(/,/, "", $2); printf "%s: wall median %.3f ms (mean %.3f ± %.3f), cpu user+system mean %.3f ms\n", name, median, mean, sd, user + $2 * 1000 }
' results.json
