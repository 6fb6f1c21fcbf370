#pragma once
// The core keeps its texts as UTF-8 and its control names in Latin letters; the window shows
// them as QString.

#include <QString>
#include <string>
#include <string_view>

namespace vertal::ui {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's object name as the core spells it.
inline QString ControlName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

inline std::string ToStdString(const QString& text) {
  return text.toStdString();
}

}  // namespace vertal::ui
