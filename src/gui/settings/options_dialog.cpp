#include "gui/settings/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QValidator>
#include <QVBoxLayout>

#include "gui/settings/language_choice_view.h"
#include "gui/common/named_controls.h"
#include "settings/worker_count.h"

namespace ruvo::gui {

namespace {

// Refuses what the settings file could not keep apart in a voice-bank name,
// whether typed or pasted.
class VoiceBankNameValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return isAcceptedVoiceBankName(utf8(input)) ? Acceptable : Invalid;
  }
};

QWidget* addPage(QTabWidget* tabs, int index, const QString& text) {
  auto* page = new QWidget(tabs);
  page->setObjectName(QStringLiteral("picOptions%1").arg(index));
  tabs->addTab(page, text);
  return page;
}

constexpr int kCachePage = 2;

QRadioButton* namedRadio(QWidget* parent, const char* name, const QString& text) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(QString::fromLatin1(name));
  return radio;
}

}  // namespace

bool OptionsDialog::showDialog(QWidget* owner, Settings& settings, OwnSettings& own, const std::string& programFolder,
                               Prompts& prompts, FileChooser& chooser) {
  OptionsDialog dialog(owner, settings, own, programFolder, prompts, chooser);
  return dialog.exec() == QDialog::Accepted;
}

OptionsDialog::OptionsDialog(QWidget* owner, Settings& settings, OwnSettings& own, const std::string& programFolder,
                             Prompts& prompts, FileChooser& chooser)
    : QDialog(owner),
      m_settings(settings),
      m_own(own),
      m_prompts(prompts),
      m_chooser(chooser),
      m_form(settings, programFolder) {
  m_form.showOwn(own);
  setObjectName(QStringLiteral("frmOptions"));
  setWindowTitle(tr("ｵﾌﾟｼｮﾝ"));
  setModal(true);

  m_tabs = new QTabWidget(this);
  m_tabs->setObjectName(QStringLiteral("tbsOptions"));
  buildGeneralPage();
  buildVoiceBankPage();
  buildCachePage();
  buildPathPage();

  auto* ok = namedButton(this, "cmdOK", QStringLiteral("OK"));
  auto* cancel = namedButton(this, "cmdCancel", tr("ｷｬﾝｾﾙ"));
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::onOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addLayout(buttons);
  showForm();
  ok->setDefault(true);
}

void OptionsDialog::buildGeneralPage() {
  QWidget* page = addPage(m_tabs, 0, tr("全般"));
  auto* layout = new QVBoxLayout(page);
  m_language = new LanguageChoiceView(page);
  layout->addWidget(m_language);
  layout->addStretch();
}

void OptionsDialog::buildVoiceBankPage() {
  QWidget* page = addPage(m_tabs, 1, tr("原音の登録"));
  m_otoList = new QListWidget(page);
  m_otoList->setObjectName(QStringLiteral("lstOtoList"));
  m_otoName = namedLineEdit(page, "txtOtoName");
  m_otoName->setValidator(new VoiceBankNameValidator(m_otoName));
  m_otoPath = namedLineEdit(page, "txtOtoPath");
  auto* browse = namedBrowseButton(page, "cmdOtoFolder");
  auto* add = namedButton(page, "cmdOtoAdd", tr("追加"));
  auto* set = namedButton(page, "cmdOtoSet", tr("セット"));
  auto* remove = namedButton(page, "cmdOtoDelete", tr("削除"));

  connect(m_otoList, &QListWidget::currentRowChanged, this, &OptionsDialog::onRowChanged);
  connect(browse, &QPushButton::clicked, this, [this] {
    readBoxes();
    m_form.browseVoiceFolder(m_chooser);
    showForm();
  });
  connect(add, &QPushButton::clicked, this, [this] {
    readBoxes();
    const std::string warning = m_form.missingVoiceFolder();
    onRowEdit(m_form.voiceBanks.add(), warning);
  });
  connect(set, &QPushButton::clicked, this, [this] {
    readBoxes();
    const std::string warning = m_form.missingVoiceFolder();
    onRowEdit(m_form.voiceBanks.set(), warning);
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    readBoxes();
    m_form.voiceBanks.remove();
    showForm();
  });

  auto* boxes = new QGridLayout;
  boxes->addWidget(captionLabel(page, tr("名前")), 0, 0);
  boxes->addWidget(m_otoName, 0, 1);
  boxes->addWidget(captionLabel(page, tr("場所")), 1, 0);
  boxes->addWidget(m_otoPath, 1, 1);
  boxes->addWidget(browse, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(add);
  buttons->addWidget(set);
  buttons->addWidget(remove);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(captionLabel(page, tr("原音の設定")));
  layout->addWidget(m_otoList);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  layout->addWidget(captionLabel(page,
                                 tr("一番上の設定が新規プロジェクトのデフォルトとなります。"
                                                "この設定はプロジェクトのプロパティの原音選択リストに反映されます。"),
                                 true));
}

void OptionsDialog::buildCachePage() {
  QWidget* page = addPage(m_tabs, kCachePage, tr("キャッシュ"));
  m_cacheTemp = new QCheckBox(tr("中間ファイルをキャッシュする"), page);
  m_cacheTemp->setObjectName(QStringLiteral("chkCacheTemp"));
  m_noDelete = namedRadio(page, "optCacheNoDelete", tr("キャッシュを削除しない"));
  m_deleteOnUnload = namedRadio(page, "optCacheDeleteOnUnload", tr("終了時にキャッシュを削除"));
  m_deleteBySize =
      namedRadio(page, "optCacheDeleteBySize", tr("一定の容量を超えたら古いものから削除"));
  m_deleteByDate =
      namedRadio(page, "optCacheDeleteByDate", tr("一定の期間を過ぎたファイルを削除"));
  auto* group = new QButtonGroup(page);
  for (QRadioButton* radio : {m_noDelete, m_deleteOnUnload, m_deleteBySize, m_deleteByDate}) group->addButton(radio);
  m_limitSize = namedLineEdit(page, "txtCacheLimitSize");
  m_deleteDays = namedLineEdit(page, "txtCacheDeleteDays");
  for (QLineEdit* box : {m_limitSize, m_deleteDays})
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  connect(m_cacheTemp, &QCheckBox::toggled, this, [this] {
    readBoxes();
    showForm();
  });

  auto* rules = new QGridLayout;
  rules->setColumnMinimumWidth(0, 20);
  rules->addWidget(m_noDelete, 0, 1, 1, 3);
  rules->addWidget(m_deleteOnUnload, 1, 1, 1, 3);
  rules->addWidget(m_deleteBySize, 2, 1);
  rules->addWidget(m_limitSize, 2, 2);
  rules->addWidget(captionLabel(page, QStringLiteral("MB")), 2, 3);
  rules->addWidget(m_deleteByDate, 3, 1);
  rules->addWidget(m_deleteDays, 3, 2);
  rules->addWidget(captionLabel(page, tr("日")), 3, 3);
  rules->setColumnStretch(4, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(captionLabel(page, tr("キャッシュの設定")));
  layout->addWidget(captionLabel(page,
                                 tr("wavファイル生成時の中間ファイルの扱いを設定します。"
                                                "キャッシとして残すと生成処理が早くなることがありますが、"
                                                "ディスク容量が多く必要になります。"),
                                 true));
  layout->addWidget(m_cacheTemp);
  layout->addLayout(rules);

  // The notes a render resamples run this many at a time.
  m_workers = new QSpinBox(page);
  m_workers->setObjectName(QStringLiteral("spnResamplerWorkers"));
  m_workers->setRange(1, kMaxWorkers);
  auto* workersRow = new QHBoxLayout;
  workersRow->addWidget(captionLabel(page, tr("同時に実行する resampler の数")));
  workersRow->addWidget(m_workers);
  workersRow->addStretch();
  layout->addSpacing(12);
  layout->addLayout(workersRow);
  layout->addStretch();
}

void OptionsDialog::buildPathPage() {
  QWidget* page = addPage(m_tabs, 3, tr("パス"));
  m_tool1 = namedLineEdit(page, "txtTool1Path");
  m_tool2 = namedLineEdit(page, "txtTool2Path");
  auto* browse1 = namedBrowseButton(page, "cmdBrowsTool1");
  auto* browse2 = namedBrowseButton(page, "cmdBrowsTool2");
  auto* reset = namedButton(page, "Command1", tr("リセット"));
  connect(browse1, &QPushButton::clicked, this, [this] {
    readBoxes();
    m_form.browseTool1(m_chooser);
    showForm();
  });
  connect(browse2, &QPushButton::clicked, this, [this] {
    readBoxes();
    m_form.browseTool2(m_chooser);
    showForm();
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    readBoxes();
    m_form.resetToolPaths();
    showForm();
  });

  auto* boxes = new QGridLayout;
  boxes->addWidget(captionLabel(page, tr("ツール１（append)")), 0, 0);
  boxes->addWidget(m_tool1, 0, 1);
  boxes->addWidget(browse1, 0, 2);
  boxes->addWidget(captionLabel(page, tr("ツール２（resample)")), 1, 0);
  boxes->addWidget(m_tool2, 1, 1);
  boxes->addWidget(browse2, 1, 2);
  auto* resetRow = new QHBoxLayout;
  resetRow->addWidget(captionLabel(page, tr("この設定はプロジェクト新規作成時のデフォルトとなります。")));
  resetRow->addStretch();
  resetRow->addWidget(reset);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(captionLabel(page, tr("切り張りツールと原音リサンプルツールへのパスを設定します。")));
  layout->addLayout(boxes);
  layout->addLayout(resetRow);
  layout->addStretch();
}

void OptionsDialog::readBoxes() {
  m_form.voiceBanks.name = utf8(m_otoName->text());
  m_form.voiceBanks.folder = utf8(m_otoPath->text());
  m_form.cacheEnabled = m_cacheTemp->isChecked();
  m_form.cacheRule = m_deleteOnUnload->isChecked() ? CacheRule::DeleteOnUnload
                     : m_deleteBySize->isChecked() ? CacheRule::DeleteBySize
                     : m_deleteByDate->isChecked() ? CacheRule::DeleteByDate
                                                   : CacheRule::Keep;
  m_form.cacheLimitSize = utf8(m_limitSize->text());
  m_form.cacheDeleteDays = utf8(m_deleteDays->text());
  m_form.tool1Path = utf8(m_tool1->text());
  m_form.tool2Path = utf8(m_tool2->text());
  m_form.resamplerWorkers = m_workers->value();
}

void OptionsDialog::showForm() {
  showVoiceBankRows();
  m_otoName->setText(qs(m_form.voiceBanks.name));
  m_otoPath->setText(qs(m_form.voiceBanks.folder));
  {
    const QSignalBlocker quiet(m_cacheTemp);
    m_cacheTemp->setChecked(m_form.cacheEnabled);
  }
  switch (m_form.cacheRule) {
    case CacheRule::Keep: m_noDelete->setChecked(true); break;
    case CacheRule::DeleteOnUnload: m_deleteOnUnload->setChecked(true); break;
    case CacheRule::DeleteBySize: m_deleteBySize->setChecked(true); break;
    case CacheRule::DeleteByDate: m_deleteByDate->setChecked(true); break;
  }
  for (QWidget* control : std::initializer_list<QWidget*>{m_noDelete, m_deleteOnUnload, m_deleteBySize,
                                                          m_deleteByDate, m_limitSize, m_deleteDays})
    control->setEnabled(m_form.cacheRuleEnabled());
  m_limitSize->setText(qs(m_form.cacheLimitSize));
  m_deleteDays->setText(qs(m_form.cacheDeleteDays));
  m_tool1->setText(qs(m_form.tool1Path));
  m_tool2->setText(qs(m_form.tool2Path));
  m_workers->setValue(m_form.resamplerWorkers);
}

void OptionsDialog::showVoiceBankRows() {
  const QSignalBlocker quiet(m_otoList);
  m_otoList->clear();
  for (const auto& row : m_form.voiceBanks.rows()) m_otoList->addItem(qs(row));
  m_otoList->setCurrentRow(m_form.voiceBanks.selected());
}

void OptionsDialog::onRowChanged(int row) {
  readBoxes();
  m_form.voiceBanks.pick(row);
  showForm();
}

void OptionsDialog::onRowEdit(RowEdit outcome, const std::string& warning) {
  showForm();
  if (outcome == RowEdit::Done && !warning.empty()) m_prompts.message(warning, "", MessageIcon::Warning);
  if (outcome == RowEdit::NeedName) m_otoName->setFocus();
  if (outcome == RowEdit::NeedFolder) m_otoPath->setFocus();
}

void OptionsDialog::focusCacheBox(QLineEdit* box) {
  m_tabs->setCurrentIndex(kCachePage);
  box->setFocus();
  box->selectAll();
}

void OptionsDialog::onOk() {
  readBoxes();
  switch (m_form.accept(m_settings, m_prompts)) {
    case OptionsCheck::BadDeleteDays: focusCacheBox(m_deleteDays); return;
    case OptionsCheck::BadLimitSize: focusCacheBox(m_limitSize); return;
    case OptionsCheck::Accepted:
      m_form.acceptOwn(m_own);
      m_language->store();
      accept();
      return;
  }
}

}  // namespace ruvo::gui
