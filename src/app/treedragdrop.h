#pragma once

#include "strukturtree.h"

#include "engine/handlinger.h"

#include <QObject>
#include <QPoint>
#include <optional>

class QDropEvent;
class QMimeData;
class QTabBar;
class Tmainform;

// Drag and drop in the main window: between the two trees and onto the path tabs, where the
// same drive means a move and another drive a copy, and files dropped by other programs,
// which are copied into the folder the file pane shows. A drag registers its elements on the
// engine's clipboard only for its own time: the user's copied elements come back after it.
// Pastes run after the drop event has returned.
class TreeDragDrop : public QObject, public StrukturTree::Regler {
    Q_OBJECT

public:
    TreeDragDrop(Tmainform& window, StrukturTree& dirbox, StrukturTree& filbox, QTabBar& stibox);

    // The folder the current drag started from; empty when no drag of ours is going on.
    const QString& sourceDir() const { return m_sourceDir; }
    const QString& destDir() const { return m_destDir; }

    enum class Target { Dirbox, Filbox, Stibox };
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

    // A drag that started in one of the two trees and may be dropped.
    bool isOurDrag(const QDropEvent* event) const;
    void dropped(Target target, const QDropEvent* event);
    void paste(const Drop& drop);
    void pasteDropped(const QStringList& paths);
    // A move within one drive, a copy across drives.
    bool sameDrive() const;

    Tmainform& w;
    StrukturTree& m_dirbox;
    StrukturTree& m_filbox;
    QTabBar& m_stibox;
    QString m_sourceDir;
    QString m_destDir;
    std::optional<THandlinger::Udklip> m_saved;
    std::optional<Drop> m_drop;
};
