#!/usr/bin/env bash
# The README's first command: installs what ruvo needs (Debian 12, as root or
# through sudo), builds the editor and the tools, makes the demo voice bank
# and renders the demo song. Prints where the WAV is and the command that
# opens the song in the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_deps.sh

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target ruvo ruvo-cli ruvo-batch splicer resampler oto_analyser
bash voicebanks/make_demo_bank.sh build/demo_bank build/bin

# Rendering saves the project as its own render script, so render a copy.
mkdir -p build/demo
cp examples/sakura.bat build/demo/sakura.bat
build/bin/ruvo-cli render build/demo/sakura.bat --voice-folder build/demo_bank
echo "The demo song is in $(pwd)/build/demo/sakura.wav"
echo "Open it in the editor with:"
echo "  $(pwd)/build/bin/ruvo $(pwd)/build/demo/sakura.bat"
