#include "markoertegner.h"

#include <QPainter>

MarkoerTegner::MarkoerTegner(QPalette::ColorRole baggrund, QPalette::ColorRole tekst,
                             QObject* parent)
    : QStyledItemDelegate(parent), m_baggrund(baggrund), m_tekst(tekst) {}

void MarkoerTegner::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    const QPalette& p = option.palette;
    painter->save();
    painter->fillRect(r, valgt ? p.highlight() : p.brush(m_baggrund));
    painter->save();
    tegnMarkoer(painter, r);
    painter->restore();
    painter->setPen(valgt ? p.highlightedText().color() : p.color(m_tekst));
    painter->setFont(option.font);
    const QRect tekst = r.adjusted(14, 1, -2, 0);
    painter->drawText(
        tekst, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, tekst.width()));
    painter->setPen(QColor(192, 192, 192));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}

QSize MarkoerTegner::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 14, RaekkeHoejde};
}
