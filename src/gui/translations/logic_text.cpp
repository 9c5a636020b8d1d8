#include "gui/translations/logic_text.h"

#include <cstring>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace ruvo::gui {

namespace {

constexpr const char* kContext = "LogicText";

struct Entry {
  const char* source;
  // The placeholders whose parts are catalogue texts themselves, looked up
  // again ("13"); every other part is data, shown as it is.
  const char* translatedParts = "";
  bool insideOnly = false;  // only matches a part of another entry
};

// Patterns are tried in order, so a pattern comes before the ones that
// would match inside its parts.
const std::vector<Entry>& catalogue() {
  static const std::vector<Entry> entries = {
      // the session: saving, opening, importing
      {QT_TRANSLATE_NOOP("LogicText", "プロジェクトは変更されています。変更を保存しますか？")},
      {QT_TRANSLATE_NOOP("LogicText", "ファイルは移動されたか削除されています")},
      {QT_TRANSLATE_NOOP("LogicText", "ファイル形式が正しくありません。")},
      {QT_TRANSLATE_NOOP("LogicText", "ファイル形式が正しくありません")},
      {QT_TRANSLATE_NOOP("LogicText", "ＲＵＶＯ")},
      {QT_TRANSLATE_NOOP("LogicText", "新規プロジェクト - ＲＵＶＯ")},
      {QT_TRANSLATE_NOOP("LogicText", "新規プロジェクト (%1) - ＲＵＶＯ")},
      {QT_TRANSLATE_NOOP("LogicText", "%1 - ＲＵＶＯ")},
      {QT_TRANSLATE_NOOP("LogicText", "予期せぬエラー")},
      {QT_TRANSLATE_NOOP(
          "LogicText",
          "プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル(*.*)|*.*")},
      {QT_TRANSLATE_NOOP("LogicText",
                         "プロジェクトバッチファイル(*.bat)|*.bat|RUVO形式ファイル(*.wsq)|*.wsq|すべてのファイル|*.*")},
      {QT_TRANSLATE_NOOP("LogicText", "SMF形式ファイル(*.smf,*.mid)|*.smf;*.mid|VSQ形式ファイル(*.vsq)|*.vsq")},
      {QT_TRANSLATE_NOOP("LogicText", "音声フォルダが見つかりません: %1")},
      {QT_TRANSLATE_NOOP("LogicText", "範囲外の値を直しました:")},
      {QT_TRANSLATE_NOOP("LogicText", "ノート%1「%2」の長さ %3 → %4")},
      {QT_TRANSLATE_NOOP("LogicText", "ノート%1「%2」のキー %3 → %4")},
      {QT_TRANSLATE_NOOP("LogicText", "作業フォルダを作成できません。")},
      {QT_TRANSLATE_NOOP("LogicText", "このファイルはプロジェクトではありません。")},
      {QT_TRANSLATE_NOOP("LogicText", "ファイルを開けませんでした。")},
      {QT_TRANSLATE_NOOP("LogicText", "保存できませんでした。")},
      {QT_TRANSLATE_NOOP("LogicText", "音声フォルダを読めませんでした。")},
      {QT_TRANSLATE_NOOP("LogicText", "設定を保存できませんでした。")},
      {QT_TRANSLATE_NOOP("LogicText", "キャッシュを整理できませんでした。")},
      {QT_TRANSLATE_NOOP("LogicText", "説明書が見つかりません。次の場所を探しました:")},
      {QT_TRANSLATE_NOOP("LogicText", "説明書を開くプログラムがありません。")},
      // values out of range: the tempo box, the boxes of the note properties
      {QT_TRANSLATE_NOOP("LogicText", "テンポ「%1」は使えません。%2から%3までの数を入力してください。")},
      {QT_TRANSLATE_NOOP("LogicText", "%1「%2」は使えません。%3から%4までの数を入力してください。"), "1"},
      {QT_TRANSLATE_NOOP("LogicText", "長さ"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "先行発声"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "音量"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "モジュレーション"), "", true},
      // editing: the undo captions and the input boxes
      {QT_TRANSLATE_NOOP("LogicText", "元に戻す(&U)")},
      {QT_TRANSLATE_NOOP("LogicText", "%1を元に戻す(&U)"), "1"},
      {QT_TRANSLATE_NOOP("LogicText", "やり直し(&R)")},
      {QT_TRANSLATE_NOOP("LogicText", "%1をやり直し(&R)"), "1"},
      {QT_TRANSLATE_NOOP("LogicText", "ノートの変更"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "ノートの貼付け"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "ノートの削除"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "休符の挿入"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "ノートの挿入"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "キーの変更"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "ノート結合"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "クォンタイズ"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "休符の除去"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "歌詞"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "挿入"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "歌詞の置換え"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "歌詞の変更"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "プロパティ"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "挿入する音を入力")},
      {QT_TRANSLATE_NOOP("LogicText", "移動量を半音単位で入力")},
      {QT_TRANSLATE_NOOP("LogicText", "クォンタイズ単位の入力")},
      {QT_TRANSLATE_NOOP("LogicText", "入力値以下の休符を除去します")},
      // settings and the dialogs over them
      {QT_TRANSLATE_NOOP("LogicText", "wavファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*")},
      {QT_TRANSLATE_NOOP("LogicText", "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*")},
      {QT_TRANSLATE_NOOP("LogicText", "WAV作成時の中間ファイルを全て削除しました。")},
      {QT_TRANSLATE_NOOP("LogicText", "次の中間ファイルを削除できませんでした:")},
      {QT_TRANSLATE_NOOP("LogicText", "ほか%1個")},
      {QT_TRANSLATE_NOOP("LogicText", "期限の設定が不正")},
      {QT_TRANSLATE_NOOP("LogicText", "上限の設定が不正")},
      {QT_TRANSLATE_NOOP("LogicText", "選んだプログラムを信頼するプログラムの一覧に記録できませんでした。")},
      // rendering and playback
      {QT_TRANSLATE_NOOP("LogicText", "このコマンドを実行する前にプロジェクトを保存してください。")},
      {QT_TRANSLATE_NOOP("LogicText", "何も作成されていません。")},
      {QT_TRANSLATE_NOOP("LogicText", "wavファイルの生成を中止しました。")},
      {QT_TRANSLATE_NOOP(
          "LogicText",
          "音声フォルダが設定されていません。プロジェクトの設定で音声ファイルの場所を設定してください。")},
      {QT_TRANSLATE_NOOP("LogicText", "%1を作成しました。")},
      {QT_TRANSLATE_NOOP("LogicText", "wavファイルの生成に失敗しました。設定を確認してください。")},
      {QT_TRANSLATE_NOOP("LogicText", "プロジェクトのファイルパスが不正です。")},
      {QT_TRANSLATE_NOOP("LogicText", "選択部分がありません。")},
      {QT_TRANSLATE_NOOP("LogicText", "プロジェクトの仮作成に失敗しました。設定を確認してください。")},
      {QT_TRANSLATE_NOOP("LogicText", "wavファイルが生成されていません。")},
      {QT_TRANSLATE_NOOP("LogicText", "再生できません。")},
      {QT_TRANSLATE_NOOP("LogicText", "今聞いたのを保存")},
      {QT_TRANSLATE_NOOP("LogicText", "wavファイル(*.wav)|*.wav|すべてのファイル(*.*)|*.*")},
      {QT_TRANSLATE_NOOP("LogicText", "wavファイル|*.wav|すべてのファイル|*.*")},
      {QT_TRANSLATE_NOOP("LogicText", "信頼したプログラムの一覧を読めません。一覧のプログラムは信頼しません。")},
      {QT_TRANSLATE_NOOP("LogicText", "信頼したプログラムの一覧を保存できません。")},
      {QT_TRANSLATE_NOOP("LogicText", "サウンドデバイスを開けません（%1: %2）")},
      {QT_TRANSLATE_NOOP("LogicText", "「%1」は開かれていません。")},
      {QT_TRANSLATE_NOOP("LogicText", "このプロジェクトは次のプログラムを実行します（%1用）。"), "1"},
      {QT_TRANSLATE_NOOP("LogicText", "WAVの結合"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "音程と長さの変換"), "", true},
      {QT_TRANSLATE_NOOP("LogicText", "設定したことのないプログラムです。信頼できる場合だけ実行してください。")},
      // voice banks: the voice-bank settings and frequency tables
      {QT_TRANSLATE_NOOP("LogicText", "原音設定")},
      {QT_TRANSLATE_NOOP("LogicText", "予期しないエラー")},
      {QT_TRANSLATE_NOOP("LogicText", "選択したエントリを削除します。")},
      {QT_TRANSLATE_NOOP("LogicText", "削除するとパラメータがクリアされますが、ファイルは削除しません。")},
      {QT_TRANSLATE_NOOP("LogicText", "選択した%1個の原音の周波数表を再作成します。")},
      {QT_TRANSLATE_NOOP("LogicText", "「%1」の周波数表を再作成します。")},
      {QT_TRANSLATE_NOOP("LogicText", "%1の周波数表を更新しました。")},
      {QT_TRANSLATE_NOOP("LogicText", "%1の周波数表を更新出来ませんでした。")},
      {QT_TRANSLATE_NOOP("LogicText", "ファイルに書き込んでいません。変更を破棄してよろしいですか？")},
      // the notes a render left without sound: " 1「あ」、2「い」 ほか3個"
      {QT_TRANSLATE_NOOP("LogicText", "次のノートの音は作成されませんでした:%1"), "1"},
      {QT_TRANSLATE_NOOP("LogicText", "%1 ほか%2個"), "1", true},
      {QT_TRANSLATE_NOOP("LogicText", "%1「%2」、%3"), "3", true},
      {QT_TRANSLATE_NOOP("LogicText", "%1「%2」"), "", true},
  };
  return entries;
}

// "%1 ほか%2個" -> ^(.+?) ほか(.+?)個$, with the placeholder numbers in order.
QRegularExpression patternOf(const QString& source, QList<int>& order) {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  QString pattern = QStringLiteral("^");
  qsizetype at = 0;
  for (auto match = placeholder.globalMatch(source); match.hasNext();) {
    auto found = match.next();
    pattern += QRegularExpression::escape(source.mid(at, found.capturedStart() - at)) + QStringLiteral("(.+?)");
    order << found.captured(1).toInt();
    at = found.capturedEnd();
  }
  pattern += QRegularExpression::escape(source.mid(at)) + QStringLiteral("$");
  return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

struct Compiled {
  const Entry* entry;
  QString source;
  QRegularExpression pattern;  // invalid for a text without placeholders
  QList<int> order;
};

const std::vector<Compiled>& compiled() {
  static const std::vector<Compiled> list = [] {
    std::vector<Compiled> out;
    for (const Entry& entry : catalogue()) {
      Compiled c{&entry, QString::fromUtf8(entry.source), {}, {}};
      if (c.source.contains(QLatin1Char('%'))) c.pattern = patternOf(c.source, c.order);
      out.push_back(std::move(c));
    }
    return out;
  }();
  return list;
}

QString translateLine(const QString& line, bool inside) {
  for (const Compiled& c : compiled()) {
    if (c.entry->insideOnly && !inside) continue;
    if (c.order.isEmpty()) {
      if (line == c.source) return QCoreApplication::translate(kContext, c.entry->source);
      continue;
    }
    const auto match = c.pattern.match(line);
    if (!match.hasMatch()) continue;
    QString text = QCoreApplication::translate(kContext, c.entry->source);
    QStringList parts(c.order.size() + 1);
    for (qsizetype i = 0; i < c.order.size(); ++i) {
      const QString part = match.captured(static_cast<int>(i) + 1);
      const bool translated = std::strchr(c.entry->translatedParts, '0' + c.order[i]) != nullptr;
      parts[c.order[i]] = translated ? translateLine(part, true) : part;
    }
    // One pass over the translation, so a filled-in "%2" is never taken for a placeholder.
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    QString out;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
      auto found = it.next();
      const int n = found.captured(1).toInt();
      out += text.mid(at, found.capturedStart() - at) + (n < parts.size() ? parts[n] : found.captured());
      at = found.capturedEnd();
    }
    return out + text.mid(at);
  }
  return line;
}

}  // namespace

QString logicText(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) line = translateLine(line, false);
  return lines.join(QLatin1Char('\n'));
}

QString logicText(std::string_view text) {
  return logicText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QString logicText(const char* text) { return logicText(std::string_view(text)); }

std::vector<const char*> logicCatalogue() {
  std::vector<const char*> sources;
  for (const Entry& entry : catalogue()) sources.push_back(entry.source);
  return sources;
}

}  // namespace ruvo::gui
