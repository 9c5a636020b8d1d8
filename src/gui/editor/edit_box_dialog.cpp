#include "gui/editor/edit_box_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/lyric_phrase.h"
#include "gui/services/qt_text.h"

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
  m_text->setPlainText(qs(phraseToLines(ss(phrase))));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_text);
  resize(360, 300);
}

QString EditBoxDialog::phrase() const { return qs(linesToPhrase(ss(m_text->toPlainText()))); }

}  // namespace ruvo::gui
