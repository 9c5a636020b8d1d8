#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/text_file.h"
#include "interchange/sequence_reader.h"
#include "interchange/sequence_writer.h"
#include "interchange/vsq_reader.h"
#include "interchange/vsq_writer.h"

namespace ruvo {
namespace {

const MidiReadOptions kNoTrace{120, ""};

// A song a reader handed back keeps the model's shape: a note count within
// its storage, and no more notes than the file has bytes for (a note needs a
// note-on and a note-off of at least three bytes each).
void expectWellFormed(const Song& song, size_t fileSize) {
  ASSERT_GE(song.noteCount, 0);
  ASSERT_LE(static_cast<size_t>(song.noteCount), song.notes.size());
  EXPECT_LE(static_cast<size_t>(song.noteCount), fileSize);
}

// Every reader on the bytes: the track list, each track's import, the VSQ
// read of each track and the sequence-file read. Returns the notes they
// imported together.
int readEverything(std::string_view bytes) {
  int notes = 0;
  auto list = listTracks(bytes, kNoTrace);
  EXPECT_LE(list.size(), bytes.size() / 8 + 1);  // a track header takes eight bytes
  for (int track = 1; track <= static_cast<int>(list.size()); ++track) {
    Song song;
    if (auto read = importTrack(bytes, track, song, kNoTrace)) {
      notes += read->count;
      expectWellFormed(song, bytes.size());
    }
    Song vsq;
    if (readVsqTrack(bytes, track, vsq, kNoTrace)) {
      notes += vsq.noteCount;
      expectWellFormed(vsq, bytes.size());
    }
  }
  Song sequence;
  if (readSequenceFile(bytes, sequence, kNoTrace)) {
    notes += sequence.noteCount;
    expectWellFormed(sequence, bytes.size());
  }
  return notes;
}

TEST(MidiCorpus, EveryFileListsAndImportsWithoutFault) {
  std::filesystem::path folder = std::filesystem::path(RUVO_MIDI_CORPUS_DIR);
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".mid") continue;
    auto bytes = readFileBytes(entry.path().string());
    ASSERT_TRUE(bytes) << entry.path();
    readEverything(*bytes);
    ++files;
  }
  EXPECT_GE(files, 70);
}

TEST(MidiCorpus, ScaleImportsAsEightNotes) {
  auto bytes = readFileBytes(std::string(RUVO_MIDI_CORPUS_DIR) + "/test-c-major-scale.mid");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(listTracks(*bytes, kNoTrace), (std::vector<std::string>{"1: C Major Scale Test"}));
  Song song;
  auto read = importTrack(*bytes, 1, song, kNoTrace);
  ASSERT_TRUE(read);
  ASSERT_EQ(song.noteCount, 8);
  const int keys[8] = {36, 38, 40, 41, 43, 45, 47, 48};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(song[i].noteNumber, keys[i]);
    EXPECT_EQ(song[i].length, 1920);
  }
}

TEST(MidiCorpus, RunningStatusFilesImportWholly) {
  for (const char* name : {"test-running-status-metaevent.mid", "test-karaoke-kar.mid"}) {
    auto bytes = readFileBytes(std::string(RUVO_MIDI_CORPUS_DIR) + "/" + name);
    ASSERT_TRUE(bytes);
    int total = 0;
    int tracks = static_cast<int>(listTracks(*bytes, kNoTrace).size());
    for (int track = 1; track <= tracks; ++track) {
      Song song;
      auto read = importTrack(*bytes, track, song, kNoTrace);
      if (read) total += read->count;
    }
    EXPECT_GE(total, 8) << name;
  }
}

// A small deterministic generator, so failures replay.
struct Lcg {
  uint32_t state;
  uint32_t next() { return state = state * 1664525u + 1013904223u; }
};

std::vector<std::string> seeds() {
  Song song;
  song.notes = {{"か", 1920, 36, "30\t80\t50\t5Q120.00 10 20\tB5\ttempo=140\\nenv=0 5"}, {"R", 960, 36, ""},
                {"きゃ", 480, 40, "\t\t\t\t\t"}};
  song.noteCount = 3;
  std::vector<std::string> files = {buildSequenceMidi(song, MidiWriteInput{}), buildVsq(song, 120)};
  auto scale = readFileBytes(std::string(RUVO_MIDI_CORPUS_DIR) + "/test-c-major-scale.mid");
  if (scale) files.push_back(*scale);
  return files;
}

TEST(MidiFuzz, TruncatedFilesAtEveryLength) {
  const auto files = seeds();
  ASSERT_EQ(files.size(), 3u);
  for (const auto& file : files) {
    // The whole file imports notes, so its cut forms feed the readers real
    // events; a cut file never imports more than the whole one.
    ASSERT_GT(readEverything(file), 0);
    const int whole = readEverything(file);
    for (size_t length = 0; length < file.size(); ++length)
      EXPECT_LE(readEverything(std::string_view(file).substr(0, length)), whole) << "cut at " << length;
  }
}

TEST(MidiFuzz, RandomByteChangesAndHostileNumbers) {
  Lcg random{12345};
  const auto files = seeds();
  ASSERT_EQ(files.size(), 3u);
  for (const auto& file : files) {
    ASSERT_GT(readEverything(file), 0);
    for (int round = 0; round < 400; ++round) {
      std::string mutated = file;
      int changes = 1 + static_cast<int>(random.next() % 8);
      for (int i = 0; i < changes; ++i) {
        size_t at = random.next() % mutated.size();
        switch (random.next() % 4) {
          case 0: mutated[at] = static_cast<char>(random.next()); break;
          case 1: mutated[at] = '\xFF'; break;  // long variable-length runs, meta starts
          case 2: mutated.insert(at, std::string(1 + random.next() % 6, '\x80')); break;
          default: mutated.erase(at, 1 + random.next() % 4); break;
        }
      }
      EXPECT_GE(readEverything(mutated), 0);
    }
  }
}

TEST(MidiFuzz, LengthsPastTheEndAndHugeNumbers) {
  std::string header("MThd\0\0\0\6\0\1\xFF\xFF\1\xE0", 14);
  // A track claiming 4 GiB, a delta of four continued bytes, a meta event
  // claiming more data than there is, and bends far apart in a long note.
  std::string events("\xFF\xFF\xFF\xFF\x7F\x90\x3C\x40" "\x8F\xFF\xFF\x7F\xE0\x00\x40" "\x00\xFF\x01\x8F\xFF\xFF\x7F", 22);
  std::string file = header + "MTrk\xFF\xFF\xFF\xFF" + events;
  EXPECT_EQ(listTracks(file, kNoTrace).size(), 1u);
  EXPECT_EQ(readEverything(file), 0);
  // A header length past the end, and a header of fewer than six bytes.
  EXPECT_TRUE(listTracks(std::string("MThd\xFF\xFF\xFF\xFF\0\1\0\1", 12), kNoTrace).empty());
  EXPECT_TRUE(listTracks(std::string("MThd\0\0\0\2\0\1", 10), kNoTrace).empty());
}

}  // namespace
}  // namespace ruvo
