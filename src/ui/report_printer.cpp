#include "ui/report_printer.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include "documents/program_version.h"
#include "presentation/workbench_texts.h"
#include "ui/design_charts.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

// The charts are drawn on off-screen views of this size, which sets their
// proportions and how large their texts are beside them; on the page each
// takes kChartShare of the text's width.
constexpr QSize kChartSize(440, 290);
constexpr qreal kChartShare = 0.49;
// The slot's placeholders, which become the charts once the HTML is read.
const QString kChartSource = QStringLiteral("zova-chart:");
constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr int kChartIndex = QTextFormat::UserProperty + 1;
constexpr int kLeastPercent = 80;

// Draws the two charts, as the workbench draws them and each titled with its
// name, where the document holds their objects: the views' scenes painted
// through the document's painter, in vectors.
class ChartObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit ChartObjects(const ReportCharts& charts) {
        drawn_.showInductance(charts.inductance);
        drawn_.showPermeability(charts.permeability);
        const std::array<std::string, 2> names = {workbench::InductanceChartTexts().name,
                                                  workbench::PermeabilityChartTexts().name};
        for (std::size_t i = 0; i < views_.size(); ++i) {
            QChart* chart = views_[i].chart();
            chart->setTitle(q(names[i]));
            chart->resize(kChartSize);
            chart->layout()->activate();  // the view is never shown: lay the chart out now
        }
    }

    QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat&) override {
        const qreal width = doc->pageSize().width() * kChartShare;
        return {width, width * kChartSize.height() / kChartSize.width()};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        const auto index = static_cast<std::size_t>(format.intProperty(kChartIndex));
        if (index < views_.size()) views_[index].scene()->render(painter, rect, QRectF(QPointF(0, 0), kChartSize));
    }

private:
    std::array<QChartView, 2> views_;
    DesignCharts drawn_{&views_[0], &views_[1]};
};

// Two placeholder images side by side; ChartsInPlace makes them the charts.
std::string ChartSlot() {
    std::string slot = "<p align=\"center\">";
    for (int i = 0; i < 2; ++i)
        slot += "<img src=\"" + u8(kChartSource) + std::to_string(i) + "\" width=\"1\" height=\"1\"> ";
    return slot + "</p>";
}

void ChartsInPlace(QTextDocument& doc) {
    std::vector<std::pair<int, int>> found;  // position, chart
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (image.isValid() && image.name().startsWith(kChartSource))
                found.emplace_back(it.fragment().position(), image.name().mid(kChartSource.size()).toInt());
        }
    for (const auto& [position, chart] : found) {
        QTextCharFormat object;
        object.setObjectType(kChartObject);
        object.setProperty(kChartIndex, chart);
        QTextCursor cursor(&doc);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(object);
    }
}

// The largest scale, in steps of 5 % down to kLeastPercent, at which the
// document fits one page, else two; the document is left paginated at it.
qreal FittingScale(QTextDocument& doc, const QSizeF& page) {
    for (int pages = 1; pages <= 2; ++pages)
        for (int percent = 100; percent >= kLeastPercent; percent -= 5) {
            doc.setPageSize(page * 100.0 / percent);
            if (doc.pageCount() <= pages) return percent / 100.0;
        }
    return kLeastPercent / 100.0;
}

}  // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

int PaintReport(QPagedPaintDevice* device, const DesignReport& report) {
    std::optional<ChartObjects> charts;
    if (report.charts) charts.emplace(*report.charts);
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.documentLayout()->setPaintDevice(device);
    if (charts) doc.documentLayout()->registerHandler(kChartObject, &*charts);
    doc.setHtml(q(DesignReportHtml(report, ChartSlot())));
    ChartsInPlace(doc);

    QPainter painter;
    if (!painter.begin(device)) return 0;
    const QSizeF page(device->width(), device->height());
    const qreal scale = FittingScale(doc, page);
    const qreal height = doc.pageSize().height();
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device->newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * height);
        // A hair inside the page: a line that only touches its edge belongs to
        // the page before or after, and would be drawn here too (clipped away,
        // but its text twice in the PDF).
        doc.drawContents(&painter, QRectF(0, i * height + 0.5, doc.pageSize().width(), height - 1.0));
        painter.restore();
    }
    return pages;
}

QByteArray ReportPdf(const DesignReport& report) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(ReportPageLayout());
        writer.setTitle(q(report.title));
        writer.setCreator(q(ProgramNameAndVersion()));
        if (PaintReport(&writer, report) == 0) return {};
    }
    return pdf;
}

bool PrintReport(QWidget* owner, const DesignReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout());
    printer.setDocName(q(report.title));
    printer.setCreator(q(ProgramNameAndVersion()));
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QCoreApplication::translate("DesignReport", "打印设计报告"));
    if (dialog.exec() != QDialog::Accepted) return false;
    if (PaintReport(&printer, report) > 0) return true;
    ShowMessage(owner, QCoreApplication::translate("DesignReport", "无法打印设计报告：所选的打印机不能开始打印。"));
    return false;
}

}  // namespace zova::ui

#include "report_printer.moc"
