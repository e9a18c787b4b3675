#include <gtest/gtest.h>

#include <QApplication>

#include "catalogue/catalogue.h"

// Window tests need a QApplication, created here rather than during static
// initialisation (test discovery runs this binary at build time). Without a
// display they run on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zova::LoadCatalogue();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
