#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zova::ui {

// The library speaks UTF-8; Qt speaks QString.
inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string u8(const QString& s) { return s.toStdString(); }

}  // namespace zova::ui
