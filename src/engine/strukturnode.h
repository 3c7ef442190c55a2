#pragma once

#include <QTreeWidgetItem>
#include <optional>

// One node of a structure tree. Besides its text a node may own a data string: an image
// digit followed by the node's key (the name of the page the node stands for). The data
// lives in item roles, so the accessors work on any item of the tree.
class TStrukturNode : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 2;

    explicit TStrukturNode(const QString& text);

    // The data string, or nullopt for a node without data.
    static std::optional<QString> nodeData(const QTreeWidgetItem* node);
    static void setNodeData(QTreeWidgetItem* node, const std::optional<QString>& data);
    // The data string without its image digit; empty without data.
    static QString key(const QTreeWidgetItem* node);
    // Index into the tree's images, -1 for none.
    static int imageIndex(const QTreeWidgetItem* node);
    static void setImageIndex(QTreeWidgetItem* node, int index);

    // Sorting compares the texts in Danish alphabetical order (Æ, Ø, Å after Z).
    bool operator<(const QTreeWidgetItem& other) const override;
};
