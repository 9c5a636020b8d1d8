#include "voicebank/frq_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

class FrqTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_recording = m_dir / "ka.wav";
    m_table = m_dir / "ka_wav.frq";
  }

  static std::string header(int32_t frames, double average = 220.0) {
    std::string bytes = "ABCDEFGH";
    auto put = [&](auto value) {
      char raw[sizeof value];
      std::memcpy(raw, &value, sizeof value);
      bytes.append(raw, sizeof value);
    };
    put(int32_t{256});
    put(average);
    for (int i = 0; i < 16; ++i) bytes.push_back(static_cast<char>(i + 1));
    put(frames);
    return bytes;
  }
  static std::string withValues(std::string bytes, std::initializer_list<double> values) {
    for (double value : values) {
      char raw[8];
      std::memcpy(raw, &value, 8);
      bytes.append(raw, 8);
    }
    return bytes;
  }

  TempFolder m_dir{"ruvo_frq"};
  std::string m_recording;
  std::string m_table;
};

}  // namespace

TEST(FrqPath, ReplacesTheFinalWavOnly) {
  EXPECT_EQ(frqPathOf("/v/ka.wav"), "/v/ka_wav.frq");
  EXPECT_EQ(frqPathOf("/v/x.wav.wav"), "/v/x.wav_wav.frq");
  EXPECT_EQ(frqPathOf("/v/KA.WAV"), "/v/KA_wav.frq");
  EXPECT_FALSE(frqPathOf("/v/ka.wavx"));
  EXPECT_FALSE(frqPathOf(""));
  EXPECT_EQ(frqBackupPathOf("/v/ka_wav.frq"), "/v/ka_wav.bak");
}

TEST_F(FrqTableTest, ReadsEveryFieldAndCarriesThemThroughAWrite) {
  ASSERT_TRUE(writeFileBytes(m_table, withValues(header(2), {220.5, 0.25, 55.0, -1.5})));
  auto table = readFrq(m_recording);
  ASSERT_TRUE(table) << table.error().message;
  EXPECT_EQ(table->header.identifier, "ABCDEFGH");
  EXPECT_EQ(table->header.field8, 256);
  EXPECT_EQ(table->header.average, 220.0);
  EXPECT_EQ(table->header.reserved[0], 1);
  EXPECT_EQ(table->header.reserved[15], 16);
  EXPECT_EQ(table->values, (std::vector<double>{220.5, 0.25, 55.0, -1.5}));

  table->header.average = 230.0;
  ASSERT_TRUE(writeFrq(*table, m_recording));
  auto bytes = readFileBytes(m_table);
  ASSERT_TRUE(bytes);
  const std::string expected = withValues(header(2, 230.0), {220.5, 0.25, 55.0, -1.5});
  EXPECT_EQ(*bytes, expected);
}

TEST_F(FrqTableTest, FrameCountMustLieBetweenOneAnd4095) {
  ASSERT_TRUE(writeFileBytes(m_table, header(4095)));
  auto largest = readFrq(m_recording);
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->values.size(), 8190u);
  EXPECT_EQ(largest->values.back(), 0.0);  // a file that ends early reads 0

  for (int32_t bad : {4096, 0, -1}) {
    ASSERT_TRUE(writeFileBytes(m_table, header(bad)));
    EXPECT_FALSE(readFrq(m_recording)) << bad;
    auto onlyHeader = readFrqHeader(m_recording);
    ASSERT_TRUE(onlyHeader);
    EXPECT_EQ(onlyHeader->frameCount, bad);
  }
}

TEST_F(FrqTableTest, MissingEmptyOrShortFilesFail) {
  EXPECT_EQ(readFrq(m_recording).error().code, ErrorCode::NotFound);
  EXPECT_FALSE(readFrq(""));
  EXPECT_FALSE(readFrq(m_dir / "ka.aiff"));
  ASSERT_TRUE(writeFileBytes(m_table, ""));
  EXPECT_FALSE(readFrq(m_recording));
  ASSERT_TRUE(writeFileBytes(m_table, header(1).substr(0, 39)));
  EXPECT_FALSE(readFrq(m_recording));
  EXPECT_FALSE(readFrqHeader(m_recording));
}

TEST_F(FrqTableTest, EachWriteKeepsThePreviousTableAsBackup) {
  FrqTable table;
  table.header.frameCount = 1;
  table.values = {100.0, 0.0};
  ASSERT_TRUE(writeFrq(table, m_recording));
  EXPECT_FALSE(fs::exists(m_dir / "ka_wav.bak"));
  table.values[0] = 200.0;
  ASSERT_TRUE(writeFrq(table, m_recording));
  table.values[0] = 300.0;
  ASSERT_TRUE(writeFrq(table, m_recording));
  EXPECT_EQ(readFrq(m_recording)->values[0], 300.0);
  auto backup = readFileBytes(m_dir / "ka_wav.bak");
  ASSERT_TRUE(backup);
  double value = 0;
  std::memcpy(&value, backup->data() + 40, 8);
  EXPECT_EQ(value, 200.0);
  EXPECT_FALSE(fs::exists(m_dir / "ka_wav.frq.new"));
}

TEST_F(FrqTableTest, AFailedWriteLeavesTheOldTableInPlace) {
  FrqTable table;
  table.header.frameCount = 1;
  table.values = {100.0, 0.0};
  ASSERT_TRUE(writeFrq(table, m_recording));
  // A folder where the new table would be written makes the write fail.
  fs::create_directories(m_table + ".new");
  table.values[0] = 999.0;
  EXPECT_FALSE(writeFrq(table, m_recording));
  EXPECT_EQ(readFrq(m_recording)->values[0], 100.0);
  EXPECT_FALSE(writeFrq(table, ""));
  EXPECT_FALSE(writeFrq(table, m_dir / "ka.aiff"));
}

// Corpus of damaged tables: random bytes of every small size, headers cut
// short, and counts that promise more values than the file holds. Nothing
// may crash or read out of bounds (run with RUVO_SANITIZE=ON to check).
TEST_F(FrqTableTest, DamagedTablesNeverCrash) {
  std::mt19937 generator(7);
  for (int size = 0; size < 200; ++size) {
    std::string bytes(static_cast<size_t>(size), '\0');
    for (char& c : bytes) c = static_cast<char>(generator());
    if (size >= 40 && size % 3 == 0) {
      const int32_t frames = static_cast<int32_t>(generator() % 5000);
      std::memcpy(bytes.data() + 36, &frames, 4);
    }
    ASSERT_TRUE(writeFileBytes(m_table, bytes));
    auto table = readFrq(m_recording);
    if (table) {
      EXPECT_EQ(table->values.size(), 2u * static_cast<size_t>(table->header.frameCount));
    }
  }
}
