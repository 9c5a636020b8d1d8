#pragma once
// The window's voice-bank command "原音の設定" (mnEditAlias, Ctrl+G): the
// settings dialog over the project's voice folder, pre-selecting the lyric
// of the note at the selection start, with the project's cache folder for
// stale notes; afterwards the alias table is loaded again, whichever button
// closed the dialog.

namespace ruvo::gui {

class MainWindow;

// Connects mnEditAlias and enables it.
void connectVoiceBankCommands(MainWindow& window);

}  // namespace ruvo::gui
