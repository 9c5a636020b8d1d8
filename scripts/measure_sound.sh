#!/usr/bin/env bash
# measure_sound.sh [BUILD_DIR]
#
# The figures of docs/SOUND.md: builds the demo voice bank (recorded at one
# known pitch, 260.96 Hz) into a scratch folder, checks every frequency
# table against that pitch, renders single notes of open and close vowels
# from -12 to +12 semitones at three lengths, renders the demo song and
# measures every sung note and every join. Needs a configured BUILD_DIR
# (default build); prints its report on stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin="$build/bin"
cmake --build "$build" --target resampler ruvo-cli ruvo-batch splicer oto_analyser sound_measure >/dev/null
measure="$bin/sound_measure"
recorded=260.96

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash voicebanks/make_demo_bank.sh "$work/bank" "$bin" >/dev/null

echo "== Frequency tables of the demo bank against $recorded Hz"
"$measure" tables "$work/bank" "$recorded"

echo
echo "== Single notes (recording at $recorded Hz, rendered with its oto.ini values)"
notes=(C3 F3 A3 C4 D#4 G4 C5)
shifts=(-12 -7 -3 0 3 7 12)
for name in a i u e o ki ni; do
  IFS=, read -r _ offset consonant blank _ < <(grep -a "^$name.wav=" "$work/bank/oto.ini" | cut -d= -f2)
  for length in 300 1000 3000; do
    "$bin/resampler" "$work/bank/$name.wav" "$work/own.wav" C4 100 "" "$offset" "$length" "$consonant" "$blank"
    for k in "${!notes[@]}"; do
      hz=$(awk -v s="${shifts[$k]}" 'BEGIN { printf "%.4f", 261.6256 * 2 ^ (s / 12) }')
      "$bin/resampler" "$work/bank/$name.wav" "$work/note.wav" "${notes[$k]}" 100 "" "$offset" "$length" "$consonant" "$blank"
      printf '%-3s %4s ms %+3d st  ' "$name" "$length" "${shifts[$k]}"
      "$measure" note "$work/note.wav" "$hz" "$work/own.wav"
    done
  done
done | tee "$work/notes_measured.txt"
echo
echo "== Single notes, worst over the three lengths: |median| c, |level - own pitch| dB, p95 |c|"
awk '{ key = $1 " " $4; m = sqrt($7 * $7); l = sqrt($18 * $18)
       if (!(key in M) || m > M[key]) M[key] = m
       if (!(key in L) || l > L[key]) L[key] = l
       if (!(key in P) || $10 > P[key]) P[key] = $10 }
     END { for (key in M) printf "%-3s %+3d st  %5.2f c  %4.1f dB  %7.1f c\n", substr(key, 1, index(key, " ") - 1),
                                  substr(key, index(key, " ") + 1), M[key], L[key], P[key] }' \
  "$work/notes_measured.txt" | sort -k1,1 -k2,2n

echo
echo "== Demo song (examples/sakura.bat)"
mkdir -p "$work/song"
cp examples/sakura.bat "$work/song/sakura.bat"
"$bin/ruvo-cli" render "$work/song/sakura.bat" --voice-folder "$work/bank" >/dev/null
"$bin/ruvo-cli" dump "$work/song/sakura.bat" --voice-folder "$work/bank" > "$work/song.json"
# Note times from the project: 1920 ticks a beat, the tempo as set at a
# note ("tempo=" in its properties) from that note on; rests ("R") only
# move time.
python3 - "$work/song.json" > "$work/notes.txt" <<'PY'
import json, re, sys
song = json.load(open(sys.argv[1]))
tempo = float(song["tempo"])
t = 0.0
for note in song["notes"]:
    change = re.search(r"tempo=([0-9.]+)", note.get("props", ""))
    if change:
        tempo = float(change.group(1))
    length = note["length"] * 60.0 / tempo / 1920
    if note["lyric"] != "R":
        hz = 440.0 * 2 ** ((note["noteNumber"] - 45) / 12)
        print(f'{t:.4f} {t + length:.4f} {hz:.4f} {note["lyric"]}')
    t += length
PY
"$measure" song "$work/song/sakura.wav" "$work/notes.txt"
