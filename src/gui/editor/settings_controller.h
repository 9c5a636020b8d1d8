#pragma once
// The two settings commands of the window: "オプション" (mnOptions, the
// options dialog over the global settings) and "プロジェクトのプロパティ"
// (mnProjSetting, the project-property dialog over the open project). Tool
// paths the user picks or types in either become trusted programs.

#include <QObject>

namespace ruvo::gui {

class MainWindow;

class SettingsController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SettingsController)

 public:
  explicit SettingsController(MainWindow& window);

  void editOptions();
  void editProjectProperties();

 private:
  MainWindow& m_window;
};

}  // namespace ruvo::gui
