#include "gui/editor/select_track_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/select_track_form.h"
#include "editor/track_notes.h"
#include "gui/common/qt_text.h"

namespace ruvo::gui {

SelectTrackDialog::SelectTrackDialog(const std::vector<std::string>& trackList, std::vector<int> sungNotes,
                                     QWidget* parent)
    : QDialog(parent), m_sungNotes(std::move(sungNotes)) {
  setObjectName(QStringLiteral("frmSelectTrack"));
  setWindowTitle(tr("トラックを選択"));
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("List1"));
  for (const auto& track : trackList) m_list->addItem(qs(track));
  if (m_list->count() > 0 && !m_sungNotes.empty()) m_list->setCurrentRow(firstTrackWithNotes(m_sungNotes));
  m_note = new QLabel(this);
  m_note->setObjectName(QStringLiteral("lblTrackNotes"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("取込むトラックを選択してください。"), this));
  layout->addWidget(m_list);
  layout->addWidget(m_note);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(m_list, &QListWidget::itemSelectionChanged, this, &SelectTrackDialog::showTrackNotes);
  showTrackNotes();
}

void SelectTrackDialog::showTrackNotes() {
  const int row = m_list->currentRow();
  const bool known = row >= 0 && static_cast<size_t>(row) < m_sungNotes.size() && m_list->item(row)->isSelected();
  m_note->setText(known && m_sungNotes[static_cast<size_t>(row)] == 0
                      ? tr("このトラックにはノートがありません。")
                      : QString());
}

int SelectTrackDialog::chosenTrack() const {
  int row = m_list->currentRow();
  bool selected = row >= 0 && m_list->item(row)->isSelected();
  return selectedTrack(result() == QDialog::Accepted, selected ? std::optional<int>(row) : std::nullopt);
}

}  // namespace ruvo::gui
