#include "noteprops/property_record.h"

#include <vector>

namespace ruvo {

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  size_t start = 0;
  for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    out.append(text.substr(start, at - start));
    out.append(to);
    start = at + from.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

FlagTriple flagTripleOf(std::string_view flags) {
  FlagParts parts = splitFlags(flags);
  return FlagTriple{parts.breath, parts.noFormant, parts.rest};
}

std::string joinTriple(const FlagTriple& parts) { return parts.breath + "," + parts.filter + "," + parts.rest; }

FlagTriple readTriple(std::string_view text) {
  FlagTriple parts;
  size_t first = text.find(',');
  if (first == std::string_view::npos) {
    parts.breath = text;
    return parts;
  }
  parts.breath = text.substr(0, first);
  size_t second = text.find(',', first + 1);
  if (second == std::string_view::npos) {
    parts.filter = text.substr(first + 1);
    return parts;
  }
  parts.filter = text.substr(first + 1, second - first - 1);
  parts.rest = text.substr(second + 1);
  return parts;
}

std::string withFlagTriple(std::string_view record) {
  PropFields fields = splitProps(record);
  fields[kPropFlags] = joinTriple(flagTripleOf(fields[kPropFlags]));
  return joinProps(fields);
}

TempoCut cutTempoLine(std::string_view extra) {
  size_t at = findExtraEntry(extra, "tempo=");
  if (at == std::string_view::npos) return TempoCut{"", std::string(extra)};
  size_t separator = extra.find(kExtraSeparator, at);
  if (separator == std::string_view::npos) {
    // The last entry: what stands before it stays, without its separator.
    std::string_view before = extra.substr(0, at);
    if (before.ends_with(kExtraSeparator)) before.remove_suffix(kExtraSeparator.size());
    return TempoCut{std::string(extra.substr(at)), std::string(before)};
  }
  size_t end = separator + kExtraSeparator.size();
  return TempoCut{std::string(extra.substr(at, end - at)),
                  std::string(extra.substr(0, at)) + std::string(extra.substr(end))};
}

std::string withTempoLine(std::string_view tempoLine, std::string_view extra) {
  std::string out(tempoLine);
  bool needsSeparator = !tempoLine.empty() && !extra.empty() && !tempoLine.ends_with(kExtraSeparator);
  if (needsSeparator) out += kExtraSeparator;
  out += extra;
  return out;
}

std::string extraToBox(std::string_view extra) {
  return replaceAll(replaceAll(extra, " ", ","), kExtraSeparator, " ");
}

std::string boxToExtra(std::string_view box) { return replaceAll(replaceAll(box, " ", kExtraSeparator), ",", " "); }

std::string joinProps(const PropFields& fields) {
  return joinFields(std::vector<std::string>(fields.begin(), fields.end()), "\t");
}

}  // namespace ruvo
