// Shows the core selection window on its own, for trying it out and for
// screenshots. ZOVA_PREVIEW_DEMO="current,inductance,stack" (e.g. "10,100,1")
// types the three inputs and presses "磁芯选型" once the window is on screen;
// ZOVA_PREVIEW_SHOT=<file.png> then saves the window to that file and quits.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "catalogue/catalogue.h"
#include "ui/frm_choise.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zova::FillCoreCatalogue();
    zova::FillCoreDimensions();

    zova::ui::FrmChoise window;
    window.show();

    const QStringList demo = qEnvironmentVariable("ZOVA_PREVIEW_DEMO").split(QLatin1Char(','));
    if (demo.size() == 3) {
        window.findChild<QLineEdit*>(QStringLiteral("txtDianliu"))->setText(demo[0]);
        window.findChild<QLineEdit*>(QStringLiteral("txtDianganliang"))->setText(demo[1]);
        window.findChild<QComboBox*>(QStringLiteral("cmbCoreCount"))->setEditText(demo[2]);
        QTimer::singleShot(100, window.findChild<QPushButton*>(QStringLiteral("cmdJiSuan")), &QPushButton::click);
    }

    const QString shot = qEnvironmentVariable("ZOVA_PREVIEW_SHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(800, &window, [&] {
            window.grab().save(shot);
            app.quit();
        });
    }
    return app.exec();
}
