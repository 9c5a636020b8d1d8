#pragma once
// Pictures of the window and its dialogs for the documentation, taken by
// `ruvo --screenshot DIR`: the main window as it stands (with the file given
// on the command line), a band swept across the roll, the project-properties
// form, the track selection, the about box, the save prompt, the voice-bank
// settings dialog and the sample editor.

#include <QString>

namespace ruvo::gui {

class MainWindow;

// Saves main_window.png, roll_band_sweep.png, form3.png, select_track.png,
// about.png, save_prompt.png, oto_settings_dialog.png and
// sample_editor_dialog.png into the folder. Returns the program's exit status.
int saveScreenshots(MainWindow& window, const QString& folder);

}  // namespace ruvo::gui
