#include "treeclicks.h"
#include "engine/strukturvisning.h"

#include <QTest>

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
    const QPoint at = tree->visualItemRect(node).center();
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
}

} // namespace TreeClicks
