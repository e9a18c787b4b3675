#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <unistd.h>

#include "catalogue/catalogue.h"

namespace {

// The offscreen platform's screen is 800 x 800 unless told otherwise: the
// windows are tested on the 1280 x 800 desktop they are laid out for, or on
// the size ZOVA_TEST_SCREEN names ("800x600").
QString ConfigureOffscreenScreen() {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return {};
    QByteArray size = qgetenv("ZOVA_TEST_SCREEN");
    if (size.isEmpty()) size = "1280x800";
    const QList<QByteArray> wh = size.split('x');
    if (wh.size() != 2) return {};
    const QString path = QDir::temp().filePath(QStringLiteral("zova-screen-%1.json").arg(::getpid()));
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    config.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )" + wh[0] + R"(, "height": )" + wh[1] +
                 R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
    return path;
}

}  // namespace

// Window tests need a QApplication, created here rather than during static
// initialisation (test discovery runs this binary at build time). Without a
// display they run on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString screenConfig = ConfigureOffscreenScreen();
    QApplication app(argc, argv);
    if (!screenConfig.isEmpty()) QFile::remove(screenConfig);  // read by now
    zova::LoadCatalogue();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
