#include "gui/noteprops/note_property_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "gui/common/twips.h"
#include "gui/noteprops/pitch_curve_dialog.h"
#include "gui/common/named_controls.h"
#include "noteprops/note_cache_files.h"
#include "song/note_name.h"

namespace ruvo::gui {

namespace {

constexpr int kCollapsedHeight = 3360;  // twips
constexpr int kExpandedHeight = 5100;
constexpr int kWidth = 6600;
const char* const kShowDetail = QT_TRANSLATE_NOOP("ruvo::gui::NotePropertyDialog", "▽詳細");
const char* const kHideDetail = QT_TRANSLATE_NOOP("ruvo::gui::NotePropertyDialog", "△隠す");
const QColor kKeepBackground(0xE0, 0xE0, 0xE0);
constexpr int kHighestNote = 95;

}  // namespace

bool NotePropertyDialog::showDialog(QWidget* owner, PropertyValues& values, const NoteSound& sound,
                                    Settings& settings, Prompts& prompts) {
  NotePropertyDialog dialog(owner, values, sound, settings, prompts);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.result();
  return true;
}

NotePropertyDialog::NotePropertyDialog(QWidget* owner, const PropertyValues& values, const NoteSound& sound,
                                       Settings& settings, Prompts& prompts)
    : QDialog(owner), m_form(values), m_sound(sound), m_settings(settings), m_prompts(prompts) {
  setObjectName(QStringLiteral("frmNoteProperty"));
  setWindowTitle(m_form.rangeMode() ? tr("** 選択範囲のプロパティ **") : tr("音のプロパティ"));

  auto* top = new QGridLayout;
  top->addWidget(captionLabel(this, tr("詞")), 0, 0);
  top->addWidget(addBox(PropertyBox::Word, "txtWord"), 0, 1);
  if (!m_sound.chosenAlias.empty()) {
    // The VCV entry the render sings for this lyric, chosen from the note before.
    QLabel* entry = captionLabel(this, QStringLiteral("→ ") + qs(m_sound.chosenAlias));
    entry->setObjectName(QStringLiteral("lblChosenAlias"));
    top->addWidget(entry, 0, 2);
  }
  top->addWidget(captionLabel(this, tr("長さ")), 1, 0);
  top->addWidget(addBox(PropertyBox::Length, "txtLeng"), 1, 1);
  top->addWidget(captionLabel(this, tr("キー")), 2, 0);
  m_note = new QComboBox(this);
  m_note->setObjectName(QStringLiteral("cboNote"));
  m_note->addItem(QString(), -1);
  for (int note = kHighestNote; note >= 0; --note) m_note->addItem(qs(noteNameOf(note)), note);
  m_note->setCurrentIndex(m_form.note() < 0 ? -1 : m_note->findData(m_form.note()));
  top->addWidget(m_note, 2, 1);
  m_detail = captionLabel(this, tr(kShowDetail));
  m_detail->setObjectName(QStringLiteral("lblDetail"));
  m_detail->setCursor(Qt::PointingHandCursor);
  m_detail->installEventFilter(this);
  top->addWidget(m_detail, 3, 0, 1, 2);

  auto* buttons = new QVBoxLayout;
  bool canEditPitches = !m_sound.recordingPath.empty();
  m_pitches = namedButton(this, "cmdEditPitches",
                          canEditPitches ? tr("ピッチ編集...") : tr("原音を設定してください"));
  m_pitches->setEnabled(canEditPitches && !m_form.rangeMode());
  QPushButton* clear = namedButton(this, "cmdClear", tr("クリア"));
  QPushButton* ok = namedButton(this, "OKButton", QStringLiteral("OK"));
  QPushButton* cancel = namedButton(this, "CancelButton", tr("ｷｬﾝｾﾙ"));
  ok->setDefault(true);
  for (QPushButton* button : {m_pitches, clear, ok, cancel}) buttons->addWidget(button);
  buttons->addStretch(1);

  m_detailPanel = new QWidget(this);
  auto* detail = new QGridLayout(m_detailPanel);
  detail->setContentsMargins(0, 0, 0, 0);
  auto row = [&](int r, int column, const QString& caption, PropertyBox which, const char* name, const QString& unit) {
    detail->addWidget(captionLabel(m_detailPanel, caption), r, column);
    QLineEdit* box = addBox(which, name);
    box->setParent(m_detailPanel);
    detail->addWidget(box, r, column + 1);
    if (!unit.isEmpty()) detail->addWidget(captionLabel(m_detailPanel, unit), r, column + 2);
  };
  row(0, 0, tr("先行発声"), PropertyBox::Offset, "txtOffset", tr("ミリ秒"));
  row(1, 0, tr("音量"), PropertyBox::Volume, "txtVolume", QStringLiteral("%"));
  row(2, 0, tr("モジュレーション"), PropertyBox::Modulation, "txtModulation", QStringLiteral("%"));
  row(0, 3, QStringLiteral("BRE"), PropertyBox::Breath, "txtBre", tr("0～100(normal=50)"));
  m_noFilter = new QCheckBox(QStringLiteral("No Formant Filter"), m_detailPanel);
  m_noFilter->setObjectName(QStringLiteral("chkNoFilter"));
  m_noFilter->setTristate(m_form.rangeMode());
  detail->addWidget(m_noFilter, 1, 3, 1, 3);
  row(2, 3, QStringLiteral("Flags"), PropertyBox::Flags, "txtFlags", QString());
  row(3, 0, QStringLiteral("Others"), PropertyBox::Others, "txtOtherCommands", QString());
  detail->removeWidget(m_boxes[size_t(PropertyBox::Others)]);
  detail->addWidget(m_boxes[size_t(PropertyBox::Others)], 3, 1, 1, 5);
  auto bar = [&](const char* name, BarRange range) {
    auto* scroll = new QScrollBar(Qt::Vertical, m_detailPanel);
    scroll->setObjectName(QString::fromLatin1(name));
    scroll->setRange(range.top, range.bottom);
    scroll->setValue(kBarStart);
    return scroll;
  };
  m_volumeBar = bar("vscrlVolume", kVolumeBar);
  m_modulationBar = bar("vscrlModulation", kModulationBar);
  detail->addWidget(m_volumeBar, 0, 6, 4, 1);
  detail->addWidget(m_modulationBar, 0, 7, 4, 1);

  auto* upper = new QHBoxLayout;
  upper->addLayout(top, 1);
  upper->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(upper);
  layout->addWidget(m_detailPanel);
  layout->addStretch(1);

  connect(m_note, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_form.setNote(index < 0 ? -1 : m_note->itemData(index).toInt());
  });
  for (auto [scroll, which] : {std::pair{m_volumeBar, PercentBar::Volume}, std::pair{m_modulationBar, PercentBar::Modulation}}) {
    connect(scroll, &QScrollBar::valueChanged, this, [this, which](int position) {
      if (m_showing) return;
      m_form.moveBar(which, position);
      showBoxes();
    });
  }
  connect(m_noFilter, &QCheckBox::clicked, this, [this] {
    m_form.clickCheck();
    showBoxes();
  });
  connect(m_pitches, &QPushButton::clicked, this, &NotePropertyDialog::editPitches);
  connect(clear, &QPushButton::clicked, this, [this] {
    m_form.clear();
    showBoxes();
  });
  connect(ok, &QPushButton::clicked, this, &NotePropertyDialog::onOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  m_detailPanel->hide();
  setFixedSize(qRound(toPixels(kWidth)), qRound(toPixels(kCollapsedHeight)));
  showBoxes();
  if (m_settings.PropExpandDetail) toggleDetail();
}

QLineEdit* NotePropertyDialog::addBox(PropertyBox which, const char* name) {
  QLineEdit* box = namedLineEdit(this, name);
  m_boxes[size_t(which)] = box;
  box->installEventFilter(this);
  connect(box, &QLineEdit::textChanged, this, [this, which](const QString& text) {
    if (m_showing) return;
    m_form.edit(which, utf8(text));
    showBoxes();
  });
  return box;
}

void NotePropertyDialog::showBoxes() {
  m_showing = true;
  for (size_t i = 0; i < kPropertyBoxCount; ++i) showBox(static_cast<PropertyBox>(i));
  m_volumeBar->setValue(m_form.barPosition(PercentBar::Volume));
  m_modulationBar->setValue(m_form.barPosition(PercentBar::Modulation));
  static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
  m_noFilter->setCheckState(kStates[static_cast<int>(m_form.check())]);
  m_showing = false;
}

void NotePropertyDialog::showBox(PropertyBox which) {
  QLineEdit* box = m_boxes[size_t(which)];
  const BoxState& state = m_form.box(which);
  if (box->text() != qs(state.text)) box->setText(qs(state.text));
  QPalette colours = palette();
  if (state.keep) {
    colours.setColor(QPalette::Base, kKeepBackground);
    colours.setColor(QPalette::Text, palette().color(QPalette::Disabled, QPalette::WindowText));
  }
  box->setPalette(colours);
  box->setProperty("keep", state.keep);
}

bool NotePropertyDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_detail && event->type() == QEvent::MouseButtonRelease) {
    toggleDetail();
    return true;
  }
  if (event->type() == QEvent::MouseButtonDblClick && m_form.rangeMode()) {
    for (size_t i = 0; i < kPropertyBoxCount; ++i) {
      if (watched != m_boxes[i]) continue;
      m_form.toggleKeep(static_cast<PropertyBox>(i));
      showBoxes();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void NotePropertyDialog::toggleDetail() {
  bool expand = m_detail->text() == tr(kShowDetail);
  m_detail->setText(tr(expand ? kHideDetail : kShowDetail));
  m_detailPanel->setVisible(expand);
  setFixedSize(qRound(toPixels(kWidth)), qRound(toPixels(expand ? kExpandedHeight : kCollapsedHeight)));
  m_settings.PropExpandDetail = expand;
}

void NotePropertyDialog::editPitches() {
  PitchEditorInput input;
  input.tempo = m_sound.tempo;
  input.pitches = m_form.pitchCurve();
  input.recordingPath = m_sound.recordingPath;
  input.cachePath = cachedRenderingOf(m_sound.cacheFolder, m_form.modeId(), m_sound.prefix + m_sound.recordingName,
                                      m_sound.noteName);
  input.offsetMs = m_sound.sampleOffset;
  input.fixedMs = m_sound.sampleFixed;
  input.tailMs = m_sound.sampleTail;
  input.lengthMs = m_sound.lengthMs;
  input.preUtteranceMs = preUtteranceFor(m_sound, m_form.box(PropertyBox::Offset).text);
  if (auto curve = PitchCurveDialog::showDialog(this, input, m_prompts)) m_form.setPitchCurve(*curve);
}

void NotePropertyDialog::onOk() {
  // A number the note cannot play keeps the dialog open for another.
  if (const std::string problem = m_form.problem(); !problem.empty()) {
    m_prompts.message(problem, utf8(windowTitle()), MessageIcon::Warning);
    return;
  }
  m_result = m_form.accept();
  accept();
}

}  // namespace ruvo::gui
