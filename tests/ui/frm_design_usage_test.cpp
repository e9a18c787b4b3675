// The workbench used as a new user and a hostile tester would. Expected values:
// the texts typed (kept as typed), the refusals' words, the ranges the README
// states, 10 A / 100 µH listing KTA092060 first at 54 turns and 1 A / 10 µH
// listing KTA025125 first among 402, KRA037125's AL of 53 nH (40 turns:
// 53 nH × 40² = 84.8 µH), and axis steps worked by hand (0.25 A: the axis runs
// to 0.5 A in steps of 0.1).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleEvent>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <sys/stat.h>

#include "commands/selection_command.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/next_window.h"
#include "tests/ui/window_fixture.h"
#include "ui/frm_design.h"
#include "ui/mdi_main.h"

namespace zova::ui {
namespace {

std::shared_ptr<const SelectionOutcome> RunOf(const char* amps, const char* microhenries) {
    return std::make_shared<const SelectionOutcome>(SelectCores(amps, microhenries, "1"));
}

class Usage : public test::WindowFixture<FrmDesign> {
public:
    void load(const char* core, const char* turns, const char* current) {
        get<QComboBox>("cmbCore")->setEditText(QString::fromUtf8(core));
        get<QLineEdit>("txtTurns")->setText(QString::fromUtf8(turns));
        get<QLineEdit>("txtCurrent")->setText(QString::fromUtf8(current));
    }
    QString message() { return get<QLabel>("labMessage")->text(); }
    // Saves through the dialog a button opens, typing `typed`; `replace` answers
    // the question that follows when the file exists (none asked: -1).
    int saveAs(const char* button, const QString& typed, bool replace = false, QString* offered = nullptr) {
        test::NextWindow<QFileDialog> dialog([&](QFileDialog* d) {
            if (offered) *offered = d->selectedFiles().value(0);
            d->selectFile(typed);
            static_cast<QDialog*>(d)->accept();
        });
        int asked = -1;
        test::NextWindow<QMessageBox> question([&](QMessageBox* box) {
            // Only the replace question: a failure's message is the test's own ModalWatcher's.
            if (!box->text().contains(QStringLiteral("已经存在"))) return;
            asked = box->text().contains(QLatin1String(".png")) ? 1 : 0;
            for (QAbstractButton* b : box->buttons())
                if (b->text() == (replace ? QStringLiteral("替换") : QStringLiteral("取消"))) b->click();
        });
        QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton);
        EXPECT_TRUE(dialog.answered());
        return asked;
    }
};

struct TypedCase {
    const char* box;
    const char* typed;
    const char* said;
};

TEST_F(Usage, KeepsWhatIsTypedAndSaysWhatIsWrongInTheWindowAndToScreenReaders) {
    const TypedCase rows[] = {
        {"txtCurrent", "-1", "电流不能为负数。"},
        {"txtCurrent", "1,5", "电流必须是数字：小数点请用“.”，不用逗号。"},
        {"txtCurrent", "1e30", "电流应大于 0 且不超过 10000 A。"},
        {"txtTurns", "1.5", "绕线圈数必须是整数。"},
        {"cmbCoreCount", "40000", "磁芯个数应在 1 到 32767 个之间。"},
    };
    test::ModalWatcher boxes;
    for (const TypedCase& r : rows) {
        load("KTA092060", "54", "10");
        get<QComboBox>("cmbCoreCount")->setEditText(QStringLiteral("1"));
        QWidget* box = get<QWidget>(r.box);
        if (auto* combo = qobject_cast<QComboBox*>(box)) combo->clearEditText();
        if (auto* line = qobject_cast<QLineEdit*>(box)) line->clear();
        QTest::keyClicks(box, QString::fromUtf8(r.typed));
        const QString text = qobject_cast<QComboBox*>(box) ? qobject_cast<QComboBox*>(box)->currentText()
                                                           : qobject_cast<QLineEdit*>(box)->text();
        EXPECT_EQ(text, QString::fromUtf8(r.typed)) << r.box;
        EXPECT_EQ(message(), QString::fromUtf8(r.said)) << r.typed;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description), QString::fromUtf8(r.said))
            << r.typed;
    }
    // A value no winding carries, pasted, is refused like any other: no box.
    get<QLineEdit>("txtCurrent")->setText(QStringLiteral("1e39"));
    EXPECT_EQ(message(), QStringLiteral("电流应大于 0 且不超过 10000 A。"));
    EXPECT_TRUE(boxes.boxes().empty());

    // 1e-3 A is a milliampere, exactly as 0.001 typed.
    load("KTA092060", "54", "0.001");
    const QString milliampere = message();
    get<QLineEdit>("txtCurrent")->clear();
    QTest::keyClicks(get<QLineEdit>("txtCurrent"), QStringLiteral("1e-3"));
    EXPECT_EQ(get<QLineEdit>("txtCurrent")->text(), QStringLiteral("1e-3"));
    EXPECT_EQ(message(), milliampere);
    EXPECT_TRUE(get<QLineEdit>("txtCurrent")->accessibleDescription().isEmpty());
}

TEST_F(Usage, EditingShortcutsWorkInEveryBox) {
    for (const char* name : {"cmbCore", "txtTurns", "txtCurrent", "cmbCoreCount"}) {
        QWidget* box = get<QWidget>(name);
        auto* line = qobject_cast<QLineEdit*>(box) ? qobject_cast<QLineEdit*>(box)
                                                    : qobject_cast<QComboBox*>(box)->lineEdit();
        line->setText(QStringLiteral("12"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(line->text(), QString()) << name;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12")) << name;
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(line->text(), QStringLiteral("1212")) << name;
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(line->text(), QStringLiteral("12")) << name;
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(line->selectedText(), QStringLiteral("12")) << name;
    }
}

TEST_F(Usage, ChartsSayWhyTheyAreMissingAndTickAtRoundSteps) {
    auto* inductance = get<QStackedWidget>("stkInductance");
    EXPECT_EQ(inductance->currentWidget(), get<QLabel>("labNoInductance"));  // no 0–1 axes
    EXPECT_EQ(get<QLabel>("labNoInductance")->text(), QStringLiteral("选择磁芯料号，输入绕线圈数和电流后，这里画出曲线。"));
    EXPECT_FALSE(get<QPushButton>("cmdSaveChart")->isEnabled());

    load("KRA037125", "40", "2");
    EXPECT_EQ(message(), QStringLiteral("KRA037125 没有直流偏置曲线，带 2 A 电流的电感量无法计算；零偏置电感量为 84.800μH。"));
    EXPECT_EQ(get<QTableWidget>("tblFigures")->item(1, 1)->text(), QStringLiteral("—"));
    EXPECT_EQ(inductance->currentWidget(), get<QLabel>("labNoInductance"));
    EXPECT_TRUE(get<QLabel>("labNoInductance")->text().contains(QStringLiteral("没有直流偏置曲线")));

    load("KTA092060", "54", "0.25");
    ASSERT_EQ(inductance->currentWidget(), get<QChartView>("chtInductance"));
    const auto axes = get<QChartView>("chtInductance")->chart()->axes(Qt::Horizontal);
    ASSERT_EQ(axes.size(), 1);
    const auto* current = qobject_cast<QValueAxis*>(axes.front());
    EXPECT_EQ(current->tickType(), QValueAxis::TicksDynamic);
    EXPECT_DOUBLE_EQ(current->tickInterval(), 0.1);
    EXPECT_DOUBLE_EQ(current->max(), 0.5);
    EXPECT_EQ(current->labelFormat(), QStringLiteral("%.1f"));
}

TEST_F(Usage, SavesUnderTheSettledNameAsksBeforeReplacingAndNeverReplacesAPipe) {
    window.ShowCandidate(RunOf("10", "100"), 0);
    QTRY_COMPARE(get<QTableView>("grdCandidates")->model()->rowCount(), 203);
    const QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("existing.png"));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();

    QString offered;
    EXPECT_EQ(saveAs("cmdSaveChart", dir.filePath(QStringLiteral("existing")), false, &offered), 1);
    EXPECT_TRUE(offered.endsWith(QStringLiteral("电感量-电流_KTA092060_54圈_10A_1个磁芯.png"))) << offered.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old picture"));
    old.close();
    EXPECT_EQ(saveAs("cmdSaveChart", dir.filePath(QStringLiteral("existing")), true), 1);
    EXPECT_EQ(QImage(existing).size(), get<QChartView>("chtInductance")->size());

    // The SVG carries the winding in its title.
    EXPECT_EQ(saveAs("cmdSaveChart", dir.filePath(QStringLiteral("chart.svg"))), -1);
    QFile svg(dir.filePath(QStringLiteral("chart.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(QStringLiteral("KTA092060，54 圈，10 A，1 个磁芯")));

    const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    test::ModalWatcher boxes;
    EXPECT_EQ(saveAs("cmdExportCsv", pipe, false, &offered), -1);
    EXPECT_TRUE(offered.endsWith(QStringLiteral("候选磁芯_10A_100μH_1个磁芯.csv"))) << offered.toStdString();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("无法保存“%1”：它不是普通文件（而是设备、管道或文件夹），不能用文件替换。").arg(pipe));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(Usage, TheTableIsOneTabStopAndChoosingARowAgainOrANewRunLoadsTheInputs) {
    window.ShowRun(RunOf("10", "100"));
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText(), QStringLiteral("KTA092060"));  // the run's first line
    auto* grid = get<QTableView>("grdCandidates");
    QTRY_COMPARE(grid->model()->rowCount(), 203);
    grid->selectRow(0);
    get<QLineEdit>("txtTurns")->setText(QStringLiteral("99"));
    const QRect first = grid->visualRect(grid->model()->index(0, 6));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), QStringLiteral("54"));

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);  // arrows move inside
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_NE(test::TabToNextControl(), QStringLiteral("grdCandidates"));

    // A small window turns the candidates into a page of the tabs; a large one takes them back.
    window.resize(600, 400);
    EXPECT_EQ(get<QTabWidget>("tabCharts")->indexOf(grid->parentWidget()), get<QTabWidget>("tabCharts")->count() - 1);
    window.resize(1000, 720);
    EXPECT_EQ(grid->parentWidget()->parentWidget(), get<QSplitter>("splMain"));
    EXPECT_GE(grid->viewport()->height() / grid->rowHeight(0), 5);

    window.ShowRun(RunOf("1", "10"));
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText(), QStringLiteral("KTA025125"));
    EXPECT_EQ(get<QLineEdit>("txtCurrent")->text(), QStringLiteral("1"));
    QTRY_COMPARE(get<QLabel>("labCandidates")->text(), QStringLiteral("选型 1 A、10 μH、1 个磁芯：共 402 个候选磁芯"));
}

TEST_F(Usage, CombosAreNamedByTheirLabelsWhileTheyHoldAValue) {
    load("KTA092060", "54", "10");
    for (const auto& [name, label] :
         {std::pair{"cmbCore", "磁芯料号"}, std::pair{"cmbCoreCount", "磁芯个数"}, std::pair{"cmbTopology", "拓扑"}})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(get<QComboBox>(name))->text(QAccessible::Name),
                  QString::fromUtf8(label));
}

// Run on the 1280 × 800 desktop, at 800 × 600 and at scale 2 (tests/ui/CMakeLists.txt).
class Screens : public test::WindowFixture<MDIMain> {};

TEST_F(Screens, TheCandidatesShowFiveRowsWithThePartNumberInView) {
    get<QLineEdit>("txtDianliu")->setText(QStringLiteral("10"));
    get<QLineEdit>("txtDianganliang")->setText(QStringLiteral("100"));
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    auto* list = get<QListWidget>("lstResut");
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    auto* grid = get<QTableView>("grdCandidates");
    QTRY_COMPARE(grid->model()->rowCount(), 203);
    // A small window shows the candidates as a page of its tabs.
    auto* tabs = get<QTabWidget>("tabCharts");
    if (tabs->indexOf(grid->parentWidget()) >= 0) tabs->setCurrentWidget(grid->parentWidget());
    QApplication::processEvents();

    EXPECT_TRUE(grid->isVisible());
    EXPECT_GE(grid->viewport()->height() / grid->rowHeight(0), 5);
    EXPECT_LE(grid->mapTo(&window, QPoint(0, grid->height())).y(), window.height());  // not below the window
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    EXPECT_TRUE(grid->verticalHeader()->isVisible());
    EXPECT_EQ(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("KTA092060"));
}

}  // namespace
}  // namespace zova::ui
