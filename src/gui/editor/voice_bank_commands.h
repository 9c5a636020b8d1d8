#pragma once
// The window's voice-bank command "原音の設定" (mnEditAlias, Ctrl+G): the
// settings dialog over the project's voice folder, pre-selecting the lyric
// of the note at the selection start, with the project's cache folder for
// stale notes; afterwards the alias table is loaded again, whichever button
// closed the dialog.

#include "editor/project_session.h"
#include "media/media_service.h"

namespace ruvo::gui {

class EditorView;

// Connects mnEditAlias and enables it; the dialog previews through `media`.
void connectVoiceBankCommands(EditorView& view, ProjectSession& session, MediaService& media);

}  // namespace ruvo::gui
