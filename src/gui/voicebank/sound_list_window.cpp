#include "gui/voicebank/sound_list_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "gui/common/guarded_command.h"
#include "gui/common/named_controls.h"

namespace ruvo::gui {

SoundListWindow::SoundListWindow(const std::string& folder, const std::string& tempoBoxText,
                                 SoundListServices services, QWidget* owner)
    : QWidget(owner, Qt::Tool), m_services(std::move(services)), m_tempo(soundListTempo(tempoBoxText)) {
  setObjectName(QStringLiteral("frmFromList"));
  setWindowTitle(tr("リストから挿入"));
  setAttribute(Qt::WA_DeleteOnClose);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("List1"));
  m_replace = new QCheckBox(tr("置換"), this);
  m_replace->setObjectName(QStringLiteral("chkReplace"));
  m_silent = new QCheckBox(tr("消音"), this);
  m_silent->setObjectName(QStringLiteral("chkSilent"));
  QPushButton* close = namedButton(this, "CancelButton", tr("閉じる"));

  auto* checks = new QHBoxLayout;
  checks->addWidget(m_replace);
  checks->addWidget(m_silent);
  checks->addStretch(1);
  checks->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(captionLabel(this, tr("クリックで音が出ます。"), true));
  layout->addWidget(captionLabel(this, tr("ダブルクリックで選択部分の先頭に挿入します"), true));
  layout->addWidget(m_list, 1);
  layout->addLayout(checks);
  resize(260, 420);

  connect(m_list, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { guarded([this, item] { preview(m_list->row(item)); }); });
  connect(m_list, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { guarded([this, item] { insert(m_list->row(item)); }); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  guarded([&] {
    auto entries = listRecordings(folder);
    if (!entries) {
      m_services.prompts.message(entries.error().message, "", MessageIcon::Warning);
      return;
    }
    m_entries = std::move(*entries);
    for (const SoundListEntry& entry : m_entries) m_list->addItem(qs(entry.name));
  });
}

void SoundListWindow::guarded(const std::function<void()>& command) {
  runGuarded(m_services.settings.DebugMode, m_services.prompts, command);
}

void SoundListWindow::preview(int row) {
  if (row < 0 || row >= static_cast<int>(m_entries.size())) return;
  const SoundListEntry& entry = m_entries[static_cast<size_t>(row)];
  m_selectedName = entry.name;
  // A recording that cannot be played is passed over without a word: the
  // list is for browsing, and the insert still works.
  if (!m_silent->isChecked()) (void)m_services.media.preview(entry.path);
}

void SoundListWindow::insert(int row) {
  if (row < 0 || row >= static_cast<int>(m_entries.size())) return;
  const SoundListEntry& entry = m_entries[static_cast<size_t>(row)];
  m_selectedName = entry.name;
  const ToneEstimate estimate = estimateTone(entry.path, m_tempo);
  m_services.edits.insertTonePub(entry.name, estimate.noteNumber, estimate.length, m_replace->isChecked());
}

}  // namespace ruvo::gui
