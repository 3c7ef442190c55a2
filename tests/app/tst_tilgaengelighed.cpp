#include "app/commandtable.h"
#include "app/mainform.h"
#include "engine/strukturvisning.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

// The controls of a window a person can reach, with the tab key or the mouse, that a screen
// reader would announce without a name.
QStringList unnamed(QWidget& window) {
    QStringList found;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) ||
            (!(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(w)))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("%1 %2 (%3)")
                         .arg(window.objectName(), w->objectName(),
                              QString::fromLatin1(w->metaObject()->className()));
    }
    return found;
}

} // namespace

class TestTilgaengelighed : public QObject {
    Q_OBJECT

private slots:
    // Every control of the main window and of the windows its commands open has a name a
    // screen reader can say; the trees and the path box are named too.
    void everyReachableControlHasAName() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        QStringList missing = unnamed(form);
        QCOMPARE(form.dirbox()->accessibleName(), QStringLiteral("Mappetræ"));
        QCOMPARE(form.filbox()->accessibleName(), QStringLiteral("Filrude"));
        QCOMPARE(form.EditSti()->accessibleName(), QStringLiteral("Aktuelle sti"));

        for (const char* command :
             {"Action22", "aFindtekst", "aOpenKalender", "aMusikafspiller", "aNyStruktur"}) {
            QList<QWidget*> before;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible())
                    before << window;
            form.commands().evaluate();
            QAction* action = form.commands()(QString::fromLatin1(command));
            QVERIFY2(action->isEnabled(), command);
            action->trigger();
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && !before.contains(window))
                    missing << unnamed(*window);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
        form.close();
    }
};

RAVNSTI_TEST_MAIN(TestTilgaengelighed)
#include "tst_tilgaengelighed.moc"
