#include "toolkit/Glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace teklifo {

static const QColor darkBlue(0, 0, 128);

static QPixmap blank() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

static void arrowHead(QPainter& p, QPointF tip, QPointF a, QPointF b) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(a);
    head.lineTo(b);
    head.closeSubpath();
    p.fillPath(head, darkBlue);
}

QPixmap undoGlyph() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(darkBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath curve;
    curve.moveTo(5, 6);
    curve.cubicTo(11, 3, 15, 8, 12, 12);
    curve.lineTo(9, 14);
    p.drawPath(curve);
    arrowHead(p, QPointF(1, 6.5), QPointF(6.5, 2), QPointF(6.5, 11));
    return pixmap;
}

QPixmap backArrowGlyph() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(darkBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath curve;
    curve.moveTo(13, 2);
    curve.cubicTo(14, 9, 10, 11, 6, 11);
    p.drawPath(curve);
    arrowHead(p, QPointF(1, 11), QPointF(6.5, 6.5), QPointF(6.5, 15.5));
    return pixmap;
}

QPixmap crossedDocumentGlyph() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setPen(QColor(0, 0, 0));
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 9, 13);
    p.setPen(QColor(128, 128, 128));
    for (int y = 4; y <= 11; y += 2)
        p.drawLine(5, y, 10, y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 7), QPointF(14, 15));
    p.drawLine(QPointF(14, 7), QPointF(6, 15));
    return pixmap;
}

} // namespace teklifo
