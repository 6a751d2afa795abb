#pragma once
// Texts cross into the window as QString, which holds the same UTF-16 units.
#include <QString>
#include <string>

namespace velni {

inline QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }
inline std::u16string FromQString(const QString& text) { return text.toStdU16String(); }

}  // namespace velni
