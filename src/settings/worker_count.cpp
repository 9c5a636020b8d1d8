#include "settings/worker_count.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "core/numbers.h"

namespace ruvo {

int defaultWorkerCount() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

WorkerCount clampWorkerCount(long long requested) {
  if (requested >= 1 && requested <= kMaxWorkers) return {static_cast<int>(requested), {}};
  const int count = requested < 1 ? 1 : kMaxWorkers;
  return {count, "the number of resampler workers must be 1 to " + std::to_string(kMaxWorkers) + "; " +
                     std::to_string(requested) + " asked, " + std::to_string(count) + " used"};
}

std::optional<long long> parseWorkerCount(std::string_view text) {
  const auto number = parseLeadingNumber(text);
  if (!number || number->length != text.size() || number->value != std::floor(number->value)) return std::nullopt;
  return static_cast<long long>(std::clamp(number->value, -1e9, 1e9));
}

WorkerCount storedWorkerCount(const OwnSettings& settings) {
  const auto text = settings.value(kWorkersSetting);
  if (!text) return {defaultWorkerCount(), {}};
  if (auto asked = parseWorkerCount(*text)) return clampWorkerCount(*asked);
  const int count = defaultWorkerCount();
  return {count, std::string(kWorkersSetting) + "=" + *text + " is not a whole number; " + std::to_string(count) + " used"};
}

WorkerCount workerCountBeside(const std::string& settingsFile) {
  auto own = OwnSettings::load(OwnSettings::fileBeside(settingsFile));
  if (!own) return {defaultWorkerCount(), own.error().message};
  return storedWorkerCount(*own);
}

}  // namespace ruvo
