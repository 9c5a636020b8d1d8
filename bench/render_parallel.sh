#!/usr/bin/env bash
# Whole-process cold render (empty cache) of the demo song and of a 500-note
# song made from it, with 1 resampler worker and with one per core: the
# median of RUNS renders each, the two taken in turn so that both see the
# same load. First checks that every worker count, and ruvo-batch running
# the script alone, write the same bytes.
#   bash bench/render_parallel.sh [BUILD_DIR] [RUNS] [SONGS]
# SONGS is "sakura song500" by default.
#
# A cache is emptied by moving it aside, and what was moved aside is deleted
# after the timing: on the ext4 measured here, files made where many files
# were deleted in the last few minutes cost a search past each deleted
# inode, under the folder's lock, which would measure this script's own
# deletions. For the same reason, leave 6 minutes between two runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}
songs=${3:-sakura song500}
cores=$(nproc)
bank="$build/demo_bank"
work="$build/bench_parallel"
[ -f "$bank/oto.ini" ] || bash voicebanks/make_demo_bank.sh "$bank" "$build/bin" >/dev/null
trash="$build/bench_parallel.trash"
mkdir -p "$trash"
[ -d "$work" ] && mv "$work" "$trash/work.$$"
mkdir -p "$work"
# Empties a song's cache without deleting a file now.
empty_cache() { [ -d "$work/$1.cache" ] && mv "$work/$1.cache" "$(mktemp -d "$trash/cache.XXXXXX")/" || true; }
cp examples/sakura.bat "$work/sakura.bat"

# The 500-note song: the demo's notes again and again. Every repeat after
# the first sings at volume 99, so its notes are cached under their own
# index and each of the 500 is resampled.
{
  sed -n '1,/^@mkdir/p' examples/sakura.bat | sed 's/sakura/song500/g'
  body=$(sed -n '/^@mkdir/,/^@if exist/p' examples/sakura.bat | sed '1d;$d')
  printf '%s\n' "$body"
  for _ in $(seq 2 10); do printf '%s\n' "$body" | sed 's/^@set params=100 100 \(\r\?\)$/@set params=99 100 \1/'; done
  sed -n '/^@if exist/,$p' examples/sakura.bat
} | awk '/^call /{ if (++calls > 500) next } { print }' >"$work/song500.bat"

cli="$build/bin/ruvo-cli"
echo "cores: $cores; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for song in $songs; do
  # Identical output: ruvo-batch alone, then the pool with 1, 2, 8 and all cores.
  "$cli" render "$work/$song.bat" --voice-folder "$bank" --jobs 1 --quiet >/dev/null 2>&1
  empty_cache "$song"
  (cd "$work" && "$build/bin/ruvo-batch" "$song.bat" >/dev/null 2>&1)
  mv "$work/$song.wav" "$work/$song.alone.wav"
  for jobs in $(printf '%s\n' 1 2 8 "$cores" | sort -nu); do
    empty_cache "$song"
    "$cli" render "$work/$song.bat" --voice-folder "$bank" --jobs "$jobs" --quiet >/dev/null 2>&1
    cmp "$work/$song.alone.wav" "$work/$song.wav" || { echo "$song: $jobs workers differ"; exit 1; }
  done
  notes=$(grep -c '^call ' "$work/$song.bat")
  audio=$(soxi -D "$work/$song.wav")
  echo "$song: $notes sung notes, $audio s of audio; the same bytes with ruvo-batch alone and with 1, 2, 8, $cores workers"
  declare -A times=()
  for _ in $(seq "$runs"); do
    for jobs in 1 "$cores"; do
      empty_cache "$song"
      start=$(date +%s%N)
      "$cli" render "$work/$song.bat" --voice-folder "$bank" --jobs "$jobs" --quiet >/dev/null 2>&1
      times[$jobs]+="$(($(date +%s%N) - start)) "
    done
  done
  for jobs in 1 "$cores"; do
    median=$(printf '%s\n' ${times[$jobs]} | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] / 1e9 }')
    awk -v s="$song" -v j="$jobs" -v m="$median" -v a="$audio" -v r="$runs" \
      'BEGIN { printf "%s, %d workers: median of %d %.3f s, %.0fx real time\n", s, j, r, m, a / m }'
  done
  unset times
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
rm -rf "$trash"
