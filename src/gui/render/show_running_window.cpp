#include "gui/render/show_running_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::gui {

namespace {
constexpr int kOutputLines = 6;
}

ShowRunningWindow::ShowRunningWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmShowRunning"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("wavファイルの作成"));
  // The owner takes no input while this is up, yet it repaints.
  setWindowModality(Qt::WindowModal);
  auto* text = new QLabel(tr("外部プロセス実行中です..."), this);
  text->setObjectName(QStringLiteral("Label1"));
  m_progress = new QProgressBar(this);
  m_progress->setObjectName(QStringLiteral("prgNotes"));
  m_progress->setRange(0, 0);  // busy until the first note is reported
  m_progress->setFormat(QStringLiteral("%v / %m"));
  m_elapsed = new QLabel(this);
  m_elapsed->setObjectName(QStringLiteral("lblElapsed"));
  m_output = new QPlainTextEdit(this);
  m_output->setObjectName(QStringLiteral("txtOutput"));
  m_output->setReadOnly(true);
  m_output->setMaximumBlockCount(kOutputLines);
  m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_output->setFixedHeight(m_output->fontMetrics().lineSpacing() * (kOutputLines + 1));
  m_stop = new QPushButton(tr("待機をやめる"), this);
  m_stop->setObjectName(QStringLiteral("OKButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(m_progress);
  layout->addWidget(m_elapsed);
  layout->addWidget(m_output);
  layout->addWidget(m_stop, 0, Qt::AlignHCenter);
  setElapsed(0);
  resize(420, sizeHint().height());
  connect(m_stop, &QPushButton::clicked, this, &QDialog::reject);
}

void ShowRunningWindow::setProgress(int note, int notes) {
  m_progress->setRange(0, notes);
  m_progress->setValue(note);
}

void ShowRunningWindow::setElapsed(qint64 ms) {
  m_elapsed->setText(tr("経過時間 %1 秒").arg(static_cast<double>(ms) / 1000.0, 0, 'f', 1));
}

void ShowRunningWindow::addOutput(const QString& line) { m_output->appendPlainText(line); }

}  // namespace ruvo::gui
