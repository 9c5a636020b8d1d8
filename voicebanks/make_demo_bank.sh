#!/usr/bin/env bash
# make_demo_bank.sh OUTDIR [BINDIR]
#
# Builds the demo Japanese CV voice bank into OUTDIR: one WAV per syllable of
# demo_syllables.txt (the 46 basic kana, the voiced and semi-voiced rows and
# the small ya/yu/yo combinations), oto.ini with measured timing values and
# a frequency table per recording. BINDIR is the build's program folder
# (default: build/bin of this checkout). Running it again rebuilds the bank
# in place.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $(basename "$0") OUTDIR [BINDIR]" >&2; exit 2; }
# shellcheck source=bank_builder.sh
source "$here/bank_builder.sh"
build_bank "$1" "$here/demo_syllables.txt" "${2:-$here/../build/bin}"
echo "demo voice bank: $(cd "$1" && pwd)"
