#pragma once

#include <string>
#include <vector>

#include <QString>

#include "presentation/candidate_table.h"

class QChartView;
class QWidget;

namespace zova::ui {

// Writes the bytes to the file whole or not at all; false when that failed.
bool SaveBytes(const QString& path, const std::string& bytes);

// The chart as drawn now: SVG when the name ends in ".svg", PNG otherwise.
bool SaveChart(QChartView* view, const QString& path);

// Asks where to save the candidates' table and writes it as CSV, rows in the
// given order; a file that cannot be written gets a message.
void ExportCandidatesCsv(QWidget* owner, const std::vector<CandidateRow>& rows,
                         const std::vector<std::size_t>& order);

}  // namespace zova::ui
