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

constexpr std::string_view kProjectFilter =
    "プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル(*.*)|*.*";
constexpr std::string_view kAppendFilter =
    "プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル|*.*";
constexpr std::string_view kImportFilter = "SMF形式ファイル(*.smf,*.mid)|*.smf;*.mid|VSQ形式ファイル(*.vsq)|*.vsq";

}  // namespace ruvo
