#pragma once

#include "strukturitem.h"

#include <QTreeView>
#include <functional>

class StrukturModel;

// A tree view over a model of engine nodes, with the item calls the engine and the windows
// use: top-level nodes, the current node, the selection, hit tests and in-place editing.
// The view holds no widget item per row, so a folder of a million entries costs no more
// than its nodes.
class StrukturVisning : public QTreeView {
    Q_OBJECT

public:
    explicit StrukturVisning(QWidget* parent = nullptr);

    StrukturModel& strukturModel() const { return *m_model; }
    // The icons of the nodes, by slot.
    void setImages(const QList<QIcon>& images);

    int topLevelItemCount() const;
    StrukturItem* topLevelItem(int index) const;
    int indexOfTopLevelItem(const StrukturItem* node) const;
    void addTopLevelItem(StrukturItem* node);
    void addTopLevelItems(const QList<StrukturItem*>& nodes);
    // Deletes every node.
    void clear();

    StrukturItem* currentItem() const;
    // Makes the node current and the only one selected (none: no current node).
    void setCurrentItem(StrukturItem* node);
    // Makes the node current, changing the selection as `command` says.
    void setCurrentItem(StrukturItem* node, QItemSelectionModel::SelectionFlags command);
    // The selected nodes in display order.
    QList<StrukturItem*> selectedItems() const;
    // Selects exactly the nodes for which `wanted` holds, in one step.
    void selectWhere(const std::function<bool(const StrukturItem&)>& wanted);
    // Every node in display order: a node, its children, then its next sibling.
    void forEachItem(const std::function<void(StrukturItem&)>& visit) const;
    // The nodes whose text is `text`, at the top level or (recursive) anywhere.
    QList<StrukturItem*> findItems(const QString& text, bool recursive = false) const;

    StrukturItem* itemAt(const QPoint& point) const;
    StrukturItem* itemAt(int x, int y) const { return itemAt(QPoint(x, y)); }
    QRect visualItemRect(const StrukturItem* node) const;
    void scrollToItem(const StrukturItem* node);
    void editItem(StrukturItem* node);

    // Dotted lines from each node to its parent and its siblings.
    void setLinjer(bool linjer);
    bool linjer() const { return m_linjer; }

    StrukturItem* itemFromIndex(const QModelIndex& index) const;
    QModelIndex indexFromItem(const StrukturItem* node) const;

signals:
    void itemClicked(StrukturItem* node);
    void itemDoubleClicked(StrukturItem* node);
    // A key (an arrow, Page Down, a typed name) moved the current node or changed the
    // selection: what itemClicked tells of the mouse.
    void keySelectionChanged(StrukturItem* current);

protected:
    void keyPressEvent(QKeyEvent* event) override;

protected:
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    StrukturModel* m_model;
    // Set by every change of the current node or the selection while a key is handled.
    bool m_valgSkiftet = false;
    bool m_linjer = false;
};
