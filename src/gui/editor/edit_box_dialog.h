#pragma once
// frmEditBox, "テキスト入力": the lyric line's phrase one word per line in a
// multi-line box, for phrases too long for the line. OK and closing the
// window take its text as the phrase; ｷｬﾝｾﾙ keeps the phrase as it was.

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
