#pragma once
// The texts a render shows the user.

#include <string_view>

namespace ruvo::render_messages {

constexpr std::string_view kSaveFirst = "このコマンドを実行する前にプロジェクトを保存してください。";
constexpr std::string_view kNothingCreated = "何も作成されていません。";
constexpr std::string_view kNoVoiceFolder =
    "音声フォルダが設定されていません。プロジェクトの設定で音声ファイルの場所を設定してください。";
constexpr std::string_view kMissingVoiceFolder = "音声フォルダが見つかりません: ";  // the folder follows
constexpr std::string_view kCreated = "を作成しました。";  // follows the output path
constexpr std::string_view kRenderCancelled = "wavファイルの生成を中止しました。";
constexpr std::string_view kRenderFailed = "wavファイルの生成に失敗しました。設定を確認してください。";
constexpr std::string_view kBadBatchPath = "プロジェクトのファイルパスが不正です。";
constexpr std::string_view kNoSelection = "選択部分がありません。";
constexpr std::string_view kTempProjectFailed = "プロジェクトの仮作成に失敗しました。設定を確認してください。";

}  // namespace ruvo::render_messages
