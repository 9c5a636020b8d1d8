#pragma once
// The one way GUI tests find a widget: by the objectName the editor gives it.
// A missing widget fails the test and comes back null.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace ruvo::testing {

template <typename T>
T* child(const QObject* parent, const char* name) {
  T* found = parent->findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(found, nullptr) << "no " << name;
  return found;
}

template <typename T>
T* child(const QObject& parent, const char* name) {
  return child<T>(&parent, name);
}

}  // namespace ruvo::testing
