#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <vector>

#include "presentation/candidate_table.h"

namespace zova::ui {

// The candidates' comparison as a table view reads it: rows arrive in pieces
// while their figures are computed, and sort by any column in the library's
// order (numbers by value, rows without one last, ties in catalogue order).
class CandidateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    void append(std::vector<CandidateRow> rows);

    // The row shown at `viewRow`.
    const CandidateRow& rowAt(int viewRow) const { return rows_[order_[static_cast<std::size_t>(viewRow)]]; }
    const std::vector<CandidateRow>& rows() const { return rows_; }
    const std::vector<std::size_t>& order() const { return order_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    std::vector<CandidateRow> rows_;
    std::vector<std::size_t> order_;  // view row -> position in rows_
    int sortColumn_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace zova::ui
