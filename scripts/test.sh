#!/usr/bin/env bash
# Checks the floors of the source tree, builds everything and runs every
# test: the README's test command.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 tools/check_layers.py > /dev/null
cmake -S . -B build -G Ninja -DRUVO_BUILD_TESTS=ON -DRUVO_BUILD_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2
