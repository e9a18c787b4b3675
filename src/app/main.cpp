#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/images.h"
#include "ui/language.h"
#include "ui/mdi_main.h"

namespace {

// Without a display Qt stops with a message about its platform plugin, which
// tells a user nothing useful. Say what is missing and what to use instead.
bool DisplayAvailable(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) return true;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

// While QApplication connects to the display, Qt reports a display it cannot
// reach with a fatal message and an abort. Say it in one line and end with 1
// instead, as for a missing display; Qt's own details stay out of the way.
void FailedDisplayHandler(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr,
                 "zovamagnetic: cannot open the display (%s); use zovamagnetic-cli, or xvfb-run -a zovamagnetic\n",
                 qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                     ? qPrintable(QStringLiteral("DISPLAY=") + qEnvironmentVariable("DISPLAY"))
                     : qPrintable(QStringLiteral("QT_QPA_PLATFORM=") + qEnvironmentVariable("QT_QPA_PLATFORM")));
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable(argc, argv)) {
        std::fputs(
            "zovamagnetic: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "This is a windowed program. Without a display, use the command-line tool\n"
            "zovamagnetic-cli (see zovamagnetic-cli --help), or start the program under\n"
            "a virtual display: xvfb-run -a zovamagnetic\n",
            stderr);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(FailedDisplayHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setWindowIcon(zova::ui::AppIcon());
    // The windows in the language chosen last (Chinese at first), Qt's own
    // texts (file dialogs, the text boxes' and sub-windows' menus) with them,
    // whatever the desktop's language.
    zova::ui::ApplyLanguage(zova::ui::SavedLanguage());
    zova::ui::MDIMain mdiMain;
    mdiMain.show();
    return QApplication::exec();
}
