// A recording's frequency table as the table editor handles it: read,
// edited (frames unvoiced and moved), written, and read again, which must
// give back exactly the header and values that were written. The editor's
// model, its graph and the sound list's estimate take the same bytes: every
// row shown, every graph coordinate within reach of a pixel conversion, the
// estimate within the song's keys and lengths.

#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "song/song_model.h"
#include "voicebank/frq_editor.h"
#include "voicebank/frq_graph.h"
#include "voicebank/frq_table.h"
#include "voicebank/sound_list.h"

namespace ruvo::fuzz {

namespace {

bool withinReach(TwipPoint p) { return std::abs(p.x) <= 2'000'000 && std::abs(p.y) <= 2'000'000; }

std::string editorProblem(const std::string& recording) {
  const ToneEstimate estimate = estimateTone(recording, 120);
  if (estimate.noteNumber < 1 || estimate.noteNumber > 83 || std::abs(estimate.length) > kLongestReadLength)
    return "estimate out of range";
  auto editor = FrqEditor::open(recording);
  if (!editor) return {};
  if (editor->rows().size() * 2 != editor->table().values.size()) return "rows and frames differ";
  std::vector<int> all;
  for (int i = 0; i < editor->frameCount(); ++i) all.push_back(i);
  editor->setSelection(all);
  editor->interpolate();
  editor->scale(FrqScale::Triple);
  const FrqGraph graph = planFrqGraph(editor->table().values, editor->table().header.average, 300000, 4650);
  if (!withinReach(graph.average.from)) return "average line out of reach";
  for (const TwipLine& line : graph.pitchLines)
    if (!withinReach(line.from) || !withinReach(line.to)) return "graph line out of reach";
  return {};
}

bool sameBits(const FrqTable& a, const FrqTable& b) {
  const FrqHeader& x = a.header;
  const FrqHeader& y = b.header;
  if (x.identifier != y.identifier || x.field8 != y.field8 || x.reserved != y.reserved ||
      x.frameCount != y.frameCount || std::memcmp(&x.average, &y.average, sizeof x.average) != 0)
    return false;
  return a.values.size() == b.values.size() &&
         (a.values.empty() || std::memcmp(a.values.data(), b.values.data(), a.values.size() * sizeof(double)) == 0);
}

}  // namespace

std::string frqTable(Bytes bytes) {
  const std::string recording = scratchFolder() + "/rec.wav";
  putScratchFile("rec_wav.frq", {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  (void)readFrqHeader(recording);
  if (std::string problem = editorProblem(recording); !problem.empty()) return problem;
  auto table = readFrq(recording);
  if (!table) return {};
  const int32_t frames = table->header.frameCount;
  if (frames < 1 || frames > kFrqMaxFrames) return "frame count " + std::to_string(frames) + " accepted";
  if (table->values.size() != 2 * static_cast<size_t>(frames))
    return std::to_string(table->values.size()) + " values for " + std::to_string(frames) + " frames";

  for (size_t i = 0; i < table->values.size(); i += 2) table->values[i] = i % 4 == 0 ? kNoPitch : table->values[i] * 2;
  table->header.average = table->values.front();
  if (auto written = writeFrq(*table, recording); !written) return "write failed: " + written.error().message;
  auto again = readFrq(recording);
  if (!again) return "written table does not read: " + again.error().message;
  if (!sameBits(*table, *again)) return "written table reads back different";
  return {};
}

}  // namespace ruvo::fuzz
