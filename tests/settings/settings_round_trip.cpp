#include "settings_round_trip.h"

#include <string>
#include <vector>

#include "core/text_codec.h"
#include "core/text_file.h"
#include "settings/settings_file.h"

namespace ruvo::testing {

namespace {

// What the file holds after the record is written: CP932 bytes, CR LF.
std::string writtenBytes(const Settings& settings) {
  std::string text;
  for (const auto& line : formatSettingsLines(settings)) text += line + "\r\n";
  return utf8ToCp932(text);
}

Settings readBytes(std::string_view bytes) { return parseSettingsLines(splitLines(cp932ToUtf8(bytes))); }

}  // namespace

bool settingsRoundTripSettles(std::string_view bytes) {
  Settings first = readBytes(bytes);
  std::string once = writtenBytes(readBytes(writtenBytes(first)));
  std::string twice = writtenBytes(readBytes(once));
  return once == twice && formatSettingsLines(first).size() >= 2 + kColourCount;
}

}  // namespace ruvo::testing
