#pragma once
// A voice folder read as a render reads it, with everything that would keep
// a note from singing listed: the oto.ini lines refused, entries whose
// recording is missing, unreadable or not 16-bit PCM, aliases given twice
// (only the first is ever sung), and entries whose regions lie outside
// their recording.

#include <string>
#include <vector>

#include "core/text_codec.h"

namespace ruvo {

struct BankProblem {
  size_t line = 0;      // the oto.ini line (1-based); 0 for the folder as a whole
  std::string message;  // one line, naming the entry
};

struct BankReport {
  bool hasOtoIni = false;
  TextEncoding encoding = TextEncoding::Cp932;        // of oto.ini
  bool hasPrefixMap = false;
  TextEncoding prefixMapEncoding = TextEncoding::Cp932;
  size_t entries = 0;
  bool vcv = false;
  std::vector<std::string> suffixes;  // of prefix.map, in file order
  std::vector<BankProblem> problems;  // in oto.ini line order
};

// An entry's regions lie outside its recording of `durationMs` when the
// offset is negative or past the end, when the end of the used part (blank
// ms before the end, or -blank ms after the offset when negative) is past
// the end or not after the offset, or when the consonant part runs past it.
bool regionsOutside(double offsetMs, double consonantMs, double blankMs, double durationMs);

// Checks `folder`. A folder that does not exist, or has no oto.ini, is one problem.
BankReport checkBank(const std::string& folder);

}  // namespace ruvo
