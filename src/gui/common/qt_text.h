#pragma once
// UTF-8 std::string and QString, converted in one place.

#include <string>

#include <QString>

namespace ruvo::gui {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace ruvo::gui
