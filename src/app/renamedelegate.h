#pragma once

#include <QStyledItemDelegate>
#include <functional>

class StrukturVisning;
class StrukturItem;

// In-place editing of a tree node's text. The host decides whether an edit may start and
// what text the node shows when it ends: the typed name is only a wish, since the rename
// may fail or take a free name instead. A cancelled edit leaves the node as it was.
class RenameDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Returns false when the node may not be renamed (the host says why).
    using Starting = std::function<bool(StrukturItem* node)>;
    // Returns the text the node shows after the rename.
    using Ended =
        std::function<QString(StrukturItem* node, const QString& oldText, const QString& newText)>;
    using Cancelled = std::function<void(StrukturItem* node)>;

    RenameDelegate(StrukturVisning& tree, Starting starting, Ended ended, Cancelled cancelled);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    StrukturItem* nodeOf(const QModelIndex& index) const;

    StrukturVisning& m_tree;
    Starting m_starting;
    Ended m_ended;
    Cancelled m_cancelled;
    mutable QString m_oldText;
    mutable bool m_committed = false;
};
