#include "musikboxtegner.h"

#include <QPainter>

void MusikboxTegner::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    const QPalette& p = option.palette;
    painter->save();
    painter->fillRect(r, valgt ? p.highlight() : p.window());
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(166, 202, 240));
    painter->setBrush(QColor(192, 220, 192));
    painter->drawEllipse(QRectF(r.left() + 2, r.top() + 6, 10, 8));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(valgt ? p.highlightedText().color() : p.windowText().color());
    painter->setFont(option.font);
    const QRect tekst = r.adjusted(14, 1, -2, 0);
    painter->drawText(
        tekst, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, tekst.width()));
    painter->setPen(QColor(192, 192, 192));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}

QSize MusikboxTegner::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 14, kRaekkeHoejde};
}
