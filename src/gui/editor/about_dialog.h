#pragma once
// The about box "Dialog", "これについて": picture, title, version, OK.

#include <QDialog>

namespace ruvo::gui {

class AboutDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(AboutDialog)

 public:
  // `title` replaces the product name when not empty (TransformTitle).
  AboutDialog(const QString& title, QWidget* parent);
};

}  // namespace ruvo::gui
