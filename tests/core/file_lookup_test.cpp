#include "core/file_lookup.h"

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;

TEST(FileLookup, FindsAFileWhoseNameDiffersOnlyInCase) {
  ruvo::testing::TempFolder dir("ruvo_file_lookup");
  ASSERT_TRUE(writeFileBytes(dir / "KA.WAV", "x"));
  ASSERT_TRUE(writeFileBytes(dir / "sa.wav", "y"));
  EXPECT_EQ(existingPathIgnoringCase(dir / "ka.wav"), dir / "KA.WAV");
  EXPECT_EQ(existingPathIgnoringCase(dir / "sa.wav"), dir / "sa.wav");
  EXPECT_EQ(existingPathIgnoringCase(dir / "ta.wav"), dir / "ta.wav");
  EXPECT_EQ(existingPathIgnoringCase(dir / "none/ka.wav"), dir / "none/ka.wav");
}
