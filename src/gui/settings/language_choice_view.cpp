#include "gui/settings/language_choice_view.h"

#include <optional>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "gui/common/named_controls.h"
#include "gui/translations/translations.h"

namespace ruvo::gui {

namespace {

// The rows of the box, in order: index 0 follows the desktop.
constexpr int kFollowDesktop = 0;
constexpr int kJapanese = 1;
constexpr int kEnglish = 2;

int rowOf(std::optional<UiLanguage> language) {
  if (!language) return kFollowDesktop;
  return *language == UiLanguage::Japanese ? kJapanese : kEnglish;
}

}  // namespace

LanguageChoiceView::LanguageChoiceView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("languageChoice"));
  m_choice = new QComboBox(this);
  m_choice->setObjectName(QStringLiteral("cmbLanguage"));
  m_choice->addItems({tr("デスクトップに合わせる"), tr("日本語"), tr("英語")});
  m_choice->setCurrentIndex(rowOf(storedUiLanguage()));

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(captionLabel(this, tr("言語")), 0, 0);
  layout->addWidget(m_choice, 0, 1);
  layout->setColumnStretch(2, 1);
  layout->addWidget(captionLabel(this, tr("言語の変更は次に起動したときから有効になります。"), true), 1, 0, 1, 3);
}

void LanguageChoiceView::store() {
  const int row = m_choice->currentIndex();
  if (row == rowOf(storedUiLanguage())) return;
  if (row == kFollowDesktop)
    storeUiLanguage(std::nullopt);
  else
    storeUiLanguage(row == kJapanese ? UiLanguage::Japanese : UiLanguage::English);
}

}  // namespace ruvo::gui
