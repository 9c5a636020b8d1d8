# Shared steps of the voice-bank scripts; source it, then call build_bank.
#
# build_bank OUTDIR SYLLABLES BINDIR
#   SYLLABLES: one recording per line, "name alias phonemes [pitch]"; the
#   phonemes are espeak-ng's Japanese notation of the syllable, the pitch the
#   espeak-ng voice pitch (270, about C4, when absent).
#   BINDIR: the build's program folder (oto_analyser, resampler).
#
# Each syllable is spoken by espeak-ng with its vowel repeated so that it is
# sustained for over a second, on a voice variant whose pitch range is 0 (a
# flat pitch), then converted by sox to 44100 Hz mono 16-bit, with 100 ms of
# silence before it (phoneme input starts at once) and its trailing silence
# cut to 150 ms. oto_analyser
# measures the timing values into oto.ini and the resampler writes each
# recording's frequency table.

bank_die() {
  echo "$(basename "$0"): error: $*" >&2
  exit 1
}

# The espeak-ng data folder with one more voice variant, "flat": a private
# copy made of links, so the system's data stays untouched.
bank_make_espeak_data() {
  local work=$1 system
  system=$(espeak-ng --version | sed -n 's/.*Data at: *//p')
  [ -d "$system" ] || bank_die "espeak-ng data folder not found"
  mkdir -p "$work/espeak-ng-data"
  ln -s "$system"/* "$work/espeak-ng-data/"
  rm "$work/espeak-ng-data/voices"
  mkdir -p "$work/espeak-ng-data/voices/!v"
  local item
  for item in "$system"/voices/*; do
    [ "$(basename "$item")" = '!v' ] || ln -s "$item" "$work/espeak-ng-data/voices/"
  done
}

# bank_record_syllable OUTDIR WORK NAME PHONEMES PITCH
bank_record_syllable() {
  local out=$1 work=$2 name=$3 phonemes=$4 pitch=$5
  local vowel=${phonemes: -1}
  [ "$vowel" = '\' ] && vowel=${phonemes: -2}
  local variant="flat$pitch"
  local voices="$work/espeak-ng-data/voices/!v"
  # Variants are written once per pitch; two jobs may race, so write and move.
  if [ ! -f "$voices/$variant" ]; then
    printf 'name %s\npitch %s %s\nflutter 0\n' "$variant" "$pitch" "$pitch" > "$voices/.$variant.$$"
    mv -f "$voices/.$variant.$$" "$voices/$variant"
  fi
  espeak-ng --path="$work" -v "ja+$variant" -s 80 -w "$work/$name.raw.wav" \
    "[[$phonemes:$vowel:$vowel:$vowel:$vowel:]]" || bank_die "espeak-ng failed on $name"
  sox -q "$work/$name.raw.wav" -r 44100 -c 1 -b 16 -t wav "$work/$name.wav" \
    gain -n -3 reverse silence 1 0.01 -60d reverse pad 0.1 0.15 || bank_die "sox failed on $name"
  mv -f "$work/$name.wav" "$out/$name.wav"
}

# bank_make_frequency_table RESAMPLER WORK RECORDING
bank_make_frequency_table() {
  local resampler=$1 work=$2 recording=$3
  local scratch="$work/frq_$(basename "$recording")"
  "$resampler" "$recording" "$scratch" 100 100 GN 0 100 >/dev/null || bank_die "resampler failed on $recording"
  rm -f "$scratch"
  [ -f "${recording%.wav}_wav.frq" ] || bank_die "resampler left no frequency table for $recording"
}

build_bank() {
  local out=$1 syllables=$2 bin=$3
  command -v espeak-ng >/dev/null || bank_die "espeak-ng is not installed"
  command -v sox >/dev/null || bank_die "sox is not installed"
  [ -x "$bin/oto_analyser" ] || bank_die "$bin/oto_analyser not found: build ruvo first"
  [ -f "$syllables" ] || bank_die "$syllables not found"

  mkdir -p "$out" || bank_die "cannot create $out"
  out=$(cd "$out" && pwd)
  local work
  work=$(mktemp -d) || bank_die "cannot create a scratch folder"
  # shellcheck disable=SC2064  # the folder is known now
  trap "rm -rf '$work'" EXIT
  bank_make_espeak_data "$work"

  export -f bank_die bank_record_syllable bank_make_frequency_table
  grep -v '^#' "$syllables" | while read -r name alias phonemes pitch; do
    [ -n "$phonemes" ] && printf '%s\0%s\0%s\0' "$name" "$phonemes" "${pitch:-270}"
  done | xargs -0 -n 3 -P 2 bash -c 'bank_record_syllable "$0" "$1" "$2" "$3" "$4"' "$out" "$work" ||
    bank_die "recording failed"

  "$bin/oto_analyser" "$out" "$syllables" >/dev/null || bank_die "oto.ini analysis failed"

  if [ -x "$bin/resampler" ]; then
    grep -v '^#' "$syllables" | while read -r name _; do
      [ -n "$name" ] && printf '%s\0' "$out/$name.wav"
    done | xargs -0 -n 1 -P 2 bash -c 'bank_make_frequency_table "$0" "$1" "$2"' "$bin/resampler" "$work" ||
      bank_die "frequency tables failed"
  else
    echo "$(basename "$0"): warning: $bin/resampler not found: no frequency tables made" >&2
  fi
}
