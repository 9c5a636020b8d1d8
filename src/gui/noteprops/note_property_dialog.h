#pragma once
// The note property dialog (frmNoteProperty) over a NotePropertyForm: one
// note's or a range's lyric, length, key, pre-utterance, volume,
// modulation, flags and extra commands, and the way to the pitch curve
// editor. Boxes in the keep state are painted light grey with grey text.

#include <array>

#include <QDialog>

#include "core/prompts.h"
#include "noteprops/note_property_form.h"
#include "noteprops/note_sound.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ruvo::gui {

class NotePropertyDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(NotePropertyDialog)

 public:
  // Opens the dialog modally; true on OK with `values` replaced by what it
  // returned. `settings` keeps whether the details are shown.
  static bool showDialog(QWidget* owner, PropertyValues& values, const NoteSound& sound, Settings& settings,
                         Prompts& prompts);

  NotePropertyDialog(QWidget* owner, const PropertyValues& values, const NoteSound& sound, Settings& settings,
                     Prompts& prompts);
  const NotePropertyForm& form() const { return m_form; }
  // The values OK hands back (after OK was pressed).
  const PropertyValues& result() const { return m_result; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* addBox(PropertyBox which, const char* name);
  void showBoxes();
  void showBox(PropertyBox which);
  void toggleDetail();
  void editPitches();
  void onOk();

  NotePropertyForm m_form;
  PropertyValues m_result;
  NoteSound m_sound;
  Settings& m_settings;
  Prompts& m_prompts;
  std::array<QLineEdit*, kPropertyBoxCount> m_boxes{};
  QComboBox* m_note = nullptr;
  QScrollBar* m_volumeBar = nullptr;
  QScrollBar* m_modulationBar = nullptr;
  QCheckBox* m_noFilter = nullptr;
  QPushButton* m_pitches = nullptr;
  QLabel* m_detail = nullptr;
  QWidget* m_detailPanel = nullptr;
  bool m_showing = false;  // boxes are being filled from the form
};

}  // namespace ruvo::gui
