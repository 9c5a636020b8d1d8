#include "gui/noteprops/pitch_curve_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>

#include "gui/common/twips.h"
#include "gui/noteprops/pitch_curve_view.h"
#include "gui/common/named_controls.h"

namespace ruvo::gui {

std::optional<std::string> PitchCurveDialog::showDialog(QWidget* owner, const PitchEditorInput& input,
                                                        Prompts& prompts) {
  auto form = PitchCurveForm::open(input);
  if (!form) {
    prompts.message(form.error().message, "", MessageIcon::Critical);
    return std::nullopt;
  }
  PitchCurveDialog dialog(owner, std::move(*form));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.form().curveText();
}

PitchCurveDialog::PitchCurveDialog(QWidget* owner, PitchCurveForm form) : QDialog(owner), m_form(std::move(form)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(tr("ピッチエディタ"));
  m_view = new PitchCurveView(m_form, this);
  m_scroll = new QScrollBar(Qt::Horizontal, this);
  m_scroll->setObjectName(QStringLiteral("HScroll1"));
  m_depth = new QComboBox(this);
  m_depth->setObjectName(QStringLiteral("cboVibrato"));
  for (int i = 1; i <= PitchCurveForm::kDepthChoices; ++i) m_depth->addItem(QString::number(i));
  m_depth->setCurrentIndex(m_form.depthIndex());
  m_oldData = new QCheckBox(QStringLiteral("old data"), this);
  m_oldData->setObjectName(QStringLiteral("Check1"));
  m_oldData->setChecked(m_form.oldForm());
  m_oldData->setVisible(m_form.oldForm());

  auto* buttons = new QHBoxLayout;
  auto add = [&](const char* name, const QString& caption, auto slot) {
    QPushButton* button = namedButton(this, name, caption);
    button->setMinimumWidth(28);
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
  };
  add("cmdCurve", QStringLiteral("∫"), [this] { command(&PitchCurveForm::curve); });
  add("cmdStraight", tr("／"), [this] { command(&PitchCurveForm::straight); });
  add("cmdSetZero", QStringLiteral("0"), [this] { command(&PitchCurveForm::setZero); });
  add("cmdReset", tr("リセット"), [this] { command(&PitchCurveForm::reset); });
  add("cmdVibrato", QStringLiteral("<"), [this] { command(&PitchCurveForm::vibratoMore); });
  buttons->addWidget(m_depth);
  add("cmdVibrato2", QStringLiteral(">"), [this] { command(&PitchCurveForm::vibratoLess); });
  add("cmdZoomIn", QStringLiteral("+"), [this] { command(&PitchCurveForm::zoomIn); });
  add("cmdZoomOut", QStringLiteral("-"), [this] { command(&PitchCurveForm::zoomOut); });
  buttons->addWidget(m_scroll, 1);
  buttons->addWidget(m_oldData);
  QPushButton* ok = add("cmdOK", QStringLiteral("OK"), [this] { accept(); });
  add("cmdCancel", tr("キャンセル"), [this] { reject(); });
  ok->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);

  connect(m_depth, &QComboBox::activated, this, [this](int index) {
    m_form.setDepthIndex(index);
    refresh();
  });
  connect(m_oldData, &QCheckBox::toggled, this, [this](bool old) {
    m_form.setOldData(old);
    refresh();
  });
  connect(m_scroll, &QScrollBar::valueChanged, this, [this](int step) {
    m_form.setScrollStep(step);
    m_view->update();
  });
  resize(qRound(toPixels(12000)), qRound(toPixels(6000)));
}

void PitchCurveDialog::command(void (PitchCurveForm::*action)()) {
  (m_form.*action)();
  refresh();
}

void PitchCurveDialog::refresh() {
  m_scroll->setMaximum(m_form.scrollMaximum(m_view->widthTwips()));
  m_view->update();
}

void PitchCurveDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  refresh();
}

}  // namespace ruvo::gui
