// The report as a PDF, read back with poppler's tools. Expected values: the
// issue's walk-through (KTA092060 at 54 turns and 10 A gives 100.283 µH), the
// figure table's captions (every one must reach the page), A4 as 595 x 842 pt.
// ZOVA_REPORT_PDF=FILE keeps the KTA092060 report (from a buck) for a look at it.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <optional>

#include "documents/design_report.h"
#include "language/texts.h"
#include "presentation/figure_table.h"
#include "presentation/workbench_texts.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/next_window.h"
#include "ui/qt_text.h"
#include "ui/report_printer.h"

namespace zova::ui {
namespace {

// What a poppler tool prints for the file; empty when it did not run.
QString Poppler(const char* tool, const QStringList& arguments) {
    QProcess p;
    p.start(QString::fromLatin1(tool), arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext -layout keeps a table's row on one line and breaks lines where
// the page does: compare without white space.
QString Squeezed(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); }

// The report of a design as the workbench would have it, dated 2026-12-09.
DesignReport ReportOf(const DesignInputs& in) {
    const DesignTexts t = TextsOf(in);
    const DesignOutcome o = DesignAsTyped(t.core, t.turns, t.current, t.stack, t.Ac(), t.Margins());
    EXPECT_EQ(o.end, DesignEnd::Found) << o.message;
    return DesignReportOf(in, o, "2026-12-09");
}

DesignInputs Design(const char* core, int turns, double current, std::optional<double> frequency = {},
                    std::optional<double> ripple = {}) {
    DesignInputs in;
    in.core = core;
    in.turns = turns;
    in.current = current;
    in.frequency = frequency;
    in.ripple = ripple;
    return in;
}

// KTA092060 at 54 turns, 10 A, 100 kHz with 3 A of ripple.
DesignInputs Kta092060() { return Design("KTA092060", 54, 10, 100, 3); }

// The same from a buck 48 → 12 V at 10 A, ripple ratio 0.3 (D = 0.25, and
// L = (48 − 12) × 0.25 × 10 µs ÷ 3 A = 30 µH).
DesignInputs Kta092060FromABuck() {
    DesignInputs in = Kta092060();
    in.converter = ConverterInputs{"buck", 48, 12, 10, 100, 0.3, std::nullopt};
    return in;
}

QString Saved(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

struct Written {
    QString text;    // pdftotext -layout, squeezed
    QString fonts;   // pdffonts
    QString info;    // pdfinfo
    QString images;  // pdfimages -list
};

Written ReadBack(const QString& pdf) {
    return {Squeezed(Poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")})),
            Poppler("pdffonts", {pdf}), Poppler("pdfinfo", {pdf}),
            Poppler("pdfimages", {QStringLiteral("-list"), pdf})};
}

int PagesOf(const QString& info) {
    const auto m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
                       .match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// pdffonts' table: every font embedded, and one of them a Chinese one.
void ExpectChineseFontEmbedded(const QString& fonts) {
    const QStringList lines = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2) << fonts.toStdString();
    bool chinese = false;
    for (const QString& line : lines.mid(2)) {
        // name, type (two words), encoding, then emb sub uni object ID
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 8) << line.toStdString();
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << "not embedded: " << line.toStdString();
        chinese |= columns[0].contains(QRegularExpression(QStringLiteral("WenQuanYi|CJK|ZenHei")));
    }
    EXPECT_TRUE(chinese) << fonts.toStdString();
}

TEST(Report, PdfOnOneOrTwoA4PagesWithEveryFigureAndVectorCharts) {
    struct Case {
        const char* name;
        DesignInputs in;
        int extraNotes;  // one-line notes added to the report's own
        int pages;
        std::vector<QString> shown;   // on the page
        std::vector<QString> absent;  // not on it
    };
    const QString inductance = QStringLiteral("电感量-电流");
    const QString permeability = QStringLiteral("磁导率-磁场");
    const Case cases[] = {
        {"ktaAt100kHz", Kta092060(), 0, 1,
         {QStringLiteral("电感设计报告：KTA092060，54 圈"), QStringLiteral("2026-12-09"),
          QStringLiteral("zovamagnetic 1.0"), QStringLiteral("电感量 (μH) 100.283"),
          QStringLiteral("开关频率 (kHz) 100"), QStringLiteral("纹波电流峰峰值 (A) 3.000"), inductance, permeability,
          QStringLiteral("直流电流 (A)"), QStringLiteral("曲线数据点")},
         {q(Say(texts::workbench::noCurve))}},
        {"ktaFromABuck", Kta092060FromABuck(), 0, 1,
         {QStringLiteral("变换器：buck，48 V → 12 V，10 A，100 kHz，占空比 0.250，纹波率 0.300，目标电感量 30.000 μH")},
         {}},
        {"coreWithoutCurve", Design("KRA037125", 40, 0.01), 0, 1,
         {QStringLiteral("电感设计报告：KRA037125，40 圈"), q(Say(texts::workbench::noCurve))},
         {inductance, permeability}},
        // Ten lines more than a page holds at full size (the report alone
        // fills some nine tenths of it), well within one page at 80 %.
        {"shrunkOntoOnePage", Kta092060(), 10, 1, {inductance, permeability}, {}},
        // More than a page even at 80 %: the second page goes on where the first stops.
        {"runsOntoASecondPage", Kta092060(), 70, 2, {inductance, permeability}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignReport report = ReportOf(c.in);
        for (int i = 0; i < c.extraNotes; ++i) report.notes.push_back("附注 " + std::to_string(i) + " 号。");
        const QByteArray pdf = ReportPdf(report);
        ASSERT_TRUE(pdf.startsWith("%PDF-"));
        QTemporaryDir dir;
        const QString path = Saved(dir, "report.pdf", pdf);
        if (c.in == Kta092060FromABuck() && qEnvironmentVariableIsSet("ZOVA_REPORT_PDF"))
            QFile::copy(path, qEnvironmentVariable("ZOVA_REPORT_PDF"));

        const Written w = ReadBack(path);
        for (const QString& s : c.shown) EXPECT_TRUE(w.text.contains(Squeezed(s))) << s.toStdString();
        for (const QString& s : c.absent) EXPECT_FALSE(w.text.contains(Squeezed(s))) << s.toStdString();
        for (const Figure* figure : FiguresInReadingOrder()) {
            if (figure->kind != FigureKind::Points) {
                EXPECT_TRUE(w.text.contains(Squeezed(q(Caption(*figure))))) << Caption(*figure);
            }
        }
        ExpectChineseFontEmbedded(w.fonts);
        for (int i = 0; i < c.extraNotes; ++i)
            EXPECT_EQ(w.text.count(QStringLiteral("附注%1号。").arg(i)), 1) << i;
        EXPECT_EQ(PagesOf(w.info), c.pages) << w.info.toStdString();
        const QRegularExpression a4(QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts"));
        EXPECT_TRUE(w.info.contains(a4)) << w.info.toStdString();
        // The charts are drawn, not pasted: pdfimages lists its header alone.
        EXPECT_EQ(w.images.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2) << w.images.toStdString();
    }
}

// A printer at the screen's resolution lays the report out as the PDF at
// 1200 dpi does: the same pages and texts.
TEST(Report, PrinterAtAnotherResolutionGetsTheSamePages) {
    const DesignReport report = ReportOf(Kta092060());
    QTemporaryDir dir;
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageLayout(ReportPageLayout());
        ASSERT_GE(PaintReport(&printer, report), 1);
    }
    const Written a = ReadBack(printed);
    const Written b = ReadBack(Saved(dir, "written.pdf", ReportPdf(report)));
    EXPECT_EQ(PagesOf(a.info), PagesOf(b.info));
    EXPECT_FALSE(a.text.isEmpty());
    EXPECT_EQ(a.text, b.text);
}

// The print dialog is the system's, modal; cancelling it prints nothing and says nothing.
TEST(Report, CancelledPrintDialogPrintsNothing) {
    const DesignReport report = ReportOf(Kta092060());
    QString title;
    test::NextWindow<QPrintDialog> cancel([&](QPrintDialog* dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    const test::ModalWatcher boxes;
    EXPECT_FALSE(PrintReport(nullptr, report));
    EXPECT_TRUE(cancel.answered());
    EXPECT_EQ(title, QStringLiteral("打印设计报告"));
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
}  // namespace zova::ui
