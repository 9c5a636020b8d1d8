#include "gui/voicebank/frequency_generation_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/paths.h"
#include "gui/settings/named_controls.h"

namespace ruvo::gui {

namespace {

constexpr int kPollMs = 50;

}  // namespace

Result<void> FrequencyGenerationDialog::run(const FrqGenerationCommand& command, const std::string& recordingPath,
                                            QWidget* owner) {
  auto generation = FrqGeneration::start(command, recordingPath);
  if (!generation) return tl::unexpected(generation.error());
  FrequencyGenerationDialog dialog(std::move(*generation), recordingPath, owner);
  dialog.exec();
  return dialog.outcome();
}

FrequencyGenerationDialog::FrequencyGenerationDialog(FrqGeneration generation, const std::string& recordingPath,
                                                     QWidget* owner)
    : QDialog(owner), m_generation(std::move(generation)) {
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

void FrequencyGenerationDialog::poll() {
  if (!m_generation.poll(0)) return;
  m_timer.stop();
  accept();
}

void FrequencyGenerationDialog::reject() {
  m_timer.stop();
  m_generation.cancel();
  QDialog::reject();
}

}  // namespace ruvo::gui
