#include "gui/common/named_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ruvo::gui {

QPushButton* namedButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QPushButton* namedBrowseButton(QWidget* parent, const char* name) {
  QPushButton* button = namedButton(parent, name, QStringLiteral("..."));
  button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
  return button;
}

QLineEdit* namedLineEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

QLabel* captionLabel(QWidget* parent, const QString& text, bool wrap) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(wrap);
  return label;
}

}  // namespace ruvo::gui
