#pragma once
// Answering modal dialogs in GUI tests: the test arms an action, then starts
// the command that opens the dialog; the action runs once the dialog shows.

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace ruvo::testing {

// Runs `act` on the next modal dialog named `name`, looking for it every
// 10 ms. When no such dialog shows within `timeoutMs`, the test fails and
// whatever modal dialog is open is closed, so a test never hangs on one.
inline void whenDialogOpens(const QString& name, std::function<void(QWidget*)> act, int timeoutMs = 10000) {
  auto* timer = new QTimer;
  auto waited = std::make_shared<QElapsedTimer>();
  waited->start();
  QObject::connect(timer, &QTimer::timeout, [timer, waited, name, act, timeoutMs] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog && dialog->objectName() == name) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
      return;
    }
    if (waited->elapsed() < timeoutMs) return;
    timer->stop();
    timer->deleteLater();
    ADD_FAILURE() << "no modal dialog " << name.toStdString() << " within " << timeoutMs << " ms"
                  << (dialog ? "; open instead: " + dialog->objectName().toStdString() : std::string());
    if (auto* open = qobject_cast<QDialog*>(dialog)) {
      open->reject();
    } else if (dialog) {
      dialog->close();
    }
  });
  timer->start(10);
}

}  // namespace ruvo::testing
