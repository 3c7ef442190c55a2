#pragma once

#include <QStyledItemDelegate>

// Draws a row of the music player's queue: a small pale green ellipse, the title and a
// silver line along the row's bottom edge, on the selection colour for the selected row.
class MusikboxTegner : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kRaekkeHoejde = 19;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
