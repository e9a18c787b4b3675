#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>
#include <vector>

#include "commands/maker_info.h"
#include "support/chinese_text.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/widget_lookup.h"
#include "ui/frm_about.h"
#include "ui/frm_choise.h"
#include "ui/frm_design.h"
#include "ui/frm_diangan.h"
#include "ui/language.h"
#include "ui/mdi_main.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

using test::Find;

// The windows' texts as a user reads them: a label's or button's text, a
// group box's title, a menu's title, an action's text or a window's title.
QString Caption(QObject* o) {
    if (auto* w = qobject_cast<QLabel*>(o)) return w->text();
    if (auto* w = qobject_cast<QAbstractButton*>(o)) return w->text();
    if (auto* w = qobject_cast<QGroupBox*>(o)) return w->title();
    if (auto* w = qobject_cast<QMenu*>(o)) return w->title();
    if (auto* w = qobject_cast<QAction*>(o)) return w->text();
    if (auto* w = qobject_cast<QWidget*>(o)) return w->windowTitle();
    return {};
}

struct TextCase {
    const char* name;  // object name; "" for the window itself
    const char* chinese;
    const char* english;  // as in translations/zovamagnetic_en.ts
};

// The language is applied as the program applies it, in a settings folder of
// the test's own; every test ends in Chinese.
class Language_ : public ::testing::Test {
public:
    void SetUp() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path()); }
    void TearDown() override { Switch(Language::Chinese); }

    static void Switch(Language language) {
        ApplyLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    static void Expect(QWidget* window, const std::vector<TextCase>& cases, bool english) {
        for (const TextCase& c : cases) {
            QObject* o = *c.name == '\0' ? window : Find<QObject>(window, c.name);
            EXPECT_EQ(Caption(o), QString::fromUtf8(english ? c.english : c.chinese)) << c.name;
        }
    }
    // Every child's place and size.
    static std::map<QObject*, QRect> Geometries(QWidget* window) {
        std::map<QObject*, QRect> g;
        for (QWidget* w : window->findChildren<QWidget*>()) g[w] = w->geometry();
        return g;
    }
    // No label reaches into another control or past its frame, and none is
    // smaller than its text; pairs that already overlap in Chinese do not count.
    static void ExpectNothingCutOff(QWidget* window, const std::map<QObject*, QRect>& chinese) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            SCOPED_TRACE(label->objectName().toStdString() + ": " + label->text().toStdString());
            const QRect box = label->geometry();
            EXPECT_TRUE(label->parentWidget()->rect().contains(box));
            if (label->wordWrap())
                EXPECT_GE(box.height(), label->heightForWidth(box.width()));
            else
                EXPECT_GE(box.width(), label->sizeHint().width());
            for (QObject* o : label->parentWidget()->children()) {
                auto* other = qobject_cast<QWidget*>(o);
                if (other == nullptr || other == label || !other->isVisibleTo(window)) continue;
                if (chinese.at(label).intersects(chinese.at(other))) continue;
                EXPECT_FALSE(box.intersects(other->geometry())) << other->objectName().toStdString();
            }
        }
    }

    QTemporaryDir dir_;
};

const std::vector<TextCase> kCalculator = {
    {"", "环形磁芯电感计算", "Toroidal core inductance"},
    {"Label1", "磁芯料号", "Core part number"},
    {"labRaoxian", "绕线圈数", "Turns"},
    {"Label2", "电流大小(A)", "Current (A)"},
    {"Label8", "磁芯个数", "Number of cores"},
    {"cmdJiSuan", "计算", "Calculate"},
    {"fraResult", "计算结果：", "Result:"},
    {"fraCoreNote", "磁芯料号说明", "Part number key"},
    {"labCoreNote02", "2、中间三位数字表示磁芯外径尺寸，英寸制", "2. Middle digits: outside diameter, inch"},
};

const std::vector<TextCase> kSelection = {
    {"", "环形磁芯选型", "Toroidal core selection"},
    {"fraInput", "用户输入", "Inputs"},
    {"labDianliu", "峰值电流(A)", "Peak current (A)"},
    {"labDianganliang", "电感量(μH)", "Inductance (μH)"},
    {"Label7", "磁芯个数", "Cores"},
    {"cmdJiSuan", "磁芯选型", "Select cores"},
    {"cmdRequestSample", "申请样品", "Request samples"},
    {"Label10", "4、当电流大、感量高或其他原因无法选型时，请联系我们",
     "4. High current, high inductance or no core found: contact us"},
};

const std::vector<TextCase> kWorkbench = {
    {"labCore", "磁芯料号(&P)", "Core &part number"},
    {"labCoreCount", "磁芯个数(&K)", "Cores in stac&k"},
    {"labTopology", "拓扑(&T)", "&Topology"},
    {"cmdSaveChart", "保存图表(&S)…", "&Save chart…"},
};

const std::vector<TextCase> kAbout = {
    {"", "关于磁芯计算软件", "About the core calculator"},
    {"lblTitle", "关于磁芯选型计算工具", "About the core tool"},
    {"cmdOK", "确定", "OK"},
};

TEST_F(Language_, TheAboutBoxSwitchesToEnglishAndBack) {
    FrmAbout box;
    box.show();
    const auto chinese = Geometries(&box);
    const QString contact = Find<QLabel>(&box, "labMsg")->text();
    Switch(Language::English);
    Expect(&box, kAbout, true);
    EXPECT_TRUE(Find<QLabel>(&box, "labMsg")->text().startsWith(QStringLiteral("For samples, contact us:\r\nPhone:")));
    ExpectNothingCutOff(&box, chinese);
    Switch(Language::Chinese);
    Expect(&box, kAbout, false);
    EXPECT_EQ(Find<QLabel>(&box, "labMsg")->text(), contact);
    EXPECT_EQ(Geometries(&box), chinese);
}

TEST_F(Language_, TheCalculatorSwitchesToEnglishAndBackWithoutMoving) {
    FrmDiangan window;
    window.show();
    const auto chinese = Geometries(&window);
    const QString link = Find<QLabel>(&window, "Label7")->text();
    Switch(Language::English);
    Expect(&window, kCalculator, true);
    EXPECT_EQ(Find<QLabel>(&window, "Label7")->text(), QStringLiteral("More core data at ") + q(maker::kHomePage));
    ExpectNothingCutOff(&window, chinese);
    Switch(Language::Chinese);
    Expect(&window, kCalculator, false);
    EXPECT_EQ(Find<QLabel>(&window, "Label7")->text(), link);  // the address once, not twice
    EXPECT_EQ(Geometries(&window), chinese);
}

TEST_F(Language_, TheSelectionSwitchesToEnglishAndBackWithoutMoving) {
    FrmChoise window;
    window.show();
    const auto chinese = Geometries(&window);
    const QString caption = Find<QLabel>(&window, "Label12")->text();  // the library's
    Switch(Language::English);
    Expect(&window, kSelection, true);
    EXPECT_EQ(Find<QLabel>(&window, "Label12")->text(), QStringLiteral("Core"));
    ExpectNothingCutOff(&window, chinese);
    Switch(Language::Chinese);
    Expect(&window, kSelection, false);
    EXPECT_EQ(Find<QLabel>(&window, "Label12")->text(), caption);
    EXPECT_EQ(Geometries(&window), chinese);
}

TEST_F(Language_, TheWorkbenchSwitchesItsLabelsMenuAndTitleButKeepsItsInputs) {
    FrmDesign window;
    window.resize(1000, 700);
    window.show();
    Find<QLineEdit>(&window, "txtConverterStack")->setText(QStringLiteral("3"));
    const QString title = window.windowTitle();  // the session's, not the layout's
    auto* menu = window.findChild<QMenuBar*>()->actions().front();
    auto* tabs = Find<QTabWidget>(&window, "tabCharts");
    Switch(Language::English);
    Expect(&window, kWorkbench, true);
    EXPECT_EQ(menu->text(), QStringLiteral("Pro&ject"));
    EXPECT_EQ(tabs->tabText(tabs->indexOf(Find<QWidget>(&window, "tabConverter"))), QStringLiteral("Converter"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Design workbench *"));  // a box typed: unsaved
    EXPECT_EQ(Find<QLineEdit>(&window, "txtConverterStack")->text(), QStringLiteral("3"));
    Switch(Language::Chinese);
    Expect(&window, kWorkbench, false);
    EXPECT_EQ(menu->text(), QStringLiteral("设计文件(&J)"));
    EXPECT_EQ(tabs->tabText(tabs->indexOf(Find<QWidget>(&window, "tabConverter"))), QStringLiteral("变换器"));
    EXPECT_EQ(window.windowTitle(), title);
}

// The library's texts in the windows follow the language too: what the
// calculator and the selection say is said again when it changes.
TEST_F(Language_, TheCalculatorsResultAndTheSelectionsRunAndRefusalAreSaidInEnglish) {
    FrmDiangan calculator;
    calculator.show();
    auto* cores = Find<QListWidget>(&calculator, "lstCoreList");
    const QList<QListWidgetItem*> core = cores->findItems(QStringLiteral("KTB130060"), Qt::MatchExactly);
    ASSERT_EQ(core.size(), 1);
    cores->setCurrentItem(core.first());
    Find<QLineEdit>(&calculator, "txtXianquanN")->setText(QStringLiteral("50"));
    Find<QLineEdit>(&calculator, "txtDianliu")->setText(QStringLiteral("5"));
    auto* result = Find<QLabel>(&calculator, "labResult");
    ASSERT_EQ(result->text(), QStringLiteral("电感量为：126.920μH"));  // zovamagnetic-cli inductance, by hand
    Switch(Language::English);
    EXPECT_EQ(result->text(), QStringLiteral("Inductance: 126.920 μH"));

    FrmChoise selection;
    selection.show();
    test::ModalWatcher boxes;
    QTest::mouseClick(Find<QPushButton>(&selection, "cmdJiSuan"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("Sorry, please enter the current."));
    EXPECT_EQ(boxes.boxes().front().buttons, QStringList{QStringLiteral("OK")});
    Find<QLineEdit>(&selection, "txtDianliu")->setText(QStringLiteral("30"));
    Find<QLineEdit>(&selection, "txtDianganliang")->setText(QStringLiteral("10"));
    QTest::mouseClick(Find<QPushButton>(&selection, "cmdJiSuan"), Qt::LeftButton);
    auto* lines = Find<QListWidget>(&selection, "lstResut");
    ASSERT_GT(lines->count(), 0);
    const QString first = QStringLiteral("KTA090075\t\t23.62\t\t13.39\t\t8.38\t\t18\t\t>2.19");
    EXPECT_EQ(lines->item(0)->text(), first + QStringLiteral(" (stranded wire advised)"));
    Switch(Language::Chinese);
    EXPECT_EQ(lines->item(0)->text(), first + QStringLiteral(" 建议多股线"));
    EXPECT_EQ(result->text(), QStringLiteral("电感量为：126.920μH"));
}

// The buck converter's run, switched to English: what the workbench shows of
// the library (title, point, figures, warnings, status, the candidates'
// columns and cells) holds no Chinese, and back in Chinese it is as it was.
TEST_F(Language_, TheWorkbenchSaysItsRunInEnglishAndBack) {
    FrmDesign window;
    window.resize(1280, 800);
    window.show();
    Find<QLineEdit>(&window, "txtVin")->setText(QStringLiteral("48"));
    Find<QLineEdit>(&window, "txtVout")->setText(QStringLiteral("12"));
    Find<QLineEdit>(&window, "txtIout")->setText(QStringLiteral("10"));
    Find<QLineEdit>(&window, "txtConverterFrequency")->setText(QStringLiteral("100"));
    QTest::mouseClick(Find<QPushButton>(&window, "cmdConverter"), Qt::LeftButton);
    auto* grid = Find<QTableView>(&window, "grdCandidates");
    ASSERT_GT(grid->model()->rowCount(), 0);
    const auto shown = [&] {
        QStringList texts{window.windowTitle()};
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->isVisible()) texts << label->text();
        const QAbstractItemModel* m = grid->model();
        for (int column = 0; column < m->columnCount(); ++column) {
            texts << m->headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < m->rowCount(); ++row) texts << m->index(row, column).data().toString();
        }
        return texts;
    };
    const QStringList chinese = shown();
    ASSERT_TRUE(zova::test::HoldsChinese(chinese.join(QLatin1Char('\n')).toStdString()));
    Switch(Language::English);
    const QStringList english = shown();
    for (const QString& text : english) EXPECT_FALSE(zova::test::HoldsChinese(text.toStdString())) << text.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("Part number")));
    Switch(Language::Chinese);
    EXPECT_EQ(shown(), chinese);
}

// Qt's own buttons follow: Debian's qtbase_zh_CN in Chinese, Qt's English otherwise.
TEST_F(Language_, QtsOwnTextsFollow) {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    Switch(Language::English);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    Switch(Language::Chinese);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
}

TEST_F(Language_, TheMainWindowsMenuSwitchesOpenWindowsAndKeepsTheChoice) {
    MDIMain main;
    main.show();
    Find<QAction>(&main, "menToroidalL")->trigger();
    auto* language = Find<QMenu>(&main, "meuLanguage");
    auto* chinese = Find<QAction>(&main, "meuChinese");
    auto* english = Find<QAction>(&main, "meuEnglish");
    EXPECT_TRUE(chinese->isChecked());
    EXPECT_FALSE(english->isChecked());
    const auto calculator = [&] {
        for (QMdiSubWindow* sub : Find<QMdiArea>(&main, "mdiArea")->subWindowList())
            if (sub->widget()->objectName() == QLatin1String("frmDiangan")) return sub;
        return static_cast<QMdiSubWindow*>(nullptr);
    };
    ASSERT_NE(calculator(), nullptr);

    english->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(chinese->isChecked());
    EXPECT_EQ(Find<QMenu>(&main, "meuTools")->title(), QStringLiteral("&Tools"));
    EXPECT_EQ(Find<QAction>(&main, "meuDesign")->text(), QStringLiteral("&Design workbench"));
    EXPECT_EQ(language->title(), QStringLiteral("语言/Language(&L)"));
    EXPECT_EQ(calculator()->windowTitle(), QStringLiteral("Toroidal core inductance"));
    EXPECT_EQ(SavedLanguage(), Language::English);

    chinese->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_TRUE(chinese->isChecked());
    EXPECT_EQ(Find<QMenu>(&main, "meuTools")->title(), QStringLiteral("计算工具(&D)"));
    EXPECT_EQ(Find<QAction>(&main, "meuDesign")->text(), QStringLiteral("设计分析(&E)"));
    EXPECT_EQ(language->title(), QStringLiteral("语言/Language(&L)"));
    EXPECT_EQ(calculator()->windowTitle(), QStringLiteral("环形磁芯电感计算"));
    EXPECT_EQ(SavedLanguage(), Language::Chinese);
}

struct SettingCase {
    const char* kept;  // nullptr: nothing kept
    Language read;
};

TEST_F(Language_, TheKeptSettingIsReadBackAndAnythingElseIsChinese) {
    const SettingCase cases[] = {{nullptr, Language::Chinese}, {"en", Language::English}, {"zh", Language::Chinese},
                                 {"fr", Language::Chinese},   {"EN", Language::Chinese}};
    for (const SettingCase& c : cases) {
        {
            QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zova"),
                               QStringLiteral("zovamagnetic"));
            if (c.kept == nullptr)
                settings.remove(QStringLiteral("language"));
            else
                settings.setValue(QStringLiteral("language"), QString::fromLatin1(c.kept));
        }
        EXPECT_EQ(SavedLanguage(), c.read) << (c.kept != nullptr ? c.kept : "(none)");
    }
    SaveLanguage(Language::English);
    EXPECT_EQ(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zova"), QStringLiteral("zovamagnetic"))
                  .value(QStringLiteral("language")),
              QStringLiteral("en"));
}

}  // namespace
}  // namespace zova::ui
