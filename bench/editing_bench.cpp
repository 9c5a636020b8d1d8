// In-process figures for the editing commands on a large song, the logic
// alone (the roll's redraw is not part of these figures): inserting a
// 1,000-note phrase into a 10,000-note song and undoing it, and a key change
// of every note of a 10,000-note song.

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "core/clipboard.h"
#include "core/prompts.h"
#include "editor/edit_session.h"

namespace {

constexpr int kSongNotes = 10'000;
constexpr int kPhraseNotes = 1'000;
const std::vector<std::string> kKana{"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ"};

class NoPrompts final : public ruvo::Prompts {
 public:
  void message(const std::string&, const std::string&, ruvo::MessageIcon) override {}
  ruvo::Answer ask(const std::string&, const std::string&, ruvo::MessageIcon, bool) override {
    return ruvo::Answer::Cancel;
  }
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

class NoClipboard final : public ruvo::Clipboard {
 public:
  std::string text() const override { return {}; }
  void setText(const std::string&) override {}
};

ruvo::OtoTable benchOto() {
  std::vector<std::string> lines;
  for (size_t i = 0; i < kKana.size(); ++i) lines.push_back("k" + std::to_string(i) + ".wav=" + kKana[i] + ",10,20,30,55,5");
  return ruvo::OtoTable::fromLines(lines);
}

ruvo::Song bigSong(int key) {
  ruvo::Song song;
  song.notes.clear();
  for (int i = 0; i < kSongNotes; ++i) {
    song.notes.push_back(ruvo::Note{kKana[static_cast<size_t>(i) % kKana.size()], 480, key, "55\t\t\t\t\t"});
  }
  song.noteCount = kSongNotes;
  return song;
}

// The 10,000-note song at `key` in an editing session of its own.
struct BenchSession {
  explicit BenchSession(int key) : song(bigSong(key)) {}
  ruvo::OtoTable oto = benchOto();
  ruvo::Song song;
  NoPrompts prompts;
  NoClipboard clipboard;
  ruvo::EditSession session{song, oto, prompts, clipboard};
};

std::string longPhrase() {
  std::string phrase = "/L8/A4";
  for (int i = 0; i < kPhraseNotes; ++i) phrase += kKana[static_cast<size_t>(i) % kKana.size()];
  return phrase;
}

// Insert at the given note index (0: every note of the song moves) and undo.
void BM_InsertPhraseAndUndo(benchmark::State& state) {
  BenchSession bench(40);
  std::string phrase = longPhrase();
  int at = static_cast<int>(state.range(0));
  for (auto _ : state) {
    bench.song.selFirst = bench.song.selLast = at;
    benchmark::DoNotOptimize(bench.session.insertPhrase(phrase));
    benchmark::DoNotOptimize(bench.session.undo());
  }
  if (bench.song.noteCount != kSongNotes) state.SkipWithError("undo did not restore the song");
}
BENCHMARK(BM_InsertPhraseAndUndo)->Arg(0)->Arg(kSongNotes / 2)->Arg(kSongNotes)->Unit(benchmark::kMillisecond);

// Select all, then one key change; up and down in turn so no note clamps.
void BM_SelectAllKeyChange(benchmark::State& state) {
  BenchSession bench(40);
  int amount = 1;
  for (auto _ : state) {
    bench.session.selectAll();
    benchmark::DoNotOptimize(bench.session.changeKey(amount));
    amount = -amount;
  }
}
BENCHMARK(BM_SelectAllKeyChange)->Unit(benchmark::kMillisecond);

// The same when every note is held at the top: each note then records the
// line that restores it.
void BM_SelectAllKeyChangeClamped(benchmark::State& state) {
  BenchSession bench(83);
  for (auto _ : state) {
    bench.session.selectAll();
    benchmark::DoNotOptimize(bench.session.changeKey(1));
  }
}
BENCHMARK(BM_SelectAllKeyChangeClamped)->Unit(benchmark::kMillisecond);

// A key change of every note and its undo.
void BM_SelectAllKeyChangeAndUndo(benchmark::State& state) {
  BenchSession bench(40);
  for (auto _ : state) {
    bench.session.selectAll();
    benchmark::DoNotOptimize(bench.session.changeKey(5));
    benchmark::DoNotOptimize(bench.session.undo());
  }
}
BENCHMARK(BM_SelectAllKeyChangeAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
