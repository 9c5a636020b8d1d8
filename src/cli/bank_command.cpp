#include <iostream>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "voicebank/bank_check.h"

namespace ruvo::cli {

namespace {

void printText(const BankReport& report) {
  std::cout << "encoding: " << (report.hasOtoIni ? encodingName(report.encoding) : "-") << '\n'
            << "entries: " << report.entries << '\n'
            << "kind: " << (report.vcv ? "VCV" : "CV") << '\n'
            << "prefix.map: " << (report.hasPrefixMap ? encodingName(report.prefixMapEncoding) : "-") << '\n'
            << "suffixes:";
  for (const auto& suffix : report.suffixes) std::cout << ' ' << suffix;
  std::cout << '\n' << "problems: " << report.problems.size() << '\n';
  for (const auto& problem : report.problems) std::cout << "problem: " << problem.message << '\n';
}

void printJson(const BankReport& report) {
  nlohmann::ordered_json json;
  json["encoding"] = report.hasOtoIni ? encodingName(report.encoding) : nullptr;
  json["entries"] = report.entries;
  json["kind"] = report.vcv ? "VCV" : "CV";
  json["prefixMapEncoding"] = report.hasPrefixMap ? encodingName(report.prefixMapEncoding) : nullptr;
  json["suffixes"] = report.suffixes;
  json["problems"] = nlohmann::ordered_json::array();
  for (const auto& problem : report.problems)
    json["problems"].push_back({{"line", problem.line}, {"message", problem.message}});
  std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace

int runBank(const ParsedArgs& args, const CliContext&) {
  if (args.positionals[0] != "check")
    return reportError({ErrorCode::BadArgument, "unknown bank command '" + args.positionals[0] + "' (try --help)"});
  const BankReport report = checkBank(args.positionals[1]);
  if (args.has("--json"))
    printJson(report);
  else
    printText(report);
  return report.problems.empty() ? kExitOk : kExitFailed;
}

}  // namespace ruvo::cli
