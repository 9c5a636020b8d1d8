// Reading a large UTF-8 VCV oto.ini (5000 entries) from its bytes and
// resolving 1000 lyrics with the automatic VCV choice, as a render script
// write does.

#include <benchmark/benchmark.h>

#include "core/text_file.h"
#include "project/note_sample.h"

namespace {

const char* const kKana[] = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ", "し", "す", "せ", "そ",
                             "た", "ち", "つ", "て", "と", "な", "に", "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ"};
const char* const kHeads[] = {"-", "a", "i", "u", "e", "o", "n"};

// 5000 entries: every VCV alias of the 30 kana for the seven heads, on
// recordings of seven syllables each, padded with CV aliases.
std::string bigOtoIni() {
  std::string text = "\xEF\xBB\xBF";
  int entries = 0;
  for (int pass = 0; entries < 5000; ++pass) {
    for (const char* head : kHeads) {
      for (const char* kana : kKana) {
        if (entries == 5000) break;
        std::string alias = pass == 0 ? std::string(head) + " " + kana : std::string(kana) + std::to_string(pass);
        text += "_rec" + std::to_string(entries / 7) + ".wav=" + alias + "," + std::to_string(100 + entries % 7 * 400) +
                ",80,-300,60\r\n";
        ++entries;
      }
    }
  }
  return text;
}

void BM_ReadOtoAndResolveVcvLyrics(benchmark::State& state) {
  const std::string bytes = bigOtoIni();
  ruvo::Song song;
  for (int i = 0; i < 1000; ++i) song.at(i) = ruvo::Note{i % 10 == 9 ? "R" : kKana[(i * 7) % 30], 480, 36, ""};
  song.noteCount = 1000;
  for (auto _ : state) {
    ruvo::VoiceBankTables tables;
    tables.oto = ruvo::OtoTable::fromDocument(ruvo::textDocumentFromBytes(bytes));
    tables.prefix.loadLines({});
    size_t found = 0;
    for (int i = 0; i < song.noteCount; ++i)
      if (!ruvo::isRest(song[i].lyric)) found += ruvo::resolveNoteSample(song, tables, i).entryIndex.has_value();
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel("5000 entries, 1000 notes");
}
BENCHMARK(BM_ReadOtoAndResolveVcvLyrics)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
