#include "gui/render/trust_tool_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ruvo::gui {

TrustToolDialog::TrustToolDialog(const QString& message, QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmTrustTool"));
  setWindowTitle(tr("プログラムの実行"));
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  auto* text = new QLabel(message, this);
  text->setObjectName(QStringLiteral("lblMessage"));
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(this);
  auto add = [&](const char* name, const QString& caption, TrustChoice choice,
                 QDialogButtonBox::ButtonRole role) {
    QPushButton* button = buttons->addButton(caption, role);
    button->setObjectName(QString::fromUtf8(name));
    connect(button, &QPushButton::clicked, this, [this, choice] {
      m_choice = choice;
      done(choice == TrustChoice::Cancel ? Rejected : Accepted);
    });
    return button;
  };
  add("cmdRun", tr("実行する"), TrustChoice::Run, QDialogButtonBox::AcceptRole);
  add("cmdUseConfigured", tr("設定のツールを使う"), TrustChoice::UseConfigured,
      QDialogButtonBox::AcceptRole);
  add("cmdCancel", tr("キャンセル"), TrustChoice::Cancel, QDialogButtonBox::RejectRole)
      ->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

TrustChoice TrustToolDialog::ask(const QString& message, QWidget* owner) {
  TrustToolDialog dialog(message, owner);
  dialog.exec();
  return dialog.m_choice;
}

}  // namespace ruvo::gui
