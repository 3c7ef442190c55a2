#include "treeclicks.h"
#include "engine/strukturvisning.h"
#include "shared/strukturtree.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QListWidget>
#include <QScopeGuard>
#include <QTest>

namespace {

void doubleClickAt(QWidget* viewport, QPoint at) {
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

} // namespace

namespace TreeClicks {

StrukturItem* node(const StrukturVisning* tree, const QString& text) {
    const QList<StrukturItem*> found = tree->findItems(text, true);
    if (found.size() != 1) {
        QTest::qFail(qPrintable(QStringLiteral("%1 nodes named %2").arg(found.size()).arg(text)),
                     __FILE__, __LINE__);
        return nullptr;
    }
    return found.first();
}

void click(StrukturVisning* tree, StrukturItem* node) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

void doubleClick(StrukturVisning* tree, StrukturItem* node) {
    doubleClickAt(tree->viewport(), tree->visualItemRect(node).center());
}

void drag(StrukturVisning* tree, StrukturItem* node, QWidget* target, QPoint at) {
    // The offscreen platform runs no drags: the window system's part is played here, with
    // the events it would deliver to the widget under the pointer.
    StrukturTree::setUdfoerer([target, at](QDrag& drag) {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, drag.mimeData(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return;
        QDragMoveEvent move(at, actions, drag.mimeData(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return;
        QDropEvent drop(QPointF(at), actions, drag.mimeData(), Qt::NoButton, {});
        QApplication::sendEvent(target, &drop);
    });
    const auto ordinary = qScopeGuard([] { StrukturTree::setUdfoerer({}); });
    QWidget* viewport = tree->viewport();
    const QPoint start = tree->visualItemRect(node).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(1, 0));
    QTest::mouseMove(viewport, start + QPoint(QApplication::startDragDistance() + 4, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start);
}

void click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void doubleClick(QListWidget* list, int row) {
    doubleClickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
}

} // namespace TreeClicks
