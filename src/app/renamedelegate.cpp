#include "renamedelegate.h"

#include "engine/strukturvisning.h"

#include <QLineEdit>

RenameDelegate::RenameDelegate(StrukturVisning& tree, Starting starting, Ended ended,
                               Cancelled cancelled)
    : QStyledItemDelegate(&tree), m_tree(tree), m_starting(std::move(starting)),
      m_ended(std::move(ended)), m_cancelled(std::move(cancelled)) {
    connect(this, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint) {
                // Enter and leaving the box commit before the editor closes; Esc does not.
                if (!m_committed)
                    if (StrukturItem* node = m_tree.currentItem())
                        m_cancelled(node);
                m_committed = false;
            });
}

StrukturItem* RenameDelegate::nodeOf(const QModelIndex& index) const {
    return m_tree.itemFromIndex(index);
}

QWidget* RenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    StrukturItem* node = nodeOf(index);
    if (!node || !m_starting(node))
        return nullptr;
    m_oldText = node->text();
    m_committed = false;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void RenameDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    StrukturItem* node = nodeOf(index);
    if (!line || !node)
        return;
    m_committed = true;
    model->setData(index, m_ended(node, m_oldText, line->text()), Qt::EditRole);
}
