#pragma once
// The tables the editor keeps for the project's voice folder.

#include "voicebank/oto_table.h"
#include "voicebank/prefix_map.h"

namespace ruvo {

struct VoiceBankTables {
  OtoTable oto;
  PrefixMap prefix;
};

}  // namespace ruvo
