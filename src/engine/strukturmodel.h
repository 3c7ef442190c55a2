#pragma once

#include "strukturitem.h"

#include <QAbstractItemModel>
#include <QIcon>

class StrukturVisning;

// The model behind an engine tree: a tree of StrukturItem nodes, shown in one column with
// the icon of each node's slot. It is made by the tree view that shows it and knows that
// view, so nodes can reach their selection and expansion.
class StrukturModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit StrukturModel(StrukturVisning& view);
    ~StrukturModel() override;

    // The model a node belongs to, null for a node in no tree.
    static StrukturModel* of(const StrukturItem* node);

    StrukturVisning& view() const { return m_view; }
    // The hidden node whose children are the tree's top-level nodes.
    StrukturItem* root() { return &m_root; }
    const StrukturItem* root() const { return &m_root; }

    void setImages(const QList<QIcon>& images);
    const QList<QIcon>& images() const { return m_images; }
    QIcon icon(const StrukturItem* node) const;

    StrukturItem* itemFromIndex(const QModelIndex& index) const;
    QModelIndex indexFromItem(const StrukturItem* node) const;

    // Adds nodes that are in no tree as children of `parent` (the root for top-level nodes),
    // in order, before the child at `row` (at the end when row is out of range).
    void insertItems(StrukturItem* parent, int row, const QList<StrukturItem*>& nodes);
    // Deletes every child of `parent`.
    void deleteChildren(StrukturItem* parent);
    // Deletes every node.
    void clear();
    // Tells the view that the node's text or icon changed.
    void itemChanged(const StrukturItem* node);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

private:
    friend class StrukturItem;

    // Takes a node that is being deleted out of the tree.
    void takeOut(StrukturItem* node);
    // Deletes nodes already out of the tree.
    static void deleteAll(std::vector<StrukturItem*>& nodes);

    // A tree's hidden root: the node at the top of every chain of parents in this model.
    struct Root : StrukturItem {
        explicit Root(StrukturModel& model) : StrukturItem(RootTag{}), model(model) {}
        StrukturModel& model;
    };

    StrukturItem* nodeOf(const QModelIndex& index) const;

    StrukturVisning& m_view;
    Root m_root;
    QList<QIcon> m_images;
};
