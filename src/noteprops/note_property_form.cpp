#include "noteprops/note_property_form.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "noteprops/plain_decimal.h"
#include "noteprops/property_record.h"
#include "song/song_model.h"
#include "song/value_bounds.h"

namespace ruvo {

namespace {

BarRange rangeOf(PercentBar bar) { return bar == PercentBar::Volume ? kVolumeBar : kModulationBar; }
PropertyBox boxOf(PercentBar bar) { return bar == PercentBar::Volume ? PropertyBox::Volume : PropertyBox::Modulation; }

}  // namespace

std::string lengthBoxText(int ticks) { return plainDecimal(ticks / 4.0, 2); }

NotePropertyForm::NotePropertyForm(const PropertyValues& values)
    : m_in(values), m_rangeMode(values.id < 0), m_id(values.id), m_note(values.note < 0 ? -1 : values.note) {
  assign(PropertyBox::Word, values.lyric);
  if (values.length < 0) {
    assign(PropertyBox::Length, std::string(kKeepValue));
  } else {
    assign(PropertyBox::Length, lengthBoxText(values.length));
  }
  PropFields fields = splitProps(values.props);
  assign(PropertyBox::Offset, fields[kPropPreUtterance]);
  assign(PropertyBox::Volume, fields[kPropVolume]);
  assign(PropertyBox::Modulation, fields[kPropModulation]);
  m_pitchCurve = fields[kPropPitchCurve];
  assign(PropertyBox::Others, extraToBox(fields[kPropExtra]));

  FlagTriple flags = readTriple(fields[kPropFlags]);
  if (flags.breath == kKeepValue) {
    assign(PropertyBox::Breath, flags.breath);
  } else {
    assign(PropertyBox::Breath, flags.breath.empty() ? "" : flags.breath.substr(1));
  }
  if (flags.filter == kKeepValue) {
    m_check = CheckValue::Greyed;
  } else {
    m_check = flags.filter == "N" ? CheckValue::Checked : CheckValue::Unchecked;
  }
  assign(PropertyBox::Flags, flags.rest);

  // The bars show stored percentages they can hold; a stored value outside
  // a bar stays as it is until the user edits the box.
  for (PercentBar bar : {PercentBar::Volume, PercentBar::Modulation}) {
    const std::string& text = box(boxOf(bar)).text;
    if (text.empty()) continue;
    double position = -leadingNumber(text);
    BarRange range = rangeOf(bar);
    if (position >= range.top && position <= range.bottom) {
      (bar == PercentBar::Volume ? m_volumeBar : m_modulationBar) = static_cast<int>(roundHalfEven(position));
    }
  }
}

void NotePropertyForm::assign(PropertyBox which, const std::string& value) {
  BoxState& state = m_boxes[index(which)];
  state.keep = value == kKeepValue;
  state.text = state.keep ? "" : value;
}

void NotePropertyForm::edit(PropertyBox which, const std::string& text) {
  BoxState& state = m_boxes[index(which)];
  state.text = text;
  if (m_rangeMode) state.keep = false;
  if (which == PropertyBox::Volume) follow(PercentBar::Volume);
  if (which == PropertyBox::Modulation) follow(PercentBar::Modulation);
}

void NotePropertyForm::follow(PercentBar bar) {
  BoxState& state = m_boxes[index(boxOf(bar))];
  if (state.text.empty()) return;
  double position = -leadingNumber(state.text);
  BarRange range = rangeOf(bar);
  int& current = bar == PercentBar::Volume ? m_volumeBar : m_modulationBar;
  // Rounded the way the bar rounds, and compared before any conversion so
  // that huge entries cannot overflow.
  double rounded = std::nearbyint(position);
  if (!(rounded >= range.top && rounded <= range.bottom)) {
    state.text = std::to_string(-current);
    return;
  }
  current = static_cast<int>(roundHalfEven(position));
}

void NotePropertyForm::toggleKeep(PropertyBox which) {
  if (!m_rangeMode) return;
  BoxState& state = m_boxes[index(which)];
  state.keep = !state.keep;
  if (state.keep) state.text.clear();
}

void NotePropertyForm::moveBar(PercentBar bar, int position) {
  BarRange range = rangeOf(bar);
  position = std::clamp(position, range.top, range.bottom);
  int& current = bar == PercentBar::Volume ? m_volumeBar : m_modulationBar;
  current = position;
  edit(boxOf(bar), std::to_string(-position));
}

void NotePropertyForm::clickCheck() {
  switch (m_check) {
    case CheckValue::Unchecked: m_check = CheckValue::Checked; break;
    case CheckValue::Checked: m_check = m_rangeMode ? CheckValue::Greyed : CheckValue::Unchecked; break;
    case CheckValue::Greyed: m_check = CheckValue::Unchecked; break;
  }
}

void NotePropertyForm::clear() {
  for (PropertyBox which : {PropertyBox::Modulation, PropertyBox::Volume, PropertyBox::Offset}) {
    m_boxes[index(which)] = BoxState{};
  }
  // A bar that moves back to 100 % writes that into its box.
  for (PercentBar bar : {PercentBar::Volume, PercentBar::Modulation}) {
    if (barPosition(bar) != kBarStart) moveBar(bar, kBarStart);
  }
  m_pitchCurve.clear();
  if (m_id == kRangeId) m_id = kClearedRangeId;
  m_boxes[index(PropertyBox::Breath)] = BoxState{};
  m_boxes[index(PropertyBox::Flags)] = BoxState{};
  m_check = CheckValue::Unchecked;
}

std::string NotePropertyForm::problem() const {
  struct Bound {
    PropertyBox which;
    const char* caption;
    double lowest, highest;
  };
  const Bound bounds[] = {
      {PropertyBox::Length, "長さ", 0, kLongestNoteLength / 4.0},
      {PropertyBox::Offset, "先行発声", -kLongestPreUtteranceMs, kLongestPreUtteranceMs},
      {PropertyBox::Breath, "BRE", 0, 100},
  };
  for (const Bound& bound : bounds) {
    const BoxState& state = box(bound.which);
    if (state.keep) continue;
    // A length that is no number above 0 keeps the note's length; the other
    // boxes are emptied at OK when they hold no number.
    const bool length = bound.which == PropertyBox::Length;
    const double value = leadingNumber(state.text);
    if (length ? !(value > 0) : !isNumberText(state.text)) continue;
    if (value >= bound.lowest && value <= bound.highest) continue;
    return std::string(bound.caption) + "「" + state.text + "」は使えません。" + plainDecimal(bound.lowest, 2) +
           "から" + plainDecimal(bound.highest, 2) + "までの数を入力してください。";
  }
  return "";
}

PropertyValues NotePropertyForm::accept() {
  for (PropertyBox which : {PropertyBox::Offset, PropertyBox::Volume, PropertyBox::Modulation, PropertyBox::Breath}) {
    BoxState& state = m_boxes[index(which)];
    if (!state.text.empty() && !isNumberText(state.text)) state.text.clear();
  }
  PropertyValues out;
  out.lyric = box(PropertyBox::Word).value();
  const BoxState& length = box(PropertyBox::Length);
  out.length = m_in.length;
  if (length.keep) {
    out.length = -1;
  } else if (double ticks = leadingNumber(length.text) * 4; ticks > 0) {
    out.length = clampToInt32(static_cast<double>(roundHalfEven(std::min(ticks, 4e9))));
  }
  out.note = m_note;
  out.props = recordNeeded() ? record() : "";
  out.id = m_id;
  return out;
}

bool NotePropertyForm::recordNeeded() const {
  for (PropertyBox which : {PropertyBox::Others, PropertyBox::Flags, PropertyBox::Breath, PropertyBox::Modulation,
                            PropertyBox::Volume, PropertyBox::Offset}) {
    if (!box(which).text.empty()) return true;
  }
  if (!m_pitchCurve.empty() || m_check == CheckValue::Checked) return true;
  // In range mode a box in the set state (or a check box that is not
  // greyed) means the notes' own values are to be replaced, also by nothing:
  // after Clear that is what empties them.
  return m_rangeMode && (!box(PropertyBox::Flags).keep || !box(PropertyBox::Breath).keep ||
                         m_check != CheckValue::Greyed);
}

std::string NotePropertyForm::record() const {
  const BoxState& breathBox = box(PropertyBox::Breath);
  std::string breath = breathBox.keep ? std::string(kKeepValue) : (breathBox.text.empty() ? "" : "B" + breathBox.text);
  std::string filter = m_check == CheckValue::Checked ? "N" : m_check == CheckValue::Greyed ? "*" : "";
  std::string rest = box(PropertyBox::Flags).value();
  std::string flags = m_rangeMode ? joinTriple(FlagTriple{breath, filter, rest}) : breath + filter + rest;
  const BoxState& others = box(PropertyBox::Others);
  PropFields fields{box(PropertyBox::Offset).value(), box(PropertyBox::Volume).value(),
                    box(PropertyBox::Modulation).value(), m_pitchCurve, flags,
                    others.keep ? std::string(kKeepValue) : boxToExtra(others.text)};
  return joinProps(fields);
}

}  // namespace ruvo
