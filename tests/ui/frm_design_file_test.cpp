// Designs kept as files from the workbench: save, reopen, the title's mark,
// the question on closing, a damaged file, the last files, the report.
// Expected values: KTA092060, 54 turns, 10 A, 100 kHz, 3 A p-p gives 5.192 W
// in all (tests/design/ac_reference.py's highFluxRipple row).
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/modal_watcher.h"
#include "tests/ui/next_window.h"
#include "tests/ui/window_fixture.h"
#include "ui/frm_design.h"

namespace zova::ui {
namespace {

class DesignFiles : public test::WindowFixture<FrmDesign> {
public:
    void SetUp() override {
        // The program's settings in a folder of the test's own.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        test::WindowFixture<FrmDesign>::SetUp();
    }
    void type(const char* name, const char* text) {
        auto* box = get<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    void design() {
        get<QComboBox>("cmbCore")->setEditText(QStringLiteral("KTA092060"));
        type("txtTurns", "54");
        type("txtCurrent", "10");
        type("txtFrequency", "100");
        type("txtRipple", "3");
    }
    QAction* action(const QString& text) {
        for (QAction* a : window.actions())
            if (a->text() == text) return a;
        ADD_FAILURE() << "no action " << text.toStdString();
        return nullptr;
    }
    // Triggers a menu item whose file dialog gets `path`.
    void withFile(const QString& item, const QString& path) {
        test::NextWindow<QFileDialog> dialog([&](QFileDialog* d) {
            d->selectFile(path);
            static_cast<QDialog*>(d)->accept();
        });
        action(item)->trigger();
        EXPECT_TRUE(dialog.answered());
    }
    static QString figure(QWidget* window, const QString& caption) {
        auto* table = test::Find<QTableWidget>(window, "tblFigures");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0) && table->item(r, 0)->text() == caption && table->item(r, 1))
                return table->item(r, 1)->text();
        return {};
    }
    QTemporaryDir dir;
};

TEST_F(DesignFiles, SavedDesignsReopenWholeAndTheTitleMarksChanges) {
    EXPECT_FALSE(action(QStringLiteral("保存设计(&S)"))->isEnabled());  // nothing to keep yet
    design();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("设计分析 *"));
    const QString path = dir.filePath(QStringLiteral("choke.json"));
    withFile(QStringLiteral("保存设计(&S)"), path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("设计分析 - choke.json"));
    type("txtTurns", "55");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("设计分析 - choke.json *"));
    type("txtTurns", "54");  // back as saved
    EXPECT_FALSE(window.HasUnsavedChanges());

    FrmDesign other;
    ASSERT_TRUE(other.OpenDesignFile(path));
    EXPECT_EQ(test::Find<QComboBox>(&other, "cmbCore")->currentText(), QStringLiteral("KTA092060"));
    EXPECT_EQ(test::Find<QLineEdit>(&other, "txtRipple")->text(), QStringLiteral("3"));
    EXPECT_EQ(other.windowTitle(), QStringLiteral("设计分析 - choke.json"));
    EXPECT_EQ(figure(&other, QStringLiteral("总损耗 (W)")), QStringLiteral("5.192"));
    // The file is the last one opened.
    EXPECT_EQ(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zova"), QStringLiteral("zovamagnetic"))
                  .value(QStringLiteral("recentDesigns"))
                  .toStringList()
                  .value(0),
              path);
}

TEST_F(DesignFiles, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
    design();
    test::NextWindow<QMessageBox> cancel([](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("取消")) b->click();
    });
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(cancel.answered());
    EXPECT_TRUE(window.isVisible());
    test::NextWindow<QMessageBox> discard([](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("不保存")) b->click();
    });
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(discard.answered());
}

TEST_F(DesignFiles, ClosingWithARefusedBoxOffersNoSaveAndSaysWhy) {
    design();
    type("txtTurns", "2.5");
    QStringList buttons;
    QString question;
    test::NextWindow<QMessageBox> ask([&](QMessageBox* box) {
        question = box->text();
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("取消")) b->click();
    });
    EXPECT_FALSE(window.close());
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("不保存"), QStringLiteral("取消")}));
    EXPECT_TRUE(question.contains(QStringLiteral("绕线圈数必须是整数。")));
}

TEST_F(DesignFiles, ADamagedFileSaysWhyAndChangesNothing) {
    design();
    const QString path = dir.filePath(QStringLiteral("foreign.json"));
    QFile foreign(path);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("{\"turns\": 99}");
    foreign.close();
    test::ModalWatcher boxes;
    EXPECT_FALSE(window.OpenDesignFile(path));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("无法打开“%1”：这不是本程序的设计文件：缺少 \"format\": \"zovamagnetic-design\"。").arg(path));
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), QStringLiteral("54"));
    EXPECT_TRUE(window.DesignFile().isEmpty());
}

// The model of the design on screen, for the simulator its extension names.
TEST_F(DesignFiles, TheSpiceModelIsTheDesignsForTheSimulatorItsExtensionNames) {
    design();
    const QString cir = dir.filePath(QStringLiteral("choke.cir")), lib = dir.filePath(QStringLiteral("choke.lib"));
    withFile(QStringLiteral("导出 SPICE 模型(&M)…"), cir);
    withFile(QStringLiteral("导出 SPICE 模型，含损耗(&L)…"), lib);
    QFile ngspice(cir), ltspice(lib);
    ASSERT_TRUE(ngspice.open(QIODevice::ReadOnly));
    ASSERT_TRUE(ltspice.open(QIODevice::ReadOnly));
    const QByteArray a = ngspice.readAll(), b = ltspice.readAll();
    EXPECT_TRUE(a.contains(".subckt KTA092060_54T 1 2")) << a.left(200).toStdString();
    EXPECT_TRUE(a.contains("L='pwl(abs(i(Vsense))"));
    EXPECT_TRUE(b.contains("Flux={"));
    EXPECT_TRUE(b.contains("Rcore")) << "the losses at the design's 100 kHz and 3 A";
}

TEST_F(DesignFiles, TheReportIsAPdf) {
    design();
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    withFile(QStringLiteral("导出报告 (PDF)(&R)…"), path);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

}  // namespace
}  // namespace zova::ui
