#include "resampler/breathiness.h"

#include "resampler/constants.h"
#include "resampler/interpolation.h"
#include "resampler/pitch_marks.h"

namespace ruvo::resampler {

void scaleBreathiness(std::vector<float>& out, std::span<const double> f0, double breathiness) {
  const double gain = breathiness / 50.0;
  if (gain == 1.0) return;
  // Every sample is measured against the recording as it was.
  const std::vector<float> samples = out;
  for (size_t n = 0; n < samples.size(); ++n) {
    const double pitch = f0At(f0, static_cast<double>(n));
    if (pitch <= 0) continue;
    const double period = kSampleRate / pitch;
    const double position = static_cast<double>(n);
    // What a sample has that the mean of the periods either side lacks;
    // for noise of any colour, two thirds of that is the noise itself.
    const double rest = samples[n] - 0.5 * (cubicAt(samples, position - period) + cubicAt(samples, position + period));
    out[n] = static_cast<float>(samples[n] + (gain - 1.0) * rest * (2.0 / 3.0));
  }
}

}  // namespace ruvo::resampler
