#pragma once
// Rendering and playback in the editor window: the whole-project render
// (mnGenerate), the selection render behind the play commands (F5 and the
// note popup), the play, pause and stop commands of the selection render and
// of the generated file, and the question about programs nobody chose. A
// render runs as a RenderJob polled (never waited on) from a timer, so the
// window stays live; frmShowRunning shows its progress, and closing it in any
// way cancels the render. Closing the project (quitting) cancels it first.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "media/media_service.h"
#include "media/playback_commands.h"
#include "render/render_project.h"

namespace ruvo::gui {

class EditorView;
class PlayMarkerView;
class ShowRunningWindow;

class RenderController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(RenderController)

 public:
  // Wires the window's render and play commands; a child of the window.
  RenderController(EditorView& view, ProjectSession& session, EditSession& edits, MediaService& media);
  ~RenderController() override;

  bool rendering() const { return m_job.has_value(); }
  // Stops a running render (the batch and all its programs) and removes its
  // partial output; `tell` shows that it was cancelled. Nothing when idle.
  void cancelRender(bool tell);

 signals:
  // A render ended and its outcome was shown (and a selection played).
  void renderEnded();

 private:
  enum class Kind { Project, Selection };
  void connectCommands();
  void guarded(const std::function<void()>& command);
  void playSelection();
  void startRender(Kind kind, std::optional<ToolTrust> trust);
  void poll();
  void finish(RenderOutcome outcome);
  // Asks about each program; the trust to render again with, or nothing
  // when the user cancelled.
  std::optional<ToolTrust> askAboutTools(const std::vector<UntrustedTool>& tools, ToolTrust trust);
  ToolTrust currentTrust();
  void showOutcome(const RenderOutcome& outcome);
  void setRenderCommandsEnabled(bool enabled);
  // Ends the job's polling and hands the window back; the running window
  // closes without cancelling.
  void endJob();
  // Follows the selection render's playback with the marker on the roll.
  void followPlayback();
  void moveMarker();

  EditorView& m_view;
  ProjectSession& m_session;
  EditSession& m_edits;
  MediaService& m_media;
  PlaybackCommands m_playback;
  std::optional<RenderJob> m_job;
  Kind m_kind = Kind::Selection;
  bool m_retried = false;            // the render was started again after the trust question
  bool m_trustProblemShown = false;  // a damaged trust file is reported once
  QTimer m_poll;
  QElapsedTimer m_clock;
  QPointer<ShowRunningWindow> m_running;  // deletes itself once closed
  PlayMarkerView* m_marker = nullptr;
  QTimer m_markerTimer;
  int m_playedFirst = 0;  // the notes of the last selection render
  int m_playedLast = -1;
  std::string m_renderedSelection;  // selectionSnapshot of the last selection render
};

}  // namespace ruvo::gui
