#pragma once

#include <span>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QString>

#include "presentation/candidate_table.h"

class QChartView;
class QWidget;

namespace zova::ui {

// A kind of file the save dialog offers: its filter and its extension.
struct FileType {
    const char* filter;          // "PNG 图像 (*.png)", translated in the context "FileExport"
    std::string_view extension;  // "png"
};

// Asks where to save, offering `suggested` (without extension) and the types.
// The extension is settled first (the name as typed when it ends in one of
// the types', else the chosen type's added), then, when that file exists, the
// user is asked whether to replace it. Empty when the user cancelled.
QString AskSaveName(QWidget* owner, const QString& caption, const QString& suggested, std::span<const FileType> types);

// Writes the bytes through the one save path (files::SaveFile): whole or not at
// all. A failure gets a message naming the path and the reason; false then.
bool SaveBytes(QWidget* owner, const QString& path, const QByteArray& bytes);

// The chart as drawn now with `title` above it (the window, which shows the
// inputs beside it, draws none), as PNG or SVG bytes; empty when encoding failed.
QByteArray ChartPng(QChartView* view, const QString& title);
QByteArray ChartSvg(QChartView* view, const QString& title);

// Asks where to save the candidates' table (offering `suggested`) and writes it
// as CSV, rows in the given order.
void ExportCandidatesCsv(QWidget* owner, const std::vector<CandidateRow>& rows, const std::vector<std::size_t>& order,
                         const QString& suggested);

}  // namespace zova::ui
