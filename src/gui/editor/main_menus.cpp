#include "gui/editor/main_menus.h"

#include <QAction>
#include <QCoreApplication>
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
// note-property work start disabled: their controllers enable the items they
// wire, so an item nothing answers stays grey.
const std::vector<Menu>& menuTable() {
  static const std::vector<Menu> menus = {
      {"mnFile", QT_TRANSLATE_NOOP("MainMenus", "ファイル(&F)"),
       {{"mnNew", QT_TRANSLATE_NOOP("MainMenus", "新規(&N)..."), "", true},
        {"mnOpen", QT_TRANSLATE_NOOP("MainMenus", "開く(&O)..."), "", true},
        {"mnSave", QT_TRANSLATE_NOOP("MainMenus", "保存(&S)"), "Ctrl+S", true},
        {"mnSaveAt", QT_TRANSLATE_NOOP("MainMenus", "名前をつけて保存(&A)..."), "", true},
        kSeparator,
        {"mnAppendLoad", QT_TRANSLATE_NOOP("MainMenus", "追加で読込む(&P)..."), "", true},
        kSeparator,
        {"mnImport", QT_TRANSLATE_NOOP("MainMenus", "インポート(&I)..."), "", true},
        kSeparator,
        {"mnQuit", QT_TRANSLATE_NOOP("MainMenus", "終了(&Q)"), "", true}}},
      {"mnEdit", QT_TRANSLATE_NOOP("MainMenus", "編集(&E)"),
       {{"mnUndo", QT_TRANSLATE_NOOP("MainMenus", "元に戻す(&U)"), "Ctrl+Z", false},
        {"mnRedo", QT_TRANSLATE_NOOP("MainMenus", "やり直し(&R)"), "Ctrl+Y", false},
        kSeparator,
        {"mnCut", QT_TRANSLATE_NOOP("MainMenus", "切り取り(&T)"), "Ctrl+X", false},
        {"mnCopy", QT_TRANSLATE_NOOP("MainMenus", "コピー(&C)"), "Ctrl+C", false},
        {"mnPaste", QT_TRANSLATE_NOOP("MainMenus", "貼り付け(&P)"), "Ctrl+V", false},
        {"mnDelete", QT_TRANSLATE_NOOP("MainMenus", "削除(&K)"), "Shift+Del", false},
        kSeparator,
        {"mnSelectAll", QT_TRANSLATE_NOOP("MainMenus", "全て選択(&A)"), "Ctrl+A", false},
        kSeparator,
        {"mnInsert", QT_TRANSLATE_NOOP("MainMenus", "Rを挿入(&I)"), "Ctrl+R", false},
        kSeparator,
        {"mnMoveUp", QT_TRANSLATE_NOOP("MainMenus", "選択部分を上へ移動(&U)"), "", false},
        {"mnMoveDown", QT_TRANSLATE_NOOP("MainMenus", "選択部分を下へ移動(&D)"), "", false},
        {"mnMoveNote", QT_TRANSLATE_NOOP("MainMenus", "選択部分を数値で移動(&N)..."), "", false},
        kSeparator,
        {"mnNoteMerge", QT_TRANSLATE_NOOP("MainMenus", "ノート結合(&M)"), "Ctrl+U", false},
        kSeparator,
        {"mnQuontize", QT_TRANSLATE_NOOP("MainMenus", "クォンタイズ(&Q)..."), "", false},
        {"mnRemoveR", QT_TRANSLATE_NOOP("MainMenus", "休符の除去(&J)..."), "", false},
        kSeparator,
        {"mnPropRange", QT_TRANSLATE_NOOP("MainMenus", "選択部分のﾌﾟﾛﾊﾟﾃｨ(&R)..."), "Ctrl+E", false}}},
      {"mnView", QT_TRANSLATE_NOOP("MainMenus", "表示(&V)"),
       {{"mnZoomIn", QT_TRANSLATE_NOOP("MainMenus", "拡大(&I)"), "", true},
        {"mnZoomOut", QT_TRANSLATE_NOOP("MainMenus", "縮小(&O)"), "", true},
        kSeparator,
        {"mnGotoTop", QT_TRANSLATE_NOOP("MainMenus", "先頭へ移動(&T)"), "", true},
        {"mnGotoEnd", QT_TRANSLATE_NOOP("MainMenus", "最後へ移動(&E)"), "", true},
        kSeparator,
        {"mnInsertFrom", QT_TRANSLATE_NOOP("MainMenus", "音リストを表示(&L)..."), "Ctrl+F", false},
        kSeparator,
        {"mnHightSmall", QT_TRANSLATE_NOOP("MainMenus", "縦幅（小)(&S)"), "", true},
        {"mnHeightMid", QT_TRANSLATE_NOOP("MainMenus", "縦幅（中）(&M)"), "", true},
        {"mnHeightLarge", QT_TRANSLATE_NOOP("MainMenus", "縦幅（大）(&L)"), "", true}}},
      {"mnProject", QT_TRANSLATE_NOOP("MainMenus", "プロジェクト(&P)"),
       {{"mnGenerate", QT_TRANSLATE_NOOP("MainMenus", "wavファイルを生成(&G)..."), "", false},
        kSeparator,
        {">", QT_TRANSLATE_NOOP("MainMenus", "生成ファイルを再生(&P)..."), "", true},
        {"mnMCIPlay", QT_TRANSLATE_NOOP("MainMenus", "聞く(&P)"), "", false},
        {"mnMCIPause", QT_TRANSLATE_NOOP("MainMenus", "一時停止(&A)"), "", false},
        {"mnMCIStop", QT_TRANSLATE_NOOP("MainMenus", "停止(&S)"), "", false},
        {"<", "", "", true},
        kSeparator,
        {"mnProjSetting", QT_TRANSLATE_NOOP("MainMenus", "プロジェクトのプロパティ(&R)"), "", false}}},
      {"mnPlay", QT_TRANSLATE_NOOP("MainMenus", "再生(&P)"),
       {{"mnPlayTemp", QT_TRANSLATE_NOOP("MainMenus", "選択部分を再生(&O)"), "F5", false},
        {"mnPlayAgain", QT_TRANSLATE_NOOP("MainMenus", "もう一度再生(&R)"), "Shift+F5", false},
        {"mnPauseTemp", QT_TRANSLATE_NOOP("MainMenus", "一時停止(&P)"), "F6", false},
        {"mnStopTemp", QT_TRANSLATE_NOOP("MainMenus", "停止(&O)"), "F7", false},
        kSeparator,
        {"mnTempSaveAt", QT_TRANSLATE_NOOP("MainMenus", "今聞いたのを保存(S)..."), "", false}}},
      {"mnTool", QT_TRANSLATE_NOOP("MainMenus", "ツール(&T)"),
       {{"mnEditAlias", QT_TRANSLATE_NOOP("MainMenus", "原音の設定(&S)..."), "Ctrl+G", false},
        kSeparator,
        {"mnOptions", QT_TRANSLATE_NOOP("MainMenus", "オプション(&O)..."), "", false}}},
      {"mnHelp", QT_TRANSLATE_NOOP("MainMenus", "ヘルプ(&H)"),
       {{"mnShowReadme", "&ReadMe.txt...", "", true}, {"mnVersion", QT_TRANSLATE_NOOP("MainMenus", "バージョン(&V)..."), "", true}}},
      {"mnTest", QT_TRANSLATE_NOOP("MainMenus", "テスト"),
       {{"mnToneGen", QT_TRANSLATE_NOOP("MainMenus", "生成・再生♪"), "", false},
        {"mnTonePlay", QT_TRANSLATE_NOOP("MainMenus", "再生のみ♪"), "", false},
        kSeparator,
        {"mnToneCut", QT_TRANSLATE_NOOP("MainMenus", "切り取り"), "", false},
        {"mnToneCpy", QT_TRANSLATE_NOOP("MainMenus", "コピー"), "", false},
        {"mnTonePaste", QT_TRANSLATE_NOOP("MainMenus", "貼り付け"), "", false},
        kSeparator,
        {"mnToneDel", QT_TRANSLATE_NOOP("MainMenus", "削除"), "", false},
        kSeparator,
        {"mnToneProp", QT_TRANSLATE_NOOP("MainMenus", "プロパティ"), "", false}}},
      {"mnTest2", QT_TRANSLATE_NOOP("MainMenus", "テスト２"),
       {{"mnWordList", QT_TRANSLATE_NOOP("MainMenus", "音リスト..."), "", false},
        {"mnToneIns", QT_TRANSLATE_NOOP("MainMenus", "挿入..."), "", false},
        kSeparator,
        {"mnSelectAll2", QT_TRANSLATE_NOOP("MainMenus", "全て選択"), "", false},
        {"mnReleaseSelect", QT_TRANSLATE_NOOP("MainMenus", "選択解除"), "", false}}},
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
      target = menu->addMenu(QCoreApplication::translate("MainMenus", item.caption));
      target->setObjectName(QStringLiteral("mnPlayGenerated"));
    } else if (name == QLatin1String("<")) {
      target = menu;
    } else {
      auto* action = new QAction(QCoreApplication::translate("MainMenus", item.caption), owner);
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
    QMenu* menu = popup ? new QMenu(QCoreApplication::translate("MainMenus", table.caption), bar) : bar->addMenu(QCoreApplication::translate("MainMenus", table.caption));
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
  QAction* redo = menus.action(QStringLiteral("mnRedo"));
  redo->setShortcuts({redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
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
