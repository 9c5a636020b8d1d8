#include <gtest/gtest.h>

#include <cstdio>

#include "core/text_codec.h"
#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

TEST(TextCodec, MicrosoftTableForWaveDashAndMinus) {
  EXPECT_EQ(utf8ToCp932("\xEF\xBD\x9E"), "\x81\x60");  // U+FF5E FULLWIDTH TILDE
  EXPECT_EQ(utf8ToCp932("\xE2\x88\x92"), "\x81\x7C");  // U+2212 MINUS SIGN
  EXPECT_EQ(cp932ToUtf8("\x81\x60"), "\xEF\xBD\x9E");
  // Microsoft's table reads 81 7C back as U+FF0D FULLWIDTH HYPHEN-MINUS.
  EXPECT_EQ(cp932ToUtf8("\x81\x7C"), "\xEF\xBC\x8D");
}

TEST(TextCodec, RoundTripsJapaneseText) {
  const std::string text = "新規プロジェクト あ↑ｶﾞ①";
  EXPECT_EQ(cp932ToUtf8(utf8ToCp932(text)), text);
  EXPECT_EQ(utf8ToCp932("あ"), "\x82\xA0");
}

TEST(TextCodec, DamagedInputIsReplacedNotLost) {
  EXPECT_EQ(cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD");        // truncated double byte
  EXPECT_EQ(cp932ToUtf8("a\xA0" "b"), "a\xEF\xBF\xBD" "b");  // undefined byte
  EXPECT_EQ(utf8ToCp932("a\xF0\x9F\x8E\xB5z"), "a?z");      // emoji has no CP932 form
  EXPECT_EQ(utf8ToCp932("a\xC3"), "a?");                    // broken UTF-8
}

TEST(TextFile, ReadsCrLfAndLfWritesCrLf) {
  const TempFolder dir("ruvo_text");
  auto path = dir / "t.txt";
  ASSERT_TRUE(writeFileBytes(path, "a\r\nb\nc"));
  auto lines = readTextLines(path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"a", "b", "c"}));
  ASSERT_TRUE(writeTextLines(path, {"あ", ""}));
  EXPECT_EQ(*readFileBytes(path), "\x82\xA0\r\n\r\n");
  std::remove(path.c_str());
  auto missing = readTextLines(path);
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ErrorCode::NotFound);
  auto folder = readFileBytes(dir.path());
  ASSERT_FALSE(folder);
  EXPECT_EQ(folder.error().code, ErrorCode::Unreadable);
  // Longer than one read: every byte comes back, in order.
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
  ASSERT_TRUE(writeFileBytes(path, big));
  EXPECT_EQ(*readFileBytes(path), big);
}

TEST(TextDocument, TellsTheEncodingAndWritesBackTheSameBytes) {
  struct Case {
    std::string bytes;
    TextEncoding encoding;
    std::vector<std::string> lines;
    bool sameBytes = true;  // false where the bytes are damaged in both encodings
  };
  const std::vector<Case> cases = {
      {"a.wav=- \xE3\x81\x8B,1,2,3,4,5\r\nb.wav=a \xE3\x81\x8B,1\r\n", TextEncoding::Utf8,
       {"a.wav=- \xE3\x81\x8B,1,2,3,4,5", "b.wav=a \xE3\x81\x8B,1"}},
      {"\xEF\xBB\xBF" "a.wav=\xE3\x81\x82\nb.wav=", TextEncoding::Utf8WithBom, {"a.wav=\xE3\x81\x82", "b.wav="}},
      {"\x82\xA0.wav=\x82\xA0\r\n", TextEncoding::Cp932, {"\xE3\x81\x82.wav=\xE3\x81\x82"}},
      {"a.wav=a\n", TextEncoding::Cp932, {"a.wav=a"}},
      {"", TextEncoding::Cp932, {}},
      // Not UTF-8 (overlong, surrogate, truncated): read as CP932.
      {"\xC0\xAF\r\n", TextEncoding::Cp932, {cp932ToUtf8("\xC0\xAF")}, false},
      {"\xED\xA0\x80", TextEncoding::Cp932, {cp932ToUtf8("\xED\xA0\x80")}, false},
      {"\xE3\x81", TextEncoding::Cp932, {cp932ToUtf8("\xE3\x81")}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    TextDocument document = textDocumentFromBytes(c.bytes);
    EXPECT_EQ(document.encoding, c.encoding);
    EXPECT_EQ(document.lines, c.lines);
    if (c.sameBytes) {
      EXPECT_EQ(textDocumentBytes(document), c.bytes);
    }
  }
  TextDocument edited = textDocumentFromBytes("\xEF\xBB\xBFx\r\n");
  edited.lines.push_back("\xE3\x81\x84");  // い
  EXPECT_EQ(textDocumentBytes(edited), "\xEF\xBB\xBFx\r\n\xE3\x81\x84\r\n");
}
