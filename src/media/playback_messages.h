#pragma once
// The texts the play commands show the user.

#include <string_view>

namespace ruvo::playback_messages {

// Saving an unsaved project comes first, as it does before a render.
constexpr std::string_view kSaveFirst = "このコマンドを実行する前にプロジェクトを保存してください。";
constexpr std::string_view kNotGenerated = "wavファイルが生成されていません。";
// Precedes the reason when a rendered file cannot be played.
constexpr std::string_view kCannotPlay = "再生できません。\n";
constexpr std::string_view kSaveRenderTitle = "今聞いたのを保存";
constexpr std::string_view kSaveRenderFilter = "wavファイル(*.wav)|*.wav|すべてのファイル(*.*)|*.*";

}  // namespace ruvo::playback_messages
