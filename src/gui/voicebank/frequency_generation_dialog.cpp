#include "gui/voicebank/frequency_generation_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/paths.h"
#include "gui/common/named_controls.h"

namespace ruvo::gui {

namespace {

constexpr int kPollMs = 50;

}  // namespace

Result<void> FrequencyGenerationDialog::run(const std::string& toolPath, const std::string& workFolder,
                                            const std::string& recordingPath, QWidget* owner) {
  FrequencyGenerationDialog dialog(toolPath, workFolder, recordingPath, owner);
  if (!dialog.m_generation.step(0)) dialog.exec();
  return dialog.outcome();
}

FrequencyGenerationDialog::FrequencyGenerationDialog(const std::string& toolPath, const std::string& workFolder,
                                                     const std::string& recordingPath, QWidget* owner)
    : QDialog(owner),
      m_recordingName(fileNameOf(recordingPath)),
      m_generation(toolPath, workFolder, {recordingPath}, {}) {
  setObjectName(QStringLiteral("frmFreqGenerate"));
  setWindowTitle(qs(fileNameOf(recordingPath)));
  auto* bar = new QProgressBar(this);
  bar->setObjectName(QStringLiteral("barRunning"));
  bar->setRange(0, 0);
  QPushButton* cancel = namedButton(this, "cmdCancel", tr("キャンセル"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(captionLabel(this, tr("「%1」の周波数表を作成しています...").arg(qs(fileNameOf(recordingPath)))));
  layout->addWidget(bar);
  layout->addWidget(cancel, 0, Qt::AlignRight);
  connect(cancel, &QPushButton::clicked, this, &FrequencyGenerationDialog::reject);
  connect(&m_timer, &QTimer::timeout, this, &FrequencyGenerationDialog::poll);
  m_timer.start(kPollMs);
}

Result<void> FrequencyGenerationDialog::outcome() const {
  if (m_generation.cancelled())
    return fail(ErrorCode::Failed, m_recordingName + ": making the frequency table was cancelled");
  if (!m_generation.problems().empty()) return fail(ErrorCode::Failed, m_generation.problems().front());
  return {};
}

void FrequencyGenerationDialog::poll() {
  if (!m_generation.step(0)) return;
  m_timer.stop();
  accept();
}

void FrequencyGenerationDialog::reject() {
  m_timer.stop();
  m_generation.cancel();
  QDialog::reject();
}

}  // namespace ruvo::gui
