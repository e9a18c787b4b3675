#include "ui/file_export.h"

#include <QBuffer>
#include <QChartView>
#include <QFileDialog>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "ui/message_box.h"

namespace zova::ui {

bool SaveBytes(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size && file.commit();
}

bool SaveChart(QChartView* view, const QString& path) {
    if (!path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) return view->grab().save(path, "PNG");
    // QSvgGenerator reports no failure of its own: write to memory, then save.
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(view->size());
    generator.setViewBox(view->rect());
    generator.setTitle(view->window()->windowTitle());
    {
        QPainter painter(&generator);
        view->render(&painter);
    }
    return SaveBytes(path, svg.toStdString());
}

void ExportCandidatesCsv(QWidget* owner, const std::vector<CandidateRow>& rows,
                         const std::vector<std::size_t>& order) {
    const QString path = QFileDialog::getSaveFileName(owner, QStringLiteral("导出 CSV"), QStringLiteral("候选磁芯.csv"),
                                                      QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty()) return;
    if (!SaveBytes(path, CandidatesCsv(rows, order))) ShowMessage(owner, QStringLiteral("无法写入文件：") + path);
}

}  // namespace zova::ui
