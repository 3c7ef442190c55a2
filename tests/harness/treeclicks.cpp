#include "treeclicks.h"
#include "engine/strukturvisning.h"

#include <QListWidget>
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

void click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void doubleClick(QListWidget* list, int row) {
    doubleClickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
}

} // namespace TreeClicks
