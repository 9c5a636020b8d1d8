#include "voicebank/bank_check.h"

#include <filesystem>
#include <map>
#include <optional>
#include <unordered_map>

#include "core/file_lookup.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "voicebank/oto_table.h"
#include "voicebank/prefix_map.h"
#include "voicebank/wave_samples.h"

namespace ruvo {

namespace {

// A recording's length in ms, or why it cannot be sung.
struct Recording {
  std::optional<double> durationMs;
  std::string problem;
};

Recording inspect(const std::string& folder, const std::string& fileName) {
  const std::string path = existingPathIgnoringCase(joinPath(folder, fileName));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return {std::nullopt, "the recording '" + fileName + "' does not exist"};
  auto wave = readWaveSamples(path);
  if (!wave) return {std::nullopt, "the recording '" + fileName + "' cannot be used: " + wave.error().message};
  return {static_cast<double>(wave->samples.size()) * 1000.0 / wave->sampleRate, {}};
}

}  // namespace

bool regionsOutside(double offsetMs, double consonantMs, double blankMs, double durationMs) {
  if (offsetMs < 0 || offsetMs > durationMs) return true;
  const double end = blankMs >= 0 ? durationMs - blankMs : offsetMs - blankMs;
  return end > durationMs || end <= offsetMs || offsetMs + consonantMs > end;
}

BankReport checkBank(const std::string& folder) {
  BankReport report;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    report.problems.push_back({0, "the voice folder '" + folder + "' does not exist"});
    return report;
  }
  report.hasOtoIni = std::filesystem::exists(joinPath(folder, "oto.ini"), ec);
  if (!report.hasOtoIni) report.problems.push_back({0, "the voice folder holds no oto.ini"});
  auto oto = OtoTable::load(folder);
  if (!oto) {
    report.problems.push_back({0, oto.error().message});
    return report;
  }
  PrefixMap prefix;
  report.hasPrefixMap = std::filesystem::exists(joinPath(folder, "prefix.map"), ec);
  if (auto loaded = prefix.load(folder); !loaded) report.problems.push_back({0, loaded.error().message});
  report.prefixMapEncoding = prefix.document().encoding;
  report.suffixes = prefix.suffixes();
  report.encoding = oto->encoding();
  report.entries = oto->size();
  report.vcv = oto->looksVcv();

  std::multimap<size_t, std::string> problems;
  for (const std::string& warning : oto->warnings()) {
    // "oto.ini line N: ..." keeps its line for the order.
    size_t line = static_cast<size_t>(leadingNumber(std::string_view(warning).substr(std::string_view("oto.ini line ").size())));
    problems.emplace(line, warning);
  }
  std::unordered_map<std::string, Recording> recordings;
  std::unordered_map<std::string, size_t> firstLineOfAlias;
  for (size_t i = 0; i < oto->size(); ++i) {
    const OtoEntry entry = oto->entryAt(i);
    const size_t line = oto->lineOf(i);
    const std::string where = "oto.ini line " + std::to_string(line) + " (" +
                              (entry[OtoEntry::kAlias].empty() ? entry[OtoEntry::kFile] : entry[OtoEntry::kAlias]) + "): ";
    const std::string& alias = entry[OtoEntry::kAlias];
    if (!alias.empty()) {
      auto [first, added] = firstLineOfAlias.emplace(alias, line);
      if (!added)
        problems.emplace(line, where + "the alias is given before on line " + std::to_string(first->second) +
                                   "; this entry is never sung");
    }
    auto found = recordings.find(entry[OtoEntry::kFile]);
    if (found == recordings.end())
      found = recordings.emplace(entry[OtoEntry::kFile], inspect(folder, entry[OtoEntry::kFile])).first;
    const Recording& recording = found->second;
    if (!recording.durationMs) {
      problems.emplace(line, where + recording.problem);
    } else if (regionsOutside(entry.number(OtoEntry::kOffset), entry.number(OtoEntry::kConsonant),
                              entry.number(OtoEntry::kBlank), *recording.durationMs)) {
      problems.emplace(line, where + "the regions (offset " + entry[OtoEntry::kOffset] + ", consonant " +
                                 entry[OtoEntry::kConsonant] + ", blank " + entry[OtoEntry::kBlank] +
                                 " ms) lie outside the recording of " +
                                 std::to_string(static_cast<long long>(*recording.durationMs)) + " ms");
    }
  }
  for (auto& [line, message] : problems) report.problems.push_back({line, std::move(message)});
  return report;
}

}  // namespace ruvo
