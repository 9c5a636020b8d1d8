#!/usr/bin/env bash
# Whole-process cold renders (cache folder removed before each) of two
# builds, run in turn so that both see the same load: the median of RUNS
# renders per build, song and worker count. Uses the songs and the demo bank
# that bench/render_parallel.sh leaves in BEFORE's build folder (run it
# first); each build renders with the tools of its own program folder.
#   bash bench/render_compare.sh BEFORE_BUILD AFTER_BUILD [RUNS] [SONGS] [JOBS]
# SONGS is "sakura song500" and JOBS "1 <cores>" by default.
set -euo pipefail
before=$(cd "$1" && pwd)
after=$(cd "$2" && pwd)
runs=${3:-5}
songs=${4:-sakura song500}
jobs_list=${5:-1 $(nproc)}
work="$before/bench_parallel"
bank="$before/demo_bank"
[ -f "$work/song500.bat" ] || { echo "run bench/render_parallel.sh $1 first" >&2; exit 2; }

render() {  # BUILD SONG JOBS: prints the elapsed nanoseconds
  rm -rf "$work/$2.cache"
  local start
  start=$(date +%s%N)
  "$1/bin/ruvo-cli" render "$work/$2.bat" --voice-folder "$bank" --jobs "$3" --quiet \
    --use-configured-tools --trust-tools >/dev/null 2>&1 || { echo "$1: render of $2 failed" >&2; exit 1; }
  echo $(($(date +%s%N) - start))
}

median() { sort -n | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] / 1e9 }'; }

echo "cores: $(nproc); load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for song in $songs; do
  for jobs in $jobs_list; do
    b=() a=()
    for _ in $(seq "$runs"); do
      b+=("$(render "$before" "$song" "$jobs")")
      a+=("$(render "$after" "$song" "$jobs")")
    done
    echo "$song, $jobs workers: before $(printf '%s\n' "${b[@]}" | median) s, after $(printf '%s\n' "${a[@]}" | median) s (median of $runs, in turn)"
  done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
