#!/usr/bin/env bash
# Whole-process render of the demo song, with a cold cache (every note
# resampled) and a warm one (every note taken from the cache), and the ratio
# of audio seconds to render seconds.
#   bash bench/render_demo.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
bank="$build/demo_bank"
work="$build/bench_render"
[ -f "$bank/oto.ini" ] || bash voicebanks/make_demo_bank.sh "$bank" "$build/bin" >/dev/null
rm -rf "$work"
mkdir -p "$work"
cp examples/sakura.bat "$work/sakura.bat"
render="$build/bin/ruvo-cli render $work/sakura.bat --voice-folder $bank"
$render >/dev/null
audio=$(soxi -D "$work/sakura.wav")
echo "audio: $audio s"
hyperfine --runs "$runs" --warmup 1 --export-json "$work/cold.json" \
  --prepare "rm -rf $work/sakura.cache" -n cold "$render"
hyperfine --runs "$runs" --warmup 1 --export-json "$work/warm.json" -n warm "$render"
for kind in cold warm; do
  mean=$(sed -n 's/.*"mean": \([0-9.]*\).*/\1/p' "$work/$kind.json" | head -1)
  awk -v kind="$kind" -v mean="$mean" -v audio="$audio" 'BEGIN { printf "%s: mean %.3f s, %.1fx real time\n", kind, mean, audio / mean }'
done
