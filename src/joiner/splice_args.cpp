#include "joiner/splice_args.h"

#include "core/numbers.h"
#include "joiner/console_texts.h"

namespace ruvo::joiner {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
}  // namespace

double readArgNumber(std::string_view text, double fallback) {
  size_t start = 0;
  while (start < text.size() && isSpace(text[start])) ++start;
  auto parsed = parseLeadingNumber(text.substr(start));
  return parsed ? parsed->value : fallback;
}

Result<SpliceArgs> parseSpliceArgs(std::span<const std::string_view> args) {
  if (args.size() < 6) return fail(ErrorCode::BadArgument, std::string(text::kUsage));
  SpliceArgs parsed;
  parsed.outBase = std::string(args[0]);
  parsed.inPath = std::string(args[1]);
  parsed.offset = readArgNumber(args[2], 0);
  parsed.length = readArgNumber(args[3], 0);
  parsed.p1 = readArgNumber(args[4], 0);
  parsed.p2 = readArgNumber(args[5], 0);
  if (args.size() >= 11) {
    parsed.longForm = true;
    parsed.p3 = readArgNumber(args[6], parsed.p3);
    parsed.v1 = readArgNumber(args[7], parsed.v1);
    parsed.v2 = readArgNumber(args[8], parsed.v2);
    parsed.v3 = readArgNumber(args[9], parsed.v3);
    parsed.v4 = readArgNumber(args[10], parsed.v4);
  }
  if (args.size() >= 12) parsed.ovr = readArgNumber(args[11], parsed.ovr);
  return parsed;
}

}  // namespace ruvo::joiner
