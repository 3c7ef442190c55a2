#pragma once

#include <QPalette>
#include <QStyledItemDelegate>

// Draws the rows of the program's marker lists: 19 pixels high, a small marker 2 pixels from
// the left, the text 14 pixels from the left, a silver line along the row's bottom edge, and
// the selection colour for the selected row. Each list draws its own marker.
class MarkoerTegner : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int RaekkeHoejde = 19;

    // The rows lie on the `baggrund` colour with text in the `tekst` colour.
    MarkoerTegner(QPalette::ColorRole baggrund, QPalette::ColorRole tekst, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Draws the marker of the row; the painter is saved and restored around it.
    virtual void tegnMarkoer(QPainter* painter, const QRect& raekke) const = 0;

private:
    QPalette::ColorRole m_baggrund;
    QPalette::ColorRole m_tekst;
};
