// The settings file: any bytes load, and writing then reading settles after
// one pass. The same bytes as ruvo's own settings file: they load or are
// refused, and what loads reads back the same after a save.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "settings/own_settings.h"
#include "settings/worker_count.h"
#include "settings_round_trip.h"

namespace ruvo::fuzz {

namespace {

std::string ownSettingsFile(std::string_view text) {
  const std::string file = putScratchFile("ruvo_settings.txt", text);
  auto loaded = OwnSettings::load(file);
  if (!loaded) return {};
  const WorkerCount workers = storedWorkerCount(*loaded);
  if (workers.count < 1 || workers.count > kMaxWorkers) return "worker count out of range";
  if (!loaded->save(file)) return "own settings not written";
  auto again = OwnSettings::load(file);
  if (!again || again->value(kWorkersSetting) != loaded->value(kWorkersSetting)) return "own settings do not read back";
  return {};
}

}  // namespace

std::string settingsFile(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!ruvo::testing::settingsRoundTripSettles(text)) return "settings round trip does not settle";
  return ownSettingsFile(text);
}

}  // namespace ruvo::fuzz
