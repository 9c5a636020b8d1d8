#!/usr/bin/env bash
# The README's first command: installs what ruvo needs (Debian 12, as root or
# through sudo), builds it, makes the demo voice bank and renders the demo
# song. Prints where the WAV is.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_deps.sh

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target ruvo-cli ruvo-batch splicer resampler oto_analyser
bash voicebanks/make_demo_bank.sh build/demo_bank build/bin

# Rendering saves the project as its own render script, so render a copy.
mkdir -p build/demo
cp examples/sakura.bat build/demo/sakura.bat
build/bin/ruvo-cli render build/demo/sakura.bat --voice-folder build/demo_bank
echo "The demo song is in $(pwd)/build/demo/sakura.wav"
