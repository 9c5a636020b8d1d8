#pragma once
// The frequency-table editor's model: a copy of one recording's table, one
// row text per frame, the selected rows, the value box and the average box.
// Nothing reaches the disk before write(); each write keeps the previous
// table as the backup (frq_table.h).
//
// Row texts: the frequency with exactly 8 decimals ("0.00000000"), "----"
// for a frame without pitch (exactly 55.0), or, after Set, the text exactly
// as typed. Frames a damaged table holds as NaN or infinity show as "nan",
// "inf" or "-inf" and are carried through unchanged until edited.

#include <string>
#include <vector>

#include "core/error.h"
#include "core/prompts.h"
#include "voicebank/frq_table.h"

namespace ruvo {

inline constexpr const char* kFrqNoPitchText = "----";
inline constexpr const char* kFrqUpdatedText = "の周波数表を更新しました。";
inline constexpr const char* kFrqNotUpdatedText = "の周波数表を更新出来ませんでした。";
inline constexpr const char* kFrqDiscardQuestion = "ファイルに書き込んでいません。変更を破棄してよろしいですか？";

// The rows a command changed, first..last; empty when first > last.
struct FrqRowSpan {
  int first = 0;
  int last = -1;
  bool empty() const { return first > last; }
};

enum class FrqScale { Half, Third, Double, Triple };

// What "書き込む" tells the user: the file name and the outcome, and why a
// write failed (empty after a success).
struct FrqWriteOutcome {
  bool written = false;
  std::string message;
  MessageIcon icon = MessageIcon::Information;
  std::string reason;
};

class FrqEditor {
 public:
  // Reads the recording's table. Fails, with the reason, when the table is
  // missing, empty, short or holds a frame count outside 1..4095.
  [[nodiscard]] static Result<FrqEditor> open(const std::string& recordingPath);

  const std::string& recordingPath() const { return m_recordingPath; }
  // The recording's file name ("a.wav"): the window caption and the start
  // of every message.
  const std::string& fileName() const { return m_fileName; }
  const FrqTable& table() const { return m_table; }
  int frameCount() const { return static_cast<int>(m_rows.size()); }
  const std::vector<std::string>& rows() const { return m_rows; }
  // Frame i's frequency in Hz.
  double frequency(int row) const { return m_table.values[2 * static_cast<size_t>(row)]; }

  // The selected rows, ascending. Rows outside the table are dropped.
  void setSelection(std::vector<int> rows);
  const std::vector<int>& selection() const { return m_selection; }
  // The row with the focus (the one Set writes to); -1 for none.
  void setCurrentRow(int row);
  int currentRow() const { return m_currentRow; }

  // The two boxes as the user typed them.
  std::string valueText;
  std::string averageText;
  // The header's average in the average box's form.
  std::string currentAverageText() const;

  // A click on a row: it becomes the current row and the value box shows its
  // text, or nothing for a frame without pitch.
  void clickRow(int row);
  // "セット": the current row takes the value box when that holds a finite
  // number (blanks around it allowed); the row shows the text as typed.
  FrqRowSpan setValue();
  // "/2", "/3", "x2", "x3" on every selected row, a frame without pitch
  // included; the value box shows the last changed row.
  FrqRowSpan scale(FrqScale how);
  // "-": every selected row becomes a frame without pitch.
  FrqRowSpan clearPitch();
  // "avg": the rows strictly between the first and the last selected row
  // (selected or not) go in a straight line from the first's frequency to
  // the last's; nothing when fewer than one row lies between them.
  FrqRowSpan interpolate();
  // "元に戻す": reads the table again and rebuilds every row; the selection
  // and the value box are cleared, the average box keeps its text. On
  // failure nothing changes.
  [[nodiscard]] Result<void> revert();
  // "書き込む": the average box rule (a text that differs from the current
  // average and reads as a finite number other than 0 becomes the average;
  // any other differing text is replaced by the current average), then the
  // table is written with its backup.
  FrqWriteOutcome write();

  // Changes not yet written; closing then asks kFrqDiscardQuestion.
  bool modified() const { return m_modified; }
  // The table was written at least once: the recording's cached notes are
  // stale.
  bool written() const { return m_written; }

 private:
  FrqEditor() = default;
  void rebuildRows();
  void setFrequency(int row, double hz);

  std::string m_recordingPath;
  std::string m_fileName;
  FrqTable m_table;
  std::vector<std::string> m_rows;
  std::vector<int> m_selection;
  int m_currentRow = -1;
  bool m_modified = false;
  bool m_written = false;
};

// The row text of a frequency: "----" for exactly 55.0, else 8 decimals.
std::string frqRowText(double hz);

}  // namespace ruvo
