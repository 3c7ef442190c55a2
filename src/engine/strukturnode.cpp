#include "strukturnode.h"

#include <QCollator>
#include <QLocale>

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

} // namespace

TStrukturNode::TStrukturNode(const QString& text) : QTreeWidgetItem(Type) {
    setText(0, text);
    setImageIndex(this, -1);
}

std::optional<QString> TStrukturNode::nodeData(const QTreeWidgetItem* node) {
    const QVariant value = node->data(0, kDataRole);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void TStrukturNode::setNodeData(QTreeWidgetItem* node, const std::optional<QString>& data) {
    node->setData(0, kDataRole, data ? QVariant(*data) : QVariant());
}

QString TStrukturNode::key(const QTreeWidgetItem* node) {
    return nodeData(node).value_or(QString()).mid(1);
}

int TStrukturNode::imageIndex(const QTreeWidgetItem* node) {
    const QVariant value = node->data(0, kImageRole);
    return value.isValid() ? value.toInt() : -1;
}

void TStrukturNode::setImageIndex(QTreeWidgetItem* node, int index) {
    node->setData(0, kImageRole, index);
}

bool TStrukturNode::operator<(const QTreeWidgetItem& other) const {
    static const QCollator danish(QLocale(QLocale::Danish, QLocale::Denmark));
    return danish.compare(text(0), other.text(0)) < 0;
}
