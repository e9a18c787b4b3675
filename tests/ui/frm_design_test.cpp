// Expected values: the walk-through (10 A / 100 µH lists KTA092060 first
// at 54 turns; 54 turns at 10 A give 100.283 µH), the selection's own lines,
// and the order rules of the comparison.
#include <gtest/gtest.h>

#include <QAction>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "commands/messages.h"
#include "commands/selection_command.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/next_window.h"
#include "tests/ui/window_fixture.h"
#include "ui/frm_choise.h"
#include "ui/frm_design.h"
#include "ui/mdi_main.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

const QString kFirstLine = QStringLiteral("KTA092060\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26");

std::shared_ptr<const SelectionOutcome> RunOf(const char* amps, const char* microhenries) {
    return std::make_shared<const SelectionOutcome>(SelectCores(amps, microhenries, "1"));
}

void DoubleClickLine(QListWidget* list, int line) {
    // The first click of a double click is a click of its own.
    const QPoint at = list->visualItemRect(list->item(line)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Saves through the dialog a button opens, as `name` in a fresh folder.
QString SaveThroughDialog(QPushButton* button, const QTemporaryDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    test::NextWindow<QFileDialog> answer([&](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // what its Save button does
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(answer.answered());
    return path;
}

class Workbench : public test::WindowFixture<MDIMain> {
public:
    void selectTenAmpsHundredMicrohenries() {
        get<QLineEdit>("txtDianliu")->setText(QStringLiteral("10"));
        get<QLineEdit>("txtDianganliang")->setText(QStringLiteral("100"));
        QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    }
};

TEST_F(Workbench, OpensOnceFromADoubleClickedLineWithThatCoreAndTheRun) {
    selectTenAmpsHundredMicrohenries();
    auto* list = get<QListWidget>("lstResut");
    ASSERT_EQ(list->item(0)->text(), kFirstLine);
    DoubleClickLine(list, 0);

    auto* design = get<FrmDesign>("frmDesign");
    EXPECT_EQ(get<QMdiArea>("mdiArea")->activeSubWindow()->widget(), design);
    EXPECT_EQ(design->windowTitle(), QStringLiteral("设计分析"));
    EXPECT_TRUE(design->parentWidget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(design->parentWidget()->minimumSize(), design->parentWidget()->maximumSize());
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText(), QStringLiteral("KTA092060"));
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), QStringLiteral("54"));
    EXPECT_EQ(get<QLineEdit>("txtCurrent")->text(), QStringLiteral("10"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("电感量为：100.283μH"));
    QTRY_COMPARE(get<QTableView>("grdCandidates")->model()->rowCount(), list->count());

    // The third line, then the menu: the same window, brought forward.
    get<QMdiArea>("mdiArea")->subWindowList().first()->widget()->activateWindow();
    DoubleClickLine(list, 2);
    get<QAction>("meuDesign")->trigger();
    EXPECT_EQ(window.findChildren<FrmDesign*>().size(), 1);
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText(), QStringLiteral("KTA092090"));
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), QStringLiteral("52"));
}

class Design : public test::WindowFixture<FrmDesign> {};

TEST_F(Design, RecalculatesOnEveryEditAndShowsRefusalsInTheWindow) {
    test::ModalWatcher boxes;
    QTest::keyClicks(get<QComboBox>("cmbCore"), QStringLiteral("kta092060"));
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText(), QStringLiteral("KTA092060"));
    QTest::keyClicks(get<QLineEdit>("txtTurns"), QStringLiteral("54"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("请输入电流。"));
    QTest::keyClicks(get<QLineEdit>("txtCurrent"), QStringLiteral("10"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("电感量为：100.283μH"));
    // The key figures first, under their heading.
    EXPECT_EQ(get<QTableWidget>("tblFigures")->item(0, 0)->text(), QStringLiteral("要点"));
    EXPECT_EQ(get<QTableWidget>("tblFigures")->item(1, 1)->text(), QStringLiteral("100.283"));

    get<QLineEdit>("txtTurns")->setText(QStringLiteral("0"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("绕线圈数应在 1 到 32767 圈之间。"));
    EXPECT_EQ(get<QTableWidget>("tblFigures")->rowCount(), 0);
    get<QComboBox>("cmbCore")->setEditText(QStringLiteral("KTA09"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("目录中没有磁芯料号“KTA09”。"));
    EXPECT_TRUE(boxes.boxes().empty());

    // KRA 125 has no bias curve: a sentence instead of the second chart.
    get<QComboBox>("cmbCore")->setEditText(QStringLiteral("KRA037125"));
    get<QLineEdit>("txtTurns")->setText(QStringLiteral("40"));
    EXPECT_EQ(get<QStackedWidget>("stkPermeability")->currentWidget(), get<QLabel>("labNoCurve"));
}

TEST_F(Design, SortsByCopperLossNumericallyAndLoadsTheChosenRow) {
    window.ShowRun(RunOf("1", "10"));  // 402 candidates
    auto* grid = get<QTableView>("grdCandidates");
    QAbstractItemModel* model = grid->model();
    QTRY_COMPARE(model->rowCount(), 402);
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("KTA025125"));  // the run's first line

    constexpr int kCopperLoss = 13;
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(grid->horizontalHeader()->sectionViewportPosition(kCopperLoss) + 5, 5));
    bool valueEnded = false;
    double previous = 0.0;
    for (int r = 0; r < model->rowCount(); ++r) {
        bool isNumber = false;
        const double loss = model->index(r, kCopperLoss).data().toString().toDouble(&isNumber);
        if (!isNumber) {
            valueEnded = true;
            continue;
        }
        ASSERT_FALSE(valueEnded) << "a loss after a row without one, row " << r;
        ASSERT_GE(loss, previous) << "row " << r;
        previous = loss;
    }

    grid->selectRow(0);
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText(), model->index(0, 1).data().toString());
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), model->index(0, 6).data().toString());
    EXPECT_EQ(get<QLineEdit>("txtCurrent")->text(), QStringLiteral("1"));
}

TEST_F(Design, ExportsTheTableAsCsvAndTheChartAsPngOrSvg) {
    const auto run = RunOf("10", "100");
    window.ShowCandidate(run, 0);
    QTRY_COMPARE(get<QTableView>("grdCandidates")->model()->rowCount(), 203);
    const QTemporaryDir dir;

    QFile csv(SaveThroughDialog(get<QPushButton>("cmdExportCsv"), dir, "candidates.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.read(3), QByteArray("\xEF\xBB\xBF"));
    EXPECT_TRUE(csv.readLine().startsWith(QStringLiteral("序号,料号,系列,外径 (mm),").toUtf8()));
    EXPECT_TRUE(csv.readLine().startsWith("1,KTA092060,KTA,24.28,13.77,9.7,54,>1.26,100.283,"));

    const QImage png(SaveThroughDialog(get<QPushButton>("cmdSaveChart"), dir, "chart.png"));
    EXPECT_EQ(png.size(), get<QChartView>("chtInductance")->size());
    QFile svg(SaveThroughDialog(get<QPushButton>("cmdSaveChart"), dir, "chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

class SelectionMenu : public test::WindowFixture<FrmChoise> {
public:
    // Opens the list's context menu on `line` and triggers the action `text`.
    void choose(int line, const QString& text) {
        auto* list = get<QListWidget>("lstResut");
        test::NextWindow<QMenu> answer([&](QMenu* menu) {
            for (QAction* action : menu->actions()) offered << action->text();
            for (QAction* action : menu->actions())
                if (action->text() == text) action->trigger();
            menu->close();
        });
        const QPoint at = list->visualItemRect(list->item(line)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        EXPECT_TRUE(answer.answered());
    }
    QStringList offered;
};

TEST_F(SelectionMenu, OpensTheLineInTheWorkbenchAndCopiesAllLines) {
    get<QLineEdit>("txtDianliu")->setText(QStringLiteral("10"));
    get<QLineEdit>("txtDianganliang")->setText(QStringLiteral("100"));
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    QSignalSpy requested(&window, &FrmChoise::designRequested);

    choose(1, QStringLiteral("在设计分析中打开"));
    EXPECT_EQ(offered, (QStringList{QStringLiteral("在设计分析中打开"), QString(), QStringLiteral("复制全部"),
                                    QStringLiteral("导出 CSV…")}));
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested[0][1].value<std::size_t>(), 1u);

    choose(0, QStringLiteral("复制全部"));
    const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    EXPECT_EQ(copied.size(), 203);
    EXPECT_EQ(copied.first(), kFirstLine);
}

}  // namespace
}  // namespace zova::ui
