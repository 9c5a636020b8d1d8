// Stands in the resampler's place for one recording: for the recording named
// RUVO_SILENT_RECORDING it exits 0 without writing its note, as a broken
// resampler may; every other call becomes the real resampler.

#include <unistd.h>

#include <string_view>

int main(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]).ends_with(RUVO_SILENT_RECORDING)) return 0;
  argv[0] = const_cast<char*>(RUVO_REAL_RESAMPLER);
  execv(RUVO_REAL_RESAMPLER, argv);
  return 127;
}
