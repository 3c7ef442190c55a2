#include "treedragdrop.h"
#include "mainhost.h"
#include "statustekster.h"
#include "strukturtree.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTabBar>
#include <QTimer>
#include <QUrl>

TreeDragDrop::TreeDragDrop(MainHost& host, QObject* parent) : QObject(parent), m_host(host) {}

void TreeDragDrop::addTree(StrukturTree& tree, Target kind) {
    m_trees.append({&tree, kind});
    tree.setRegler(this);
    connect(&tree, &StrukturTree::dragEnded, this, &TreeDragDrop::endDrag);
    connect(&tree, &StrukturTree::dropped, this,
            [this, kind](const QDropEvent* event) { dropped(kind, event); });
}

void TreeDragDrop::setStier(QTabBar& tabs, Sti sti) {
    m_stier = &tabs;
    m_sti = std::move(sti);
    tabs.setAcceptDrops(true);
    tabs.installEventFilter(this);
}

bool TreeDragDrop::startingDrag(const StrukturTree& tree) {
    const auto own = std::find_if(m_trees.cbegin(), m_trees.cend(),
                                  [&tree](const auto& entry) { return entry.first == &tree; });
    if (own == m_trees.cend())
        return false;
    const bool fromDirbox = own->second == Target::Dirbox;
    THandlinger& funk = m_host.funk();
    funk.setAktiveStruktur(fromDirbox ? 1 : 2);
    if (fromDirbox) {
        m_sourceDir = funk.getDirectory();
        // A drive cannot be dragged anywhere.
        if (m_sourceDir.size() <= 2) {
            m_sourceDir.clear();
            return false;
        }
    } else {
        m_sourceDir = funk.Bibmappe();
    }
    m_saved = funk.udklip();
    if (funk.CopyElementer() <= 0) {
        funk.setUdklip(*m_saved);
        m_saved.reset();
        m_sourceDir.clear();
        return false;
    }
    if (fromDirbox)
        funk.makeStruktur2(funk.OldGrundmappe(), false);
    return true;
}

void TreeDragDrop::endDrag() {
    if (m_drop)
        paste(*m_drop);
    m_drop.reset();
    if (m_saved)
        m_host.funk().setUdklip(*m_saved);
    m_saved.reset();
    m_sourceDir.clear();
    m_destDir.clear();
}

bool TreeDragDrop::isTreeDrag(const QDropEvent* event) {
    return event->mimeData()->hasFormat(StrukturTree::mimeType());
}

bool TreeDragDrop::isOurDrag(const QDropEvent* event) const {
    return isTreeDrag(event) && !m_sourceDir.isEmpty();
}

bool TreeDragDrop::accepts(const QDropEvent* event) const {
    if (isTreeDrag(event))
        return isOurDrag(event);
    return event->mimeData()->hasUrls();
}

void TreeDragDrop::dropped(Target target, const QDropEvent* event) {
    if (isTreeDrag(event)) {
        dropAt(target, event->position().toPoint());
        return;
    }
    const QStringList paths = droppedPaths(*event->mimeData());
    if (!paths.isEmpty())
        QTimer::singleShot(0, this, [this, paths] { pasteDropped(paths); });
}

void TreeDragDrop::dropAt(Target target, const QPoint& position) {
    // The drag's own loop is still running: paste when it has ended.
    m_drop = Drop{target, position};
}

bool TreeDragDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_stier)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (isOurDrag(drag))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (isOurDrag(drop)) {
            drop->acceptProposedAction();
            dropAt(Target::Stibox, drop->position().toPoint());
        }
        return true;
    }
    default:
        return false;
    }
}

bool TreeDragDrop::sameDrive() const {
    return m_sourceDir.left(2).compare(m_destDir.left(2), Qt::CaseInsensitive) == 0;
}

void TreeDragDrop::report(bool move, int count) {
    m_host.Info(StatusTekster::HandlingsTekst(move ? StatusTekster::Flyttet : StatusTekster::Indsat,
                                              count));
}

void TreeDragDrop::paste(const Drop& drop) {
    THandlinger& funk = m_host.funk();
    const int sourceTree = funk.AktiveStruktur();
    if (drop.target == Target::Stibox) {
        funk.setAktiveStruktur(2);
        const int tab = m_stier->tabAt(drop.position);
        if (tab < 0)
            return;
        m_destDir = m_sti(tab);
        const bool move = sameDrive();
        funk.makeStruktur2(m_destDir, false);
        const int count = funk.PasteElementer(move, sourceTree);
        report(move, count);
        if (count <= 0)
            funk.makeStruktur2(funk.OldGrundmappe(), false);
        return;
    }
    if (drop.target == Target::Dirbox) {
        funk.setAktiveStruktur(1);
        m_destDir = funk.getFocusDirectory(drop.position.x(), drop.position.y());
        if (m_destDir.isEmpty()) {
            Platform::prompter().message(QStringLiteral("Der er ikke valgt en destignation."),
                                         MessageKind::Information);
            return;
        }
    } else {
        funk.setAktiveStruktur(2);
        m_destDir = funk.getFocusFilDirectory(drop.position.x(), drop.position.y());
    }
    const bool move = sameDrive();
    report(move, funk.PasteElementer(move, sourceTree));
}

QStringList TreeDragDrop::droppedPaths(const QMimeData& data) {
    QStringList paths;
    QStringList refused;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString host = url.toLocalFile();
        if (const std::optional<QString> logical = Platform::logicalPath(host))
            paths.append(*logical);
        else
            refused.append(host);
    }
    if (!refused.isEmpty())
        Platform::prompter().message(
            QStringLiteral("Disse elementer ligger ikke på et af programmets drev og bliver ikke "
                           "indsat:\n") +
                refused.join(QLatin1Char('\n')),
            MessageKind::Information);
    return paths;
}

void TreeDragDrop::pasteDropped(const QStringList& paths) {
    THandlinger& funk = m_host.funk();
    const THandlinger::Udklip saved = funk.udklip();
    funk.InitRegister();
    int accepted = 0;
    for (const QString& path : paths)
        if (funk.RegisterElements(path))
            ++accepted;
    if (accepted > 0) {
        // Into the folder the file pane shows, not a folder selected in it.
        funk.setAktiveStruktur(2);
        for (const auto& [tree, kind] : std::as_const(m_trees)) {
            if (kind == Target::Filbox) {
                tree->clearSelection();
                tree->setCurrentItem(nullptr);
            }
        }
        funk.PasteElementer(false, 0);
    }
    funk.setUdklip(saved);
}
