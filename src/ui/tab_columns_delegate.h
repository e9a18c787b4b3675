#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QStyledItemDelegate>

class QAbstractItemView;
class QFontMetrics;

namespace zova::ui {

// Draws list items whose fields are separated by tabs as a table under column
// captions placed beside the list. A run of tabs ends one field, so each field
// starts exactly under its own caption, however wide the field before it is
// (a field too wide for its column is cut short with an ellipsis instead of
// pushing the rest to the right). The item texts themselves stay as they are.
class TabColumnsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `captions`, left to right, head the columns of `view`; their left edges
    // are the columns' left edges.
    TabColumnsDelegate(QAbstractItemView* view, const QList<QWidget*>& captions);

    // The texts between the runs of tabs of a line, in order.
    static QStringList Fields(const QString& line);

    // Left edges of the columns in the coordinates of the view's viewport.
    QList<int> ColumnStarts() const;

    // Where each field of `line` is drawn when the item occupies `itemRect`
    // (viewport coordinates): one rectangle per column that has a field.
    QList<QRect> FieldRects(const QString& line, const QRect& itemRect) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // A field's text as it fits its column; fields beyond the last column join it.
    QStringList ColumnTexts(const QString& line) const;

    QPointer<QAbstractItemView> view_;
    QList<QPointer<QWidget>> captions_;
};

}  // namespace zova::ui
