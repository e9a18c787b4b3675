#include "ui/shell_links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "commands/maker_info.h"
#include "ui/qt_text.h"

namespace zova::ui {

void OpenUrl(QWidget* /*owner*/, const QString& address) {
    // Hands over to the desktop and returns at once; the outcome is the desktop's.
    QDesktopServices::openUrl(QUrl(address));
}

QString HelpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(q(maker::kHelpFileName));
}

void ShowHelpContents(QWidget* /*owner*/) {
    const QString path = HelpFilePath();
    if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace zova::ui
