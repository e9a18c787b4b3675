#include "ui/line_break_label.h"

#include <QPainter>
#include <QStyle>

namespace zova::ui {

QString LineBreakLabel::displayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QSize LineBreakLabel::sizeHint() const {
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                    Qt::AlignLeft | Qt::AlignTop, displayText(text()));
    const QMargins m = contentsMargins();
    return bounds.size().grownBy(m) + QSize(2 * margin(), 2 * margin());
}

QSize LineBreakLabel::minimumSizeHint() const { return sizeHint(); }

void LineBreakLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), displayText(text()), foregroundRole());
}

}  // namespace zova::ui
