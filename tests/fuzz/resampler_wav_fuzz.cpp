// The resampler's WAV reader: finite samples at full scale 1 (float files
// aside, whose values are only made finite), never more frames than the
// bytes hold, a rate in the accepted range, and the same answer twice.

#include <cmath>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "resampler/wav_reader.h"

namespace ruvo::fuzz {

std::string resamplerWav(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  auto audio = resampler::parseMonoWav(text, "fuzz");
  if (!audio) return {};
  if (audio->samples.empty()) return "a recording without samples was accepted";
  if (audio->samples.size() > bytes.size()) return std::to_string(audio->samples.size()) + " samples from " +
                                                   std::to_string(bytes.size()) + " bytes";
  if (audio->sampleRate < 1000 || audio->sampleRate > 768000)
    return "sample rate " + std::to_string(audio->sampleRate) + " accepted";
  for (float sample : audio->samples)
    if (!std::isfinite(sample)) return "a sample that is not a finite number";
  auto again = resampler::parseMonoWav(text, "fuzz");
  if (!again || again->samples != audio->samples) return "the same bytes read differently";
  return {};
}

}  // namespace ruvo::fuzz
