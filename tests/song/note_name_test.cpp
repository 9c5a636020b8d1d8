#include "song/note_name.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(NoteName, NumberToName) {
  EXPECT_EQ(noteNameOf(-1), "");
  EXPECT_EQ(noteNameOf(0), "C1");
  EXPECT_EQ(noteNameOf(36), "C4");
  EXPECT_EQ(noteNameOf(37), "C#4");
  EXPECT_EQ(noteNameOf(45), "A4");
  EXPECT_EQ(noteNameOf(95), "B8");
}

TEST(NoteName, NameToNumberWithSharpsAndFlats) {
  EXPECT_EQ(noteNumberOf(""), -1);
  EXPECT_EQ(noteNumberOf("C4"), 36);
  EXPECT_EQ(noteNumberOf("C#4"), 37);
  EXPECT_EQ(noteNumberOf("Db4"), 37);
  EXPECT_EQ(noteNumberOf("Bb3"), 34);
  EXPECT_EQ(noteNumberOf("B8"), 95);
  EXPECT_EQ(noteNumberOf("C1"), 0);
}

TEST(NoteName, UnreadableNamesHaveNoKey) {
  EXPECT_EQ(noteNumberOf("c4"), -1);
  EXPECT_EQ(noteNumberOf("Cb4"), -1);
  EXPECT_EQ(noteNumberOf("E#4"), -1);
  EXPECT_EQ(noteNumberOf("H4"), -1);
  EXPECT_EQ(noteNumberOf("C99999999999"), 2147483647);
}

TEST(NoteName, OctavesPastAnyIntegerSaturate) {
  // Octaves past the 64-bit range once made 12 * octave overflow.
  EXPECT_EQ(noteNumberOf("B9999999999999999999999999999999999999994"), 2147483647);
  EXPECT_EQ(noteNumberOf("C#-9999999999999999999999999999999999999994"), -2147483647 - 1);
}

TEST(NoteName, EveryNumberRoundTrips) {
  for (int n = 0; n < 128; ++n) EXPECT_EQ(noteNumberOf(noteNameOf(n)), n) << n;
}
