// Stands in the resampler's place for the end-to-end tests: notes each start,
// with the output file it was asked for, as a line "start OUTPUT" in
// resampler_starts.log in its working folder, then becomes the real
// resampler with the same arguments.

#include <unistd.h>

#include <fstream>

int main(int argc, char** argv) {
  std::ofstream("resampler_starts.log", std::ios::app) << "start " << (argc > 2 ? argv[2] : "") << '\n';
  argv[0] = const_cast<char*>(RUVO_REAL_RESAMPLER);
  execv(RUVO_REAL_RESAMPLER, argv);
  return 127;
}
