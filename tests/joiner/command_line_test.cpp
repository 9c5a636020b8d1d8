#include <gtest/gtest.h>

#include <limits>
#include <string_view>
#include <vector>

#include "joiner/envelope.h"
#include "joiner/splice_args.h"

using namespace ruvo::joiner;

namespace {
SpliceArgs parse(std::vector<std::string_view> args) {
  auto parsed = parseSpliceArgs(args);
  EXPECT_TRUE(parsed.has_value());
  return parsed.value_or(SpliceArgs{});
}
}  // namespace

TEST(SpliceArgs, FormFollowsTheArgumentCount) {
  for (size_t count = 0; count < 6; ++count) {
    std::vector<std::string_view> args(count, "1");
    auto parsed = parseSpliceArgs(args);
    ASSERT_FALSE(parsed) << count;
    EXPECT_EQ(parsed.error().message, "splicer2 <outfile> <infile> offset length p1 p2 p3 v1 v2 v3 v4 ovr\n");
  }
  // Ten arguments are still the short form: p3 and the volumes are not read.
  auto shortForm = parse({"o", "i", "1", "2", "3", "4", "5", "6", "7", "8"});
  EXPECT_FALSE(shortForm.longForm);
  EXPECT_EQ(shortForm.v1, 100);
  auto longForm = parse({"o", "i", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
  EXPECT_EQ(longForm.v4, 9);
  EXPECT_EQ(longForm.ovr, 0);
  auto withOverlap = parse({"o", "i", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
  EXPECT_EQ(withOverlap.ovr, 10);
}

TEST(SpliceArgs, NumbersReadLikeAScanfDouble) {
  EXPECT_EQ(readArgNumber("  \t\n12.5ms", 7), 12.5);
  EXPECT_EQ(readArgNumber("1e3", 7), 1000);
  EXPECT_EQ(readArgNumber("-2.5e-1x", 7), -0.25);
  EXPECT_EQ(readArgNumber("abc", 7), 7);
  EXPECT_EQ(readArgNumber("", 7), 7);
  EXPECT_EQ(readArgNumber("1e999", 7), std::numeric_limits<double>::infinity());
  // Required numbers that do not parse are 0; optional ones keep defaults.
  auto args = parse({"o", "i", "x", "y", "z", "w", "q", "q", "q", "q", "q", "q"});
  EXPECT_EQ(args.offset, 0);
  EXPECT_EQ(args.length, 0);
  EXPECT_EQ(args.v1, 100);
  EXPECT_EQ(args.v2, 100);
  EXPECT_EQ(args.v3, 0);
  EXPECT_EQ(args.ovr, 0);
}

TEST(Envelope, OrderingIsCheckedWithEqualityAllowed) {
  EXPECT_TRUE(envelopeTimes(parse({"o", "i", "0", "100", "50", "50"})));
  EXPECT_TRUE(envelopeTimes(parse({"o", "i", "0", "0", "0", "0"})));
  const std::vector<std::vector<std::string_view>> invalid = {
      {"o", "i", "0", "100", "60", "50"},                                 // fade-in past the fade-out
      {"o", "i", "0", "100", "-1", "0"},                                  // negative p1
      {"o", "i", "0", "-10", "0", "0"},                                   // negative length
      {"o", "i", "0", "100", "10", "10", "81", "100", "100", "0", "0"},  // p1 + p2 > length - p3
      {"o", "i", "1e999", "100", "0", "0"},                              // infinite offset
      {"o", "i", "0", "100", "0", "0", "0", "1e999", "100", "0", "0"},   // infinite volume
  };
  for (const auto& args : invalid) {
    auto times = envelopeTimes(parse(args));
    ASSERT_FALSE(times) << args[3] << " " << args[4];
    EXPECT_EQ(times.error().message, "パラメーターが不正です");
  }
}

TEST(Envelope, PositionsTruncateTowardZeroAtTheInputRate) {
  EnvelopeTimes times;
  times.t = {10, 1000, 2000.5, 3000, 10000};  // microseconds
  times.overlap = 1000;
  auto at44100 = notePositions(times, 44100);
  ASSERT_TRUE(at44100);
  EXPECT_EQ(at44100->s, (std::array<int64_t, 5>{0, 44, 88, 132, 441}));
  EXPECT_EQ(at44100->overlap, 44);
  times.t = {-1000, -500, 0, 0, 1000};
  auto negative = notePositions(times, 8000);
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->s, (std::array<int64_t, 5>{-8, -4, 0, 0, 8}));
}

TEST(Envelope, NotesLongerThanAWavCanHoldAreRefused) {
  EnvelopeTimes times;
  times.t = {0, 0, 0, 0, 1e12};
  EXPECT_FALSE(notePositions(times, 44100));
  times.t = {0, 0, 0, 0, 1e300};
  EXPECT_FALSE(notePositions(times, 44100));
  times.t = {0, 0, 0, 0, static_cast<double>(kMaxNoteSamples) * 1000};  // 1000 Hz: one sample per ms
  EXPECT_EQ(notePositions(times, 1000)->length(), kMaxNoteSamples);
}


TEST(Envelope, OverlapAppliesOnlyWhenSmallerThanTheOutputThenFitsTheNote) {
  struct Case {
    double overlapMs;
    int64_t dataBytes;
    int64_t applied;
  };
  // A 20-sample note at 1000 Hz (one sample per ms).
  const Case cases[] = {
      {0, 1000, 0},     {-5, 1000, 0},       // no overlap asked for
      {10, 1000, 10},   {10, 21, 10},        // applies
      {10, 20, 0},      {10, 0, 0},          // not smaller than the output: none
      {50, 101, 20},                          // applies, longer than the note: the whole note
      {1500, 200, 0},   {1e300, 1000, 0},    // far longer than the output: none
  };
  for (const Case& c : cases) {
    EnvelopeTimes times;
    times.t = {0, 0, 0, 0, 20000};
    times.overlap = c.overlapMs * 1000;
    auto positions = notePositions(times, 1000);
    ASSERT_TRUE(positions);
    EXPECT_EQ(positions->appliedOverlap(c.dataBytes), c.applied) << c.overlapMs << " ms over " << c.dataBytes;
  }
}
