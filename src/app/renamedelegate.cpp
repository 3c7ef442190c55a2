#include "renamedelegate.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace {

// QTreeWidget keeps its item lookup protected; this reaches it.
class TreeAccess : public QTreeWidget {
public:
    static QTreeWidgetItem* item(const QTreeWidget& tree, const QModelIndex& index) {
        return static_cast<const TreeAccess&>(tree).itemFromIndex(index);
    }
};

} // namespace

RenameDelegate::RenameDelegate(QTreeWidget& tree, Starting starting, Ended ended,
                               Cancelled cancelled)
    : QStyledItemDelegate(&tree), m_tree(tree), m_starting(std::move(starting)),
      m_ended(std::move(ended)), m_cancelled(std::move(cancelled)) {
    connect(this, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint) {
                // Enter and leaving the box commit before the editor closes; Esc does not.
                if (!m_committed)
                    if (QTreeWidgetItem* node = m_tree.currentItem())
                        m_cancelled(node);
                m_committed = false;
            });
}

QTreeWidgetItem* RenameDelegate::nodeOf(const QModelIndex& index) const {
    return TreeAccess::item(m_tree, index);
}

QWidget* RenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QTreeWidgetItem* node = nodeOf(index);
    if (!node || !m_starting(node))
        return nullptr;
    m_oldText = node->text(0);
    m_committed = false;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void RenameDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    QTreeWidgetItem* node = nodeOf(index);
    if (!line || !node)
        return;
    m_committed = true;
    model->setData(index, m_ended(node, m_oldText, line->text()), Qt::EditRole);
}
