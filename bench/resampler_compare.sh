#!/usr/bin/env bash
# Two resampler builds on the note of bench/resampler_process.sh (a 1-second
# A4 from a 2-second 220 Hz recording with its frequency table made): the
# instructions of one run (callgrind: the same on a loaded machine), then,
# in ROUNDS rounds that take the two builds in turn (so that both see the
# same load), the CPU time and page faults per note, whole process (perf
# stat, 10 runs a round), the start-up alone and a run that makes the table
# (flag G). Prints the median of the rounds' means.
#   bash bench/resampler_compare.sh BEFORE_RESAMPLER AFTER_RESAMPLER [ROUNDS]
set -euo pipefail
before=$(realpath "$1")
after=$(realpath "$2")
rounds=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
sox -n -r 44100 -b 16 rec.wav synth 2 sawtooth 220 vol 0.3 equalizer 700 2q 10 equalizer 1200 2q 8
"$after" rec.wav out.wav A4 100 L 20 1000 60 0
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

# mean of perf stat's EVENT over 10 runs of the command
measure() {
  local event=$1
  shift
  (perf stat -r 10 "$@" 2>&1 >/dev/null || true) | awk -v event="$event" '$0 ~ event { gsub(",", "", $1); print $1 }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

for build in before after; do
  program=${!build}
  valgrind --tool=callgrind --callgrind-out-file="$build.out" "$program" rec.wav "$build.wav" A4 100 L 20 1000 60 0 2>/dev/null
  callgrind_annotate "$build.out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }' >"$build.instructions"
done
for round in $(seq "$rounds"); do
  for build in before after empty; do
    program=${!build:-/bin/true}
    measure task-clock "$program" rec.wav o.wav A4 100 L 20 1000 60 0 >>"$build.note"
    measure page-faults "$program" rec.wav o.wav A4 100 L 20 1000 60 0 >>"$build.faults"
    [ "$build" = empty ] && continue
    measure task-clock "$program" >>"$build.start"
    measure task-clock "$program" rec.wav o.wav A4 100 GL 20 1000 60 0 >>"$build.table"
  done
done
for build in before after; do
  echo "$build: $(cat "$build.instructions") instructions; CPU $(median <"$build.note") ms and" \
    "$(median <"$build.faults") page faults per note, $(median <"$build.start") ms start-up alone," \
    "$(median <"$build.table") ms making the table"
done
echo "empty process: CPU $(median <empty.note) ms, $(median <empty.faults) page faults"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
cmp -s before.wav after.wav && echo "the two notes are the same bytes" || echo "the two notes differ"
