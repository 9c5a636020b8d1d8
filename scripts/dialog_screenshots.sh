#!/usr/bin/env bash
# Remakes the pictures of the options, project-property, note-property and
# pitch-curve dialogs in docs/images/ by rendering them on the offscreen
# platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j2 --target dialog_screenshots noteprops_screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=offscreen build/bin/dialog_screenshots docs/images
QT_QPA_PLATFORM=offscreen build/bin/noteprops_screenshots docs/images
echo "Wrote docs/images/options_dialog.png, options_dialog_cache.png, project_properties_dialog.png,"
echo "note_property_dialog.png, note_property_dialog_range.png, note_property_dialog_vcv.png and pitch_curve_dialog.png"
