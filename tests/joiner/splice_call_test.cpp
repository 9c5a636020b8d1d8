#include "joiner/splice_call.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "byte_files.h"
#include "joiner/output_header.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo::joiner;
using namespace ruvo::joiner::testing;
using ruvo::testing::buildWave;
using ruvo::testing::TempFolder;
using ruvo::testing::WaveSpec;

namespace {

// A mono input at the given rate; at 1000 Hz one sample is one millisecond.
WaveSpec mono(uint32_t rate, std::vector<int16_t> samples) {
  WaveSpec spec;
  spec.sampleRate = rate;
  spec.samples = std::move(samples);
  return spec;
}

// Long form with a constant gain of 1: offset length 0 0 0 100 100 100 100 [ovr].
std::vector<std::string> flat(const std::string& offset, const std::string& length, const std::string& ovr = "0") {
  return {offset, length, "0", "0", "0", "100", "100", "100", "100", ovr};
}

class SpliceCall : public ::testing::Test {
 protected:
  std::string base() const { return m_folder / "out"; }
  std::string headerPath() const { return m_folder / "out.whd"; }
  std::string dataPath() const { return m_folder / "out.dat"; }

  std::string input(const std::string& name, const WaveSpec& spec) {
    writeBytes(m_folder / name, bytesOf(buildWave(spec)));
    return m_folder / name;
  }
  SpliceOutcome call(const std::string& in, const std::vector<std::string>& numbers) {
    std::vector<std::string> args = {base(), in};
    args.insert(args.end(), numbers.begin(), numbers.end());
    const std::vector<std::string_view> views(args.begin(), args.end());
    return runSplice(views);
  }
  std::vector<int16_t> data() const { return readSamples(dataPath()); }
  // The header must declare exactly what the data file holds.
  void expectConsistent(int32_t dataBytes) const {
    const auto header = readBytes(headerPath());
    ASSERT_EQ(header.size(), kHeaderSize);
    EXPECT_EQ(int32At(header, 40), dataBytes);
    EXPECT_EQ(int32At(header, 4), 36 + dataBytes);
    EXPECT_EQ(std::filesystem::file_size(dataPath()), static_cast<uintmax_t>(dataBytes));
  }

  TempFolder m_folder;
};

TEST_F(SpliceCall, FirstCallWithAMissingInputAppendsSilence) {
  const auto outcome = call(m_folder / "R.wav", {"0", "1000", "0", "0"});
  EXPECT_EQ(outcome.exitStatus, 0);
  EXPECT_EQ(outcome.out, "infile_size:36\n\n");
  EXPECT_EQ(outcome.err, "");
  HeaderBytes expected = newHeader();
  storeSizes(expected, 36 + 88200, 88200);
  EXPECT_EQ(readBytes(headerPath()), std::vector<uint8_t>(expected.begin(), expected.end()));
  EXPECT_EQ(data(), std::vector<int16_t>(44100, 0));
}

TEST_F(SpliceCall, SecondCallMixesItsHeadOverTheTail) {
  const auto in = input("a.wav", mono(44100, std::vector<int16_t>(8820, 1000)));
  ASSERT_EQ(call(in, flat("0", "100")).exitStatus, 0);
  expectConsistent(8820);
  const auto outcome = call(in, flat("0", "100", "10"));  // 10 ms at 44100 Hz: 441 samples
  EXPECT_EQ(outcome.out, "infile_size:17676\n\n");
  expectConsistent(8820 - 882 + 8820);
  std::vector<int16_t> expected(3969, 1000);
  expected.insert(expected.end(), 441, 2000);
  expected.insert(expected.end(), 3969, 1000);
  EXPECT_EQ(data(), expected);
}

TEST_F(SpliceCall, NoOverlapOnTheFirstCallOrWhenTheOutputIsTooShort) {
  const auto in = input("a.wav", mono(1000, {10, 20, 30, 40}));
  ASSERT_EQ(call(in, flat("0", "4", "2")).exitStatus, 0);  // no header yet: nothing to overlap
  EXPECT_EQ(data(), (std::vector<int16_t>{10, 20, 30, 40}));
  ASSERT_EQ(call(in, flat("0", "4", "4")).exitStatus, 0);    // overlap equal to the data so far
  ASSERT_EQ(call(in, flat("0", "10", "20")).exitStatus, 0);  // longer than the data so far
  const std::vector<int16_t> expected = {10, 20, 30, 40, 10, 20, 30, 40, 10, 20, 30, 40, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(data(), expected);
  expectConsistent(36);
}

TEST_F(SpliceCall, LongOverlapIsJudgedAgainstTheOutputBeforeTheNote) {
  // 0.1 s of output, then a 50 ms note asking for a 1.5 s overlap: the
  // overlap is not smaller than the output, so nothing is cut and the note
  // is appended whole.
  const std::vector<int16_t> first(4410, 1000);
  const std::vector<int16_t> second(2205, -500);
  ASSERT_EQ(call(input("a.wav", mono(44100, first)), flat("0", "100")).exitStatus, 0);
  ASSERT_EQ(call(input("b.wav", mono(44100, second)), flat("0", "50", "1500")).exitStatus, 0);
  std::vector<int16_t> expected = first;
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(data(), expected);
  expectConsistent(2 * (4410 + 2205));
}

TEST_F(SpliceCall, OverlapLongerThanTheNoteMixesOnlyTheNote) {
  ASSERT_EQ(call(input("a.wav", mono(1000, {1, 2, 3, 4, 5, 6})), flat("0", "6")).exitStatus, 0);
  ASSERT_EQ(call(input("b.wav", mono(1000, {100, 100, 100})), flat("0", "2", "5")).exitStatus, 0);
  EXPECT_EQ(data(), (std::vector<int16_t>{1, 2, 3, 4, 105, 106}));
  expectConsistent(12);
}

TEST_F(SpliceCall, ShortFormFadesInAndOutAndIgnoresExtraArguments) {
  const auto in = input("a.wav", mono(1000, std::vector<int16_t>(100, 1024)));
  const std::vector<int16_t> expected = {0,    256,  512,  768,  1024, 1024, 1024, 1024, 1024, 1024,
                                         1024, 1024, 1024, 896,  768,  640,  512,  384,  256,  128};
  ASSERT_EQ(call(in, {"0", "20", "4", "8", "50", "50"}).exitStatus, 0);
  EXPECT_EQ(data(), expected);
  std::filesystem::remove(headerPath());
  std::filesystem::remove(dataPath());
  ASSERT_EQ(call(in, {"0", "20", "4", "8", "50", "50", "50", "50"}).exitStatus, 0);
  EXPECT_EQ(data(), expected);
}

TEST_F(SpliceCall, LongFormEndsAtTheFourthVolume) {
  const auto in = input("a.wav", mono(1000, std::vector<int16_t>(100, 1024)));
  ASSERT_EQ(call(in, {"0", "8", "0", "2", "4", "100", "50", "100", "300"}).exitStatus, 0);
  // T = 0 0 2 4 8 ms: v1 -> v2 over 2 samples, v2 -> v3 over 2, v3 -> v4 over 4.
  EXPECT_EQ(data(), (std::vector<int16_t>{1024, 768, 512, 768, 1024, 1536, 2048, 2560}));
}

TEST_F(SpliceCall, StereoInputBecomesTheMeanOfItsChannelsAndMoreChannelsTheFirst) {
  WaveSpec stereo = mono(1000, {1000, 3001, -1000, -3001, 32767, 32767});
  stereo.channels = 2;
  ASSERT_EQ(call(input("s.wav", stereo), flat("0", "4")).exitStatus, 0);
  EXPECT_EQ(data(), (std::vector<int16_t>{2000, -2000, 32767, 0}));
  const auto header = readBytes(headerPath());
  EXPECT_EQ(header[22], 1);  // the output stays mono

  WaveSpec three = mono(1000, {1, 2, 3, 4, 5, 6, 7});
  three.channels = 3;
  ASSERT_EQ(call(input("t.wav", three), flat("0", "3")).exitStatus, 0);
  EXPECT_EQ(data(), (std::vector<int16_t>{2000, -2000, 32767, 0, 1, 4, 0}));
}

TEST_F(SpliceCall, OtherRatesAreCutAtTheirOwnRateAndWrittenAsTheyAre) {
  std::vector<int16_t> ramp(3000);
  for (size_t k = 0; k < ramp.size(); ++k) ramp[k] = static_cast<int16_t>(k);
  ASSERT_EQ(call(input("a.wav", mono(22050, ramp)), flat("10", "100")).exitStatus, 0);
  EXPECT_EQ(data(), std::vector<int16_t>(ramp.begin() + 220, ramp.begin() + 220 + 2205));
  HeaderBytes expected = newHeader();
  storeSizes(expected, 36 + 4410, 4410);
  EXPECT_EQ(readBytes(headerPath()), std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST_F(SpliceCall, OverlapSumsAreClippedSymmetrically) {
  ASSERT_EQ(call(input("a.wav", mono(1000, {0, 0, 30000, 30000, -30000, -30000})), flat("0", "6")).exitStatus, 0);
  ASSERT_EQ(call(input("b.wav", mono(1000, {30000, 2767, -30000, -32767})), flat("0", "4", "4")).exitStatus, 0);
  EXPECT_EQ(data(), (std::vector<int16_t>{0, 0, 32767, 32767, -32767, -32767}));
  expectConsistent(12);
}

TEST_F(SpliceCall, PastTheInputsEndTheTailIsKeptThenSilence) {
  ASSERT_EQ(call(input("a.wav", mono(1000, {0, 0, 30000, 30000, -30000, -30000})), flat("0", "6")).exitStatus, 0);
  ASSERT_EQ(call(input("b.wav", mono(1000, {100})), flat("0", "4", "3")).exitStatus, 0);
  EXPECT_EQ(data(), (std::vector<int16_t>{0, 0, 30000, 30100, -30000, -30000, 0}));
  expectConsistent(14);
}

TEST_F(SpliceCall, BeforeTheInputsStartIsSilence) {
  ASSERT_EQ(call(input("a.wav", mono(1000, {7, 7, 7, 7, 7})), flat("0", "5")).exitStatus, 0);
  ASSERT_EQ(call(input("b.wav", mono(1000, {500, 500, 500, 500})), flat("-2", "6", "2")).exitStatus, 0);
  EXPECT_EQ(data(), (std::vector<int16_t>{7, 7, 7, 7, 7, 500, 500, 500, 500}));
  expectConsistent(18);
}

TEST_F(SpliceCall, FractionalTimesAreTruncated) {
  std::vector<int16_t> ramp(100);
  for (size_t k = 0; k < ramp.size(); ++k) ramp[k] = static_cast<int16_t>(k);
  const auto in = input("a.wav", mono(44100, ramp));
  ASSERT_EQ(call(in, {"0.01", "1", "0", "0"}).exitStatus, 0);  // S0 = trunc(0.441) = 0
  ASSERT_EQ(call(in, {"0.03", "1", "0", "0"}).exitStatus, 0);  // S0 = 1, S3 = trunc(45.423) = 45
  std::vector<int16_t> expected(ramp.begin(), ramp.begin() + 44);
  expected.insert(expected.end(), ramp.begin() + 1, ramp.begin() + 45);
  EXPECT_EQ(data(), expected);
}

TEST_F(SpliceCall, AChunkBeforeTheDataAppendsNothing) {
  WaveSpec spec = mono(44100, {1, 2, 3});
  spec.chunkBeforeData = std::string("LIST\4\0\0\0abcd", 12);
  const auto outcome = call(input("a.wav", spec), {"0", "10", "0", "0"});
  EXPECT_EQ(outcome.exitStatus, 0);
  EXPECT_EQ(outcome.out, "infile_size:54\n\n");
  EXPECT_FALSE(std::filesystem::exists(headerPath()));
  EXPECT_FALSE(std::filesystem::exists(dataPath()));
}

TEST_F(SpliceCall, InputAndParameterErrorsWriteNothing) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::vector<std::string> numbers;
    std::string out;
  };
  WaveSpec eightBit = mono(44100, {1, 2});
  eightBit.bitsPerSample = 8;
  auto notWave = bytesOf(buildWave(mono(44100, {1})));
  notWave[8] = 'X';
  const std::vector<Case> cases = {
      {"not RIFF", {'R', 'I', 'F'}, {"0", "10", "0", "0"}, "not a wave file\n\n"},
      {"not WAVE", notWave, {"0", "10", "0", "0"}, "not WAVE format\n\n"},
      {"8 bits", bytesOf(buildWave(eightBit)), {"0", "10", "0", "0"}, "infile_size:40\n\n16ビットフォーマットのみに対応しています。\n"},
      {"out of order", bytesOf(buildWave(mono(44100, {1}))), {"0", "10", "6", "5"}, "パラメーターが不正です\n"},
      {"too long", bytesOf(buildWave(mono(44100, {1}))), {"0", "1e10", "0", "0"}, "infile_size:38\n\nパラメーターが不正です\n"},
  };
  for (const auto& c : cases) {
    writeBytes(m_folder / "in.wav", c.bytes);
    const auto outcome = call(m_folder / "in.wav", c.numbers);
    EXPECT_EQ(outcome.exitStatus, -1) << c.name;
    EXPECT_EQ(outcome.out, c.out) << c.name;
    EXPECT_FALSE(std::filesystem::exists(headerPath())) << c.name;
    EXPECT_FALSE(std::filesystem::exists(dataPath())) << c.name;
  }
  const std::vector<std::string_view> few = {"a", "b", "1", "2", "3"};
  const auto usage = runSplice(few);
  EXPECT_EQ(usage.exitStatus, -1);
  EXPECT_EQ(usage.out, "splicer2 <outfile> <infile> offset length p1 p2 p3 v1 v2 v3 v4 ovr\n\n");
}

TEST_F(SpliceCall, UnreadableInputsCountAsEmptyRecordings) {
  writeBytes(m_folder / "empty.wav", {});
  auto outcome = call(m_folder / "empty.wav", {"0", "1", "0", "0"});
  EXPECT_EQ(outcome.exitStatus, 0);
  EXPECT_EQ(outcome.out, "read error at binload\n\ninfile_size:36\n\n");
  outcome = call(m_folder.path(), {"0", "1", "0", "0"});  // a folder cannot be read as a file
  EXPECT_EQ(outcome.out, "read error at binload\n\ninfile_size:36\n\n");
  EXPECT_EQ(data(), std::vector<int16_t>(88, 0));
  expectConsistent(176);
}

TEST_F(SpliceCall, DamagedHeadersStopTheCallWithoutWriting) {
  const auto in = input("a.wav", mono(1000, {1, 2}));
  const std::vector<uint8_t> stale = {9, 9};
  struct Case {
    const char* name;
    std::vector<uint8_t> header;
    std::string out;
    bool reportsError;
  };
  HeaderBytes good = newHeader();
  std::vector<uint8_t> notWave(good.begin(), good.end());
  notWave[8] = 'w';
  const std::vector<Case> cases = {
      {"not RIFF", {'J', 'U', 'N', 'K', 0, 0, 0, 0, 0, 0, 0, 0}, "infile_size:40\n\nnot a wave file\n\n", false},
      {"not WAVE", notWave, "infile_size:40\n\nnot WAVE format\n\n", false},
      {"truncated", std::vector<uint8_t>(good.begin(), good.begin() + 20), "infile_size:40\n\n", true},
  };
  for (const auto& c : cases) {
    writeBytes(headerPath(), c.header);
    writeBytes(dataPath(), stale);
    const auto outcome = call(in, flat("0", "2"));
    EXPECT_EQ(outcome.exitStatus, 0) << c.name;
    EXPECT_EQ(outcome.out, c.out) << c.name;
    EXPECT_EQ(!outcome.err.empty(), c.reportsError) << c.name;
    EXPECT_EQ(readBytes(headerPath()), c.header) << c.name;
    EXPECT_EQ(readBytes(dataPath()), stale) << c.name;
  }
}

TEST_F(SpliceCall, AnEmptyHeaderFileStartsANewHeader) {
  writeBytes(headerPath(), {});
  const auto outcome = call(input("a.wav", mono(1000, {1, 2})), flat("0", "2", "1"));
  EXPECT_EQ(outcome.out, "infile_size:40\n\nread error at binload\n\n");
  EXPECT_EQ(data(), (std::vector<int16_t>{1, 2}));
  expectConsistent(4);
}

TEST_F(SpliceCall, ALongerHeaderFileKeepsItsBytesAndIsCutTo44) {
  HeaderBytes start = newHeader();
  start[30] = 0x77;  // a byte rate someone else wrote stays as it is
  storeSizes(start, 40, 4);
  std::vector<uint8_t> file(kHeaderSize + 3, 9);
  std::copy(start.begin(), start.end(), file.begin());
  writeBytes(headerPath(), file);
  writeBytes(dataPath(), {1, 0, 2, 0});
  ASSERT_EQ(call(input("a.wav", mono(1000, {10, 20})), flat("0", "2", "1")).exitStatus, 0);
  storeSizes(start, 42, 6);
  EXPECT_EQ(readBytes(headerPath()), std::vector<uint8_t>(start.begin(), start.end()));
  EXPECT_EQ(data(), (std::vector<int16_t>{1, 12, 20}));
}

TEST_F(SpliceCall, OutputThatWouldOverflowTheHeaderIsRefused) {
  HeaderBytes nearlyFull = newHeader();
  storeSizes(nearlyFull, INT32_MAX - 2, INT32_MAX - 38);
  const std::vector<uint8_t> header(nearlyFull.begin(), nearlyFull.end());
  writeBytes(headerPath(), header);
  writeBytes(dataPath(), {1, 0});
  const auto outcome = call(input("a.wav", mono(1000, {1, 2})), flat("0", "2"));
  EXPECT_EQ(outcome.exitStatus, -1);
  EXPECT_NE(outcome.err, "");
  EXPECT_EQ(readBytes(headerPath()), header);
  EXPECT_EQ(readBytes(dataPath()), (std::vector<uint8_t>{1, 0}));

  // A RIFF size damaged to the lowest value passes below it while the
  // overlap is cut off, and comes back when the note is added.
  storeSizes(nearlyFull, INT32_MIN, 4);
  writeBytes(headerPath(), std::vector<uint8_t>(nearlyFull.begin(), nearlyFull.end()));
  writeBytes(dataPath(), {1, 0, 2, 0});
  EXPECT_EQ(call(input("a.wav", mono(1000, {1, 2})), flat("0", "1", "1")).exitStatus, 0);
  EXPECT_EQ(int32At(readBytes(headerPath()), 4), INT32_MIN);
  EXPECT_EQ(data(), (std::vector<int16_t>{1, 3}));
}

TEST_F(SpliceCall, PathsOfAnyLengthAndWithBackslashes) {
  std::filesystem::path folder = m_folder.path();
  for (int level = 0; level < 6; ++level) folder /= std::string(120, static_cast<char>('a' + level));
  std::filesystem::create_directories(folder);
  const std::string longBase = (folder / "out").string();
  ASSERT_GT(longBase.size(), 700u);
  input("a.wav", mono(1000, {3, 4}));
  // The input is named with a Windows separator, as render scripts do.
  const std::vector<std::string> args = {longBase, m_folder.path() + "\\a.wav", "0", "2", "0", "0",
                                         "0", "100", "100", "100", "100"};
  const std::vector<std::string_view> views(args.begin(), args.end());
  const auto outcome = runSplice(views);
  EXPECT_EQ(outcome.out, "infile_size:40\n\n");
  EXPECT_EQ(readSamples(longBase + ".dat"), (std::vector<int16_t>{3, 4}));
  EXPECT_EQ(readBytes(longBase + ".whd").size(), kHeaderSize);
}

}  // namespace

TEST_F(SpliceCall, AnOutputFileThatCannotBeWrittenFailsTheCall) {
  const std::string in = input("in.wav", mono(1000, std::vector<int16_t>(100, 1000)));
  for (const std::string& blocked : {headerPath(), dataPath()}) {
    std::filesystem::remove_all(headerPath());
    std::filesystem::remove_all(dataPath());
    std::filesystem::create_directory(blocked);
    const auto outcome = call(in, flat("0", "50"));
    EXPECT_EQ(outcome.exitStatus, kWriteFailedStatus) << blocked;
    EXPECT_EQ(outcome.err, "splicer: error: cannot write to " + blocked + "\n");
  }
}
