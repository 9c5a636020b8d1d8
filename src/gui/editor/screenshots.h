#pragma once
// Pictures of the window and its dialogs for the documentation, taken by
// `ruvo --screenshot DIR` in the language of the installed translators: the
// main window (1024x640) as it stands with the file given on the command
// line, a band swept across the roll, and every dialog the editor shows.

#include <QString>

namespace ruvo::gui {

class EditorParts;

// Saves main_window.png, roll_band_sweep.png, form3.png (project
// properties), options_general.png, options_voice_banks.png,
// options_cache.png, options_paths.png, note_property.png (the first sung note),
// pitch_editor.png, select_track.png, edit_box.png, trust_tool.png,
// running.png, about.png, save_prompt.png, sound_list.png,
// frequency_table.png (the first recording of the bank with a table),
// oto_settings_dialog.png and sample_editor_dialog.png into the folder.
// Returns the program's exit status.
int saveScreenshots(EditorParts& editor, const QString& folder);

}  // namespace ruvo::gui
