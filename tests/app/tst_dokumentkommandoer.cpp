#include "app/commandtable.h"
#include "app/dokumentomraade.h"
#include "app/findform.h"
#include "app/mainform.h"
#include "dialogs/openfilform.h"
#include "dialogs/openform.h"
#include "editor/dokument.h"
#include "editor/twinform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/idialogen.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "shared/strukturtree.h"
#include "tools/egenskabsform.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

namespace {

StrukturItem* node(Topenfilform& dia, const char* text) {
    return TreeClicks::node(dia.openbox(), QString::fromUtf8(text));
}

} // namespace

class TestDokumentkommandoer : public QObject {
    Q_OBJECT

private slots:
    // "Åben dokument" leaves the file pane at the folder the dialog ended in after OK, and
    // where it was after cancel, without a history entry either way; "Gem som" asks the
    // same way for a name.
    void theTextDocumentDialogFromTheMainWindow() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.makeFolder(QStringLiteral("C:\\Hjem\\Breve"));
        env.writeFile(QStringLiteral("C:\\Hjem\\Breve\\brev.txt"), "x");
        Tmainform form;
        form.show();
        THandlinger& funk = form.funk();
        funk.makeStruktur2(QStringLiteral("C:\\Hjem"), true);
        const QStringList historik = funk.historik();

        iDialogen<Topenfilform>(form, [&](Topenfilform& dia) {
            QCOMPARE(funk.Struktur2(), dia.openbox());
            QVERIFY(dia.findChild<QToolBar*>()->actions().contains(
                form.commands()(QStringLiteral("aNyMappe"))));
            TreeClicks::doubleClick(dia.openbox(), node(dia, "Breve"));
            QTest::keyClick(dia.openbox(), Qt::Key_Escape);
        });
        form.commands()(QStringLiteral("aOpenDokument"))->trigger();
        QCOMPARE(funk.Grundmappe(), QStringLiteral("C:\\Hjem"));
        QCOMPARE(funk.Struktur2(), form.filbox());

        iDialogen<Topenfilform>(form, [&](Topenfilform& dia) {
            TreeClicks::doubleClick(dia.openbox(), node(dia, "Breve"));
            TreeClicks::click(dia.openbox(), node(dia, "brev.txt"));
            // The main window's file commands act on the dialog's selection.
            form.commands().evaluate();
            QVERIFY(form.commands()(QStringLiteral("aDelete"))->isEnabled());
            QVERIFY(form.commands()(QStringLiteral("aMarkerIngen"))->isEnabled());
            QTest::mouseClick(child<QPushButton>(dia, "redigerKnap"), Qt::LeftButton);
        });
        form.commands()(QStringLiteral("aOpenDokument"))->trigger();
        QCOMPARE(funk.Grundmappe(), QStringLiteral("C:\\Hjem\\Breve"));
        QCOMPARE(form.filbox()->topLevelItem(0)->text(), QStringLiteral("brev.txt"));
        QCOMPARE(funk.historik(), historik);

        iDialogen<Topenfilform>(form, [&](Topenfilform& dia) {
            QCOMPARE(dia.windowTitle(), QStringLiteral("Gem dokument"));
            auto* navn = child<QLineEdit>(dia, "EditFilnavn");
            QCOMPARE(navn->text(), QStringLiteral("UdenNavn"));
            navn->clear();
            QTest::keyClicks(navn, QStringLiteral("svar.html"));
            QTest::keyClick(navn, Qt::Key_Return);
        });
        QCOMPARE(form.vaelgDokumentnavn(QStringLiteral("UdenNavn")),
                 std::optional<QString>(QStringLiteral("C:\\Hjem\\Breve\\svar.html")));

        iDialogen<Topenfilform>(form, [&](Topenfilform& dia) {
            TreeClicks::click(dia.openbox(), node(dia, "brev.txt"));
            QCOMPARE(child<QLineEdit>(dia, "EditFilnavn")->text(), QStringLiteral("brev.txt"));
            QTest::mouseClick(child<QPushButton>(dia, "annullerKnap"), Qt::LeftButton);
        });
        QCOMPARE(form.vaelgDokumentnavn(QStringLiteral("brev.txt")), std::nullopt);
        QCOMPARE(funk.Grundmappe(), QStringLiteral("C:\\Hjem\\Breve"));
        QCOMPARE(funk.Struktur2(), form.filbox());
    }

    void aNewDocumentTakesTheTypeChosen() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.writeFile(QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\typeliste.txt"),
                      "Tekstfil\r\n.txt\r\n1\r\nHjemmeside\r\n.html\r\n1\r\nAlle\r\n*.*\r\n1\r\n");
        Tmainform form;
        form.show();
        iDialogen<Topenform>(form, [&](Topenform& dia) {
            auto* liste = child<QTableWidget>(dia, "filliste");
            QCOMPARE(liste->rowCount(), 2);
            QTest::mouseClick(child<QPushButton>(dia, "okKnap"), Qt::LeftButton);
        });
        form.commands()(QStringLiteral("aNytDokument"))->trigger();
        QCOMPARE(form.dokumenter().antal(), 0); // OK without a type opens nothing

        iDialogen<Topenform>(form, [&](Topenform& dia) {
            auto* liste = child<QTableWidget>(dia, "filliste");
            QTest::keyClick(liste, Qt::Key_Down);
            QTest::keyClick(liste, Qt::Key_Down);
            QTest::keyClick(liste, Qt::Key_Enter);
        });
        form.commands()(QStringLiteral("aNytDokument"))->trigger();
        // The new web page starts from its template; the extension is used up.
        QCOMPARE(form.dokumenter().antal(), 1);
        QCOMPARE(form.dokumenter().aktivt()->CapNavn, QStringLiteral("1: Uden navn (.html)"));
        QVERIFY(form.dokumenter().aktivt()->dokument().erAendret());
        QVERIFY(form.m_dokumentExt.isEmpty());
    }

    // "Bestem filer" shows the type list over the dialog; its "Gem" refills the dialog's
    // list at once, and the saved list comes back in its order at the next start, in the
    // dialog and in the text search's filter box alike.
    void theTypesChosenInThePropertiesWindow() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        {
            Tmainform form;
            form.show();
            iDialogen<Topenform>(form, [&](Topenform& dia) {
                auto* liste = child<QTableWidget>(dia, "filliste");
                QCOMPARE(liste->rowCount(), 11); // the standard list of a first start
                QTest::mouseClick(child<QPushButton>(dia, "bestemKnap"), Qt::LeftButton);
                Tegenskabsform* egenskaber = form.egenskabsform();
                QVERIFY(egenskaber->isVisible() && egenskaber->isModal());
                QCOMPARE(egenskaber->egenskabsBog()->currentIndex(), 2);
                auto* typeliste = child<QTableWidget>(*egenskaber, "typeliste");
                // The last type, "Tekstfil", moved to the top, and a new type after it all.
                typeliste->selectRow(11);
                for (int i = 0; i < 11; ++i)
                    QTest::mouseClick(child<QPushButton>(*egenskaber, "Aop"), Qt::LeftButton);
                auto* tekst = child<QLineEdit>(*egenskaber, "tekstedit");
                tekst->setText(QStringLiteral("Noter"));
                auto* type = child<QLineEdit>(*egenskaber, "typeedit");
                type->setText(QStringLiteral("md"));
                QTest::keyClick(type, Qt::Key_Return);
                QTest::mouseClick(child<QPushButton>(*egenskaber, "saveknap"), Qt::LeftButton);
                QCOMPARE(liste->rowCount(), 12);
                QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Tekstfil"));
                QCOMPARE(liste->item(11, 1)->text(), QStringLiteral(".md"));
                QTest::mouseClick(child<QPushButton>(*egenskaber, "LukButton"), Qt::LeftButton);
                QVERIFY(!egenskaber->isModal());
                QVERIFY(dia.isVisible());
            });
            form.commands()(QStringLiteral("aNytDokument"))->trigger();
            form.close();
        }
        Tmainform again;
        again.show();
        iDialogen<Topenform>(again, [&](Topenform& dia) {
            auto* liste = child<QTableWidget>(dia, "filliste");
            QCOMPARE(liste->rowCount(), 12);
            QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Tekstfil"));
            QCOMPARE(liste->item(1, 0)->text(), QStringLiteral("Hjemmeside"));
            QCOMPARE(liste->item(11, 0)->text(), QStringLiteral("Noter"));
        });
        again.commands()(QStringLiteral("aNytDokument"))->trigger();
        again.findform()->show();
        auto* filter = child<QComboBox>(*again.findform(), "filterBoks");
        QCOMPARE(filter->count(), 12);
        QCOMPARE(filter->itemText(0), QStringLiteral("Tekstfil (*.txt)"));
        QCOMPARE(filter->itemText(11), QStringLiteral("Noter (*.md)"));
        again.findform()->hide();
    }
};

RAVNSTI_TEST_MAIN(TestDokumentkommandoer)
#include "tst_dokumentkommandoer.moc"
