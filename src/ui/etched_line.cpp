#include "ui/etched_line.h"

#include <QPainter>

namespace zova::ui {

void EtchedLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(0, 0, 370, 2, Qt::white);
    p.fillRect(1, 0, 371, 1, QColor(128, 128, 128));
}

}  // namespace zova::ui
