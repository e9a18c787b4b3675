#include "ui/file_export.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <string>

#include "files/file_names.h"
#include "files/save_file.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

bool confirmReplace(QWidget* owner, const QString& caption, const QString& path) {
    QMessageBox box(QMessageBox::Warning, caption,
                    QCoreApplication::translate("FileExport", "“%1”已经存在。要替换它吗？").arg(QFileInfo(path).fileName()), QMessageBox::NoButton,
                    owner);
    QPushButton* replace = box.addButton(QCoreApplication::translate("FileExport", "替换"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QCoreApplication::translate("FileExport", "取消"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

// The chart carries `title` while it is drawn for a file.
class ExportTitle {
public:
    ExportTitle(QChart* chart, const QString& title) : chart_(chart) { retitle(title); }
    ~ExportTitle() { retitle({}); }
    ExportTitle(const ExportTitle&) = delete;
    ExportTitle& operator=(const ExportTitle&) = delete;

private:
    void retitle(const QString& title) {
        chart_->setTitle(title);
        chart_->layout()->activate();  // the plot makes room now, not at the next event
    }
    QChart* chart_;
};

}  // namespace

QString AskSaveName(QWidget* owner, const QString& caption, const QString& suggested, std::span<const FileType> types) {
    QStringList filters;
    for (const FileType& type : types) filters << QCoreApplication::translate("FileExport", type.filter);
    QString chosen = filters.front();
    // Qt's own question would come before our extension is added: we ask.
    const QString typed =
        QFileDialog::getSaveFileName(owner, caption, suggested + "." + q(types.front().extension),
                                     filters.join(QStringLiteral(";;")), &chosen, QFileDialog::DontConfirmOverwrite);
    if (typed.isEmpty()) return {};
    std::vector<std::string_view> extensions;
    for (const FileType& type : types) extensions.push_back(type.extension);
    const std::string_view chosenExtension =
        types[static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(chosen)))].extension;
    const QString path = QFile::decodeName(QByteArray::fromStdString(
        files::WithExtension(QFile::encodeName(typed).toStdString(), extensions, chosenExtension)));
    // Only a regular file is replaced; anything else is refused when saving.
    if (QFileInfo(path).isFile() && !confirmReplace(owner, caption, path)) return {};
    return path;
}

bool SaveBytes(QWidget* owner, const QString& path, const QByteArray& bytes) {
    const files::SaveOutcome o =
        files::SaveFile(QFile::encodeName(path).toStdString(),
                        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!o.saved()) ShowMessage(owner, q(o.message));
    return o.saved();
}

QByteArray ChartPng(QChartView* view, const QString& title) {
    const ExportTitle titled(view->chart(), title);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!view->grab().save(&buffer, "PNG")) return {};
    return png;
}

QByteArray ChartSvg(QChartView* view, const QString& title) {
    const ExportTitle titled(view->chart(), title);
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(view->size());
    generator.setViewBox(view->rect());
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        view->render(&painter);
    }
    return svg;
}

void ExportCandidatesCsv(QWidget* owner, const std::vector<CandidateRow>& rows, const std::vector<std::size_t>& order,
                         const QString& suggested) {
    static constexpr FileType kCsv[] = {{QT_TRANSLATE_NOOP("FileExport", "CSV 文件 (*.csv)"), "csv"}};
    const QString path = AskSaveName(owner, QCoreApplication::translate("FileExport", "导出 CSV"), suggested, kCsv);
    if (path.isEmpty()) return;
    const std::string csv = CandidatesCsv(rows, order);
    SaveBytes(owner, path, QByteArray::fromStdString(csv));
}

}  // namespace zova::ui
