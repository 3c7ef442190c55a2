#include "dialogs/opendiaform.h"
#include "dialogs/openmappeform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/laan.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "harness/treeclicks.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {

// A main window's engine in the middle of things: a history, a selected file, a saved
// structure that opens at start.
void iGang(TestEnvironment& env, TestHost& h) {
    env.makeFolder(QStringLiteral("C:\\Hjem\\Breve"));
    env.writeFile(QStringLiteral("C:\\Hjem\\brev.txt"), "x");
    env.makeFolder(QStringLiteral("D:\\Fotos\\2020"));
    env.makeFolder(QStringLiteral("D:\\Fotos\\2021"));
    env.writeFile(QStringLiteral("D:\\Fotos\\billede.jpg"), "x");
    env.makeFolder(h.mapper().optDir);
    h.funk().setLastStruktur(h.mapper().lastStruktur);
    h.engine.vaelgMappe(QStringLiteral("C:\\Hjem"));
    h.funk().makeStruktur2(QStringLiteral("C:\\Hjem\\Breve"), true);
    h.engine.vis(QStringLiteral("C:\\Hjem"), {QStringLiteral("brev.txt")});
    h.opt().lastStrukturNo = 1;
    h.opt().openLastStruktur = true;
}

} // namespace

class TestLaanedialoger : public QObject {
    Q_OBJECT

private slots:
    void everyEndGivesTheEngineBack_data() {
        QTest::addColumn<QString>("how");
        for (const char* way : {"ok", "luk", "lukkeboks", "escape"})
            QTest::newRow(way) << QString::fromLatin1(way);
    }

    void everyEndGivesTheEngineBack() {
        QFETCH(QString, how);
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        const SkiftTaeller changes(h);
        const EngineState before(h);

        Topenmappeform mappeDia(h);
        mappeDia.initDirectory(QStringLiteral("D:\\Fotos"), {});
        QTimer::singleShot(0, &mappeDia, [&] {
            const auto lukAltid = qScopeGuard([&] {
                if (mappeDia.isVisible())
                    mappeDia.reject();
            });
            QCOMPARE(h.funk().Struktur1(), mappeDia.mappebox());
            TreeClicks::doubleClick(mappeDia.mappebox(),
                                    TreeClicks::node(mappeDia.mappebox(), QStringLiteral("2021")));
            QTest::mouseClick(child<QPushButton>(mappeDia, "kmUdenStiKnap"), Qt::LeftButton);
            QCOMPARE(child<QLineEdit>(mappeDia, "editmappe")->text(), QStringLiteral("2021"));
            QTest::mouseClick(child<QPushButton>(mappeDia, "opdaterKnap"), Qt::LeftButton);
            slut(mappeDia, how);
        });
        mappeDia.exec();
        QVERIFY(EngineState(h) == before);
        QCOMPARE(mappeDia.Mappenavn.left(2), QStringLiteral("C:"));

        Topendiaform filDia(h);
        filDia.initDirectory(QStringLiteral("D:\\Fotos\\"), false);
        QTimer::singleShot(0, &filDia, [&] {
            const auto lukAltid = qScopeGuard([&] {
                if (filDia.isVisible())
                    filDia.reject();
            });
            QCOMPARE(h.funk().Struktur2(), filDia.openbox());
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("D:\\Fotos"));
            TreeClicks::doubleClick(filDia.openbox(),
                                    TreeClicks::node(filDia.openbox(), QStringLiteral("2020")));
            slut(filDia, how);
        });
        filDia.exec();
        QCOMPARE(filDia.Mappenavn, QStringLiteral("D:\\Fotos\\2020"));
        QVERIFY(EngineState(h) == before);
        QCOMPARE(changes.antal, 0);
        QVERIFY(!QFile::exists(env.host(h.mapper().lastStruktur)));
        h.funk().makeStruktur2(QStringLiteral("C:\\Hjem\\Breve"), false);
        QCOMPARE(changes.antal, 1); // the main window hears of its folder changes again
    }

    void insertHandsFoldersOverWithoutClosing() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        Topenmappeform dia(h);
        QStringList indsat;
        dia.FonSelectMappe = [&](const QString& folder) { indsat << folder; };
        dia.initDirectory(QStringLiteral("D:\\Fotos"), QStringLiteral("Fotos"));
        QTimer::singleShot(0, &dia, [&] {
            const auto lukAltid = qScopeGuard([&] {
                if (dia.isVisible())
                    dia.reject();
            });
            QApplication::setActiveWindow(&dia);
            StrukturVisning* tree = dia.mappebox();
            QCOMPARE(tree->topLevelItemCount(), 1);
            QCOMPARE(tree->topLevelItem(0)->text(), QStringLiteral("Fotos"));
            QVERIFY(child<QPushButton>(dia, "insertMappeKnap")->isVisible());
            TreeClicks::doubleClick(tree, TreeClicks::node(tree, QStringLiteral("Fotos")));
            for (const char* name : {"Fotos", "2020", "2021"}) {
                TreeClicks::click(tree, TreeClicks::node(tree, QString::fromLatin1(name)));
                QTest::keyClick(tree, Qt::Key_Insert);
            }
            QVERIFY(dia.isVisible());
            slut(dia, QStringLiteral("ok"));
        });
        dia.exec();
        QCOMPARE(indsat, (QStringList{"D:\\Fotos", "D:\\Fotos\\2020", "D:\\Fotos\\2021"}));
        QCOMPARE(dia.Mappenavn, QStringLiteral("D:\\Fotos\\2021"));
        QVERIFY(!dia.FonSelectMappe);

        // Without the event, Ins chooses the folder.
        dia.initDirectory(QStringLiteral("D:\\Fotos\\2020"), {});
        QTimer::singleShot(0, &dia, [&] {
            const auto lukAltid = qScopeGuard([&] {
                if (dia.isVisible())
                    dia.reject();
            });
            QApplication::setActiveWindow(&dia);
            QVERIFY(!child<QPushButton>(dia, "insertMappeKnap")->isVisible());
            QTest::keyClick(dia.mappebox(), Qt::Key_Insert);
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.Mappenavn, QStringLiteral("D:\\Fotos\\2020"));
    }

    void aDoubleClickedFileIsChosen() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        Topendiaform dia(h);
        dia.initDirectory(QStringLiteral("D:\\Fotos"), true);
        QTimer::singleShot(0, &dia, [&] {
            const auto lukAltid = qScopeGuard([&] {
                if (dia.isVisible())
                    dia.reject();
            });
            TreeClicks::doubleClick(dia.openbox(),
                                    TreeClicks::node(dia.openbox(), QStringLiteral("billede.jpg")));
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.Filnavn, QStringLiteral("D:\\Fotos\\billede.jpg"));
        // The next opening without a folder shows the same one, the file preselected.
        dia.initDirectory({}, false);
        QCOMPARE(child<QLineEdit>(dia, "EditSti")->text(), QStringLiteral("billede.jpg"));
        QCOMPARE(h.funk().Grundmappe(), QStringLiteral("D:\\Fotos"));
        dia.reject();
        QCOMPARE(dia.Filnavn, QStringLiteral("D:\\Fotos\\billede.jpg"));
    }

    // A file reached with the keys is chosen as a clicked one is.
    void theKeysChooseTheFile() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        Topendiaform dia(h);
        dia.initDirectory(QStringLiteral("D:\\Fotos"), false);
        auto* editSti = child<QLineEdit>(dia, "EditSti");
        QTimer::singleShot(0, &dia, [&] {
            const auto lukAltid = qScopeGuard([&] {
                if (dia.isVisible())
                    dia.reject();
            });
            StrukturVisning* box = dia.openbox();
            TreeClicks::click(box, TreeClicks::node(box, QStringLiteral("2020")));
            QTest::keyClick(box, Qt::Key_End);
            QCOMPARE(editSti->text(), QStringLiteral("billede.jpg"));
            QTest::keyClick(box, Qt::Key_Up);
            QCOMPARE(editSti->text(), QString());
            QTest::keyClick(box, Qt::Key_Down);
            QTest::mouseClick(child<QPushButton>(dia, "openKnap"), Qt::LeftButton);
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.Filnavn, QStringLiteral("D:\\Fotos\\billede.jpg"));
    }
};

RAVNSTI_TEST_MAIN(TestLaanedialoger)
#include "tst_laanedialoger.moc"
