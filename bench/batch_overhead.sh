#!/usr/bin/env bash
# The interpreter's own cost per "call" line: ruvo-batch running a script of
# 1000 calls to a program that does nothing, against starting that program
# 1000 times from a tiny C++ loop. A second script calls a helper batch per
# line, as render scripts do. Usage: bash bench/batch_overhead.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin="$build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for i in $(seq 1000); do printf 'call "%s" a C4 500.000\r\n' "$bin/batch_noop"; done > "$work/calls.bat"
printf '@"%s" %%1 %%2 %%3\r\n' "$bin/batch_noop" > "$work/h_helper.bat"
{ printf '@set helper=h_helper.bat\r\n'; for i in $(seq 1000); do printf 'call %%helper%% a C4 500.000\r\n'; done; } > "$work/helper.bat"
cd "$work"
hyperfine --warmup 2 --runs 10 -N \
  "$bin/batch_spawn_loop $bin/batch_noop 1000" \
  "$bin/ruvo-batch calls.bat" \
  "$bin/ruvo-batch helper.bat"
