#pragma once
// The song as one JSON object, for scripts and tests that inspect projects.

#include <nlohmann/json.hpp>

#include "song/song_model.h"

namespace ruvo::cli {

nlohmann::json songToJson(const Song& song);

}  // namespace ruvo::cli
