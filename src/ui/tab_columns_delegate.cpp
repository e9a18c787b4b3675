#include "ui/tab_columns_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

namespace zova::ui {
namespace {

// Blank space kept between a field cut short and the next column.
constexpr int kColumnGap = 4;

}  // namespace

TabColumnsDelegate::TabColumnsDelegate(QAbstractItemView* view, const QList<QWidget*>& captions)
    : QStyledItemDelegate(view), view_(view) {
    for (QWidget* caption : captions) captions_ << caption;
}

QStringList TabColumnsDelegate::Fields(const QString& line) {
    static const QRegularExpression tabs(QStringLiteral("\t+"));
    return line.split(tabs);
}

QList<int> TabColumnsDelegate::ColumnStarts() const {
    QList<int> starts;
    if (view_ == nullptr) return starts;
    QWidget* viewport = view_->viewport();
    QWidget* window = viewport->window();
    // Captions and list share the window; they need not share a parent.
    for (const QPointer<QWidget>& caption : captions_)
        if (caption != nullptr) starts << viewport->mapFrom(window, caption->mapTo(window, QPoint(0, 0))).x();
    return starts;
}

QStringList TabColumnsDelegate::ColumnTexts(const QString& line) const {
    QStringList texts = Fields(line);
    const qsizetype columns = std::max<qsizetype>(1, ColumnStarts().size());
    if (texts.size() > columns) {
        const QString rest = texts.mid(columns - 1).join(QLatin1Char(' '));
        texts.resize(columns - 1);
        texts << rest;
    }
    return texts;
}

QList<QRect> TabColumnsDelegate::FieldRects(const QString& line, const QRect& itemRect) const {
    QList<int> starts = ColumnStarts();
    if (starts.isEmpty()) starts << 0;
    const qsizetype count = ColumnTexts(line).size();
    QList<QRect> rects;
    for (qsizetype k = 0; k < count; ++k) {
        const int left = itemRect.left() + starts[k];
        const int right = k + 1 < starts.size() ? itemRect.left() + starts[k + 1] - kColumnGap : itemRect.right() + 1;
        rects << QRect(left, itemRect.top(), std::max(0, right - left), itemRect.height());
    }
    return rects;
}

void TabColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString line = opt.text;

    // Background, selection and focus frame as usual; the text is ours.
    opt.text.clear();
    QStyle* style = opt.widget != nullptr ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role = (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    const QFontMetrics metrics(opt.font);

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    const QStringList texts = ColumnTexts(line);
    const QList<QRect> rects = FieldRects(line, opt.rect);
    for (qsizetype k = 0; k < texts.size(); ++k) {
        const QString shown = metrics.elidedText(texts[k], Qt::ElideRight, rects[k].width());
        painter->drawText(rects[k], Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    painter->restore();
}

}  // namespace zova::ui
