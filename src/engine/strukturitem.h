#pragma once

#include "strukturrec.h"

#include <QList>
#include <vector>

class StrukturModel;
class StrukturVisning;

// A node of an engine tree: its text, the slot of its icon in the tree's images, the record
// it stands for, and its children. A node not yet in a tree owns its children; once added,
// the tree's model owns the node, and changes made through the node (text, children,
// selection, expansion, deleting it) reach the view.
class StrukturItem {
public:
    StrukturItem(QString text, StrukturRec rec, int imageIndex)
        : rec(std::move(rec)), imageIndex(imageIndex), m_text(std::move(text)) {}
    ~StrukturItem();
    StrukturItem(const StrukturItem&) = delete;
    StrukturItem& operator=(const StrukturItem&) = delete;

    // The record of a node, null for no node.
    static StrukturRec* recOf(StrukturItem* node) { return node ? &node->rec : nullptr; }

    const QString& text() const { return m_text; }
    void setText(const QString& text);

    // A disabled node is shown greyed and cannot be chosen.
    bool isDisabled() const { return m_disabled; }
    void setDisabled(bool disabled);

    // The parent node; null for a node at the top of its tree or not in a tree.
    StrukturItem* parent() const;
    // Position among the parent's children (or among the top-level nodes).
    int row() const { return m_row; }
    int childCount() const { return int(m_children.size()); }
    // The child at `index`, null outside the children.
    StrukturItem* child(int index) const;
    int indexOfChild(const StrukturItem* node) const;
    void addChild(StrukturItem* node);
    void addChildren(const QList<StrukturItem*>& nodes);
    // Deletes every child with its subtree.
    void deleteChildren();

    // The tree showing the node, null when it is in none.
    StrukturVisning* treeWidget() const;
    bool isSelected() const;
    void setSelected(bool selected);
    bool isExpanded() const;
    void setExpanded(bool expanded);

    StrukturRec rec;
    int imageIndex; // slot in the tree's images

protected:
    // Makes the hidden root of a model's tree.
    struct RootTag {};
    explicit StrukturItem(RootTag) : imageIndex(-1), m_row(-1), m_isRoot(true) {}

private:
    friend class StrukturModel;

    void eraseChild(int row);

    QString m_text;
    StrukturItem* m_parent = nullptr;
    std::vector<StrukturItem*> m_children;
    int m_row = 0; // position among the parent's children
    bool m_isRoot = false;
    bool m_disabled = false;
};
