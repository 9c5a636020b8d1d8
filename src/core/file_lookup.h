#pragma once
// Finding a file the way a Windows project means it: names there ignore
// letter case, so a voice bank made on Windows may hold "KA.WAV" where the
// project asks for "ka.wav".

#include <string>

namespace ruvo {

// The path itself when it exists; else the one entry of its folder whose
// name equals the file name ignoring ASCII letter case (the first in listing
// order when several do); else the path unchanged.
std::string existingPathIgnoringCase(const std::string& path);

}  // namespace ruvo
