#pragma once
// The two file dialogs of the settings dialogs: naming a voice folder by
// picking one of its recordings, and picking a tool program. Both start in
// the chooser's own folder and leave it to the chooser to insist that the
// chosen file exists.

#include <optional>
#include <string>

#include "core/file_chooser.h"

namespace ruvo {

inline constexpr const char* kRecordingFilter = "wavファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*";
inline constexpr const char* kRecordingProposedName = "あ.wav";
inline constexpr const char* kToolFilter = "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*";

// The folder of the chosen recording (the path up to its last separator);
// empty when the user cancelled.
[[nodiscard]] std::optional<std::string> chooseVoiceFolder(FileChooser& chooser);

// The full path of the chosen program; empty when the user cancelled. The
// dialog starts on its every-file filter.
[[nodiscard]] std::optional<std::string> chooseToolProgram(FileChooser& chooser);

}  // namespace ruvo
