#include "musikboxtegner.h"

#include <QPainter>

void MusikboxTegner::tegnMarkoer(QPainter* painter, const QRect& raekke) const {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(166, 202, 240));
    painter->setBrush(QColor(192, 220, 192));
    painter->drawEllipse(QRectF(raekke.left() + 2, raekke.top() + 6, 10, 8));
}
