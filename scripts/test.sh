#!/usr/bin/env bash
# Builds everything and runs every test: the README's test command.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DRUVO_BUILD_TESTS=ON -DRUVO_BUILD_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2
