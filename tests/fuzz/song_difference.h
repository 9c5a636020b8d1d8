#pragma once
// Names the first difference between two songs ("" when they are the same):
// the notes and every project setting, but not the selection or the
// changed flag, which describe the editor rather than the song. Property
// records are compared field by field as splitProps reads them, and all
// negative note numbers alike mean "no key".

#include <string>

#include "song/song_model.h"

namespace ruvo::fuzz {

std::string songDifference(const Song& before, const Song& after);

}  // namespace ruvo::fuzz
