#pragma once

#include "strukturrec.h"

#include <QTreeWidgetItem>

// A node of an engine tree: its text and icon plus the record it stands for.
class StrukturItem : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    StrukturItem(const QString& text, StrukturRec rec, int imageIndex)
        : QTreeWidgetItem(QStringList(text), Type), rec(std::move(rec)), imageIndex(imageIndex) {}

    // The record of any node, or null for a node that is not an engine node.
    static StrukturItem* of(QTreeWidgetItem* item) {
        return item && item->type() == Type ? static_cast<StrukturItem*>(item) : nullptr;
    }
    static StrukturRec* recOf(QTreeWidgetItem* item) {
        StrukturItem* node = of(item);
        return node ? &node->rec : nullptr;
    }

    StrukturRec rec;
    int imageIndex; // slot in the tree's image list
};
