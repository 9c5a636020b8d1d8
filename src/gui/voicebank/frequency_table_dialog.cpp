#include "gui/voicebank/frequency_table_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "core/paths.h"
#include "gui/common/guarded_command.h"
#include "gui/common/twips.h"
#include "gui/common/named_controls.h"
#include "gui/voicebank/frequency_generation_dialog.h"
#include "settings/cache_cleanup.h"
#include "voicebank/frq_generation.h"
#include "voicebank/frq_graph.h"

namespace ruvo::gui {

namespace {

constexpr int kInitialWidth = 12000;  // twips: about 120 frames of graph
const char* const kPurposeText = QT_TRANSLATE_NOOP(
    "ruvo::gui::FrequencyTableDialog",
    "単音伸縮ツールで使用する周波数表を編集します。ツールはこの表を元にキーの変換を行います。");
const char* const kEditingText = QT_TRANSLATE_NOOP(
    "ruvo::gui::FrequencyTableDialog",
    "基本的にこの表は自動的に作成されますが、原音の特性によっては編集が必要になることがあります。");
const char* const kRegenerateQuestion = "の周波数表を再作成します。";

QPointF point(TwipPoint p) { return {toPixels(p.x), toPixels(p.y)}; }
QRectF box(TwipBox b) { return QRectF(point(b.topLeft), point(b.bottomRight)); }

void place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(twipRect(left, top, width, height));
}

QLabel* commandLabel(QWidget* parent, const char* name, const QString& text) {
  QLabel* label = captionLabel(parent, text);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Raised);
  label->setToolTip(QCoreApplication::translate("ruvo::gui::FrequencyTableDialog", "ダブルクリック"));
  return label;
}

}  // namespace

bool FrequencyTableDialog::edit(const std::string& recordingPath, const FrequencyTableServices& services,
                                QWidget* owner) {
  FrequencyTableDialog dialog(recordingPath, services, owner);
  dialog.exec();
  if (!dialog.written() || services.cacheFolder.empty()) return dialog.written();
  std::string sample = fileNameOf(recordingPath);
  if (endsWithNoCase(sample, ".wav")) sample.resize(sample.size() - 4);
  if (auto deleted = deleteCacheOfSample(services.cacheFolder, sample); !deleted)
    services.prompts.message(deleted.error().message, "", MessageIcon::Warning);
  return true;
}

FrequencyTableDialog::FrequencyTableDialog(const std::string& recordingPath, const FrequencyTableServices& services,
                                           QWidget* owner)
    : QDialog(owner), m_services(services), m_recordingPath(recordingPath) {
  setObjectName(QStringLiteral("frmEditFreqList"));
  if (auto editor = FrqEditor::open(recordingPath))
    m_editor = std::move(*editor);
  else
    m_openError = editor.error().message;
  build();
}

FrequencyTableDialog::~FrequencyTableDialog() {
  // The list goes after the model; its last selection signals must not
  // reach the model.
  disconnect(m_list, nullptr, this, nullptr);
}

void FrequencyTableDialog::build() {
  setWindowTitle(m_editor ? qs(m_editor->fileName()) : QStringLiteral("Frequency List Editor"));
  const TwipSize least = frqEditorSize({0, 0});
  setMinimumWidth(qRound(toPixels(least.width)));
  setFixedHeight(qRound(toPixels(least.height)));
  resize(qRound(toPixels(kInitialWidth)), qRound(toPixels(least.height)));

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("List1"));
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setUniformItemSizes(true);
  place(m_list, 120, 120, 1800, 4410);

  constexpr int x = 2040;
  m_value = namedLineEdit(this, "txtFrequency");
  place(m_value, x, 120, 2520, 330);
  QPushButton* set = namedButton(this, "cmdSetValue", tr("セット"));
  place(set, x, 480, 2520, 360);

  struct Command {
    const char* name;
    const char* caption;
    std::function<FrqRowSpan(FrqEditor&)> run;
    int left, top, width;
  };
  const Command commands[] = {
      {"lbs2", "/2", [](FrqEditor& e) { return e.scale(FrqScale::Half); }, 0, 900, 600},
      {"lbs3", "/3", [](FrqEditor& e) { return e.scale(FrqScale::Third); }, 640, 900, 600},
      {"lbx2", "x2", [](FrqEditor& e) { return e.scale(FrqScale::Double); }, 1280, 900, 600},
      {"lbx3", "x3", [](FrqEditor& e) { return e.scale(FrqScale::Triple); }, 1920, 900, 600},
      {"lbavg", "avg", [](FrqEditor& e) { return e.interpolate(); }, 0, 1230, 600},
      {"lbc", "-", [](FrqEditor& e) { return e.clearPitch(); }, 640, 1230, 600},
  };
  for (const Command& command : commands) {
    QLabel* label = commandLabel(this, command.name, QString::fromUtf8(command.caption));
    place(label, x + command.left, command.top, command.width, 300);
    label->installEventFilter(this);
    m_labelCommands[label] = [this, run = command.run] {
      guarded([&] {
        syncFromBoxes();
        afterCommand(run(*m_editor));
      });
    };
  }
  QLabel* revertLabel = commandLabel(this, "lbre", tr("元に戻す"));
  place(revertLabel, x + 1280, 1230, 1240, 300);
  revertLabel->installEventFilter(this);
  m_labelCommands[revertLabel] = [this] { guarded([this] { revert(); }); };

  QLabel* key = captionLabel(this, tr("キー"));
  place(key, x, 1590, 420, 330);
  m_average = namedLineEdit(this, "txtFreqAvg");
  place(m_average, x + 420, 1590, 1740, 330);
  QLabel* hz = captionLabel(this, QStringLiteral("Hz"));
  place(hz, x + 2220, 1590, 300, 330);

  QLabel* purpose = captionLabel(this, tr(kPurposeText), true);
  QLabel* editing = captionLabel(this, tr(kEditingText), true);
  for (QLabel* label : {purpose, editing}) {
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  place(purpose, x, 2010, 2520, 900);
  place(editing, x, 2940, 2520, 900);

  QPushButton* ok = namedButton(this, "OKButton", tr("書き込む"));
  QPushButton* cancel = namedButton(this, "CancelButton", tr("閉じる"));
  QPushButton* generate = namedButton(this, "cmdGenerate", tr("再作成"));
  place(ok, x, 3930, 820, 360);
  place(cancel, x + 850, 3930, 820, 360);
  place(generate, x + 1700, 3930, 820, 360);

  connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
    if (m_syncing || !m_editor) return;
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes()) rows.push_back(index.row());
    m_editor->setSelection(std::move(rows));
  });
  auto clickRow = [this](int row) {
    if (m_syncing || !m_editor) return;
    m_editor->clickRow(row);
    m_value->setText(qs(m_editor->valueText));
  };
  connect(m_list, &QListWidget::currentRowChanged, this, clickRow);
  connect(m_list, &QListWidget::itemClicked, this, [this, clickRow](QListWidgetItem* item) { clickRow(m_list->row(item)); });
  connect(set, &QPushButton::clicked, this, [this] { guarded([this] { setValue(); }); });
  connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { write(); }); });
  connect(cancel, &QPushButton::clicked, this, &FrequencyTableDialog::reject);
  connect(generate, &QPushButton::clicked, this, [this] { guarded([this] { regenerate(); }); });

  if (m_editor) {
    fillList();
    m_value->setText(qs(m_editor->valueText));
    m_average->setText(qs(m_editor->averageText));
  }
}

void FrequencyTableDialog::fillList() {
  m_syncing = true;
  QStringList rows;
  rows.reserve(m_editor->frameCount());
  for (const std::string& row : m_editor->rows()) rows << qs(row);
  m_list->clear();
  m_list->addItems(rows);
  m_syncing = false;
  update();
}

void FrequencyTableDialog::showRows(FrqRowSpan span) {
  for (int row = span.first; row <= span.last; ++row)
    m_list->item(row)->setText(qs(m_editor->rows()[static_cast<size_t>(row)]));
}

int FrequencyTableDialog::exec() {
  if (!m_editor) {
    m_services.prompts.message(m_openError, "", MessageIcon::Warning);
    return QDialog::Rejected;
  }
  return QDialog::exec();
}

void FrequencyTableDialog::guarded(const std::function<void()>& command) {
  if (!m_editor) return;
  // The list is filled again from what a failed command left.
  if (!runGuarded(m_services.settings.DebugMode, m_services.prompts, command)) fillList();
}

void FrequencyTableDialog::syncFromBoxes() {
  m_editor->valueText = utf8(m_value->text());
  m_editor->averageText = utf8(m_average->text());
}

void FrequencyTableDialog::afterCommand(FrqRowSpan span) {
  showRows(span);
  m_value->setText(qs(m_editor->valueText));
  m_average->setText(qs(m_editor->averageText));
  update();
}

void FrequencyTableDialog::setValue() {
  syncFromBoxes();
  afterCommand(m_editor->setValue());
}

void FrequencyTableDialog::revert() {
  syncFromBoxes();
  if (auto reverted = m_editor->revert(); !reverted) {
    m_services.prompts.message(reverted.error().message, "", MessageIcon::Warning);
    return;
  }
  fillList();
  afterCommand({});
}

void FrequencyTableDialog::write() {
  syncFromBoxes();
  FrqWriteOutcome outcome = m_editor->write();
  m_written = m_written || outcome.written;
  afterCommand({});
  std::string message = outcome.message;
  if (!outcome.reason.empty()) message += "\n" + outcome.reason;
  m_services.prompts.message(message, "", outcome.icon);
}

void FrequencyTableDialog::regenerate() {
  const std::string question = "「" + m_editor->fileName() + "」" + kRegenerateQuestion;
  if (m_services.prompts.ask(question, "", MessageIcon::Warning, false) != Answer::Yes) return;
  if (m_editor->modified() &&
      m_services.prompts.ask(kFrqDiscardQuestion, "", MessageIcon::Question, false) != Answer::Yes)
    return;
  auto made = FrequencyGenerationDialog::run(m_services.settings.Tool2Path, m_services.tempDir, m_recordingPath, this);
  if (!made) {
    m_services.prompts.message(made.error().message, "", MessageIcon::Warning);
    return;
  }
  m_written = true;
  revert();
}

bool FrequencyTableDialog::mayClose() {
  if (!m_editor || !m_editor->modified()) return true;
  return m_services.prompts.ask(kFrqDiscardQuestion, "", MessageIcon::Question, false) == Answer::Yes;
}

void FrequencyTableDialog::reject() {
  if (mayClose()) QDialog::reject();
}

void FrequencyTableDialog::closeEvent(QCloseEvent* event) {
  if (mayClose())
    QDialog::closeEvent(event);
  else
    event->ignore();
}

bool FrequencyTableDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    auto found = m_labelCommands.find(watched);
    if (found != m_labelCommands.end()) {
      found->second();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FrequencyTableDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!m_editor) return;
  const FrqGraph graph =
      planFrqGraph(m_editor->table().values, m_editor->table().header.average, toTwips(width()), toTwips(height()));
  if (!graph.visible) return;
  QPainter painter(this);
  const QRectF area = box(graph.background);
  painter.fillRect(area, Qt::white);
  painter.setClipRect(area);
  painter.setPen(QColor(192, 192, 192));
  for (const TwipLine& line : graph.gridLines) painter.drawLine(point(line.from), point(line.to));
  painter.setPen(Qt::red);
  painter.drawLine(point(graph.average.from), point(graph.average.to));
  painter.setPen(QColor(128, 128, 128));
  for (const FrqGraphLabel& label : graph.gridLabels)
    painter.drawText(QRectF(point(label.topLeft), QSizeF(40, 20)), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(label.hz));
  painter.setPen(QColor(0, 0, 255));
  for (const TwipLine& line : graph.pitchLines) painter.drawLine(point(line.from), point(line.to));
  for (const TwipBox& mark : graph.frameMarks) painter.drawRect(box(mark));
}

}  // namespace ruvo::gui
