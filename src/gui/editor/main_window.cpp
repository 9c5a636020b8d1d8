#include "gui/editor/main_window.h"

#include <ctime>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QUrl>
#include <QWheelEvent>

#include "core/numbers.h"
#include "song/value_bounds.h"
#include "editor/session_texts.h"
#include "editor/window_title.h"
#include "gui/common/guarded_command.h"
#include "gui/editor/about_dialog.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/common/twips.h"
#include "gui/common/qt_text.h"
#include "gui/translations/logic_text.h"
#include "gui/voicebank/sound_list_window.h"

namespace ruvo::gui {

namespace {
constexpr int kWheelRows = 3;  // rows one notch of the wheel scrolls
}  // namespace

MainWindow::MainWindow(SessionSettings& settings, ProjectSession& session, EditSession& edits)
    : m_settings(settings), m_session(session), m_edits(edits) {
  setObjectName(QStringLiteral("Form1"));
  m_menus = buildMainMenus(menuBar(), this);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1Client"));
  setCentralWidget(client);
  m_topBar = buildTopBar(client, qRound(toPixels(kPictureTop)));
  m_roll = new PianoRollView(m_session.song(), settings.settings, client);
  m_hScroll = new QScrollBar(Qt::Horizontal, client);
  m_hScroll->setObjectName(QStringLiteral("HScroll1"));
  m_vScroll = new QScrollBar(Qt::Vertical, client);
  m_vScroll->setObjectName(QStringLiteral("VScroll1"));
  m_panel1 = new QLabel(this);
  m_panel1->setObjectName(QStringLiteral("Panel1"));
  m_panel2 = new QLabel(this);
  m_panel2->setObjectName(QStringLiteral("Panel2"));
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  // Each panel's number is named by a caption before it.
  const std::pair<QLabel*, const char*> panels[] = {
      {m_panel1, QT_TRANSLATE_NOOP("MainWindow", "1拍の長さ")}, {m_panel2, QT_TRANSLATE_NOOP("MainWindow", "選択したノートの長さ")}};
  for (auto [panel, name] : panels) {
    const QString text = QCoreApplication::translate("MainWindow", name);
    auto* caption = new QLabel(text + QStringLiteral(":"), this);
    caption->setToolTip(text);
    panel->setToolTip(text);
    statusBar()->addWidget(caption);
    statusBar()->addWidget(panel, 1);
  }
  statusBar()->setSizeGripEnabled(true);

  resize(toPixels(13000), toPixels(9000));
  connectCommands();
  followAction(m_topBar.play, m_menus.action(QStringLiteral("mnPlayTemp")));
  followAction(m_topBar.pause, m_menus.action(QStringLiteral("mnPauseTemp")));
  followAction(m_topBar.stop, m_menus.action(QStringLiteral("mnStopTemp")));
  m_roll->installEventFilter(this);
  m_edits.addListener([this](const EditResult& result) { applyEdit(result); });
  m_session.addListener([this](SessionChange change) { onSessionChange(change); });
  // Start-up: the tempo box and choosers are at their defaults already;
  // history menu, zoom and row height, then the cleared song.
  onSessionChange(SessionChange::History);
  layoutRoll();
  m_session.clear();
  // The keys act on the notes from the start, not on the tempo box.
  m_roll->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

int MainWindow::quantizeUnit() const { return m_topBar.quantize->currentData().toInt(); }

void MainWindow::runCommand(const std::function<void()>& command) {
  runGuarded(m_settings.settings.DebugMode, m_session.services().prompts, command);
}

void MainWindow::connectCommands() {
  auto on = [this](const char* name, const std::function<void()>& slot) {
    connect(m_menus.action(QString::fromUtf8(name)), &QAction::triggered, this, [this, slot] { runCommand(slot); });
  };
  on("mnNew", [this] { m_session.newProject(); });
  on("mnOpen", [this] { m_session.open(); });
  on("mnSave", [this] { m_session.save(); });
  on("mnSaveAt", [this] { m_session.saveAs(); });
  on("mnAppendLoad", [this] { m_session.append(); });
  on("mnImport", [this] { m_session.importFile(); });
  on("mnQuit", [this] { close(); });
  on("mnShowReadme", [this] { showReadme(); });
  on("mnVersion", [this] { showAbout(); });
  on("mnZoomIn", [this] { zoomIn(); });
  on("mnZoomOut", [this] { zoomOut(); });
  on("mnGotoTop", [this] { goToTop(); });
  on("mnGotoEnd", [this] { goToEnd(); });
  on("mnHightSmall", [this] { setRowHeight(kRowHeightSmall); });
  on("mnHeightMid", [this] { setRowHeight(kRowHeightMiddle); });
  on("mnHeightLarge", [this] { setRowHeight(kRowHeightLarge); });
  connect(m_topBar.zoomIn, &QPushButton::clicked, this, &MainWindow::zoomIn);
  connect(m_topBar.zoomOut, &QPushButton::clicked, this, &MainWindow::zoomOut);
  connect(m_topBar.goTop, &QPushButton::clicked, this, &MainWindow::goToTop);
  connect(m_topBar.goEnd, &QPushButton::clicked, this, &MainWindow::goToEnd);
  connect(m_topBar.tempo, &QLineEdit::textChanged, this, &MainWindow::onTempoEdited);
  connect(m_topBar.tempo, &QLineEdit::editingFinished, this, &MainWindow::onTempoConfirmed);
  connect(m_topBar.lyricLength, &QComboBox::currentIndexChanged, this,
          [this] { m_lyricLength = m_topBar.lyricLength->currentData().toInt(); });
  connect(m_hScroll, &QScrollBar::valueChanged, this, [this](int value) {
    m_roll->view().hPos = value;
    redraw();
  });
  connect(m_vScroll, &QScrollBar::valueChanged, this, [this](int value) {
    m_roll->view().vPos = value;
    redraw();
  });
  connect(m_roll, &PianoRollView::laidOut, this, [this] {
    m_panel2->setText(qs(secondsText(m_roll->layout().selectedSeconds)));
    m_hScroll->setMaximum(m_roll->layout().hMaximum);
  });
}

void MainWindow::onSessionChange(SessionChange change) {
  switch (change) {
    case SessionChange::SongReplaced:
      refreshUndoItem();
      m_roll->clearLabels();
      syncTempoBox();
      showOpeningNotes();
      break;
    case SessionChange::SongChanged:
      syncTempoBox();
      redraw();
      break;
    case SessionChange::Title:
      setWindowTitle(logicText(m_session.title()));
      break;
    case SessionChange::History: {
      QStringList paths;
      for (const auto& path : m_settings.settings.History) paths << qs(path);
      rebuildHistoryMenu(m_menus, paths);
      for (QAction* item : m_menus.history)
        if (!item->isSeparator())
          connect(item, &QAction::triggered, this, [this, index = item->data().toInt()] {
            runCommand([this, index] { m_session.openHistory(static_cast<size_t>(index)); });
          });
      break;
    }
  }
}

void MainWindow::showOpeningNotes() {
  const RollView shown = openingView(m_session.song(), m_roll->view(), toTwips(m_roll->height()), m_vScroll->maximum());
  m_vScroll->setValue(shown.vPos);
  m_roll->view().vPos = m_vScroll->value();
  redraw();  // the horizontal range follows the song's length
  m_hScroll->setValue(shown.hPos);
  m_roll->view().hPos = m_hScroll->value();
  redraw();
}

void MainWindow::syncTempoBox() {
  const QString text = qs(m_session.song().tempoText);
  if (m_topBar.tempo->text() != text) {
    // The song sets the box: nothing flows back into the song.
    const QSignalBlocker quiet(m_topBar.tempo);
    m_topBar.tempo->setText(text);
  }
  if (tempoTextProblem(m_session.song().tempoText).empty()) m_playableTempo = m_session.song().tempoText;
  m_panel1->setText(qs(beatLengthText(m_session.song().tempoText)));
}

void MainWindow::onTempoEdited(const QString& text) {
  // A change that arrives while the previous one is handled is dropped.
  if (m_inTempoChange) return;
  m_inTempoChange = true;
  m_edits.setTempoText(utf8(text));
  m_panel1->setText(qs(beatLengthText(utf8(text))));
  m_inTempoChange = false;
}

void MainWindow::onTempoConfirmed() {
  const std::string text = utf8(m_topBar.tempo->text());
  const std::string problem = tempoTextProblem(text);
  if (problem.empty()) {
    m_playableTempo = text;
    return;
  }
  m_topBar.tempo->setText(qs(m_playableTempo));
  m_session.services().prompts.message(problem, applicationTitle(m_settings.settings), MessageIcon::Warning);
}

void MainWindow::showTempo(float tempo) {
  if (tempo != 0) m_topBar.tempo->setText(qs(shortestFloat(tempo)));
  m_panel1->setText(qs(beatLengthText(utf8(m_topBar.tempo->text()))));
}

void MainWindow::redraw() { m_roll->redraw(); }

void MainWindow::applyEdit(const EditResult& result) {
  if (!result.redraw.empty()) m_roll->redrawNotes(result.redraw);
  if (result.modifiedSet) setWindowTitle(logicText(m_session.title()));
  if (result.journalChanged) refreshUndoItem();
}

void MainWindow::refreshUndoItem() {
  QAction* undo = m_menus.action(QStringLiteral("mnUndo"));
  undo->setText(logicText(m_edits.journal().caption()));
  undo->setEnabled(m_edits.journal().canUndo());
  QAction* redo = m_menus.action(QStringLiteral("mnRedo"));
  redo->setText(logicText(m_edits.journal().redoCaption()));
  redo->setEnabled(m_edits.journal().canRedo());
}

void MainWindow::layoutRoll() {
  QWidget* client = centralWidget();
  const int top = qRound(toPixels(kPictureTop));
  const int width = std::max(0, client->width() - m_vScroll->sizeHint().width());
  const int height = std::max(0, client->height() - m_hScroll->sizeHint().height() - top);
  m_topBar.bar->setGeometry(0, 0, client->width(), top);
  m_roll->setGeometry(0, top, width, height);
  m_hScroll->setGeometry(0, top + height, width, m_hScroll->sizeHint().height());
  m_vScroll->setGeometry(width, top, m_vScroll->sizeHint().width(), height);
  m_vScroll->setMaximum(vScrollMaximum(m_roll->view().rowHeight, toTwips(height)));
  redraw();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutRoll();
}

void MainWindow::updateZoomControls() {
  const int zoom = m_roll->view().zoom;
  for (QObject* control : {static_cast<QObject*>(m_menus.action(QStringLiteral("mnZoomIn"))),
                           static_cast<QObject*>(m_topBar.zoomIn)})
    control->setProperty("enabled", zoom > kMinZoom);
  for (QObject* control : {static_cast<QObject*>(m_menus.action(QStringLiteral("mnZoomOut"))),
                           static_cast<QObject*>(m_topBar.zoomOut)})
    control->setProperty("enabled", zoom < kMaxZoom);
}

void MainWindow::zoomIn() {
  if (m_roll->view().zoom > kMinZoom) --m_roll->view().zoom;
  updateZoomControls();
  redraw();
}

void MainWindow::zoomOut() {
  if (m_roll->view().zoom < kMaxZoom) ++m_roll->view().zoom;
  updateZoomControls();
  redraw();
}

void MainWindow::zoomAbout(int steps, int x) {
  const double intoRoll = toTwips(x) - kKeyboardWidth;  // twips
  const double tick = intoRoll * m_roll->view().zoom + static_cast<double>(m_hScroll->value()) * kTicksPerBeat;
  if (steps > 0)
    zoomIn();
  else
    zoomOut();
  m_hScroll->setValue(qRound((tick - intoRoll * m_roll->view().zoom) / kTicksPerBeat));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_roll || event->type() != QEvent::Wheel) return QMainWindow::eventFilter(watched, event);
  const auto* wheel = static_cast<QWheelEvent*>(event);
  const QPoint angle = wheel->angleDelta();
  const bool sideways = (wheel->modifiers() & Qt::ShiftModifier) || (angle.y() == 0 && angle.x() != 0);
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  const int steps = delta / 120 != 0 ? delta / 120 : (delta > 0) - (delta < 0);
  if (steps == 0) return true;
  if (wheel->modifiers() & Qt::ControlModifier)
    zoomAbout(steps, qRound(wheel->position().x()));
  else if (sideways)
    m_hScroll->setValue(m_hScroll->value() - steps);
  else
    m_vScroll->setValue(m_vScroll->value() - steps * kWheelRows);
  return true;
}

void MainWindow::setRowHeight(int twips) {
  m_roll->view().rowHeight = twips;
  m_menus.action(QStringLiteral("mnHightSmall"))->setChecked(twips == kRowHeightSmall);
  m_menus.action(QStringLiteral("mnHeightMid"))->setChecked(twips == kRowHeightMiddle);
  m_menus.action(QStringLiteral("mnHeightLarge"))->setChecked(twips == kRowHeightLarge);
  redraw();
}

void MainWindow::goToTop() {
  m_hScroll->setValue(m_hScroll->minimum());
  redraw();
}

void MainWindow::goToEnd() {
  m_hScroll->setValue(m_hScroll->maximum());
  redraw();
}

void MainWindow::showStatus(const QString& text, int timeoutMs) { statusBar()->showMessage(text, timeoutMs); }

void MainWindow::showSoundList(MediaService& media) {
  if (!m_soundList) {
    const Song& song = m_session.song();
    m_soundList = new SoundListWindow(
        song.voiceFolder, utf8(m_topBar.tempo->text()),
        {m_edits, media, m_session.services().prompts, m_settings.settings},
        this);
  }
  m_soundList->show();
  m_soundList->raise();
  m_soundList->activateWindow();
}

void MainWindow::showReadme() {
  if (auto path = m_session.readmePath()) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(qs(*path)))) return;
    m_session.services().prompts.message(std::string(kNoViewerText) + "\n" + *path, applicationTitle(m_settings.settings),
                                MessageIcon::Warning);
    return;
  }
  std::string text(kNoReadmeText);
  for (const std::string& path : m_session.readmeCandidates()) text += "\n" + path;
  m_session.services().prompts.message(text, applicationTitle(m_settings.settings), MessageIcon::Warning);
}

void MainWindow::showAbout() {
  AboutDialog dialog(qs(m_settings.settings.TransformTitle), this);
  dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_session.close(std::time(nullptr)))
    event->accept();
  else
    event->ignore();
}

}  // namespace ruvo::gui
