#include "app/commandtable.h"
#include "app/favoritpanel.h"
#include "app/mainform.h"
#include "app/mainmenus.h"
#include "app/programcommands.h"
#include "app/programpanel.h"
#include "app/vaerktoejcommands.h"
#include "dialogs/opendiaform.h"
#include "dialogs/openform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/idialogen.h"
#include "harness/nameduser.h"
#include "harness/standin.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "lists/menuexefiler.h"
#include "tools/genvejform.h"
#include "tools/progform.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList menuTekster(Tmainform& form) {
    QStringList out;
    for (QAction* item : form.menus().menu(QStringLiteral("mProg"))->actions())
        out << item->text();
    return out;
}

QStringList panelRaekker(Tmainform& form) {
    QStringList out;
    QTreeWidget* box = form.programmer().panel()->programBox();
    for (int i = 0; i < box->topLevelItemCount(); ++i)
        out << box->topLevelItem(i)->text(0);
    return out;
}

QPoint raekke(QTreeWidget* box, int row) {
    return box->visualItemRect(box->topLevelItem(row)).center();
}

// A double click as the window system delivers it: press, release, double click, release.
void dobbeltklik(QTreeWidget* box, int row) {
    const QPoint at = raekke(box, row);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
}

void klik(QWidget& window, const char* knap) {
    QTest::mouseClick(child<QPushButton>(window, knap), Qt::LeftButton);
}

// Two stand-in programs "Vis" and "Spil" in D:\bin, and the data root.
struct Programmer {
    explicit Programmer(TestEnvironment& env) {
        NamedUser::useDataRoot(env);
        QDir().mkpath(env.host(QStringLiteral("D:\\bin")));
        vis = env.host(QStringLiteral("D:\\bin\\vis"));
        spil = env.host(QStringLiteral("D:\\bin\\spil"));
        StandIn::writeProgram(vis);
        StandIn::writeProgram(spil);
    }
    QString vis, spil;
};

} // namespace

class TestProgrammer : public QObject {
    Q_OBJECT

private slots:
    // A program added through the window and the file dialog, moved up and the window
    // closed: the menu and the panel list it in its place, also after a restart.
    void addedMovedAndKeptAcrossARestart() {
        TestEnvironment env;
        Programmer p(env);
        {
            Tmainform form;
            form.show();
            form.funk().makeStruktur2(QStringLiteral("D:\\bin"), true);
            TProgform* progform = form.programmer().progform();
            progform->show();
            QApplication::setActiveWindow(progform);
            auto* filEdit = child<QLineEdit>(*progform, "FilEdit");
            QTest::keyClicks(filEdit, QStringLiteral("D:\\bin\\vis"));
            QTest::keyClick(filEdit, Qt::Key_Return);
            QTest::keyClicks(child<QLineEdit>(*progform, "CapEdit"), QStringLiteral("Vis"));
            klik(*progform, "ButtonTilfoej");
            iDialogen<Topendiaform>(form, [](Topendiaform& dia) {
                TreeClicks::doubleClick(dia.openbox(), TreeClicks::node(dia.openbox(), "spil"));
            });
            klik(*progform, "ButtonVaelgFil");
            QCOMPARE(filEdit->text(), QStringLiteral("D:\\bin\\spil"));
            // The file pane shows what it showed before the dialog.
            QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\bin"));
            QTest::keyClick(child<QLineEdit>(*progform, "CapEdit"), Qt::Key_Return);
            QCOMPARE(menuTekster(form), (QStringList{"Vis", "spil"}));
            QCOMPARE(panelRaekker(form), (QStringList{"Vis", "spil"}));

            QTabBar* faner = progform->bog()->tabBar();
            QTest::mouseClick(faner, Qt::LeftButton, {}, faner->tabRect(2).center());
            auto* liste = child<QTreeWidget>(*progform, "programliste2");
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, raekke(liste, 1));
            klik(*progform, "ButtonFlytOp");
            klik(*progform, "ButtonLuk");
            QCOMPARE(menuTekster(form), (QStringList{"spil", "Vis"}));
            QCOMPARE(panelRaekker(form), (QStringList{"spil", "Vis"}));
            // The item chosen is the program started.
            form.menus().menu(QStringLiteral("mProg"))->actions().at(1)->trigger();
            QCOMPARE(StandIn::waitForCalls(p.vis, 1).size(), 1);
            QCOMPARE(form.infoText(1), QStringLiteral("Vis"));
            form.close();
        }
        Tmainform form;
        form.show();
        QCOMPARE(menuTekster(form), (QStringList{"spil", "Vis"}));
        QCOMPARE(panelRaekker(form), (QStringList{"spil", "Vis"}));
        QCOMPARE(form.infoText(1), QStringLiteral("Vis"));
        QVERIFY(StandIn::calls(p.spil).isEmpty());
    }

    // A click makes the program current; a double click and Enter start it with the files
    // selected in the file pane, each one argument whatever its name.
    void panelClicksChooseAndStart() {
        TestEnvironment env;
        Programmer p(env);
        for (const char* name : {"a b.txt", "-n.txt", "\"c\".txt"})
            env.writeFile(QStringLiteral("D:\\Filer\\") + QString::fromUtf8(name), "x");
        Tmainform form;
        env.writeFile(form.mapper().optDir + QStringLiteral("ProgItem.txt"),
                      "2\r\nVis\r\nD:\\bin\\vis\r\n\r\n1\r\nSpil\r\nD:\\bin\\spil\r\n\r\n1\r\n");
        form.programmer().menuExe().HentProgrammer();
        form.show();
        form.commands().evaluate();
        form.commands()(QStringLiteral("aProgramspalte"))->trigger();
        ProgramPanel* panel = form.programmer().panel();
        QVERIFY(panel->isVisible());
        QCOMPARE(form.opt().visiblePanelNo, 1);

        form.funk().makeStruktur2(QStringLiteral("D:\\Filer"), true);
        form.funk().Struktur2()->selectAll();
        QTreeWidget* box = panel->programBox();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, raekke(box, 1));
        QCOMPARE(form.opt().exeProgram, QStringLiteral("D:\\bin\\spil"));
        QCOMPARE(form.infoText(1), QStringLiteral("Spil"));
        QVERIFY(StandIn::calls(p.spil).isEmpty());

        dobbeltklik(box, 0);
        const QStringList files = {env.host(QStringLiteral("D:\\Filer\\\"c\".txt")),
                                   env.host(QStringLiteral("D:\\Filer\\-n.txt")),
                                   env.host(QStringLiteral("D:\\Filer\\a b.txt"))};
        QList<QStringList> calls = StandIn::waitForCalls(p.vis, 1);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(QSet<QString>(calls[0].begin(), calls[0].end()),
                 QSet<QString>(files.begin(), files.end()));
        QCOMPARE(form.opt().exeProgram, QStringLiteral("D:\\bin\\vis"));
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(StandIn::waitForCalls(p.spil, 1)[0].size(), 3);

        // The switch buttons put one panel in the other's place.
        form.commands()(QStringLiteral("sbBg2Skift"))->trigger();
        QVERIFY(!panel->isVisible() && form.favoritPanel()->isVisible());
        QCOMPARE(form.opt().visiblePanelNo, 0);
        form.commands()(QStringLiteral("sbBg1Skift"))->trigger();
        QVERIFY(panel->isVisible() && !form.favoritPanel()->isVisible());
        QCOMPARE(panel->width(), 140);
        form.commands()(QStringLiteral("sbBg2Smallere"))->trigger();
        QCOMPARE(form.infoText(3), QStringLiteral("Panelet kan ikke blive mindre."));
        form.commands()(QStringLiteral("sbBg2Breddere"))->trigger();
        QCOMPARE(form.opt().panelBg2Width, 150);
        // Closed, the panel comes back by the show button, which remembers it.
        form.commands()(QStringLiteral("sbBg2Close"))->trigger();
        QVERIFY(!panel->isVisible());
        form.commands()(QStringLiteral("sbVisPanel"))->trigger();
        QVERIFY(panel->isVisible() && !form.favoritPanel()->isVisible());
    }

    void shortcutsAreMadeAndNeverReplaceAFile() {
        TestEnvironment env;
        Programmer p(env);
        env.writeFile(QStringLiteral("D:\\Data\\brev.txt"), "x");
        env.writeFile(QStringLiteral("D:\\Work\\Gammel.txt"), "behold");
        Tmainform form;
        form.show();
        form.funk().makeStruktur2(QStringLiteral("D:\\Work"), true);
        struct Trin {
            const char* target;
            const char* name;
            const char* message; // the message that sends the dialog back, or none
        };
        const QList<Trin> trin = {
            {"", "x", "Der mangler en destignation."},
            {"D:\\Data\\brev.txt", "", "Der mangler et navn på genvejen."},
            {"D:\\Data\\brev.txt", "..\\ud",
             "Navnet på genvejen må ikke indeholde \"\\\", \"/\" eller \"..\"."},
            {"D:\\Væk", "Væk",
             "Genvejen kan ikke oprettes:\nD:\\Væk\nfindes hverken som fil eller som mappe."},
            {"D:\\Data\\brev.txt", "Gammel",
             "Der findes allerede en fil med navnet:\nGammel.txt\nVælg et andet navn."},
            {"D:\\Data\\brev.txt", "Brev", nullptr},
        };
        std::function<void(int)> udfyld = [&](int i) {
            iDialogen<Tgenvejform>(form, [&, i](Tgenvejform& dia) {
                dia.EditTarget()->setText(QString::fromUtf8(trin[i].target));
                dia.EditName()->setText(QString::fromUtf8(trin[i].name));
                if (trin[i].message) {
                    env.prompter().expectMessage(QString::fromUtf8(trin[i].message));
                    udfyld(i + 1);
                }
                QTest::keyClick(dia.EditName(), Qt::Key_Return);
            });
        };
        udfyld(0);
        form.commands()(QStringLiteral("aGenvej"))->trigger();
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(QFileInfo(env.host(QStringLiteral("D:\\Work\\Brev.txt"))).isSymLink());
        QCOMPARE(env.readFile(QStringLiteral("D:\\Work\\Gammel.txt")), QByteArray("behold"));
        QCOMPARE(form.funk().Filnavn(), QStringLiteral("D:\\Work\\Brev.txt"));

        // A folder and a program, each chosen in its dialog.
        iDialogen<Tgenvejform>(form, [](Tgenvejform& dia) {
            QVERIFY(dia.EditTarget()->text().isEmpty());
            dia.EditTarget()->setText(QStringLiteral("D:\\Data"));
            dia.EditName()->setText(QStringLiteral("Data"));
            QTest::mouseClick(child<QPushButton>(dia, "ButtonOpret"), Qt::LeftButton);
        });
        form.commands()(QStringLiteral("aGenvej"))->trigger();
        QVERIFY(QFileInfo(env.host(QStringLiteral("D:\\Work\\Data"))).isDir());
        iDialogen<Tgenvejform>(form, [&form](Tgenvejform& dia) {
            iDialogen<Topendiaform>(form, [](Topendiaform& open) {
                open.initDirectory(QStringLiteral("D:\\bin"), true);
                TreeClicks::doubleClick(open.openbox(), TreeClicks::node(open.openbox(), "vis"));
            });
            QTest::mouseClick(child<QPushButton>(dia, "openKnap"), Qt::LeftButton);
            QCOMPARE(dia.EditName()->text(), QStringLiteral("vis"));
            QTest::keyClick(dia.EditTarget(), Qt::Key_Return);
        });
        form.commands()(QStringLiteral("aGenvej"))->trigger();
        QVERIFY(QFileInfo(env.host(QStringLiteral("D:\\Work\\vis.desktop"))).isExecutable());
        QVERIFY(env.readFile(QStringLiteral("D:\\Work\\vis.desktop")).contains("Type=Application"));
    }

    void newTextFileFromTheChosenType() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.makeFolder(QStringLiteral("D:\\Noter"));
        {
            Tmainform probe;
            env.writeFile(probe.mapper().typelisteNavn,
                          "Tekstfil\r\n.txt\r\n1\r\nUden\r\n.\r\n1\r\n");
        }
        Tmainform form;
        form.show();
        form.funk().makeStruktur2(QStringLiteral("D:\\Noter"), true);
        for (int row : {0, 0, 1}) {
            iDialogen<Topenform>(form, [row](Topenform& dia) {
                auto* liste = child<QTableWidget>(dia, "filliste");
                const QPoint at = liste->visualItemRect(liste->item(row, 0)).center();
                QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, at);
            });
            if (row == 1)
                env.prompter().expectMessage(QStringLiteral("Der mangler et filefternavn."));
            form.commands()(QStringLiteral("aNyTekstfil"))->trigger();
        }
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(QFileInfo::exists(env.host(QStringLiteral("D:\\Noter\\Tekstfil.txt"))));
        QVERIFY(QFileInfo::exists(env.host(QStringLiteral("D:\\Noter\\Tekstfil (1).txt"))));
        QCOMPARE(form.funk().Filnavn(), QStringLiteral("D:\\Noter\\Tekstfil (1).txt"));
    }
};

RAVNSTI_TEST_MAIN(TestProgrammer)
#include "tst_programmer.moc"
