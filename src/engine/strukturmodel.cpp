#include "strukturmodel.h"
#include "strukturvisning.h"

StrukturModel::StrukturModel(StrukturVisning& view)
    : QAbstractItemModel(&view), m_view(view), m_root(*this) {}

StrukturModel::~StrukturModel() = default;

StrukturModel* StrukturModel::of(const StrukturItem* node) {
    if (!node)
        return nullptr;
    while (node->m_parent)
        node = node->m_parent;
    return node->m_isRoot ? &static_cast<const Root*>(node)->model : nullptr;
}

void StrukturModel::setImages(const QList<QIcon>& images) {
    m_images = images;
    if (!m_root.m_children.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

QIcon StrukturModel::icon(const StrukturItem* node) const {
    return node && node->imageIndex >= 0 && node->imageIndex < m_images.size()
               ? m_images.at(node->imageIndex)
               : QIcon();
}

StrukturItem* StrukturModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<StrukturItem*>(index.internalPointer())
                           : const_cast<Root*>(&m_root);
}

StrukturItem* StrukturModel::itemFromIndex(const QModelIndex& index) const {
    return index.isValid() && index.model() == this ? nodeOf(index) : nullptr;
}

QModelIndex StrukturModel::indexFromItem(const StrukturItem* node) const {
    if (!node || node->m_isRoot || of(node) != this)
        return {};
    return createIndex(node->m_row, 0, const_cast<StrukturItem*>(node));
}

void StrukturModel::insertItems(StrukturItem* parent, int row, const QList<StrukturItem*>& nodes) {
    if (nodes.isEmpty())
        return;
    auto& children = parent->m_children;
    if (row < 0 || row > int(children.size()))
        row = int(children.size());
    const QModelIndex parentIndex = indexFromItem(parent);
    beginInsertRows(parentIndex, row, row + int(nodes.size()) - 1);
    children.insert(children.begin() + row, nodes.begin(), nodes.end());
    for (size_t i = size_t(row); i < children.size(); ++i) {
        children[i]->m_parent = parent;
        children[i]->m_row = int(i);
    }
    endInsertRows();
}

void StrukturModel::takeOut(StrukturItem* node) {
    StrukturItem* parent = node->m_parent;
    beginRemoveRows(indexFromItem(parent), node->m_row, node->m_row);
    parent->eraseChild(node->m_row);
    node->m_parent = nullptr;
    endRemoveRows();
}

void StrukturModel::deleteAll(std::vector<StrukturItem*>& nodes) {
    for (StrukturItem* node : nodes) {
        node->m_parent = nullptr;
        delete node;
    }
    nodes.clear();
}

void StrukturModel::deleteChildren(StrukturItem* parent) {
    auto& children = parent->m_children;
    if (children.empty())
        return;
    beginRemoveRows(indexFromItem(parent), 0, int(children.size()) - 1);
    std::vector<StrukturItem*> gone;
    gone.swap(children);
    endRemoveRows();
    deleteAll(gone);
}

void StrukturModel::clear() {
    beginResetModel();
    std::vector<StrukturItem*> gone;
    gone.swap(m_root.m_children);
    endResetModel();
    deleteAll(gone);
}

void StrukturModel::itemChanged(const StrukturItem* node) {
    const QModelIndex at = indexFromItem(node);
    if (at.isValid())
        emit dataChanged(at, at);
}

QModelIndex StrukturModel::index(int row, int column, const QModelIndex& parent) const {
    const StrukturItem* node = nodeOf(parent);
    if (column != 0 || row < 0 || row >= node->childCount())
        return {};
    return createIndex(row, 0, node->m_children[size_t(row)]);
}

QModelIndex StrukturModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    const StrukturItem* up = nodeOf(child)->m_parent;
    return up && !up->m_isRoot ? createIndex(up->m_row, 0, const_cast<StrukturItem*>(up))
                               : QModelIndex();
}

int StrukturModel::rowCount(const QModelIndex& parent) const {
    return parent.column() > 0 ? 0 : nodeOf(parent)->childCount();
}

int StrukturModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant StrukturModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const StrukturItem* node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->m_text;
    case Qt::DecorationRole:
        return icon(node);
    default:
        return {};
    }
}

bool StrukturModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    nodeOf(index)->setText(value.toString());
    return true;
}

Qt::ItemFlags StrukturModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    if (nodeOf(index)->isDisabled())
        return Qt::NoItemFlags;
    // Editing starts only when the program asks for it; the view has no edit triggers.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

Qt::DropActions StrukturModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}
