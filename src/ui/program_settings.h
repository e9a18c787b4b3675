#pragma once

#include <QSettings>
#include <memory>

namespace zova::ui {

// The program's settings: ~/.config/zova/zovamagnetic.ini (recent designs,
// the windows' language).
inline std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zova"),
                                       QStringLiteral("zovamagnetic"));
}

}  // namespace zova::ui
