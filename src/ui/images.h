#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace zova::ui {

// Images stored with the windows (Qt resources under :/images).
inline QPixmap LogoPixmap() { return QPixmap(QStringLiteral(":/images/logo.jpg")); }
inline QIcon AppIcon() { return QIcon(QStringLiteral(":/images/app-icon.png")); }
// The hand pointer shown over link labels and the logo; hot spot at the fingertip.
inline QCursor LinkCursor() { return QCursor(QPixmap(QStringLiteral(":/images/hand-cursor.png")), 9, 1); }

}  // namespace zova::ui
