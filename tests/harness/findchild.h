#pragma once

#include <QTest>
#include <QWidget>

// The child widget (or other object) of that name, failing the test when there is none.
template <class T = QWidget> T* child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no child ") + QLatin1String(name)), __FILE__,
                     __LINE__);
    return found;
}
