#pragma once
// The sound list frmFromList ("リストから挿入"): a modeless tool window
// beside the main window listing the recordings of the voice folder. A click
// previews a recording (unless "消音" is checked); a double-click inserts it
// as a note at its own pitch and length through the editing session, one
// undo step each, or with "置換" puts its name on the note at the cursor.
// The list and the tempo are taken once, when the window opens.

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "core/prompts.h"
#include "editor/edit_result.h"
#include "editor/edit_session.h"
#include "media/media_service.h"
#include "settings/settings.h"
#include "voicebank/sound_list.h"

class QCheckBox;
class QListWidget;

namespace ruvo::gui {

// What the sound list needs from its owner, all outliving the window.
struct SoundListServices {
  EditSession& edits;
  MediaService& media;
  Prompts& prompts;
  const Settings& settings;                           // DebugMode
};

class SoundListWindow final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SoundListWindow)

 public:
  // Lists `folder` and reads the tempo box's text for the estimates. The
  // window deletes itself when closed.
  SoundListWindow(const std::string& folder, const std::string& tempoBoxText, SoundListServices services,
                  QWidget* owner);

  double tempo() const { return m_tempo; }
  // The row last clicked or double-clicked; "" after none.
  const std::string& selectedName() const { return m_selectedName; }

 private:
  void guarded(const std::function<void()>& command);
  void preview(int row);
  void insert(int row);

  SoundListServices m_services;
  std::vector<SoundListEntry> m_entries;
  double m_tempo = kFallbackListTempo;
  std::string m_selectedName;
  QListWidget* m_list = nullptr;
  QCheckBox* m_replace = nullptr;
  QCheckBox* m_silent = nullptr;
};

}  // namespace ruvo::gui
