#include "joiner/splice_call.h"

#include <cstdint>
#include <new>
#include <optional>
#include <vector>

#include "core/paths.h"
#include "joiner/console_texts.h"
#include "joiner/envelope.h"
#include "joiner/input_wave.h"
#include "joiner/joiner_files.h"
#include "joiner/note_render.h"
#include "joiner/output_header.h"
#include "joiner/splice_args.h"

namespace ruvo::joiner {

namespace {

// Both sizes are checked to stay below INT32_MAX; only a header damaged
// into huge negative values can pass below INT32_MIN, and it wraps.
int32_t wrapToInt32(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

class Splice {
 public:
  SpliceOutcome run(std::span<const std::string_view> args);

 private:
  void say(std::string_view message) {
    m_outcome.out += message;
    m_outcome.out += '\n';
  }
  SpliceOutcome finish(int exitStatus) {
    m_outcome.exitStatus = exitStatus;
    return std::move(m_outcome);
  }
  SpliceOutcome refuse(std::string_view why) {
    m_outcome.err += "splicer: error: ";
    m_outcome.err += why;
    m_outcome.err += '\n';
    return finish(-1);
  }
  SpliceOutcome writeFailed(const std::string& path) {
    m_outcome.err += "splicer: error: cannot write to " + path + "\n";
    return finish(kWriteFailedStatus);
  }
  std::vector<uint8_t> loadInput(const std::string& path);
  std::optional<OutputHeader> loadHeader(const std::string& path);

  SpliceOutcome m_outcome;
};

std::vector<uint8_t> Splice::loadInput(const std::string& path) {
  LoadedFile file = loadFile(path);
  if (file.status == LoadStatus::Loaded) return std::move(file.bytes);
  if (file.status == LoadStatus::NoMemory) say(text::kNoMemory);
  if (file.status == LoadStatus::ReadError) say(text::kReadError);
  const HeaderBytes empty = newHeader();
  return std::vector<uint8_t>(empty.begin(), empty.end());
}

// nullopt: the header is damaged and nothing may be written. A header that
// cannot be read at all is replaced by a new one.
std::optional<OutputHeader> Splice::loadHeader(const std::string& path) {
  LoadedFile file = loadFile(path, kHeaderSize);
  if (file.status != LoadStatus::Loaded) {
    if (file.status == LoadStatus::ReadError) say(text::kReadError);
    OutputHeader fresh;
    fresh.bytes = newHeader();
    fresh.riffSize = 36;
    return fresh;
  }
  OutputHeader header = parseOutputHeader(file.bytes);
  switch (header.problem) {
    case HeaderProblem::None:
      return header;
    case HeaderProblem::NotRiff:
      say(text::kNotRiff);
      break;
    case HeaderProblem::NotWave:
      say(text::kNotWave);
      break;
    case HeaderProblem::Truncated:
      m_outcome.err += "splicer: error: " + path + " is shorter than 44 bytes; nothing was written\n";
      break;
  }
  return std::nullopt;
}

SpliceOutcome Splice::run(std::span<const std::string_view> argList) {
  auto args = parseSpliceArgs(argList);
  if (!args) {
    say(args.error().message);
    return finish(-1);
  }
  auto envelope = envelopeTimes(*args);
  if (!envelope) {
    say(envelope.error().message);
    return finish(-1);
  }

  const std::vector<uint8_t> inputBytes = loadInput(nativePath(args->inPath));
  const InputWave input = parseInputWave(inputBytes);
  if (input.problem == InputProblem::NotRiff) {
    say(text::kNotRiff);
    return finish(-1);
  }
  if (input.problem == InputProblem::NotWave) {
    say(text::kNotWave);
    return finish(-1);
  }
  say(std::string(text::kInfileSizePrefix) + std::to_string(input.riffSize) + "\n");
  if (input.problem == InputProblem::NotSixteenBit) {
    say(text::kOnly16Bit);
    return finish(-1);
  }
  if (input.problem == InputProblem::NoDataChunk) return finish(0);

  const auto positions = notePositions(*envelope, input.sampleRate);
  if (!positions) {
    say(text::kBadParameters);
    return finish(-1);
  }

  const std::string outBase = nativePath(args->outBase);
  const std::string headerPath = outBase + ".whd";
  const std::string dataPath = outBase + ".dat";
  auto header = loadHeader(headerPath);
  if (!header) return finish(0);

  const int64_t noteBytes = 2 * positions->length();
  if (header->riffSize > INT32_MAX - noteBytes || header->dataSize > INT32_MAX - noteBytes)
    return refuse(headerPath + ": the output would exceed the largest size a WAV header can declare");

  // Sizes are worked out in 64 bits: a damaged header may hold any values.
  int64_t riffSize = header->riffSize;
  int64_t dataSize = header->dataSize;
  std::optional<DataFileTail> tail;
  if (const int64_t overlap = positions->appliedOverlap(dataSize); overlap > 0) {
    tail = DataFileTail::read(dataPath, static_cast<uint64_t>(overlap));
    if (tail) {
      riffSize -= 2 * overlap;
      dataSize -= 2 * overlap;
    }
  }

  std::vector<int16_t> note;
  try {
    std::span<const int16_t> tailSamples;
    if (tail) tailSamples = tail->samples();
    note = renderNote(input, *positions, envelope->gain, tailSamples);
  } catch (const std::bad_alloc&) {
    return refuse("not enough memory for a note of " + std::to_string(positions->length()) + " samples");
  }
  storeSizes(header->bytes, wrapToInt32(riffSize + noteBytes), wrapToInt32(dataSize + noteBytes));
  // A header that cannot be written would no longer describe the data: the
  // note is not appended and the render learns of it from the exit status.
  if (!writeHeaderFile(headerPath, header->bytes)) return writeFailed(headerPath);
  const bool appended = tail ? tail->writeOver(note) : appendSamples(dataPath, note);
  if (!appended) return writeFailed(dataPath);
  return finish(0);
}

}  // namespace

SpliceOutcome runSplice(std::span<const std::string_view> args) { return Splice().run(args); }

}  // namespace ruvo::joiner
