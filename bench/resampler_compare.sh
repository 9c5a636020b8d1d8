#!/usr/bin/env bash
# Two resampler builds on the note of bench/resampler_process.sh (a 1-second
# A4 from a 2-second 220 Hz recording with its frequency table made): the
# instructions of one run (callgrind: the same on a loaded machine), the
# CPU time and page faults, whole process (perf stat, 30 runs), the start-up
# alone, and the CPU time of a run that makes the frequency table (flag G).
#   bash bench/resampler_compare.sh BEFORE_RESAMPLER AFTER_RESAMPLER
set -euo pipefail
before=$(realpath "$1")
after=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
sox -n -r 44100 -b 16 rec.wav synth 2 sawtooth 220 vol 0.3 equalizer 700 2q 10 equalizer 1200 2q 8
"$after" rec.wav out.wav A4 100 L 20 1000 60 0
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for build in before after; do
  program=${!build}
  valgrind --tool=callgrind --callgrind-out-file="$build.out" "$program" rec.wav "$build.wav" A4 100 L 20 1000 60 0 2>/dev/null
  instructions=$(callgrind_annotate "$build.out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
  stats=$(perf stat -r 30 "$program" rec.wav o.wav A4 100 L 20 1000 60 0 2>&1)
  note=$(awk '/task-clock/ { print $1 }' <<<"$stats")
  faults=$(awk '/page-faults/ { print $1 }' <<<"$stats")
  start=$( (perf stat -r 30 "$program" 2>&1 || true) | awk '/task-clock/ { print $1 }')
  table=$(perf stat -r 10 "$program" rec.wav o.wav A4 100 GL 20 1000 60 0 2>&1 | awk '/task-clock/ { print $1 }')
  echo "$build: $instructions instructions; CPU $note ms and $faults page faults per note, $start ms start-up alone, $table ms making the table"
done
echo "empty process: CPU $(perf stat -r 30 /bin/true 2>&1 | awk '/task-clock/ { print $1 }') ms"
cmp -s before.wav after.wav && echo "the two notes are the same bytes" || echo "the two notes differ"
