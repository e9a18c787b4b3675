#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace zova::ui {

// Images stored with the windows (Qt resources under :/images).
inline QPixmap LogoPixmap() { return QPixmap(QStringLiteral(":/images/logo.jpg")); }
// The logo drawn for the About box's 84 x 34 picture box.
inline QPixmap SmallLogoPixmap() { return QPixmap(QStringLiteral(":/images/logo-small.jpg")); }
inline QIcon AppIcon() { return QIcon(QStringLiteral(":/images/app-icon.png")); }
// The hand pointer shown over link labels and the logo; hot spot at the fingertip.
inline QCursor LinkCursor() { return QCursor(QPixmap(QStringLiteral(":/images/hand-cursor.png")), 9, 1); }

}  // namespace zova::ui
