#pragma once
// The language row of the options dialog's general page: follow the
// desktop, Japanese or English. The choice is kept in the editor's own
// preferences and takes effect when the editor starts next.

#include <QWidget>

class QComboBox;

namespace ruvo::gui {

class LanguageChoiceView final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(LanguageChoiceView)

 public:
  // Shows the stored choice ("cmbLanguage").
  explicit LanguageChoiceView(QWidget* parent);
  // Stores the choice shown when it differs from the stored one.
  void store();

 private:
  QComboBox* m_choice = nullptr;
};

}  // namespace ruvo::gui
