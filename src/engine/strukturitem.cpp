#include "strukturitem.h"

#include "strukturmodel.h"
#include "strukturvisning.h"

#include <QItemSelectionModel>

StrukturItem::~StrukturItem() {
    // A deleted node leaves its parent, and the view hears of it when it is in a tree.
    if (m_parent) {
        if (StrukturModel* model = StrukturModel::of(this))
            model->takeOut(this);
        else
            m_parent->eraseChild(m_row);
    }
    for (StrukturItem* node : m_children) {
        node->m_parent = nullptr;
        delete node;
    }
}

void StrukturItem::eraseChild(int row) {
    m_children.erase(m_children.begin() + row);
    for (size_t i = size_t(row); i < m_children.size(); ++i)
        m_children[i]->m_row = int(i);
}

void StrukturItem::setText(const QString& text) {
    m_text = text;
    if (StrukturModel* model = StrukturModel::of(this))
        model->itemChanged(this);
}

void StrukturItem::setDisabled(bool disabled) {
    m_disabled = disabled;
    if (StrukturModel* model = StrukturModel::of(this))
        model->itemChanged(this);
}

StrukturItem* StrukturItem::parent() const {
    return m_parent && !m_parent->m_isRoot ? m_parent : nullptr;
}

StrukturItem* StrukturItem::child(int index) const {
    return index >= 0 && index < childCount() ? m_children[size_t(index)] : nullptr;
}

int StrukturItem::indexOfChild(const StrukturItem* node) const {
    return node && node->m_parent == this ? node->m_row : -1;
}

void StrukturItem::addChild(StrukturItem* node) {
    addChildren({node});
}

void StrukturItem::addChildren(const QList<StrukturItem*>& nodes) {
    if (StrukturModel* model = StrukturModel::of(this)) {
        model->insertItems(this, childCount(), nodes);
        return;
    }
    m_children.reserve(m_children.size() + size_t(nodes.size()));
    for (StrukturItem* node : nodes) {
        node->m_parent = this;
        node->m_row = childCount();
        m_children.push_back(node);
    }
}

void StrukturItem::deleteChildren() {
    if (StrukturModel* model = StrukturModel::of(this)) {
        model->deleteChildren(this);
        return;
    }
    std::vector<StrukturItem*> gone;
    gone.swap(m_children);
    for (StrukturItem* node : gone) {
        node->m_parent = nullptr;
        delete node;
    }
}

StrukturVisning* StrukturItem::treeWidget() const {
    StrukturModel* model = StrukturModel::of(this);
    return model ? &model->view() : nullptr;
}

bool StrukturItem::isSelected() const {
    StrukturVisning* view = treeWidget();
    return view && view->selectionModel()->isSelected(view->indexFromItem(this));
}

void StrukturItem::setSelected(bool selected) {
    if (StrukturVisning* view = treeWidget())
        view->selectionModel()->select(
            view->indexFromItem(this),
            (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                QItemSelectionModel::Rows);
}

bool StrukturItem::isExpanded() const {
    StrukturVisning* view = treeWidget();
    return view && view->isExpanded(view->indexFromItem(this));
}

void StrukturItem::setExpanded(bool expanded) {
    if (StrukturVisning* view = treeWidget())
        view->setExpanded(view->indexFromItem(this), expanded);
}
