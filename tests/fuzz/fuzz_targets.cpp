#include "fuzz/fuzz_targets.h"

namespace ruvo::fuzz {

const std::vector<FuzzTarget>& fuzzTargets() {
  static const std::vector<FuzzTarget> targets = {
      {"project", projectFile},
      {"interchange", interchangeFile},
      {"voicebank_tables", voiceBankTables},
      {"frq_table", frqTable},
      {"batch_script", batchScript},
      {"resampler_command_line", resamplerCommandLine},
      {"resampler_wav", resamplerWav},
      {"joiner", joinerWave},
      {"settings", settingsFile},
      {"wave_samples", waveSamples},
      {"oto_file", otoFile},
  };
  return targets;
}

}  // namespace ruvo::fuzz
