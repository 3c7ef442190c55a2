#include "treedragdrop.h"
#include "mainform.h"
#include "strukturtree.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTabBar>
#include <QTimer>
#include <QUrl>

TreeDragDrop::TreeDragDrop(Tmainform& window, StrukturTree& dirbox, StrukturTree& filbox,
                           QTabBar& stibox)
    : QObject(&window), w(window), m_dirbox(dirbox), m_filbox(filbox), m_stibox(stibox) {
    for (StrukturTree* tree : {&dirbox, &filbox}) {
        tree->setRegler(this);
        connect(tree, &StrukturTree::dragEnded, this, &TreeDragDrop::endDrag);
    }
    connect(&dirbox, &StrukturTree::dropped, this,
            [this](const QDropEvent* event) { dropped(Target::Dirbox, event); });
    connect(&filbox, &StrukturTree::dropped, this,
            [this](const QDropEvent* event) { dropped(Target::Filbox, event); });
    stibox.setAcceptDrops(true);
    stibox.installEventFilter(this);
}

bool TreeDragDrop::startingDrag(const StrukturTree& tree) {
    const bool fromDirbox = &tree == &m_dirbox;
    THandlinger& funk = w.funk();
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
        w.funk().setUdklip(*m_saved);
    m_saved.reset();
    m_sourceDir.clear();
    m_destDir.clear();
}

bool TreeDragDrop::isOurDrag(const QDropEvent* event) const {
    const QObject* source = event->source();
    return (source == &m_dirbox || source == &m_filbox) && !m_sourceDir.isEmpty();
}

bool TreeDragDrop::accepts(const QDropEvent* event) const {
    if (event->source())
        return isOurDrag(event);
    return event->mimeData()->hasUrls();
}

void TreeDragDrop::dropped(Target target, const QDropEvent* event) {
    if (event->source()) {
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
    if (watched != &m_stibox)
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

void TreeDragDrop::paste(const Drop& drop) {
    THandlinger& funk = w.funk();
    const int sourceTree = funk.AktiveStruktur();
    if (drop.target == Target::Stibox) {
        funk.setAktiveStruktur(2);
        const int tab = m_stibox.tabAt(drop.position);
        if (tab < 0)
            return;
        m_destDir = w.getStiFraFane(tab);
        const bool move = sameDrive();
        w.klipAfterCopy = move;
        funk.makeStruktur2(m_destDir, false);
        const int count = funk.PasteElementer(move, sourceTree);
        w.HandlingsInfo(move ? StatusTekster::Flyttet : StatusTekster::Indsat, count);
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
    w.klipAfterCopy = move;
    w.HandlingsInfo(move ? StatusTekster::Flyttet : StatusTekster::Indsat,
                    funk.PasteElementer(move, sourceTree));
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
    THandlinger& funk = w.funk();
    const THandlinger::Udklip saved = funk.udklip();
    funk.InitRegister();
    int accepted = 0;
    for (const QString& path : paths)
        if (funk.RegisterElements(path))
            ++accepted;
    if (accepted > 0) {
        // Into the folder the file pane shows, not a folder selected in it.
        funk.setAktiveStruktur(2);
        w.filbox()->clearSelection();
        w.filbox()->setCurrentItem(nullptr);
        funk.PasteElementer(false, 0);
    }
    funk.setUdklip(saved);
}
