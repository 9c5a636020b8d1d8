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

}  // namespace ruvo
