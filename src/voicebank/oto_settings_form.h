#pragma once
// The logic of the voice-bank settings dialog (frmOtoSetting): the row list
// built from a folder's recordings and its oto.ini, the selected row and the
// six boxes, and the commands Set, Clear, Delete, Copy, Change folder and OK.
// The dialog widget only shows this form and forwards clicks to it.
//
// A row is a recording's file name and its oto.ini values (alias, offset,
// consonant, blank, pre-utterance, then whatever further values the line
// carries). Rows stay sorted by their TAB-joined text without regard to
// letter case; OK writes them in that order, one line per row that has a
// value, followed by the lines of the old file that are not entries. A row
// no command has changed is written as the line it was read from.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/error.h"
#include "voicebank/oto_file.h"
#include "voicebank/sample_editor_model.h"

namespace ruvo {

struct OtoRow {
  enum Field : size_t { kFile = 0, kAlias, kOffset, kConsonant, kBlank, kPreUtterance };
  std::vector<std::string> fields;  // the file name first; never empty
  std::optional<std::string> line;  // the oto.ini line while the row is unchanged

  // Field i, "" past the end.
  std::string field(size_t i) const;
  // The fields joined by TAB: what the list sorts by.
  std::string text() const;
  // The oto.ini line for this row, nothing when it has no value at all.
  std::optional<std::string> outputLine() const;
};

// What the six boxes of the dialog hold.
struct OtoBoxes {
  std::string name, alias, offset, consonant, blank, preUtterance;
};

class OtoSettingsForm {
 public:
  // Called with a recording's name (file name without ".wav") whenever its
  // parameters or frequency table change, so its cached notes go.
  using SampleChanged = std::function<void(const std::string& recordingName)>;
  explicit OtoSettingsForm(SampleChanged onSampleChanged) : m_onSampleChanged(std::move(onSampleChanged)) {}

  // Builds the rows of `folder` and selects the first row whose file is
  // target + ".wav" or whose alias is target. An oto.ini that exists but
  // cannot be read is returned as an error; the rows then hold the
  // recordings alone and OK refuses to write over the file.
  [[nodiscard]] Result<void> open(const std::string& folder, const std::string& target);
  // "...": the folder of a file the user picked; the rows are built anew
  // and none is selected.
  [[nodiscard]] Result<void> changeFolder(const std::string& chosenFile);

  const std::string& folder() const { return m_folder; }
  const std::vector<OtoRow>& rows() const { return m_rows; }
  std::optional<size_t> selected() const { return m_selected; }
  // Selects a row (nothing for an index past the end) and fills the boxes.
  void select(std::optional<size_t> row);
  OtoBoxes boxes;

  // The selected recording's path when the file exists inside the folder.
  std::optional<std::string> recordingPath() const;
  // The frequency table of the selected recording exists.
  bool frequencyTableExists() const;

  // Set and Clear first normalise the offset box to its number ("007" to
  // "7"); both do nothing unless the selected row's file is the name box.
  void set();
  void clear();
  // Removes the selected row; the recording file stays.
  void remove();
  // Adds a copy of the selected row, which lands beside it.
  void copy();

  // The selected row's values for the sample editor, rounded to whole ms.
  SampleTimes sampleTimes() const;
  // Stores what the sample editor returned into the selected row.
  void applySampleTimes(const SampleTimes& times);
  // The selected recording's frequency table was written or made anew.
  void frequencyTableChanged();
  // Calls the change hook for a recording file of the folder.
  void sampleChanged(const std::string& fileName);

  // The oto.ini lines OK writes.
  std::vector<std::string> outputLines() const;
  // Writes oto.ini into the folder shown. Nothing is written when the
  // folder is empty or its oto.ini could not be read.
  [[nodiscard]] Result<void> ok() const;

 private:
  [[nodiscard]] Result<void> load(const std::string& folder);
  void build();
  void sortKeeping(std::optional<size_t> follow);
  bool nameMatchesSelection() const;
  void normaliseOffset();

  SampleChanged m_onSampleChanged;
  std::string m_folder;
  OtoFile m_file;
  std::optional<Error> m_loadError;
  std::vector<OtoRow> m_rows;
  std::optional<size_t> m_selected;
};

// The recordings of a folder: its "*.wav" files (any letter case) in
// directory order, then those of each subfolder an oto.ini file name names
// ("A3/a.wav" lists A3), named with the entry's own separator.
std::vector<std::string> listRecordings(const std::string& folder, const std::vector<OtoFileEntry>& entries);

}  // namespace ruvo
