#!/usr/bin/env bash
# Pictures of the editor for the documentation: runs the real program on the
# offscreen platform with the demo song and saves the window and its dialogs
# into docs/images/. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target ruvo
# A settings folder of its own, so the pictures show the default settings.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir "$home/bin" && cp "$build/bin/ruvo" "$home/bin/"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home" "$home/bin/ruvo" \
  --screenshot "$root/docs/images" "$root/examples/sakura.bat"
ls "$root/docs/images"
