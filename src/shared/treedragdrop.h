#pragma once

#include "strukturtree.h"

#include "engine/handlinger.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class MainHost;
class QDropEvent;
class QMimeData;
class QTabBar;

// Drag and drop among a window's engine trees and onto its path tabs, where the same drive
// means a move and another drive a copy, and files dropped by other programs, which are
// copied into the folder the file pane shows. A drag registers its elements on the engine's
// clipboard only for its own time: the user's copied elements come back after it, still
// copied or cut as they were. Pastes run after the drop event has returned; the status bar tells
// what was done.
class TreeDragDrop : public QObject, public StrukturTree::Regler {
    Q_OBJECT

public:
    enum class Target { Dirbox = 1, Filbox = 2, Stibox = 0 };
    // The path a path tab stands for.
    using Sti = std::function<QString(int tab)>;

    TreeDragDrop(MainHost& host, QObject* parent);

    // A tree the engine shows as its folder tree (Dirbox) or file pane (Filbox).
    void addTree(StrukturTree& tree, Target kind);
    // Path tabs that take drops of the trees' drags.
    void setStier(QTabBar& tabs, Sti sti);

    // The folder the current drag started from; empty when no drag of ours is going on.
    const QString& sourceDir() const { return m_sourceDir; }
    const QString& destDir() const { return m_destDir; }

    // The start of a drag from one of the trees: false when it may not start.
    bool startingDrag(const StrukturTree& tree) override;
    bool accepts(const QDropEvent* event) const override;
    // A drop of the running drag at a point of the target; it is pasted at the drag's end.
    void dropAt(Target target, const QPoint& position);
    void endDrag();

    // Logical paths of the local files of a drop; names that have no logical form are
    // refused with a message.
    static QStringList droppedPaths(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Drop {
        Target target;
        QPoint position;
    };

    // A drag of one of the program's trees, this window's or another's.
    static bool isTreeDrag(const QDropEvent* event);
    // A drag that started in one of this window's trees and may be dropped: only one drag
    // runs at a time, so a drag of a tree while this one's source is set is its own.
    bool isOurDrag(const QDropEvent* event) const;
    void dropped(Target target, const QDropEvent* event);
    void paste(const Drop& drop);
    void pasteDropped(const QStringList& paths);
    // A move within one drive, a copy across drives.
    bool sameDrive() const;
    void report(bool move, int count);

    MainHost& m_host;
    QList<std::pair<StrukturTree*, Target>> m_trees;
    QTabBar* m_stier = nullptr;
    Sti m_sti;
    QString m_sourceDir;
    QString m_destDir;
    std::optional<THandlinger::Udklip> m_saved;
    std::optional<Drop> m_drop;
};
