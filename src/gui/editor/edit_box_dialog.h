#pragma once
// frmEditBox, "テキスト入力": the lyric line's phrase one word per line in a
// multi-line box, for phrases too long for the line. Whatever closes the
// window, its text becomes the phrase.

#include <QDialog>

class QPlainTextEdit;

namespace ruvo::gui {

class EditBoxDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(EditBoxDialog)

 public:
  // Shows `phrase` (each space a line break) modally over `owner` and
  // answers the edited text with each line break a space.
  static QString editPhrase(QWidget* owner, const QString& phrase);

  EditBoxDialog(QWidget* owner, const QString& phrase);
  QString phrase() const;

 private:
  QPlainTextEdit* m_text;
};

}  // namespace ruvo::gui
