// Test program: appends one line "[arg1][arg2]..." to record.log in its
// working folder, followed by {RUVO_PROBE=value} when that variable is set.

#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
  std::ofstream log("record.log", std::ios::app);
  for (int i = 1; i < argc; ++i) log << '[' << argv[i] << ']';
  if (const char* probe = std::getenv("RUVO_PROBE")) log << "{RUVO_PROBE=" << probe << '}';
  log << '\n';
  return 3;  // a failing status, which must not stop the script
}
