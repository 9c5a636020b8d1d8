#include "resampler/rate_converter.h"

#include <cmath>
#include <string>

#include <samplerate.h>

namespace ruvo::resampler {

Result<std::vector<float>> convertRate(std::span<const float> samples, int fromRate, int toRate) {
  if (fromRate <= 0 || toRate <= 0) return fail(ErrorCode::BadArgument, "sample rate must be positive");
  if (fromRate == toRate || samples.empty()) return std::vector<float>(samples.begin(), samples.end());
  const double ratio = static_cast<double>(toRate) / fromRate;
  const auto outCount = static_cast<size_t>(std::llround(static_cast<double>(samples.size()) * ratio));
  std::vector<float> out(outCount + 1);
  SRC_DATA data{};
  data.data_in = samples.data();
  data.input_frames = static_cast<long>(samples.size());
  data.data_out = out.data();
  data.output_frames = static_cast<long>(out.size());
  data.src_ratio = ratio;
  data.end_of_input = 1;
  if (int error = src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1); error != 0)
    return fail(ErrorCode::Failed, std::string("rate conversion: ") + src_strerror(error));
  out.resize(static_cast<size_t>(data.output_frames_gen));
  out.resize(outCount, 0.0f);
  return out;
}

}  // namespace ruvo::resampler
