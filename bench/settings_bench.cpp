// In-process figures for the settings file and the cache clean-up:
// reading and writing a large settings file, and scanning a cache folder of
// many notes (the scan is what every clean-up rule pays before deleting).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/cache_cleanup.h"
#include "settings/settings_file.h"

namespace {

std::vector<std::string> largeSettingsFile() {
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i)
    lines.push_back("OtoList" + std::to_string(i) + "=音源" + std::to_string(i) + ",/home/me/voice/" +
                    std::to_string(i));
  lines.emplace_back("CacheEnable=1");
  lines.emplace_back("CacheDeleteBySize=1");
  lines.emplace_back("CacheDeleteSize=2048");
  for (int i = 1; i <= 9; ++i) lines.push_back("History" + std::to_string(i) + "=/songs/s" + std::to_string(i) + ".bat");
  lines.emplace_back("COLOR_BACK=&HFFFFFF");
  return lines;
}

void BM_ParseAndFormatSettings(benchmark::State& state) {
  auto lines = largeSettingsFile();
  for (auto _ : state) {
    auto settings = ruvo::parseSettingsLines(lines);
    benchmark::DoNotOptimize(ruvo::formatSettingsLines(settings));
  }
}
BENCHMARK(BM_ParseAndFormatSettings);

// A cache folder of N one-kilobyte notes under a size limit they stay below,
// so every iteration lists and sizes all files and deletes none.
class CacheFolder {
 public:
  explicit CacheFolder(int files) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    m_path = pattern;
    std::string block(1024, '\0');
    for (int i = 0; i < files; ++i) {
      std::ofstream out(m_path + "/" + std::to_string(i) + "_a_C4_480.wav", std::ios::binary);
      out << block;
    }
  }
  ~CacheFolder() { std::filesystem::remove_all(m_path); }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

void BM_ScanCacheBySize(benchmark::State& state) {
  CacheFolder folder(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ruvo::deleteCacheBySize(folder.path(), 1024));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScanCacheBySize)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ScanCacheOfSample(benchmark::State& state) {
  CacheFolder folder(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ruvo::deleteCacheOfSample(folder.path(), "zz"));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScanCacheOfSample)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
