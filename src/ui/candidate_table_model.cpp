#include "ui/candidate_table_model.h"

#include <algorithm>
#include <iterator>

#include <QBrush>
#include <QColor>

#include "language/texts.h"
#include "presentation/workbench_texts.h"
#include "ui/qt_text.h"

namespace zova::ui {

void CandidateTableModel::clear() {
    beginResetModel();
    rows_.clear();
    order_.clear();
    endResetModel();
}

void CandidateTableModel::append(std::vector<CandidateRow> rows) {
    std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
}

void CandidateTableModel::setOrder(std::vector<std::size_t> order) {
    if (order.size() < order_.size()) {  // rows hidden: nothing to keep in place
        beginResetModel();
        order_ = std::move(order);
        endResetModel();
        return;
    }
    // New rows first come in at the end, in any order; then all take their places.
    if (order.size() > order_.size()) {
        std::vector<bool> shown(rows_.size(), false);
        for (const std::size_t i : order_) shown[i] = true;
        beginInsertRows({}, static_cast<int>(order_.size()), static_cast<int>(order.size()) - 1);
        for (const std::size_t i : order)
            if (!shown[i]) order_.push_back(i);
        endInsertRows();
    }
    if (order == order_) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> positions;  // of the rows the persistent indexes point at
    for (const QModelIndex& index : before) positions.push_back(order_[static_cast<std::size_t>(index.row())]);
    order_ = std::move(order);
    std::vector<int> viewRowOf(rows_.size(), -1);
    for (std::size_t v = 0; v < order_.size(); ++v) viewRowOf[order_[v]] = static_cast<int>(v);
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int row = viewRowOf[positions[static_cast<std::size_t>(k)]];
        after << (row < 0 ? QModelIndex() : index(row, before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int CandidateTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int CandidateTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kCandidateColumns);
}

QVariant CandidateTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const CandidateRow& row = rowAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return q(row.cells[static_cast<std::size_t>(index.column())].text);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (IsTextColumn(static_cast<std::size_t>(index.column())) ? Qt::AlignLeft : Qt::AlignRight));
        case Qt::BackgroundRole:
            if (!row.windingFits) return QBrush(QColor(0xF8, 0xD7, 0xDA));
            return {};
        case Qt::ToolTipRole:
            if (!row.windingFits) return q(Say(texts::workbench::doesNotFitTip));
            return {};
        default:
            return {};
    }
}

void CandidateTableModel::sayAgain(const std::vector<CandidateRow>& rows) {
    const std::size_t held = std::min(rows.size(), rows_.size());
    std::copy_n(rows.begin(), held, rows_.begin());
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

namespace {
constexpr qsizetype kLongName = 12;  // characters of a name that fit a column of figures
}  // namespace

QVariant CandidateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The part number heads its row, so it stays in view when the table scrolls sideways.
    if (orientation == Qt::Vertical && section >= 0 && section < rowCount()) {
        if (role == Qt::DisplayRole) return q(rowAt(section).cells[CandidateColumn("partNo")].text);
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignLeft);
        return {};
    }
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(kCandidateColumns))
        return QAbstractTableModel::headerData(section, orientation, role);
    // The unit on a line of its own keeps the columns as narrow as their figures;
    // a long English name ("Permeability retained") takes two lines as well.
    QString caption = q(CandidateCaption(static_cast<std::size_t>(section)));
    qsizetype unit = caption.lastIndexOf(QLatin1String(" ("));
    if (unit > 0) caption.replace(unit, 1, QLatin1Char('\n'));
    if (unit < 0) unit = caption.size();
    if (CurrentLanguage() == Language::English && unit > kLongName) {
        const qsizetype middle = unit / 2;
        const qsizetype before = caption.lastIndexOf(QLatin1Char(' '), middle);
        const qsizetype after = caption.indexOf(QLatin1Char(' '), middle);
        const qsizetype space = before < 0 || (after >= 0 && after < unit && after - middle < middle - before) ? after : before;
        if (space > 0 && space < unit) caption[space] = QLatin1Char('\n');
    }
    return caption;
}

void CandidateTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= static_cast<int>(kCandidateColumns)) return;
    emit sortAsked(static_cast<std::size_t>(column), order == Qt::DescendingOrder);
}

}  // namespace zova::ui
