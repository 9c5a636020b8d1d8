#include "gui/editor/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ruvo::gui {

namespace {

struct Item {
  const char* name;      // "-" for a separator, ">" opens a submenu, "<" closes it
  const char* caption;
  const char* shortcut;  // "" for none
  bool enabled;
};

struct Menu {
  const char* name;
  const char* caption;
  std::vector<Item> items;
};

const Item kSeparator{"-", "", "", true};

// The commands of the editing, playback, rendering, voice-bank and
// note-property work are wired in by their own controllers; until then
// their items are disabled.
const std::vector<Menu>& menuTable() {
  static const std::vector<Menu> menus = {
      {"mnFile", "ファイル(&F)",
       {{"mnNew", "新規(&N)...", "", true},
        {"mnOpen", "開く(&O)...", "", true},
        {"mnSave", "保存(&S)", "Ctrl+S", true},
        {"mnSaveAt", "名前をつけて保存(&A)...", "", true},
        kSeparator,
        {"mnAppendLoad", "追加で読込む(&P)...", "", true},
        kSeparator,
        {"mnImport", "インポート(&I)...", "", true},
        kSeparator,
        {"mnQuit", "終了(&Q)", "", true}}},
      {"mnEdit", "編集(&E)",
       {{"mnUndo", "元に戻す(&U)", "Ctrl+Z", false},
        kSeparator,
        {"mnCut", "切り取り(&T)", "Ctrl+X", false},
        {"mnCopy", "コピー(&C)", "Ctrl+C", false},
        {"mnPaste", "貼り付け(&P)", "Ctrl+V", false},
        {"mnDelete", "削除(&K)", "Shift+Del", false},
        kSeparator,
        {"mnSelectAll", "全て選択(&A)", "Ctrl+A", false},
        kSeparator,
        {"mnInsert", "Rを挿入(&I)", "Ctrl+R", false},
        kSeparator,
        {"mnMoveUp", "選択部分を上へ移動(&U)", "", false},
        {"mnMoveDown", "選択部分を下へ移動(&D)", "", false},
        {"mnMoveNote", "選択部分を数値で移動(&N)...", "", false},
        kSeparator,
        {"mnNoteMerge", "ノート結合(&M)", "Ctrl+U", false},
        kSeparator,
        {"mnQuontize", "クォンタイズ(&Q)...", "", false},
        {"mnRemoveR", "休符の除去(&J)...", "", false},
        kSeparator,
        {"mnPropRange", "選択部分のﾌﾟﾛﾊﾟﾃｨ(&R)...", "Ctrl+E", false}}},
      {"mnView", "表示(&V)",
       {{"mnZoomIn", "拡大(&I)", "", true},
        {"mnZoomOut", "縮小(&O)", "", true},
        kSeparator,
        {"mnGotoTop", "先頭へ移動(&T)", "", true},
        {"mnGotoEnd", "最後へ移動(&E)", "", true},
        kSeparator,
        {"mnInsertFrom", "音リストを表示(&L)...", "Ctrl+F", false},
        kSeparator,
        {"mnHightSmall", "縦幅（小)(&S)", "", true},
        {"mnHeightMid", "縦幅（中）(&M)", "", true},
        {"mnHeightLarge", "縦幅（大）(&L)", "", true}}},
      {"mnProject", "プロジェクト(&P)",
       {{"mnGenerate", "wavファイルを生成(&G)...", "", false},
        kSeparator,
        {">", "生成ファイルを再生(&P)...", "", true},
        {"mnMCIPlay", "聞く(&P)", "", false},
        {"mnMCIPause", "一時停止(&A)", "", false},
        {"mnMCIStop", "停止(&S)", "", false},
        {"<", "", "", true},
        kSeparator,
        {"mnProjSetting", "プロジェクトのプロパティ(&R)", "", false}}},
      {"mnPlay", "再生(&P)",
       {{"mnPlayTemp", "選択部分を再生(&O)", "F5", false},
        {"mnPlayAgain", "もう一度再生(&R)", "Shift+F5", false},
        {"mnPauseTemp", "一時停止(&P)", "F6", false},
        {"mnStopTemp", "停止(&O)", "F7", false},
        kSeparator,
        {"mnTempSaveAt", "今聞いたのを保存(S)...", "", false}}},
      {"mnTool", "ツール(&T)",
       {{"mnEditAlias", "原音の設定(&S)...", "Ctrl+G", false},
        kSeparator,
        {"mnOptions", "オプション(&O)...", "", false}}},
      {"mnHelp", "ヘルプ(&H)",
       {{"mnShowReadme", "&ReadMe.txt...", "", true}, {"mnVersion", "バージョン(&V)...", "", true}}},
      {"mnTest", "テスト",
       {{"mnToneGen", "生成・再生♪", "", false},
        {"mnTonePlay", "再生のみ♪", "", false},
        kSeparator,
        {"mnToneCut", "切り取り", "", false},
        {"mnToneCpy", "コピー", "", false},
        {"mnTonePaste", "貼り付け", "", false},
        kSeparator,
        {"mnToneDel", "削除", "", false},
        kSeparator,
        {"mnToneProp", "プロパティ", "", false}}},
      {"mnTest2", "テスト２",
       {{"mnWordList", "音リスト...", "", false},
        {"mnToneIns", "挿入...", "", false},
        kSeparator,
        {"mnSelectAll2", "全て選択", "", false},
        {"mnReleaseSelect", "選択解除", "", false}}},
  };
  return menus;
}

QMenu* fillMenu(QMenu* menu, const Menu& table, MainMenus& menus, QObject* owner) {
  QMenu* target = menu;
  for (const Item& item : table.items) {
    const QString name = QString::fromUtf8(item.name);
    if (name == QLatin1String("-")) {
      target->addSeparator();
    } else if (name == QLatin1String(">")) {
      target = menu->addMenu(QString::fromUtf8(item.caption));
      target->setObjectName(QStringLiteral("mnPlayGenerated"));
    } else if (name == QLatin1String("<")) {
      target = menu;
    } else {
      auto* action = new QAction(QString::fromUtf8(item.caption), owner);
      action->setObjectName(name);
      if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
      action->setEnabled(item.enabled);
      target->addAction(action);
      menus.actions.insert(name, action);
    }
  }
  return menu;
}

}  // namespace

MainMenus buildMainMenus(QMenuBar* bar, QObject* owner) {
  MainMenus menus;
  for (const Menu& table : menuTable()) {
    const QString name = QString::fromUtf8(table.name);
    const bool popup = name.startsWith(QLatin1String("mnTest"));
    QMenu* menu = popup ? new QMenu(QString::fromUtf8(table.caption), bar) : bar->addMenu(QString::fromUtf8(table.caption));
    menu->setObjectName(name);
    fillMenu(menu, table, menus, owner);
    if (name == QLatin1String("mnFile")) menus.file = menu;
    if (name == QLatin1String("mnTest")) menus.notePopup = menu;
    if (name == QLatin1String("mnTest2")) menus.rollPopup = menu;
  }
  menus.quit = menus.action(QStringLiteral("mnQuit"));
  QAction* height = menus.action(QStringLiteral("mnHeightMid"));
  for (const char* item : {"mnHightSmall", "mnHeightMid", "mnHeightLarge"})
    menus.action(QString::fromUtf8(item))->setCheckable(true);
  height->setChecked(true);
  // Delete alone deletes the selection too, as in every editor; a focused
  // text box still takes it for its text.
  QAction* remove = menus.action(QStringLiteral("mnDelete"));
  remove->setShortcuts({remove->shortcut(), QKeySequence(Qt::Key_Delete)});
  return menus;
}

void rebuildHistoryMenu(MainMenus& menus, const QStringList& paths) {
  for (QAction* action : menus.history) {
    menus.file->removeAction(action);
    action->deleteLater();
  }
  menus.history.clear();
  if (paths.isEmpty()) return;
  // The items go between "インポート" and the separator above "終了".
  QList<QAction*> items = menus.file->actions();
  QAction* before = items.at(items.indexOf(menus.quit) - 1);
  auto* separator = new QAction(menus.file);
  separator->setSeparator(true);
  separator->setObjectName(QStringLiteral("mnHistory"));
  menus.file->insertAction(before, separator);
  menus.history << separator;
  for (qsizetype i = 0; i < paths.size(); ++i) {
    auto* action = new QAction(paths[i], menus.file);
    action->setObjectName(QStringLiteral("mnHistory"));
    action->setData(static_cast<int>(i));
    menus.file->insertAction(before, action);
    menus.history << action;
  }
}

}  // namespace ruvo::gui
