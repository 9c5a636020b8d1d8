#pragma once
// How many resampler processes a render runs at once: one per core unless
// the user chose otherwise (ruvo-cli render --jobs, the options dialog,
// kept as "ResamplerWorkers" in ruvo's own settings file).

#include <optional>
#include <string>
#include <string_view>

#include "settings/own_settings.h"

namespace ruvo {

inline constexpr int kMaxWorkers = 64;
inline constexpr std::string_view kWorkersSetting = "ResamplerWorkers";

// The number of cores this machine reports, at least 1.
int defaultWorkerCount();

struct WorkerCount {
  int count = 1;
  std::string message;  // why the request was changed; empty when it was in range
};

// 1..kMaxWorkers; a request outside that range is clamped, with a message.
WorkerCount clampWorkerCount(long long requested);

// A whole number of workers as text; nullopt when the text is none. Far out
// of range is kept far out of range (within ±1e9) for clampWorkerCount.
std::optional<long long> parseWorkerCount(std::string_view text);

// The stored choice: defaultWorkerCount() when none is stored; a stored text
// that is no whole number gives the default with a message, one out of
// range is clamped with a message.
WorkerCount storedWorkerCount(const OwnSettings& settings);

// The stored choice in ruvo's own settings file beside `settingsFile`; a
// file that cannot be read or is damaged gives the default, with its error
// as the message.
WorkerCount workerCountBeside(const std::string& settingsFile);

}  // namespace ruvo
