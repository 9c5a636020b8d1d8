#!/usr/bin/env bash
# Pictures of the editor for the user guide: runs the real program on the
# offscreen platform with the demo song, once in English and once in
# Japanese, and saves the main window (1024x640) and every dialog into
# docs/guide/images/en/ and docs/guide/images/ja/.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target ruvo resampler oto_analyser
# The demo song sung by the demo bank, so the labels show its lyrics.
[ -f "$build/demo_bank/oto.ini" ] || bash "$root/voicebanks/make_demo_bank.sh" "$build/demo_bank" "$build/bin" >/dev/null
# A settings folder of its own, so the pictures show the default settings
# (and the language comes from --lang, not from a stored choice).
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir "$home/bin" && cp "$build/bin/ruvo" "$home/bin/"
sed "s|^@set oto=\r\$|@set oto=$build/demo_bank\r|" "$root/examples/sakura.bat" > "$home/sakura.bat"
for lang in en ja; do
  out="$root/docs/guide/images/$lang"
  rm -rf "$out"
  HOME="$home" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home" \
    "$home/bin/ruvo" --lang "$lang" --screenshot "$out" "$home/sakura.bat"
  echo "$out:" $(ls "$out")
done
