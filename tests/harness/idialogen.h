#pragma once

#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `steps` in the dialog of that class, a child of `parent`, once the command about to
// run has shown it modally; a dialog the steps leave open is cancelled.
template <class Dialog> void iDialogen(QWidget& parent, std::function<void(Dialog&)> steps) {
    QTimer::singleShot(0, &parent, [&parent, steps = std::move(steps)] {
        auto* dialog = parent.findChild<Dialog*>();
        QVERIFY(dialog && dialog->isVisible());
        const auto lukAltid = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        steps(*dialog);
    });
}
