#include "gui/voicebank/oto_settings_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/paths.h"
#include "gui/common/named_controls.h"
#include "gui/translations/logic_text.h"
#include "gui/voicebank/sample_editor_dialog.h"

namespace ruvo::gui {
namespace {

constexpr int kPollMs = 50;
constexpr size_t kColumns = 6;

}  // namespace

OtoSettingsDialog::OtoSettingsDialog(QWidget* owner, const OtoSettingsContext& context, OtoSettingsServices services)
    : QDialog(owner),
      m_context(context),
      m_services(std::move(services)),
      m_form([this](const std::string& name) {
        if (m_services.deleteCache) m_services.deleteCache(name);
      }) {
  setObjectName(QStringLiteral("frmOtoSetting"));
  setWindowTitle(logicText(kCaption));
  build();
  m_poll.setInterval(kPollMs);
  connect(&m_poll, &QTimer::timeout, this, [this] { guarded([this] { pollGeneration(); }); });
  guarded([this] { showOpenError(m_form.open(m_context.folder, m_context.target)); });
}

OtoSettingsDialog::~OtoSettingsDialog() {
  if (m_generation) m_generation->cancel();
}

void OtoSettingsDialog::build() {
  auto* layout = new QVBoxLayout(this);

  auto* pathRow = new QHBoxLayout;
  m_path = namedLineEdit(this, "txtOtoPath");
  m_path->setReadOnly(true);
  auto* change = namedBrowseButton(this, "cmdChangeFolder");
  change->setFixedWidth(change->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
  pathRow->addWidget(m_path, 1);
  pathRow->addWidget(change);
  layout->addLayout(pathRow);

  auto* middle = new QHBoxLayout;
  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("List1"));
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setHeaderLabels(
      {tr("名前"), tr("エイリアス"), tr("オフセット"), tr("子音部"), tr("ブランク"), tr("先行発声")});
  m_list->header()->setStretchLastSection(false);
  middle->addWidget(m_list, 1);

  auto* side = new QVBoxLayout;
  auto* boxes = new QGridLayout;
  m_name = namedLineEdit(this, "txtName");
  m_name->setReadOnly(true);
  m_alias = namedLineEdit(this, "txtAlias");
  m_offset = namedLineEdit(this, "txtOffset");
  m_fixed = namedLineEdit(this, "txtFixedLen");
  m_blank = namedLineEdit(this, "txtEndBlank");
  m_pre = namedLineEdit(this, "txtOffset2");
  const std::pair<QString, QLineEdit*> rows[] = {
      {tr("名前"), m_name},
      {tr("エイリアス"), m_alias},
      {tr("オフセット"), m_offset},
      {tr("子音部"), m_fixed},
      {tr("ブランク"), m_blank},
      {tr("先行発声"), m_pre}};
  for (int i = 0; i < 6; ++i) {
    boxes->addWidget(captionLabel(this, rows[i].first), i, 0);
    boxes->addWidget(rows[i].second, i, 1);
    if (i >= 2)
      boxes->addWidget(captionLabel(this, tr("ミリ秒")), i, 2);
  }
  side->addLayout(boxes);

  auto* edits = new QGridLayout;
  auto* set = namedButton(this, "cmdSet", tr("セット"));
  auto* clear = namedButton(this, "cmdClear", tr("クリア"));
  auto* del = namedButton(this, "cmdDel", tr("削除"));
  auto* copy = namedButton(this, "cmdCopy", tr("複製"));
  auto* editor =
      namedButton(this, "cmdEditGUI", tr("エディタを起動"));
  m_freqList =
      namedButton(this, "cmdFreqList", tr("周波数表の編集"));
  m_regenerate = namedButton(this, "cmdDeleteFreqList",
                             tr("周波数表を初期化"));
  edits->addWidget(set, 0, 0);
  edits->addWidget(clear, 0, 1);
  edits->addWidget(del, 1, 0);
  edits->addWidget(copy, 1, 1);
  edits->addWidget(editor, 2, 0, 1, 2);
  edits->addWidget(m_freqList, 3, 0);
  edits->addWidget(m_regenerate, 3, 1);
  side->addLayout(edits);
  for (const QString& note :
       {tr("「エイリアス」はファイル名を読み替えます。(\"sa.wav\"→\"さ\"等）"),
        tr("「オフセット」は原音ファイルの頭の無音部分を読み飛ばす設定です。"),
        tr("「子音部」には頭の伸縮させない部分の長さを指定します。"),
        tr("「ブランク」は終りの空白部分です。")})
    side->addWidget(captionLabel(this, note, true));
  side->addStretch(1);
  auto* sideBox = new QWidget(this);
  sideBox->setLayout(side);
  sideBox->setFixedWidth(300);
  middle->addWidget(sideBox);
  layout->addLayout(middle, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(
      captionLabel(this, tr("設定は原音側に保存されます")), 1);
  auto* ok = namedButton(this, "cmdOK", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* close =
      namedButton(this, "cmdClose", tr("キャンセル"));
  bottom->addWidget(ok);
  bottom->addWidget(close);
  layout->addLayout(bottom);

  auto on = [this](QPushButton* button, void (OtoSettingsDialog::*command)()) {
    connect(button, &QPushButton::clicked, this, [this, command] { guarded([this, command] { (this->*command)(); }); });
  };
  on(change, &OtoSettingsDialog::changeFolder);
  on(set, &OtoSettingsDialog::setRow);
  on(clear, &OtoSettingsDialog::clearRow);
  on(del, &OtoSettingsDialog::deleteRow);
  on(copy, &OtoSettingsDialog::copyRow);
  on(editor, &OtoSettingsDialog::editSample);
  on(m_freqList, &OtoSettingsDialog::editFrequencyTable);
  on(m_regenerate, &OtoSettingsDialog::regenerateTables);
  on(ok, &OtoSettingsDialog::confirm);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { guarded([this] { onRowChosen(); }); });
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { guarded([this] { preview(); }); });
  resize(900, 560);
}

void OtoSettingsDialog::guarded(const std::function<void()>& command) {
  if (m_context.debugMode) return command();
  try {
    command();
  } catch (const std::exception& error) {
    m_services.prompts.message(error.what(), kErrorTitle, MessageIcon::Critical);
  }
}

void OtoSettingsDialog::showOpenError(const Result<void>& opened) {
  showRows();
  if (!opened) m_services.prompts.message(opened.error().message, kCaption, MessageIcon::Warning);
}

void OtoSettingsDialog::showRows() {
  const QSignalBlocker block(m_list);
  m_path->setText(qs(m_form.folder()));
  m_list->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(m_form.rows().size()));
  for (const OtoRow& row : m_form.rows()) {
    QStringList columns;
    for (size_t i = 0; i < kColumns; ++i) columns << qs(row.field(i));
    items << new QTreeWidgetItem(columns);
  }
  m_list->addTopLevelItems(items);
  if (!items.isEmpty()) m_list->resizeColumnToContents(0);
  if (auto selected = m_form.selected()) {
    QTreeWidgetItem* item = m_list->topLevelItem(static_cast<int>(*selected));
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item);
  }
  showBoxes();
}

void OtoSettingsDialog::showBoxes() {
  const OtoBoxes& b = m_form.boxes;
  m_name->setText(qs(b.name));
  m_alias->setText(qs(b.alias));
  m_offset->setText(qs(b.offset));
  m_fixed->setText(qs(b.consonant));
  m_blank->setText(qs(b.blank));
  m_pre->setText(qs(b.preUtterance));
  m_freqList->setEnabled(m_services.editFrequencyTable && m_form.frequencyTableExists());
}

void OtoSettingsDialog::readBoxes() {
  m_form.boxes = OtoBoxes{utf8(m_name->text()),  utf8(m_alias->text()), utf8(m_offset->text()),
                          utf8(m_fixed->text()), utf8(m_blank->text()), utf8(m_pre->text())};
}

void OtoSettingsDialog::onRowChosen() {
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  m_form.select(row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row)));
  showBoxes();
}

void OtoSettingsDialog::preview() {
  auto path = m_form.recordingPath();
  if (!path) return;
  if (auto played = m_services.media.preview(*path); !played)
    m_services.prompts.message(played.error().message, kCaption, MessageIcon::Warning);
}

void OtoSettingsDialog::setRow() {
  readBoxes();
  m_form.set();
  showRows();
}

void OtoSettingsDialog::clearRow() {
  readBoxes();
  m_form.clear();
  showRows();
}

void OtoSettingsDialog::deleteRow() {
  if (!m_form.selected()) return;
  const std::string question =
      "選択したエントリを削除します。\n削除するとパラメータがクリアされますが、ファイルは削除しません。";
  if (m_services.prompts.ask(question, kCaption, MessageIcon::Information, false) != Answer::Yes) return;
  m_form.remove();
  showRows();
}

void OtoSettingsDialog::copyRow() {
  m_form.copy();
  showRows();
}

void OtoSettingsDialog::editSample() {
  if (!m_form.selected()) return;
  auto path = m_form.recordingPath();
  if (!path) return;
  auto edited = SampleEditorDialog::edit(this, *path, m_form.sampleTimes());
  if (!edited) {
    m_services.prompts.message(edited.error().message, kCaption, MessageIcon::Warning);
    return;
  }
  if (!*edited) return;
  m_form.applySampleTimes(**edited);
  showRows();
}

void OtoSettingsDialog::editFrequencyTable() {
  auto path = m_form.recordingPath();
  if (!path || !m_services.editFrequencyTable) return;
  if (m_services.editFrequencyTable(this, *path)) m_form.frequencyTableChanged();
}

void OtoSettingsDialog::regenerateTables() {
  if (m_generation) return;
  std::vector<size_t> chosen;
  for (QTreeWidgetItem* item : m_list->selectedItems())
    chosen.push_back(static_cast<size_t>(m_list->indexOfTopLevelItem(item)));
  if (chosen.empty() && m_form.selected()) chosen.push_back(*m_form.selected());
  if (chosen.empty()) return;
  std::sort(chosen.begin(), chosen.end());
  const std::string question =
      chosen.size() == 1
          ? "「" + m_form.rows()[chosen.front()].field(OtoRow::kFile) + "」の周波数表を再作成します。"
          : "選択した" + std::to_string(chosen.size()) + "個の原音の周波数表を再作成します。";
  if (m_services.prompts.ask(question, kCaption, MessageIcon::Warning, false) != Answer::Yes) return;

  // One run per recording file, however many rows (aliases) name it.
  m_generated.clear();
  std::vector<std::string> paths;
  for (size_t row : chosen) {
    const std::string name = m_form.rows()[row].field(OtoRow::kFile);
    if (name.empty() || !staysInsideFolder(name)) continue;
    const std::string path = joinPath(m_form.folder(), nativePath(name));
    std::error_code error;
    if (std::find(paths.begin(), paths.end(), path) != paths.end() || !std::filesystem::is_regular_file(path, error))
      continue;
    paths.push_back(path);
    m_generated.emplace_back(path, name);
  }
  if (paths.empty()) return;
  m_regenerate->setEnabled(false);
  m_generation = std::make_unique<FrqGeneration>(
      m_context.toolPath, m_context.workFolder, paths, [this](const std::string& path) {
        for (const auto& [generatedPath, name] : m_generated)
          if (generatedPath == path) m_form.sampleChanged(name);
      });
  m_progress = new QProgressDialog(tr("周波数表を作成しています..."), tr("キャンセル"), 0,
                                   static_cast<int>(paths.size()), this);
  m_progress->setObjectName(QStringLiteral("frqProgress"));
  m_progress->setWindowTitle(logicText(kCaption));
  m_progress->setWindowModality(Qt::WindowModal);
  m_progress->setMinimumDuration(0);
  m_progress->setAutoClose(false);
  m_progress->setAutoReset(false);
  m_progress->setValue(0);
  connect(m_progress, &QProgressDialog::canceled, this, [this] {
    if (m_generation) m_generation->cancel();
  });
  m_poll.start();
}

void OtoSettingsDialog::pollGeneration() {
  if (!m_generation) return;
  const bool finished = m_generation->step(0);
  if (m_progress) m_progress->setValue(static_cast<int>(m_generation->done()));
  if (finished) finishGeneration();
}

void OtoSettingsDialog::finishGeneration() {
  m_poll.stop();
  const std::vector<std::string> problems = m_generation->problems();
  m_generation.reset();
  if (m_progress) m_progress->deleteLater();
  m_progress = nullptr;
  m_regenerate->setEnabled(true);
  showBoxes();
  if (problems.empty()) return;
  std::string report;
  for (const std::string& problem : problems) report += problem + "\n";
  report.pop_back();
  m_services.prompts.message(report, kCaption, MessageIcon::Warning);
}

void OtoSettingsDialog::changeFolder() {
  FileDialogRequest request;
  request.filter = "wavファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*";
  request.folder = m_form.folder();
  request.defaultName = "あ.wav";
  auto chosen = m_services.files.openFile(request);
  if (!chosen) return;
  showOpenError(m_form.changeFolder(*chosen));
}

void OtoSettingsDialog::confirm() {
  if (m_generation) return;
  if (auto written = m_form.ok(); !written) {
    m_services.prompts.message(written.error().message, kCaption, MessageIcon::Warning);
    return;
  }
  accept();
}

void OtoSettingsDialog::closeEvent(QCloseEvent* event) {
  if (m_generation) m_generation->cancel();
  QDialog::closeEvent(event);
}

}  // namespace ruvo::gui
