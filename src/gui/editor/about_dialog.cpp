#include "gui/editor/about_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::gui {

AboutDialog::AboutDialog(const QString& title, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Dialog"));
  setWindowTitle(tr("これについて"));
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setPixmap(QApplication::windowIcon().pixmap(64, 64));
  auto* name = new QLabel(title.isEmpty() ? tr("ＲＵＶＯ") : title, this);
  name->setObjectName(QStringLiteral("lblTitle"));
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 2);
  name->setFont(big);
  auto* version = new QLabel(QStringLiteral("Ver ") + QApplication::applicationVersion(), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(version);
  text->addStretch();
  text->addWidget(ok, 0, Qt::AlignRight);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(picture, 0, Qt::AlignTop);
  layout->addLayout(text);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ruvo::gui
