#pragma once
// What the note property dialog (frmNoteProperty) shows and what OK hands
// back, for one note (single mode) or the common values of a selection
// (range mode). Every text box is either in the set state (its text counts)
// or in the keep state (each note keeps its own value, read as "*"); the
// widgets only paint these states and forward the user's actions.

#include <array>
#include <string>

namespace ruvo {

// The dialog's in-out values.
struct PropertyValues {
  int note = -1;       // note number; -1 mixed (range) or none
  int length = -1;     // ticks; -1 mixed
  std::string lyric;   // "*" mixed
  std::string props;   // property record; its flags field in the three-part form
  int id = -1;         // note index, -1 range mode; -2 back when Clear was pressed in range mode
};

enum class PropertyBox { Word, Length, Offset, Volume, Modulation, Breath, Flags, Others };
constexpr size_t kPropertyBoxCount = 8;

struct BoxState {
  std::string text;
  bool keep = false;
  // "*" in the keep state, else the text.
  std::string value() const { return keep ? "*" : text; }
};

enum class CheckValue { Unchecked = 0, Checked = 1, Greyed = 2 };

// The two percentage bars: the position is the negated percentage.
enum class PercentBar { Volume, Modulation };
struct BarRange {
  int top;     // highest percentage, negated
  int bottom;  // lowest percentage, negated
};
constexpr BarRange kVolumeBar{-200, 0};
constexpr BarRange kModulationBar{-200, 200};
constexpr int kBarStart = -100;
constexpr double kLongestPreUtteranceMs = 10000;

class NotePropertyForm {
 public:
  static constexpr int kRangeId = -1;
  static constexpr int kClearedRangeId = -2;

  explicit NotePropertyForm(const PropertyValues& values);

  bool rangeMode() const { return m_rangeMode; }
  int modeId() const { return m_id; }
  const BoxState& box(PropertyBox which) const { return m_boxes[index(which)]; }
  int note() const { return m_note; }
  CheckValue check() const { return m_check; }
  int barPosition(PercentBar bar) const { return bar == PercentBar::Volume ? m_volumeBar : m_modulationBar; }
  const std::string& pitchCurve() const { return m_pitchCurve; }

  // The user changed a box's text; in range mode the box enters the set
  // state. The volume and modulation boxes move their bars, or get their
  // bar's value back when the number lies outside it.
  void edit(PropertyBox which, const std::string& text);
  // Double click: in range mode the box toggles between set and keep.
  void toggleKeep(PropertyBox which);
  void setNote(int noteNumber) { m_note = noteNumber; }
  // A bar moved: its box gets the percentage.
  void moveBar(PercentBar bar, int position);
  // A click on the check box: single mode toggles; range mode cycles
  // unchecked, checked, greyed.
  void clickCheck();
  void setPitchCurve(std::string text) { m_pitchCurve = std::move(text); }
  // Clear: empties pre-utterance, volume, modulation, breath and flags (set
  // state), bars to 100 %, no pitch curve, check box off; in range mode the
  // notes' curves are to be emptied too.
  void clear();
  // Before OK: "" when every number typed can be played, else a message
  // naming the first that cannot: a length above kLongestNoteLength ticks,
  // a pre-utterance beyond kLongestPreUtteranceMs either way, a breath
  // outside 0 to 100.
  std::string problem() const;
  // OK: pre-utterance, volume, modulation and breath boxes holding anything
  // but a number are emptied. Then the values to hand back.
  PropertyValues accept();

 private:
  static size_t index(PropertyBox which) { return static_cast<size_t>(which); }
  void assign(PropertyBox which, const std::string& value);
  void follow(PercentBar bar);
  std::string record() const;
  bool recordNeeded() const;

  std::array<BoxState, kPropertyBoxCount> m_boxes;
  PropertyValues m_in;
  bool m_rangeMode = false;
  int m_id = 0;
  int m_note = -1;
  CheckValue m_check = CheckValue::Unchecked;
  int m_volumeBar = kBarStart;
  int m_modulationBar = kBarStart;
  std::string m_pitchCurve;
};

// The name of the length box's number: ticks / 4 (480 to a quarter note).
std::string lengthBoxText(int ticks);

}  // namespace ruvo
