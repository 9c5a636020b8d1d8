#pragma once
// The resampler calls a render script with caching on will make, found
// without running anything: the script is read the way the batch
// interpreter runs it (its variables, percent expansion and word splitting),
// and each "call" of the helper is expanded through the cached helper's own
// lines. Rests call the joiner directly and have no entry.

#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

struct ResamplerCall {
  int noteIndex = -1;      // the note's index in the song (the helper's %9); -1 when not a number
  std::string cacheFolder;  // %cachedir% at the call, resolved against the script's folder
  std::string cacheName;   // the cached note's name in that folder, as the helper forms it
                           // ("a_C4_550.wav", or with the note index first: "3_a_C4_550.wav")
  std::string cacheFile;   // the file the resampler writes and the joiner reads: folder + name
  std::string resampler;   // the program as the script names it
  std::string recording;   // the input recording, resolved against the script's folder
  // What follows the output path on the resampler's command line, word by
  // word: note name, velocity, flags + "L", offset, length, consonant,
  // blank, volume, modulation and the pitch curve's words.
  std::vector<std::string> arguments;
  std::string folder;                    // where the batch runs the resampler: the script's folder
  std::vector<std::string> environment;  // "NAME=value": the script's variables at the call
};

// One entry per helper call of the script, in script order. Relative paths
// are taken from the script's folder, where the batch runs. The starting
// variables are those of this process's environment, as the interpreter
// the render starts inherits them. Fails only when the script cannot be read.
[[nodiscard]] Result<std::vector<ResamplerCall>> readResamplerCalls(const std::string& scriptPath);

}  // namespace ruvo
