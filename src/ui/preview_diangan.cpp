// Shows the inductance calculator on its own, for trying it out and for
// screenshots. ZOVA_PREVIEW_DEMO=1 fills it in as a user would (search "ktb13",
// core KTB130060, 50 turns, 5 A, 2 cores); ZOVA_PREVIEW_SHOT=<file.png> saves
// the window to that file once it is on screen and quits.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "catalogue/catalogue.h"
#include "ui/frm_diangan.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zova::FillCoreCatalogue();
    zova::FillCoreDimensions();

    zova::ui::FrmDiangan window;
    if (qEnvironmentVariable("ZOVA_PREVIEW_DEMO") == QLatin1String("1")) {
        window.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(QStringLiteral("ktb13"));
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstCoreList"));
        const QList<QListWidgetItem*> core = list->findItems(QStringLiteral("KTB130060"), Qt::MatchExactly);
        if (!core.isEmpty()) list->setCurrentItem(core.first());
        window.findChild<QLineEdit*>(QStringLiteral("txtXianquanN"))->setText(QStringLiteral("50"));
        window.findChild<QLineEdit*>(QStringLiteral("txtDianliu"))->setText(QStringLiteral("5"));
        window.findChild<QComboBox*>(QStringLiteral("cmbCoreCount"))->setCurrentIndex(1);
    }
    window.show();

    const QString shot = qEnvironmentVariable("ZOVA_PREVIEW_SHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(500, &window, [&] {
            window.grab().save(shot);
            app.quit();
        });
    }
    return app.exec();
}
