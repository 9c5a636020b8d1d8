#pragma once
// A sound that is still being written: the joiner's 44-byte header file and
// its data file, which grows note by note while a render runs. The editor's
// thread calls refresh() to take in what was added; the audio thread copies
// frames up to settledFrames(), published through an atomic count, so it
// never waits on a lock or a file.
//
// The joiner blends each note into the end of the data already written (its
// overlap), so the last kUnsettledSeconds of the file may still change: they
// are read again on each refresh and become playable only further on or when
// the sound is complete.

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

class GrowingClip {
 public:
  static constexpr double kUnsettledSeconds = 0.5;
  static constexpr size_t kChunkFrames = 65536;
  static constexpr size_t kMaxSeconds = 3600;

  GrowingClip(std::string headerPath, std::string dataPath);
  GrowingClip(const GrowingClip&) = delete;
  GrowingClip& operator=(const GrowingClip&) = delete;

  // Editor's thread: opens the files once the header is there, then reads
  // what the data file gained. Fails on a header that is not 16-bit PCM of
  // one or two channels; a header or data file not there yet is no error.
  [[nodiscard]] Result<void> refresh();
  // Editor's thread: the writer has ended; reads the rest and settles all of
  // it (the data file may already be deleted: it stays open here).
  [[nodiscard]] Result<void> complete();

  bool hasFormat() const { return m_channels > 0; }
  int channels() const { return m_channels; }
  int sampleRate() const { return m_sampleRate; }
  bool isComplete() const { return m_complete.load(std::memory_order_acquire); }

  // Any thread: frames that will not change any more.
  size_t settledFrames() const { return m_settled.load(std::memory_order_acquire); }
  // Audio thread: copies `count` frames from `first` (all below
  // settledFrames()) into `out`, interleaved.
  void copy(size_t first, size_t count, float* out) const;

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  Result<void> openFiles();
  Result<void> readData(bool settleAll);

  std::string m_headerPath;
  std::string m_dataPath;
  std::unique_ptr<std::FILE, FileCloser> m_data;
  int m_channels = 0;
  int m_sampleRate = 0;
  size_t m_capacity = 0;                           // frames the chunks may hold
  std::vector<std::unique_ptr<float[]>> m_chunks;  // sized once, filled as the data grows
  std::atomic<size_t> m_settled{0};
  std::atomic<bool> m_complete{false};
};

}  // namespace ruvo
