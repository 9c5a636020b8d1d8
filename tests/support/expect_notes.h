#pragma once
// Checks a song's notes against the expected ones, field by field, naming
// the note that differs.

#include <gtest/gtest.h>

#include <vector>

#include "song/song_model.h"

namespace ruvo::testing {

inline void expectNotes(const Song& song, const std::vector<Note>& expected) {
  for (size_t i = 0; i < expected.size(); ++i) {
    const Note& note = song[static_cast<int>(i)];
    EXPECT_EQ(note.lyric, expected[i].lyric) << i;
    EXPECT_EQ(note.length, expected[i].length) << i;
    EXPECT_EQ(note.noteNumber, expected[i].noteNumber) << i;
    EXPECT_EQ(note.props, expected[i].props) << i;
  }
}

}  // namespace ruvo::testing
