#include "gui/voicebank/sample_editor_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "core/paths.h"
#include "gui/common/named_controls.h"
#include "gui/voicebank/waveform_view.h"

namespace ruvo::gui {
namespace {

constexpr int kMargin = 8;  // 120 twips

QLabel* valueLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
  return label;
}

}  // namespace

Result<std::optional<SampleTimes>> SampleEditorDialog::edit(QWidget* owner, const std::string& path,
                                                             const SampleTimes& times) {
  auto wave = readWaveSamples(path);
  if (!wave) return tl::unexpected(wave.error());
  SampleEditorDialog dialog(owner, fileNameOf(path), std::move(*wave), times);
  if (dialog.exec() != QDialog::Accepted) return std::optional<SampleTimes>();
  return std::optional<SampleTimes>(dialog.model().result());
}

SampleEditorDialog::SampleEditorDialog(QWidget* owner, const std::string& caption, WaveSamples wave,
                                       const SampleTimes& times)
    : QDialog(owner), m_model(std::move(wave), times) {
  setObjectName(QStringLiteral("frmOtoEdit"));
  setWindowTitle(qs(caption));
  m_view = new WaveformView(m_model, this);
  m_scroll = new QScrollBar(Qt::Horizontal, this);
  m_scroll->setObjectName(QStringLiteral("HScroll1"));
  m_scroll->setMaximum(0);

  // The values and the zoom buttons ride along the top of the waveform.
  m_topBar = new QWidget(this);
  m_topBar->setAutoFillBackground(true);
  auto* top = new QHBoxLayout(m_topBar);
  top->setContentsMargins(4, 2, 4, 2);
  auto* zoomIn = namedButton(m_topBar, "cmdZoomIn", QStringLiteral("+"));
  auto* zoomOut = namedButton(m_topBar, "cmdZoomOut", QStringLiteral("-"));
  for (auto* b : {zoomIn, zoomOut}) b->setFixedWidth(b->sizeHint().height());
  m_offset = valueLabel(m_topBar, "lbOffset");
  m_fixed = valueLabel(m_topBar, "lbFixed");
  m_blank = valueLabel(m_topBar, "lbBlank");
  top->addWidget(zoomIn);
  top->addWidget(zoomOut);
  const std::pair<const char*, QLabel*> values[] = {
      {QT_TRANSLATE_NOOP("ruvo::gui::SampleEditorDialog", "オフセット"), m_offset},
      {QT_TRANSLATE_NOOP("ruvo::gui::SampleEditorDialog", "子音部"), m_fixed},
      {QT_TRANSLATE_NOOP("ruvo::gui::SampleEditorDialog", "ブランク"), m_blank}};
  for (auto [caption, label] : values) {
    top->addSpacing(12);
    top->addWidget(new QLabel(tr(caption), m_topBar));
    top->addWidget(label);
  }
  top->addWidget(new QLabel(QStringLiteral("ms"), m_topBar));

  m_ok = namedButton(this, "cmdOK", QStringLiteral("OK"));
  m_cancel = namedButton(this, "cmdCancel", tr("キャンセル"));
  m_ok->setDefault(true);

  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(zoomIn, &QPushButton::clicked, this, [this] {
    if (m_model.zoomIn()) updateScrollRange();
  });
  connect(zoomOut, &QPushButton::clicked, this, [this] {
    if (m_model.zoomOut()) updateScrollRange();
  });
  connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
    m_model.setScrollValue(value);
    m_view->redraw();
  });
  connect(m_view, &WaveformView::valuesChanged, this, &SampleEditorDialog::showValues);
  resize(720, 360);
  showValues();
}

void SampleEditorDialog::showValues() {
  const WaveformPlan plan = m_model.plan(0, 0, 0);
  m_offset->setText(QString::number(plan.labelMs[0]));
  m_fixed->setText(QString::number(plan.labelMs[1]));
  m_blank->setText(QString::number(plan.labelMs[2]));
}

void SampleEditorDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layoutControls();
}

void SampleEditorDialog::layoutControls() {
  const int scrollHeight = m_scroll->sizeHint().height();
  m_scroll->setGeometry(0, height() - scrollHeight, width(), scrollHeight);
  m_view->setGeometry(0, 0, width(), height() - scrollHeight);
  m_topBar->adjustSize();
  m_topBar->move(0, 0);
  m_topBar->raise();
  for (auto* b : {m_ok, m_cancel}) b->resize(b->sizeHint());
  const int buttonTop = height() - scrollHeight - kMargin - m_cancel->height();
  m_cancel->move(width() - kMargin - m_cancel->width(), buttonTop);
  m_ok->move(m_cancel->x() - kMargin - m_ok->width(), buttonTop);
  m_ok->raise();
  m_cancel->raise();
  updateScrollRange();
}

void SampleEditorDialog::updateScrollRange() {
  // Recomputed on zoom as well as on resize, so that at zoom 1 the end of
  // the recording can still be scrolled to. Twips are pixels * 15.
  m_scroll->setMaximum(m_model.scrollMaximum(m_view->width() * 15.0));
  m_scroll->setPageStep(std::max(1, m_view->width() * 15 / SampleEditorModel::kTwipsPerScrollStep));
  m_view->redraw();
}

}  // namespace ruvo::gui
