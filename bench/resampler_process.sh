#!/usr/bin/env bash
# Whole-process time of the resampler for a 1-second note from a 2-second
# recording: once with the frequency table already there, once making it
# (flag G). Needs hyperfine and sox. Usage: bench/resampler_process.sh [build]
set -euo pipefail
build="${1:-build}"
resampler="$(cd "$build/bin" && pwd)/resampler"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# A harmonic-rich 220 Hz tone with two formant-like resonances.
sox -n -r 44100 -b 16 rec.wav synth 2 sawtooth 220 vol 0.3 equalizer 700 2q 10 equalizer 1200 2q 8
"$resampler" rec.wav out.wav A4 100 L 20 1000 60 0
hyperfine -N --warmup 5 --runs 50 \
  -n "with table" "$resampler rec.wav out.wav A4 100 L 20 1000 60 0" \
  -n "making table" "$resampler rec.wav out.wav A4 100 GL 20 1000 60 0"
# CPU time as well as wall time: on a loaded machine wall time is mostly
# waiting for a core.
if command -v perf >/dev/null; then
  for flags in L GL; do
    echo "perf stat, flags $flags:"
    perf stat -r 30 "$resampler" rec.wav out.wav A4 100 "$flags" 20 1000 60 0 2>&1 | grep -E 'task-clock|elapsed'
  done
  echo "perf stat, start-up only:"
  perf stat -r 30 "$resampler" 2>&1 | grep -E 'task-clock|elapsed'
fi
