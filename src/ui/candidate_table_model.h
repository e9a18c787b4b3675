#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <vector>

#include "presentation/candidate_table.h"

namespace zova::ui {

// The candidates' comparison as a table view reads it: the rows arrive in
// pieces while their figures are computed, and are shown in the order the
// workbench's session gives (a sort, a converter's ranking, warned rows
// hidden); a click on a column's header asks for that column's order.
class CandidateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    // Rows after those held; shown once an order names them.
    void append(std::vector<CandidateRow> rows);
    // The rows held, said again (another language): same rows, same order.
    void sayAgain(const std::vector<CandidateRow>& rows);
    // The row positions shown, top to bottom; rows chosen or current keep their place.
    void setOrder(std::vector<std::size_t> order);

    // The row shown at `viewRow`.
    const CandidateRow& rowAt(int viewRow) const { return rows_[order_[static_cast<std::size_t>(viewRow)]]; }
    const std::vector<CandidateRow>& rows() const { return rows_; }
    const std::vector<std::size_t>& order() const { return order_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

signals:
    void sortAsked(std::size_t column, bool descending);

private:
    std::vector<CandidateRow> rows_;
    std::vector<std::size_t> order_;  // view row -> position in rows_
};

}  // namespace zova::ui
