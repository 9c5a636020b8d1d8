#pragma once
// The texts the project life cycle shows and the file filters of its
// dialogs ("description|patterns|..." pairs).

#include <string_view>

namespace ruvo {

constexpr std::string_view kSavePromptText = "プロジェクトは変更されています。変更を保存しますか？";
constexpr std::string_view kMissingHistoryText = "ファイルは移動されたか削除されています";
constexpr std::string_view kBadImportText = "ファイル形式が正しくありません。";
constexpr std::string_view kMissingVoiceFolderText = "音声フォルダが見つかりません: ";  // the folder follows
constexpr std::string_view kBoundedValuesText = "範囲外の値を直しました:";  // one line per value follows
constexpr std::string_view kProductTitle = "ＲＵＶＯ";
constexpr std::string_view kNewOutputFile = "newfile.wav";
// A file that holds no line of a project and no note; its path follows on
// the next line.
constexpr std::string_view kNotAProjectText = "このファイルはプロジェクトではありません。";
// First lines of a failure whose details (from the system, in its own
// words) follow on the next lines.
constexpr std::string_view kOpenFailedText = "ファイルを開けませんでした。";
constexpr std::string_view kSaveFailedText = "保存できませんでした。";
constexpr std::string_view kVoiceBankFailedText = "音声フォルダを読めませんでした。";
constexpr std::string_view kSettingsFailedText = "設定を保存できませんでした。";
// The help menu's ReadMe: none found (the places looked in follow, one a
// line), or no program to show it (its path follows).
constexpr std::string_view kNoReadmeText = "説明書が見つかりません。次の場所を探しました:";
constexpr std::string_view kNoViewerText = "説明書を開くプログラムがありません。";
constexpr std::string_view kCacheFailedText = "キャッシュを整理できませんでした。";

constexpr std::string_view kProjectFilter =
    "プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル(*.*)|*.*";
constexpr std::string_view kAppendFilter =
    "プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル|*.*";
constexpr std::string_view kImportFilter = "SMF形式ファイル(*.smf,*.mid)|*.smf;*.mid|VSQ形式ファイル(*.vsq)|*.vsq";

}  // namespace ruvo
