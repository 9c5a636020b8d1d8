#!/usr/bin/env bash
# make_test_bank.sh OUTDIR [BINDIR]
#
# Builds the small voice bank the end-to-end tests render with: あ か さ た な
# at about C4, two recordings with the prefix "↑" at a lower pitch, and a
# prefix.map that selects them for the note C5. Takes a few seconds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $(basename "$0") OUTDIR [BINDIR]" >&2; exit 2; }
# shellcheck source=bank_builder.sh
source "$here/bank_builder.sh"
build_bank "$1" "$here/test_syllables.txt" "${2:-$here/../build/bin}"
# C5, TAB, the prefix, in CP932 with CR LF.
printf 'C5\t\x81\xaa\r\n' > "$1/prefix.map"
echo "test voice bank: $(cd "$1" && pwd)"
