#include "gui/settings/project_properties_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/named_controls.h"

namespace ruvo::gui {

bool ProjectPropertiesDialog::showDialog(QWidget* owner, ProjectProperties& properties, const Settings& settings,
                                         const std::string& tempDir, Prompts& prompts, FileChooser& chooser) {
  ProjectPropertiesDialog dialog(owner, properties, settings, tempDir, prompts, chooser);
  if (dialog.exec() != QDialog::Accepted) return false;
  properties = dialog.confirmed();
  return true;
}

ProjectPropertiesDialog::ProjectPropertiesDialog(QWidget* owner, const ProjectProperties& properties,
                                                 const Settings& settings, const std::string& tempDir,
                                                 Prompts& prompts, FileChooser& chooser)
    : QDialog(owner), m_prompts(prompts), m_chooser(chooser), m_form(properties, settings, tempDir) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(tr("プロジェクトの設定"));
  setModal(true);

  m_projectName = namedLineEdit(this, "txtProjectName");
  m_outputName = namedLineEdit(this, "txtOutputWavName");
  m_voiceFolder = new QComboBox(this);
  m_voiceFolder->setObjectName(QStringLiteral("cboOtoFolder"));
  m_voiceFolder->setEditable(true);
  m_voiceFolder->setInsertPolicy(QComboBox::NoInsert);
  for (const auto& folder : m_form.voiceFolderChoices()) m_voiceFolder->addItem(qs(folder));
  m_tool1 = namedLineEdit(this, "txtTool1Path");
  m_tool2 = namedLineEdit(this, "txtTool2Path");
  m_flags = namedLineEdit(this, "txtFlags");

  auto* deleteCache = namedButton(this, "cmdDeleteCache", tr("キャッシュを削除"));
  deleteCache->setEnabled(m_form.cacheHasFiles());
  connect(deleteCache, &QPushButton::clicked, this, [this] { m_form.deleteCache(m_prompts); });
  auto* ok = namedButton(this, "cmdOK", QStringLiteral("OK"));
  auto* cancel = namedButton(this, "cmdCancel", tr("キャンセル"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* boxes = new QGridLayout;
  int row = 0;
  auto addRow = [&](const QString& caption, QWidget* box, QWidget* browse) {
    boxes->addWidget(captionLabel(this, caption), row, 0);
    boxes->addWidget(box, row, 1);
    if (browse) boxes->addWidget(browse, row, 2);
    ++row;
  };
  addRow(tr("プロジェクト名"), m_projectName, nullptr);
  addRow(tr("出力wavファイル名"), m_outputName, nullptr);
  addRow(tr("音ファイルフォルダ"), m_voiceFolder,
         browseButton("cmdBrowsOtoDir", &ProjectPropertiesForm::browseVoiceFolder));
  addRow(tr("ツール１（append)"), m_tool1,
         browseButton("cmdBrowsTool1", &ProjectPropertiesForm::browseTool1));
  addRow(tr("ツール２（resample)"), m_tool2,
         browseButton("cmdBrowsTool2", &ProjectPropertiesForm::browseTool2));
  addRow(tr("生成時オプション"), m_flags, nullptr);
  boxes->setColumnMinimumWidth(1, 320);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(deleteCache);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  showForm();
  ok->setDefault(true);
}

QPushButton* ProjectPropertiesDialog::browseButton(const char* name,
                                                   void (ProjectPropertiesForm::*browse)(FileChooser&)) {
  auto* button = namedBrowseButton(this, name);
  connect(button, &QPushButton::clicked, this, [this, browse] {
    readBoxes();
    (m_form.*browse)(m_chooser);
    showForm();
  });
  return button;
}

ProjectProperties ProjectPropertiesDialog::confirmed() {
  readBoxes();
  return m_form.confirmed();
}

void ProjectPropertiesDialog::readBoxes() {
  m_form.projectName = utf8(m_projectName->text());
  m_form.outputFile = utf8(m_outputName->text());
  m_form.voiceFolder = utf8(m_voiceFolder->currentText());
  m_form.joinerPath = utf8(m_tool1->text());
  m_form.resamplerPath = utf8(m_tool2->text());
  m_form.projectFlags = utf8(m_flags->text());
}

void ProjectPropertiesDialog::showForm() {
  m_projectName->setText(qs(m_form.projectName));
  m_outputName->setText(qs(m_form.outputFile));
  m_voiceFolder->setEditText(qs(m_form.voiceFolder));
  m_tool1->setText(qs(m_form.joinerPath));
  m_tool2->setText(qs(m_form.resamplerPath));
  m_flags->setText(qs(m_form.projectFlags));
}

}  // namespace ruvo::gui
