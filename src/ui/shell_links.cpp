#include "ui/shell_links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "language/language.h"

namespace zova::ui {

void OpenUrl(QWidget* /*owner*/, const QString& address) {
    // Hands over to the desktop and returns at once; the outcome is the desktop's.
    QDesktopServices::openUrl(QUrl(address));
}

namespace {

QString HelpFileNamed(const QString& name) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(programDir.filePath(QStringLiteral("../share/zovamagnetic/help/") + name));
    if (QFileInfo::exists(installed)) return installed;
    return programDir.filePath(name);
}

}  // namespace

QString HelpFilePath() {
    // An English reader without the English page is better served by the Chinese one than by none.
    if (CurrentLanguage() == Language::English) {
        const QString english = HelpFileNamed(QStringLiteral("help-en.html"));
        if (QFileInfo::exists(english)) return english;
    }
    return HelpFileNamed(QStringLiteral("help.html"));
}

void ShowHelpContents(QWidget* /*owner*/) {
    const QString path = HelpFilePath();
    if (QFileInfo::exists(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace zova::ui
