// The workbench's switching operation and its converter page. Expected values:
// KTA092060, 54 turns, 10 A, 100 kHz, 3 A p-p: the totals of
// tests/design/ac_reference.py's highFluxRipple row (5.192 W, 61.6 K); buck
// 48 V -> 12 V, 10 A, 100 kHz, r = 0.3: 30 µH at 11.5 A peak (worked in
// tests/design/converter_test.cpp); its candidates' order is the converter
// command's by total loss.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "commands/converter_command.h"
#include "presentation/candidate_table.h"
#include "catalogue/catalogue.h"
#include "tests/ui/window_fixture.h"
#include "ui/frm_design.h"

namespace zova::ui {
namespace {

class Switching : public test::WindowFixture<FrmDesign> {
public:
    // The value shown beside a caption in the figures table, "" when none.
    QString figure(const QString& caption) {
        auto* table = get<QTableWidget>("tblFigures");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0) && table->item(r, 0)->text() == caption && table->item(r, 1))
                return table->item(r, 1)->text();
        return {};
    }
};

TEST_F(Switching, AddsTheRipplesLossesToTheFiguresAndReadsItsBoxes) {
    get<QComboBox>("cmbCore")->setEditText(QStringLiteral("KTA092060"));
    get<QLineEdit>("txtTurns")->setText(QStringLiteral("54"));
    get<QLineEdit>("txtCurrent")->setText(QStringLiteral("10"));
    EXPECT_EQ(figure(QStringLiteral("磁芯损耗 (W)")), QStringLiteral("0.000"));  // DC alone
    QTest::keyClicks(get<QLineEdit>("txtRipple"), QStringLiteral("3"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("给出纹波电流时请同时给出开关频率。"));
    QTest::keyClicks(get<QLineEdit>("txtFrequency"), QStringLiteral("100"));
    EXPECT_EQ(figure(QStringLiteral("总损耗 (W)")), QStringLiteral("5.192"));
    EXPECT_EQ(figure(QStringLiteral("总温升估算 (K)")), QStringLiteral("61.6"));
    // The empty coefficients box names the material's fit it stands for.
    EXPECT_EQ(get<QLineEdit>("txtLossCoefficients")->placeholderText(), QStringLiteral("246.5,2.218,1.311"));
    QTest::keyClicks(get<QLineEdit>("txtLossCoefficients"), QStringLiteral("1,2"));
    EXPECT_EQ(get<QLabel>("labMessage")->text(), QStringLiteral("损耗系数须为以逗号分隔的三个正数 a,b,c。"));
}

TEST_F(Switching, TheConverterPageRanksItsCandidatesByTotalLossAndLoadsTheFirst) {
    get<QLineEdit>("txtVin")->setText(QStringLiteral("48"));
    get<QLineEdit>("txtVout")->setText(QStringLiteral("12"));
    get<QLineEdit>("txtIout")->setText(QStringLiteral("10"));
    get<QLineEdit>("txtConverterFrequency")->setText(QStringLiteral("100"));
    QTest::mouseClick(get<QPushButton>("cmdConverter"), Qt::LeftButton);
    const QString point = get<QLabel>("labConverter")->text();
    EXPECT_TRUE(point.contains(QStringLiteral("电感量 (μH)：30.000"))) << point.toStdString();
    EXPECT_TRUE(point.contains(QStringLiteral("峰值电流 (A)：11.500"))) << point.toStdString();

    const ConverterOutcome o = RunConverter({"buck", "48", "12", "10", "100", "", "", "1", ""});
    std::size_t best = 0;
    for (std::size_t i = 1; i < o.figures.size(); ++i)
        if (*o.figures[i].totalLoss < *o.figures[best].totalLoss) best = i;
    EXPECT_EQ(get<QComboBox>("cmbCore")->currentText().toStdString(), CoreCatalogue(o.selection.cores[best].row).PartNo);
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text().toInt(), o.selection.cores[best].turns);
    EXPECT_EQ(get<QLineEdit>("txtCurrent")->text(), QStringLiteral("10"));
    EXPECT_EQ(get<QLineEdit>("txtFrequency")->text(), QStringLiteral("100"));
    EXPECT_EQ(get<QTableView>("grdCandidates")->model()->rowCount(), static_cast<int>(o.figures.size()));
    // Ranked by total loss, with that column in view however narrow the window.
    auto* grid = get<QTableView>("grdCandidates");
    QTest::qWait(100);  // the view lays out its columns again after the run
    const int ranked = grid->columnViewportPosition(static_cast<int>(CandidateColumn("totalLoss")));
    EXPECT_GE(ranked, 0);
    EXPECT_LE(ranked + grid->columnWidth(static_cast<int>(CandidateColumn("totalLoss"))), grid->viewport()->width());

    get<QLineEdit>("txtVout")->setText(QStringLiteral("60"));
    QTest::mouseClick(get<QPushButton>("cmdConverter"), Qt::LeftButton);
    EXPECT_EQ(get<QLabel>("labConverter")->text(), QStringLiteral("降压变换器的输出电压必须低于输入电压。"));
    // The box refused carries the reason for screen readers; the others none.
    EXPECT_EQ(get<QLineEdit>("txtVout")->accessibleDescription(), QStringLiteral("降压变换器的输出电压必须低于输入电压。"));
    get<QLineEdit>("txtVout")->setText(QStringLiteral("12"));
    get<QLineEdit>("txtConverterStack")->setText(QStringLiteral("2.5"));
    QTest::mouseClick(get<QPushButton>("cmdConverter"), Qt::LeftButton);
    EXPECT_EQ(get<QLineEdit>("txtConverterStack")->accessibleDescription(), QStringLiteral("磁芯个数必须是整数。"));
    EXPECT_EQ(get<QLineEdit>("txtVout")->accessibleDescription(), QString());
}

TEST_F(Switching, TheConverterPageIsReachedByItsKeysAndRunByEnter) {
    auto* tabs = get<QTabWidget>("tabCharts");
    tabs->setCurrentIndex(0);
    get<QLineEdit>("txtTurns")->setFocus();
    QTest::keyClick(get<QLineEdit>("txtTurns"), Qt::Key_V, Qt::AltModifier);  // 输入电压(&V), on the hidden page
    EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), QString());
    EXPECT_EQ(tabs->currentWidget(), get<QWidget>("tabConverter"));
    EXPECT_TRUE(get<QLineEdit>("txtVin")->hasFocus());
    QTest::keyClicks(get<QLineEdit>("txtVin"), QStringLiteral("48"));
    QTest::keyClicks(get<QLineEdit>("txtVout"), QStringLiteral("12"));
    QTest::keyClicks(get<QLineEdit>("txtIout"), QStringLiteral("10"));
    QTest::keyClicks(get<QLineEdit>("txtConverterFrequency"), QStringLiteral("100"));
    QTest::keyClick(get<QLineEdit>("txtConverterFrequency"), Qt::Key_Return);
    EXPECT_TRUE(get<QLabel>("labConverter")->text().contains(QStringLiteral("电感量 (μH)：30.000")));
    // A box changed after the run: the point shown is the run's, and says so.
    QTest::keyClicks(get<QLineEdit>("txtVin"), QStringLiteral("0"));
    EXPECT_TRUE(get<QLabel>("labConverter")->text().startsWith(QStringLiteral("输入已改动")));
}

// Boost 100 -> 400 V, 2 A, 100 kHz, r = 2: warned candidates come last, so
// the second row is unwarned and stays shown when the warned are hidden.
TEST_F(Switching, HidingTheWarnedKeepsTheChosenRowAndWhatWasTypedSince) {
    get<QComboBox>("cmbTopology")->setCurrentIndex(1);  // 升压 (boost)
    get<QLineEdit>("txtVin")->setText(QStringLiteral("100"));
    get<QLineEdit>("txtVout")->setText(QStringLiteral("400"));
    get<QLineEdit>("txtIout")->setText(QStringLiteral("2"));
    get<QLineEdit>("txtConverterFrequency")->setText(QStringLiteral("100"));
    get<QLineEdit>("txtRippleRatio")->setText(QStringLiteral("2"));
    QTest::mouseClick(get<QPushButton>("cmdConverter"), Qt::LeftButton);
    auto* grid = get<QTableView>("grdCandidates");
    const int all = grid->model()->rowCount();
    grid->selectRow(1);
    const QString part = grid->model()->headerData(1, Qt::Vertical).toString();
    ASSERT_EQ(get<QComboBox>("cmbCore")->currentText(), part);
    get<QLineEdit>("txtTurns")->setText(QStringLiteral("7"));
    for (const bool hide : {true, false}) {
        get<QCheckBox>("chkHideWarned")->setChecked(hide);
        EXPECT_EQ(grid->model()->rowCount() < all, hide);
        ASSERT_TRUE(grid->currentIndex().isValid()) << hide;
        EXPECT_EQ(grid->model()->headerData(grid->currentIndex().row(), Qt::Vertical).toString(), part) << hide;
        EXPECT_EQ(get<QLineEdit>("txtTurns")->text(), QStringLiteral("7")) << hide;
    }
}

}  // namespace
}  // namespace zova::ui
