#include "ui/shell_links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>


namespace zova::ui {

void OpenUrl(QWidget* /*owner*/, const QString& address) {
    // Hands over to the desktop and returns at once; the outcome is the desktop's.
    QDesktopServices::openUrl(QUrl(address));
}

QString HelpFilePath() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString installed =
        QDir::cleanPath(programDir.filePath(QStringLiteral("../share/zovamagnetic/help/help.html")));
    if (QFileInfo::exists(installed)) return installed;
    return programDir.filePath(QStringLiteral("help.html"));
}

void ShowHelpContents(QWidget* /*owner*/) {
    const QString path = HelpFilePath();
    if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace zova::ui
