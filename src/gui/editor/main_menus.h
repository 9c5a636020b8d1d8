#pragma once
// The main window's menu bar, its history items and the two popup menus,
// built from one table of object names, captions and shortcuts. Items whose
// commands are not in the editor yet stay present and disabled.

#include <QHash>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace ruvo::gui {

struct MainMenus {
  QHash<QString, QAction*> actions;  // by object name
  QMenu* file = nullptr;
  QMenu* notePopup = nullptr;  // "テスト"
  QMenu* rollPopup = nullptr;  // "テスト２"
  QAction* quit = nullptr;     // history items go before the separator above it
  QList<QAction*> history;

  QAction* action(const QString& name) const { return actions.value(name); }
};

MainMenus buildMainMenus(QMenuBar* bar, QObject* owner);

// Rebuilds the history items: a separator, then one item per path (each
// named mnHistory, its data the index); nothing while the list is empty.
void rebuildHistoryMenu(MainMenus& menus, const QStringList& paths);

}  // namespace ruvo::gui
