#include "core/text_codec.h"

#include <cerrno>
#include <iconv.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ruvo {

namespace {

struct IconvCloser {
  void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

// Every text file ruvo reads or writes is CP932: without the converter no
// file could be read or written correctly, so the program stops at once
// rather than pass bytes through unconverted.
IconvHandle openConverter(const char* to, const char* from) {
  iconv_t handle = iconv_open(to, from);
  if (handle == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr,
                 "ruvo: error: the C library cannot convert between %s and %s (iconv); "
                 "its character set modules (gconv) are missing\n",
                 from, to);
    std::exit(EXIT_FAILURE);
  }
  return IconvHandle(handle);
}

// Converts with iconv; on an invalid or unconvertible sequence, appends
// `replacement` and skips `skipWidth(rest)` input bytes.
template <typename SkipWidth>
std::string convert(void* handle, std::string_view input, std::string_view replacement,
                    SkipWidth skipWidth) {
  std::string output;
  auto* cd = static_cast<iconv_t>(handle);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  output.reserve(input.size() * 3 / 2 + 8);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, static_cast<size_t>(out - buffer));
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (truncated sequence at the end): replace and go on.
    output.append(replacement);
    size_t skip = std::min(inLeft, skipWidth(std::string_view(in, inLeft)));
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return output;
}

size_t utf8SequenceLength(std::string_view rest) {
  auto lead = static_cast<unsigned char>(rest[0]);
  size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (lead >= 0x80 && lead < 0xC0) length = 1;
  for (size_t i = 1; i < length; ++i) {
    if (i >= rest.size() || (static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return i;
  }
  return length;
}

}  // namespace

std::string cp932ToUtf8(std::string_view bytes) {
  thread_local IconvHandle decoder = openConverter("UTF-8", "CP932");
  return convert(decoder.get(), bytes, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

std::string utf8ToCp932(std::string_view text) {
  thread_local IconvHandle encoder = openConverter("CP932", "UTF-8");
  return convert(encoder.get(), text, "?", utf8SequenceLength);
}

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

bool isValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // overlong
      if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;   // overlong
      if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    if (bytes.size() - i < length) return false;
    for (size_t k = 1; k < length; ++k) {
      auto c = static_cast<unsigned char>(bytes[i + k]);
      if (k == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

DecodedText decodeDetected(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark) && isValidUtf8(bytes.substr(kByteOrderMark.size())))
    return {std::string(bytes.substr(kByteOrderMark.size())), TextEncoding::Utf8WithBom};
  bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii && isValidUtf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
  return {cp932ToUtf8(bytes), TextEncoding::Cp932};
}

std::string encodeAs(std::string_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return std::string(text);
    case TextEncoding::Utf8WithBom:
      return std::string(kByteOrderMark) + std::string(text);
    case TextEncoding::Cp932:
      break;
  }
  return utf8ToCp932(text);
}

const char* encodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return "UTF-8";
    case TextEncoding::Utf8WithBom:
      return "UTF-8 with byte-order mark";
    case TextEncoding::Cp932:
      break;
  }
  return "CP932";
}

}  // namespace ruvo
