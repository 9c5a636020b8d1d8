// Test program in the resampler's place: copies the input recording (first
// argument) to the output path (second argument) and appends its arguments
// to resampler.log in its working folder.

#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
  std::ofstream log("resampler.log", std::ios::app);
  for (int i = 1; i < argc; ++i) log << '[' << argv[i] << ']';
  log << '\n';
  if (argc < 3) return 1;
  std::error_code ec;
  std::filesystem::copy_file(argv[1], argv[2], std::filesystem::copy_options::overwrite_existing, ec);
  return ec ? 1 : 0;
}
