
#include "strukturvisning.h"
#include "strukturmodel.h"

#include <QPainter>

#include <algorithm>

namespace {

// Visits a node's subtree in display order.
void visitTree(StrukturItem& node, const std::function<void(StrukturItem&)>& visit) {
    visit(node);
    for (int i = 0; i < node.childCount(); ++i)
        visitTree(*node.child(i), visit);
}

// The rows from a node up to the top, for ordering nodes of different parents.
QList<int> rowPath(const StrukturItem* node) {
    QList<int> path;
    for (const StrukturItem* up = node; up; up = up->parent())
        path.prepend(up->row());
    return path;
}

} // namespace

StrukturVisning::StrukturVisning(QWidget* parent)
    : QTreeView(parent), m_model(new StrukturModel(*this)) {
    setModel(m_model);
    setHeaderHidden(true);
    // Every row has the height of the first, so a long folder is laid out without asking
    // each row for its size.
    setUniformRowHeights(true);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit itemClicked(itemFromIndex(index)); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit itemDoubleClicked(itemFromIndex(index)); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { m_valgSkiftet = true; });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_valgSkiftet = true; });
}

void StrukturVisning::keyPressEvent(QKeyEvent* event) {
    m_valgSkiftet = false;
    QTreeView::keyPressEvent(event);
    if (m_valgSkiftet)
        emit keySelectionChanged(currentItem());
}

void StrukturVisning::setImages(const QList<QIcon>& images) {
    m_model->setImages(images);
}

int StrukturVisning::topLevelItemCount() const {
    return m_model->root()->childCount();
}

StrukturItem* StrukturVisning::topLevelItem(int index) const {
    return m_model->root()->child(index);
}

int StrukturVisning::indexOfTopLevelItem(const StrukturItem* node) const {
    return m_model->root()->indexOfChild(node);
}

void StrukturVisning::addTopLevelItem(StrukturItem* node) {
    addTopLevelItems({node});
}

void StrukturVisning::addTopLevelItems(const QList<StrukturItem*>& nodes) {
    m_model->insertItems(m_model->root(), topLevelItemCount(), nodes);
}

void StrukturVisning::clear() {
    m_model->clear();
}

StrukturItem* StrukturVisning::currentItem() const {
    return itemFromIndex(currentIndex());
}

void StrukturVisning::setCurrentItem(StrukturItem* node) {
    setCurrentIndex(indexFromItem(node));
}

void StrukturVisning::setCurrentItem(StrukturItem* node,
                                     QItemSelectionModel::SelectionFlags command) {
    selectionModel()->setCurrentIndex(indexFromItem(node), command);
}

QList<StrukturItem*> StrukturVisning::selectedItems() const {
    QList<StrukturItem*> nodes;
    const QModelIndexList rows = selectionModel()->selectedRows();
    nodes.reserve(rows.size());
    bool oneParent = true;
    for (const QModelIndex& row : rows) {
        nodes.append(itemFromIndex(row));
        oneParent = oneParent && nodes.last()->parent() == nodes.first()->parent();
    }
    if (oneParent)
        std::sort(nodes.begin(), nodes.end(),
                  [](const StrukturItem* a, const StrukturItem* b) { return a->row() < b->row(); });
    else
        std::sort(nodes.begin(), nodes.end(), [](const StrukturItem* a, const StrukturItem* b) {
            return rowPath(a) < rowPath(b);
        });
    return nodes;
}

void StrukturVisning::selectWhere(const std::function<bool(const StrukturItem&)>& wanted) {
    QItemSelection selection;
    const std::function<void(const StrukturItem&)> selectChildren = [&](const StrukturItem& up) {
        int first = -1;
        const int count = up.childCount();
        for (int row = 0; row <= count; ++row) {
            const StrukturItem* node = up.child(row);
            if (node && wanted(*node)) {
                if (first < 0)
                    first = row;
            } else if (first >= 0) {
                selection.select(indexFromItem(up.child(first)), indexFromItem(up.child(row - 1)));
                first = -1;
            }
            if (node)
                selectChildren(*node);
        }
    };
    selectChildren(*m_model->root());
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void StrukturVisning::forEachItem(const std::function<void(StrukturItem&)>& visit) const {
    for (int i = 0; i < topLevelItemCount(); ++i)
        visitTree(*topLevelItem(i), visit);
}

QList<StrukturItem*> StrukturVisning::findItems(const QString& text, bool recursive) const {
    QList<StrukturItem*> found;
    if (recursive) {
        forEachItem([&](StrukturItem& node) {
            if (node.text() == text)
                found.append(&node);
        });
        return found;
    }
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->text() == text)
            found.append(topLevelItem(i));
    return found;
}

StrukturItem* StrukturVisning::itemAt(const QPoint& point) const {
    return itemFromIndex(indexAt(point));
}

QRect StrukturVisning::visualItemRect(const StrukturItem* node) const {
    return visualRect(indexFromItem(node));
}

void StrukturVisning::scrollToItem(const StrukturItem* node) {
    scrollTo(indexFromItem(node));
}

void StrukturVisning::editItem(StrukturItem* node) {
    edit(indexFromItem(node));
}

StrukturItem* StrukturVisning::itemFromIndex(const QModelIndex& index) const {
    return m_model->itemFromIndex(index);
}

QModelIndex StrukturVisning::indexFromItem(const StrukturItem* node) const {
    return m_model->indexFromItem(node);
}

void StrukturVisning::setLinjer(bool linjer) {
    if (linjer == m_linjer)
        return;
    m_linjer = linjer;
    viewport()->update();
}

void StrukturVisning::drawBranches(QPainter* painter, const QRect& rect,
                                   const QModelIndex& index) const {
    QTreeView::drawBranches(painter, rect, index);
    if (!m_linjer)
        return;
    const int indent = indentation();
    if (indent <= 0)
        return;
    painter->save();
    QPen pen(palette().color(QPalette::Mid));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    const int midY = rect.center().y();
    // The node's own column is the last one of the branch area, its parent's the one before.
    int x = rect.right() + 1 - indent + indent / 2;
    const bool naeste = index.sibling(index.row() + 1, 0).isValid();
    // The arrow of a node with children stays clear of its lines.
    const int fri = model()->hasChildren(index) ? qMin(5, indent / 2) : 0;
    painter->drawLine(x + fri, midY, rect.right(), midY);
    if (index.row() > 0 || index.parent().isValid())
        painter->drawLine(x, rect.top(), x, midY - fri);
    if (naeste)
        painter->drawLine(x, midY + fri, x, rect.bottom());
    for (QModelIndex forfader = index.parent(); forfader.isValid(); forfader = forfader.parent()) {
        x -= indent;
        if (forfader.sibling(forfader.row() + 1, 0).isValid())
            painter->drawLine(x, rect.top(), x, rect.bottom());
    }
    painter->restore();
}
