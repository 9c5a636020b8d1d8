#include "gui/common/qt_prompts.h"

#include <QInputDialog>
#include <QMessageBox>

#include "gui/translations/logic_text.h"

namespace ruvo::gui {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtPrompts::message(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(iconOf(icon), logicText(title), logicText(text), QMessageBox::Ok, m_owner);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.exec();
}

Answer QtPrompts::ask(const std::string& text, const std::string& title, MessageIcon icon, bool withCancel) {
  auto buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  QMessageBox box(iconOf(icon), logicText(title), logicText(text), buttons, m_owner);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
  }
}

std::optional<std::string> QtPrompts::input(const std::string& prompt, const std::string& title,
                                            const std::string& initial) {
  bool ok = false;
  QString text = QInputDialog::getText(m_owner, logicText(title), logicText(prompt), QLineEdit::Normal,
                                       QString::fromStdString(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

}  // namespace ruvo::gui
