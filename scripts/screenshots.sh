#!/usr/bin/env bash
# Pictures of the editor for the documentation: runs the real program on the
# offscreen platform with the demo song and saves the window and its dialogs
# into docs/images/. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target ruvo resampler oto_analyser
# The demo song sung by the demo bank, so the labels show its lyrics.
[ -f "$build/demo_bank/oto.ini" ] || bash "$root/voicebanks/make_demo_bank.sh" "$build/demo_bank" "$build/bin" >/dev/null
# A settings folder of its own, so the pictures show the default settings.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir "$home/bin" && cp "$build/bin/ruvo" "$home/bin/"
sed "s|^@set oto=\r\$|@set oto=$build/demo_bank\r|" "$root/examples/sakura.bat" > "$home/sakura.bat"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home" "$home/bin/ruvo" \
  --screenshot "$root/docs/images" "$home/sakura.bat"
ls "$root/docs/images"
