#pragma once
// Answering modal dialogs in GUI tests: the test arms an action, then starts
// the command that opens the dialog; the action runs once the dialog shows.

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace ruvo::testing {

// Runs `act` on the next modal dialog, which must be named `name`.
inline void whenDialogOpens(const QString& name, std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [name, act] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->objectName(), name);
    act(dialog);
  });
}

}  // namespace ruvo::testing
