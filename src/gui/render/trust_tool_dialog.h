#pragma once
// frmTrustTool: asks whether a render may start a program the project names
// but the user never chose, showing the program's full path and its use.

#include <QDialog>

#include "render/trust_choice.h"

namespace ruvo::gui {

class TrustToolDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(TrustToolDialog)

 public:
  TrustToolDialog(const QString& message, QWidget* owner);

  // Shows the question modally; closing the dialog cancels.
  static TrustChoice ask(const QString& message, QWidget* owner);

 private:
  TrustChoice m_choice = TrustChoice::Cancel;
};

}  // namespace ruvo::gui
