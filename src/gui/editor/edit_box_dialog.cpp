#include "gui/editor/edit_box_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/lyric_phrase.h"
#include "gui/common/qt_text.h"

namespace ruvo::gui {

QString EditBoxDialog::editPhrase(QWidget* owner, const QString& phrase) {
  EditBoxDialog dialog(owner, phrase);
  dialog.exec();
  return dialog.phrase();
}

EditBoxDialog::EditBoxDialog(QWidget* owner, const QString& phrase) : QDialog(owner) {
  setObjectName(QStringLiteral("frmEditBox"));
  setWindowTitle(tr("テキスト入力"));
  setModal(true);
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("txtPhrase"));
  m_text->setPlainText(qs(phraseToLines(utf8(phrase))));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  QPushButton* cancel = buttons->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, [this, phrase] {
    m_text->setPlainText(qs(phraseToLines(utf8(phrase))));
    reject();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addWidget(buttons);
  resize(360, 300);
}

QString EditBoxDialog::phrase() const { return qs(linesToPhrase(utf8(m_text->toPlainText()))); }

}  // namespace ruvo::gui
