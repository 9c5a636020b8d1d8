#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each for SECONDS
# (default 20), starting from its seed corpus in tests/data/fuzz/<name>/.
# Prints each target's executions and findings; exits 1 when any target
# found something. FUZZ_TARGETS="a b" runs only those targets; new inputs
# collect in build-fuzz/corpus/<name>/, findings in build-fuzz/findings/<name>/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
seconds="${1:-20}"
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-fuzz"

targets=(${FUZZ_TARGETS:-$(ls tests/data/fuzz)})
cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DRUVO_FUZZ=ON -DRUVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}"

failed=0
summary=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/findings/$target.log"
  mkdir -p "$corpus" "$findings"
  before=$(ls "$findings" | wc -l)
  status=0
  "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "tests/data/fuzz/$target" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  found=$(( $(ls "$findings" | wc -l) - before ))
  if [ "$status" != 0 ] || [ "$found" != 0 ]; then
    failed=1
    tail -n 40 "$log"
  fi
  summary+=("$(printf '%-24s %12s executions  %3d findings  (exit %s)' "$target" "${executions:-?}" "$found" "$status")")
done
printf '%s\n' "fuzzing ${seconds} s per target:" "${summary[@]}"
exit "$failed"
