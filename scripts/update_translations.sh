#!/usr/bin/env bash
# Adds the texts the editor's code marks for translation (tr, translate,
# QT_TRANSLATE_NOOP) to src/gui/translations/ruvo_en.ts and drops the ones
# the code no longer has; translations already made are kept. Fill in the new
# entries (Qt Linguist, or by hand) and the build compiles them.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -locations none -no-obsolete -source-language ja -target-language en \
  -I src src/gui -ts src/gui/translations/ruvo_en.ts
