#include "gui/editor/new_project_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/file_chooser.h"
#include "core/paths.h"
#include "core/prompts.h"
#include "editor/session_texts.h"
#include "gui/services/qt_text.h"

namespace ruvo::gui {

namespace {

QLineEdit* lineEdit(const char* name, const std::string& text, QWidget* parent) {
  auto* box = new QLineEdit(qs(text), parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setMinimumWidth(320);
  return box;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QString::fromUtf8(name));
  return b;
}

constexpr const char* kWavFilter = "wavファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*";
constexpr const char* kProgramFilter = "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*";

}  // namespace

NewProjectDialog::NewProjectDialog(NewProjectForm form, Prompts& prompts, FileChooser& files, QWidget* parent)
    : QDialog(parent), m_form(std::move(form)), m_prompts(prompts), m_files(files) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("プロジェクトの設定"));
  const ProjectFields& f = m_form.fields();
  m_name = lineEdit("txtProjectName", f.name, this);
  m_output = lineEdit("txtOutputWavName", f.output, this);
  m_folder = new QComboBox(this);
  m_folder->setObjectName(QStringLiteral("cboOtoFolder"));
  m_folder->setEditable(true);
  for (const auto& folder : m_form.voiceFolders()) m_folder->addItem(qs(folder));
  m_folder->setEditText(qs(f.voiceFolder));
  m_tool1 = lineEdit("txtTool1Path", f.joinerPath, this);
  m_tool2 = lineEdit("txtTool2Path", f.resamplerPath, this);
  m_flags = lineEdit("txtFlags", f.flags, this);
  m_deleteCache = button("cmdDeleteCache", "キャッシュを削除", this);
  m_deleteCache->setEnabled(m_form.canDeleteCache());
  auto* browseFolderButton = button("cmdBrowsOtoDir", "...", this);
  auto* browseTool1 = button("cmdBrowsTool1", "...", this);
  auto* browseTool2 = button("cmdBrowsTool2", "...", this);
  auto* ok = button("cmdOK", "OK", this);
  auto* cancel = button("cmdCancel", "キャンセル", this);
  ok->setDefault(true);

  auto* grid = new QGridLayout(this);
  const std::pair<const char*, QWidget*> rows[] = {
      {"プロジェクト名", m_name}, {"出力wavファイル名", m_output}, {"音ファイルフォルダ", m_folder},
      {"ツール１（append)", m_tool1}, {"ツール２（resample)", m_tool2}, {"生成時オプション", m_flags}};
  int row = 0;
  for (auto [caption, field] : rows) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
    grid->addWidget(field, row, 1);
    ++row;
  }
  grid->addWidget(browseFolderButton, 2, 2);
  grid->addWidget(browseTool1, 3, 2);
  grid->addWidget(browseTool2, 4, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_deleteCache);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, row, 0, 1, 3);

  connect(browseFolderButton, &QPushButton::clicked, this, &NewProjectDialog::browseFolder);
  connect(browseTool1, &QPushButton::clicked, this, [this] { browseTool(m_tool1); });
  connect(browseTool2, &QPushButton::clicked, this, [this] { browseTool(m_tool2); });
  connect(m_deleteCache, &QPushButton::clicked, this, &NewProjectDialog::deleteCache);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ProjectFields NewProjectDialog::result() const {
  NewProjectForm form = m_form;
  ProjectFields& f = form.fields();
  f.name = ss(m_name->text());
  f.output = ss(m_output->text());
  f.voiceFolder = ss(m_folder->currentText());
  f.joinerPath = ss(m_tool1->text());
  f.resamplerPath = ss(m_tool2->text());
  f.flags = ss(m_flags->text());
  return form.confirmed();
}

void NewProjectDialog::browseFolder() {
  auto chosen = m_files.openFile({"", kWavFilter, "", "あ.wav", 0});
  if (chosen) m_folder->setEditText(qs(folderOf(*chosen)));
}

void NewProjectDialog::browseTool(QLineEdit* box) {
  auto chosen = m_files.openFile({"", kProgramFilter, "", "", 0});
  if (chosen) box->setText(qs(*chosen));
}

void NewProjectDialog::deleteCache() {
  auto deleted = m_form.deleteCache();
  if (!deleted)
    m_prompts.message(deleted.error().message, std::string(kUnexpectedErrorTitle), MessageIcon::Critical);
  else if (!deleted->empty())
    m_prompts.message(*deleted, ss(windowTitle()), MessageIcon::None);
}

}  // namespace ruvo::gui
