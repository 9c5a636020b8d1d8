#pragma once
// The pitch curve editor (Form2, "ピッチエディタ"): the drawing of the
// points over the note's sound, the range and vibrato buttons, zoom and
// scroll, and the "old data" switch, over a PitchCurveForm.

#include <optional>
#include <string>

#include <QDialog>

#include "core/prompts.h"
#include "noteprops/pitch_curve_form.h"

class QCheckBox;
class QComboBox;
class QScrollBar;

namespace ruvo::gui {

class PitchCurveView;

class PitchCurveDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(PitchCurveDialog)

 public:
  // Opens the editor modally over `owner`. The new curve text on OK;
  // nothing on Cancel, or when the recording cannot be read (then the
  // reason is shown through `prompts`).
  static std::optional<std::string> showDialog(QWidget* owner, const PitchEditorInput& input, Prompts& prompts);

  PitchCurveDialog(QWidget* owner, PitchCurveForm form);
  PitchCurveForm& form() { return m_form; }
  PitchCurveView* view() const { return m_view; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void command(void (PitchCurveForm::*action)());
  void refresh();

  PitchCurveForm m_form;
  PitchCurveView* m_view = nullptr;
  QScrollBar* m_scroll = nullptr;
  QComboBox* m_depth = nullptr;
  QCheckBox* m_oldData = nullptr;
};

}  // namespace ruvo::gui
