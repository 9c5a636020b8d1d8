// Reading and writing a long song in each MIDI-type form.

#include <benchmark/benchmark.h>

#include "interchange/sequence_reader.h"
#include "interchange/sequence_writer.h"
#include "interchange/vsq_reader.h"
#include "interchange/vsq_writer.h"

namespace {

// 2000 notes with properties, rests and pitch curves.
ruvo::Song longSong() {
  ruvo::Song song;
  const char* lyrics[] = {"か", "き", "く", "け", "こ", "R"};
  for (int i = 0; i < 2000; ++i)
    song.at(i) = ruvo::Note{lyrics[i % 6], 480 + 40 * (i % 5), 30 + i % 12,
                            "30\t80\t\t0Q120.00 10 20 30 40 50\tB50\tenv=0 5 35 0 100 100 0"};
  song.noteCount = 2000;
  return song;
}

void BM_WriteSequenceFile(benchmark::State& state) {
  ruvo::Song song = longSong();
  for (auto _ : state) benchmark::DoNotOptimize(ruvo::buildSequenceMidi(song, ruvo::MidiWriteInput{}));
}
BENCHMARK(BM_WriteSequenceFile);

void BM_ReadSequenceFile(benchmark::State& state) {
  std::string file = ruvo::buildSequenceMidi(longSong(), ruvo::MidiWriteInput{});
  for (auto _ : state) {
    ruvo::Song song;
    benchmark::DoNotOptimize(ruvo::readSequenceFile(file, song, ruvo::MidiReadOptions{120, ""}));
  }
}
BENCHMARK(BM_ReadSequenceFile);

void BM_WriteVsq(benchmark::State& state) {
  ruvo::Song song = longSong();
  for (auto _ : state) benchmark::DoNotOptimize(ruvo::buildVsq(song, 120));
}
BENCHMARK(BM_WriteVsq);

void BM_ReadVsq(benchmark::State& state) {
  std::string file = ruvo::buildVsq(longSong(), 120);
  for (auto _ : state) {
    ruvo::Song song;
    benchmark::DoNotOptimize(ruvo::readVsqTrack(file, 2, song, ruvo::MidiReadOptions{120, ""}));
  }
}
BENCHMARK(BM_ReadVsq);

}  // namespace

BENCHMARK_MAIN();
