// Stands in the resampler's place for the end-to-end tests: notes each start
// in resampler_starts.log in its working folder, then becomes the real
// resampler with the same arguments.

#include <unistd.h>

#include <fstream>

int main(int, char** argv) {
  std::ofstream("resampler_starts.log", std::ios::app) << "start\n";
  argv[0] = const_cast<char*>(RUVO_REAL_RESAMPLER);
  execv(RUVO_REAL_RESAMPLER, argv);
  return 127;
}
