#pragma once
// Conversion between UTF-8 (the program's own text) and CP932, the Windows
// Japanese code page every text file of ruvo uses. Microsoft's table is used
// through glibc iconv ("CP932"), so U+FF5E is 81 60 and U+2212 is 81 7C.
//
// Decoding never fails: a byte sequence that is not CP932 becomes U+FFFD, so
// a damaged file still loads what it can. Encoding replaces characters that
// CP932 cannot hold with '?'.

#include <string>
#include <string_view>

namespace ruvo {

std::string cp932ToUtf8(std::string_view bytes);
std::string utf8ToCp932(std::string_view text);

// The encodings a voice bank's text files come in: the classic CP932, or
// UTF-8 with or without a leading byte-order mark (EF BB BF).
enum class TextEncoding { Cp932, Utf8, Utf8WithBom };

// True when every byte sequence of `bytes` is well-formed UTF-8 (no overlong
// forms, no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Text whose encoding is told by its bytes: UTF-8 when they are valid UTF-8
// (a byte-order mark is dropped, never part of the first line), else CP932.
// Plain ASCII without a mark counts as CP932, the form every tool reads, so
// Japanese added to such a file later is written the classic way.
struct DecodedText {
  std::string text;
  TextEncoding encoding = TextEncoding::Cp932;
};
DecodedText decodeDetected(std::string_view bytes);
// The bytes of `text` in `encoding` (the mark first for Utf8WithBom); the
// inverse of decodeDetected for text it produced.
std::string encodeAs(std::string_view text, TextEncoding encoding);
// "UTF-8", "UTF-8 with byte-order mark" or "CP932", for messages and reports.
const char* encodingName(TextEncoding encoding);

}  // namespace ruvo
