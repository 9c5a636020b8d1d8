#!/usr/bin/env bash
# Remakes the pictures of the options and project-property dialogs in
# docs/images/ by rendering them on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j2 --target dialog_screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=offscreen build/bin/dialog_screenshots docs/images
echo "Wrote docs/images/options_dialog.png, options_dialog_cache.png and project_properties_dialog.png"
