#include "strukturtree.h"

#include "engine/strukturmodel.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

namespace {

StrukturTree::Udfoerer& udfoerer() {
    static StrukturTree::Udfoerer udfoer;
    return udfoer;
}

} // namespace

StrukturTree::StrukturTree(QWidget* parent) : StrukturVisning(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
}

QString StrukturTree::mimeType() {
    return QStringLiteral("application/x-ravnsti-elementer");
}

void StrukturTree::setUdfoerer(Udfoerer udfoer) {
    udfoerer() = std::move(udfoer);
}

void StrukturTree::startDrag(Qt::DropActions) {
    if (!m_regler || !m_regler->startingDrag(*this))
        return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(mimeType(), QByteArray());
    drag->setMimeData(data);
    const QList<StrukturItem*> chosen = selectedItems();
    if (chosen.size() == 1)
        drag->setPixmap(strukturModel().icon(chosen.first()).pixmap(16, 16));
    if (const Udfoerer& udfoer = udfoerer()) {
        udfoer(*drag);
        drag->deleteLater();
    } else {
        drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    }
    emit dragEnded();
}

void StrukturTree::dragEnterEvent(QDragEnterEvent* event) {
    if (accepts(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void StrukturTree::dragMoveEvent(QDragMoveEvent* event) {
    if (accepts(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void StrukturTree::dropEvent(QDropEvent* event) {
    if (!accepts(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(event);
}
