#include "gui/editor/render_controller.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include <QAction>
#include <QEvent>

#include "core/paths.h"
#include "editor/play_position.h"
#include "editor/selection_snapshot.h"
#include "editor/session_texts.h"
#include "editor/window_title.h"
#include "gui/common/guarded_command.h"
#include "gui/editor/editor_view.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/play_marker_view.h"
#include "gui/render/show_running_window.h"
#include "gui/render/trust_tool_dialog.h"
#include "gui/common/qt_text.h"
#include "gui/translations/logic_text.h"
#include "render/trust_choice.h"
#include "settings/trusted_programs.h"
#include "settings/worker_count.h"

namespace ruvo::gui {

namespace {

// A poll only looks (it never waits), so polling often costs nothing and a
// finished batch is played at once: at 100 ms F5 took up to 100 ms longer.
constexpr int kPollMs = 20;
constexpr int kMarkerMs = 40;
constexpr const char* kOutputFilter = "wavファイル|*.wav|すべてのファイル|*.*";
constexpr const char* kDamagedTrustFile =
    "信頼したプログラムの一覧を読めません。一覧のプログラムは信頼しません。\n";
constexpr const char* kTrustNotSaved = "信頼したプログラムの一覧を保存できません。\n";

}  // namespace

RenderController::RenderController(EditorView& view, ProjectSession& session, EditSession& edits, MediaService& media)
    : QObject(view.widget()),
      m_view(view), m_session(session), m_edits(edits),
      m_media(media),
      m_playback(m_media, session.services().prompts, session.folders().tempDir,
                 applicationTitle(session.settings())) {
  setObjectName(QStringLiteral("renderController"));
  m_poll.setInterval(kPollMs);
  connect(&m_poll, &QTimer::timeout, this, [this] { guarded([this] { poll(); }); });
  m_marker = new PlayMarkerView(view.roll());
  m_markerTimer.setInterval(kMarkerMs);
  connect(&m_markerTimer, &QTimer::timeout, this, &RenderController::moveMarker);
  connectCommands();
  // The batch ends, and "temp.wav" is closed, before the working folder's
  // files are deleted.
  session.setBeforeTempFilesRemoved([this] {
    cancelRender(false);
    m_playback.stopSelection();
  });
}

RenderController::~RenderController() {
  if (m_job) m_job->cancel();
}

void RenderController::connectCommands() {
  auto on = [this](const char* name, std::function<void()> command) {
    QAction* action = m_view.menus().action(QString::fromUtf8(name));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, command] { guarded(command); });
  };
  const Song& song = m_session.song();
  on("mnGenerate", [this] { startRender(Kind::Project, std::nullopt); });
  on("mnPlayTemp", [this] { playSelection(); });
  on("mnToneGen", [this] { playSelection(); });
  on("mnPlayAgain", [this] {
    m_playback.playAgain();
    followPlayback();
  });
  on("mnTonePlay", [this] {
    m_playback.playAgain();
    followPlayback();
  });
  on("mnPauseTemp", [this] { m_playback.pauseSelection(); });
  on("mnStopTemp", [this] { m_playback.stopSelection(); });
  on("mnTempSaveAt", [this] { m_playback.saveLastRender(m_session.services().files); });
  on("mnMCIPlay", [this, &song] { m_playback.playGenerated(song); });
  on("mnMCIPause", [this, &song] { m_playback.pauseGenerated(song); });
  on("mnMCIStop", [this, &song] { m_playback.stopGenerated(song); });
}

void RenderController::guarded(const std::function<void()>& command) {
  runGuarded(m_session.settings().DebugMode, m_session.services().prompts, command);
}

void RenderController::playSelection() {
  if (m_job) return;
  // A paused render of notes since changed is not resumed: it is made anew.
  if (m_media.mode(PlaybackCommands::kTempName) == "paused" &&
      selectionSnapshot(m_session.song()) != m_renderedSelection)
    m_playback.stopSelection();
  if (m_playback.selectionNeedsRender()) {
    // Left by a render that was killed, they would be played as its start.
    std::error_code ec;
    for (const char* partial : {".whd", ".dat"}) std::filesystem::remove(m_playback.tempWav() + partial, ec);
    startRender(Kind::Selection, std::nullopt);
  } else {
    followPlayback();
  }
}

ToolTrust RenderController::currentTrust() {
  ProjectSession& session = m_session;
  LoadedTrust loaded =
      loadToolTrust(session.settings(), session.folders().programFolder, session.folders().settingsFile);
  if (!loaded.problem.empty() && !m_trustProblemShown) {
    m_trustProblemShown = true;
    session.services().prompts.message(kDamagedTrustFile + loaded.problem,
                                       applicationTitle(session.settings()), MessageIcon::Warning);
  }
  return std::move(loaded.trust);
}

void RenderController::startRender(Kind kind, std::optional<ToolTrust> trust) {
  if (m_job) return;
  ProjectSession& session = m_session;
  m_kind = kind;
  m_retried = trust.has_value();
  if (kind == Kind::Selection) {
    const Song& song = session.song();
    m_playedFirst = std::min(song.selFirst, song.selLast);
    m_playedLast = std::min(std::max(song.selFirst, song.selLast), song.noteCount - 1);
    m_renderedSelection = selectionSnapshot(song);
  }
  const RenderContext context{session.folders().tempDir,
                              joinPath(session.folders().programFolder, "ruvo-batch"),
                              session.settings().CacheEnable, trust ? std::move(*trust) : currentTrust(),
                              true, workerCountBeside(session.folders().settingsFile).count};
  auto chooseOutput = [this, &session](const std::string& proposed) -> std::optional<std::string> {
    if (m_retried) return proposed;  // chosen before the trust question
    FileDialogRequest request;
    request.filter = kOutputFilter;
    request.folder = folderOf(proposed);
    request.defaultName = fileNameOf(proposed);
    return session.services().files.saveFile(request);
  };
  auto started = kind == Kind::Project
                     ? RenderJob::startProject(session.song(), session.tables(), context, chooseOutput)
                     : RenderJob::startSelection(session.song(), session.tables(), context);
  if (kind == Kind::Project) {
    // Saving for the render may name the project and clears its changed flag.
    EditResult saved;
    saved.modifiedSet = true;
    m_edits.announce(saved);
  }
  if (auto* outcome = std::get_if<RenderOutcome>(&started)) {
    if (outcome->untrusted.empty() || m_retried) return finish(std::move(*outcome));
    if (auto retry = askAboutTools(outcome->untrusted, context.trust)) startRender(kind, std::move(retry));
    return;
  }
  m_job.emplace(std::move(std::get<RenderJob>(started)));
  if (kind == Kind::Selection) m_playback.playEarly();
  setRenderCommandsEnabled(false);
  m_running = new ShowRunningWindow(m_view.widget());
  connect(m_running, &QDialog::rejected, this, [this] { guarded([this] { cancelRender(true); }); });
  m_running->show();
  m_clock.start();
  m_poll.start();
}

std::optional<ToolTrust> RenderController::askAboutTools(const std::vector<UntrustedTool>& tools,
                                                         ToolTrust trust) {
  ProjectSession& session = m_session;
  const std::string trustFile = TrustedPrograms::fileBeside(session.folders().settingsFile);
  for (const UntrustedTool& tool : tools) {
    const TrustChoice choice = TrustToolDialog::ask(logicText(untrustedToolMessage(tool)), m_view.widget());
    if (choice == TrustChoice::Cancel) return std::nullopt;
    auto applied = applyTrustChoice(choice, tool, trust, session.song(), session.settings(), trustFile);
    if (!applied)
      session.services().prompts.message(kTrustNotSaved + applied.error().message,
                                         applicationTitle(session.settings()), MessageIcon::Warning);
  }
  EditResult changed;
  changed.modifiedSet = true;
  m_edits.announce(changed);
  return trust;
}

void RenderController::poll() {
  if (!m_job) return;
  if (m_running) m_running->setElapsed(m_clock.elapsed());
  BatchRunObserver observer{[this](int k, int n) {
                              if (m_running) m_running->setProgress(k, n);
                            },
                            [this](const std::string& line) {
                              if (m_running) m_running->addOutput(qs(line));
                            }};
  auto outcome = m_job->poll(0, observer);
  if (m_kind == Kind::Selection) {
    m_playback.keepAhead();
    if (!m_markerTimer.isActive()) followPlayback();
  }
  if (!outcome) return;
  endJob();
  finish(std::move(*outcome));
}

void RenderController::cancelRender(bool tell) {
  if (!m_job) return;
  RenderOutcome outcome = m_job->cancel();
  endJob();
  if (!tell) outcome.message.clear();
  finish(std::move(outcome));
}

void RenderController::endJob() {
  m_poll.stop();
  m_job.reset();
  if (m_running && m_running->isVisible()) m_running->accept();
  m_running = nullptr;
  m_view.widget()->activateWindow();
  setRenderCommandsEnabled(true);
}

void RenderController::finish(RenderOutcome outcome) {
  if (m_kind == Kind::Selection) {
    m_playback.renderEnded(outcome.success);
    followPlayback();
  }
  showOutcome(outcome);
  emit renderEnded();
}

void RenderController::showOutcome(const RenderOutcome& outcome) {
  if (outcome.message.empty()) return;
  std::string text = outcome.message;
  for (size_t i = 0; i < outcome.details.size(); ++i) text += (i == 0 ? "\n\n" : "\n") + outcome.details[i];
  m_session.services().prompts.message(text, applicationTitle(m_session.settings()),
                                                outcome.warning ? MessageIcon::Warning : MessageIcon::None);
}

void RenderController::setRenderCommandsEnabled(bool enabled) {
  for (const char* name : {"mnGenerate", "mnPlayTemp", "mnToneGen"})
    m_view.menus().action(QString::fromUtf8(name))->setEnabled(enabled);
}

void RenderController::followPlayback() {
  moveMarker();
  m_markerTimer.start();
}

void RenderController::moveMarker() {
  const std::string mode = m_media.mode(PlaybackCommands::kTempName);
  if (mode != "playing" && mode != "paused") {
    m_marker->showAt(-1);
    m_markerTimer.stop();
    return;
  }
  const Song& song = m_session.song();
  auto point = playPointAt(song, m_view.roll()->layout(), m_playedFirst, m_playedLast,
                           m_media.position(PlaybackCommands::kTempName).value_or(-1));
  const LabelInfo label = point ? m_view.roll()->labelAt(point->note) : LabelInfo{};
  m_marker->showAt(label.visible ? label.geometry.left() + qRound(point->fraction * label.geometry.width())
                                 : -1);
}

}  // namespace ruvo::gui
