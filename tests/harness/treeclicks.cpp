#include "treeclicks.h"

#include <QTest>
#include <QTreeWidget>

namespace TreeClicks {

QTreeWidgetItem* node(const QTreeWidget* tree, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.size() != 1) {
        QTest::qFail(qPrintable(QStringLiteral("%1 nodes named %2").arg(found.size()).arg(text)),
                     __FILE__, __LINE__);
        return nullptr;
    }
    return found.first();
}

void click(QTreeWidget* tree, QTreeWidgetItem* node) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* node) {
    const QPoint at = tree->visualItemRect(node).center();
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
}

} // namespace TreeClicks
