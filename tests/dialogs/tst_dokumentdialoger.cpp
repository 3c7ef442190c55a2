#include "dialogs/openfilform.h"
#include "dialogs/openform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/laan.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "harness/treeclicks.h"
#include "platform/textfile.h"
#include "shared/strukturtree.h"
#include "shared/treedragdrop.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// The main window's commands by name, as the dialog's tool bar and menu show them.
struct Handlinger {
    QAction* operator()(const QString& name) {
        QAction*& action = byName[name];
        if (!action) {
            action = new QAction(name, &owner);
            action->setObjectName(name);
            QObject::connect(action, &QAction::triggered, &owner, [this, name] { run << name; });
        }
        return action;
    }
    QObject owner;
    QHash<QString, QAction*> byName;
    QStringList run;
};

// A main window's engine in the middle of things: a history, a selected file, a structure
// number, and the folder "C:\Hjem" with documents in it.
void iGang(TestEnvironment& env, TestHost& h) {
    env.makeFolder(QStringLiteral("C:\\Hjem\\Breve"));
    env.writeFile(QStringLiteral("C:\\Hjem\\brev.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Hjem\\side.html"), "<p>");
    env.writeFile(QStringLiteral("C:\\Hjem\\Breve\\hilsen.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Hjem\\fejl.log"), "x");
    env.makeFolder(QStringLiteral("D:\\Fotos"));
    env.makeFolder(h.mapper().optDir);
    h.types.makeStandard();
    h.engine.vaelgMappe(QStringLiteral("C:\\Hjem"));
    h.funk().makeStruktur2(QStringLiteral("C:\\Hjem"), true);
    h.engine.vis(QStringLiteral("C:\\Hjem"), {QStringLiteral("brev.txt")});
    h.opt().lastStrukturNo = 1;
    h.opt().openLastStruktur = true;
}

// Runs `steps` once the dialog is up, and ends it if the steps left it open.
void naarVist(QDialog& dialog, std::function<void()> steps) {
    QTimer::singleShot(0, &dialog, [&dialog, steps = std::move(steps)] {
        const auto lukAltid = qScopeGuard([&] {
            if (dialog.isVisible())
                dialog.reject();
        });
        steps();
    });
}

StrukturItem* node(Topenfilform& dia, const char* text) {
    return TreeClicks::node(dia.openbox(), QString::fromUtf8(text));
}

} // namespace

class TestDokumentdialoger : public QObject {
    Q_OBJECT

private slots:
    void everyEndGivesTheEngineBack_data() {
        QTest::addColumn<int>("boxType");
        QTest::addColumn<QString>("how");
        for (const char* way : {"ok", "annuller", "lukkeboks", "escape"}) {
            QTest::addRow("aaben-%s", way) << 0 << QString::fromLatin1(way);
            QTest::addRow("gem-%s", way) << 1 << QString::fromLatin1(way);
        }
    }

    void everyEndGivesTheEngineBack() {
        QFETCH(int, boxType);
        QFETCH(QString, how);
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        const SkiftTaeller changes(h);
        const EngineState before(h);
        Handlinger handlinger;
        Topenfilform dia(h, std::ref(handlinger));
        dia.boxType = boxType;
        dia.Filnavn = QStringLiteral("UdenNavn");
        dia.initDirectory();
        int result = -1;
        connect(&dia, &QDialog::finished, &dia, [&](int r) { result = r; });
        naarVist(dia, [&] {
            QCOMPARE(h.funk().Struktur2(), dia.openbox());
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("C:\\Hjem"));
            QCOMPARE(dia.windowTitle(), boxType == 1 ? QStringLiteral("Gem dokument")
                                                     : QStringLiteral("Åben tekstdokument"));
            TreeClicks::doubleClick(dia.openbox(), node(dia, "Breve"));
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("C:\\Hjem\\Breve"));
            TreeClicks::click(dia.openbox(), node(dia, "hilsen.txt"));
            QCOMPARE(child<QLineEdit>(dia, "EditSti")->text(), QStringLiteral("hilsen.txt"));
            QLineEdit* navn = child<QLineEdit>(dia, "EditFilnavn");
            if (how == QLatin1String("ok") && boxType == 1) {
                navn->clear();
                QTest::keyClicks(navn, QStringLiteral("svar.txt"));
                QTest::keyClick(navn, Qt::Key_Return);
            } else if (how == QLatin1String("ok")) {
                QTest::mouseClick(child<QPushButton>(dia, "redigerKnap"), Qt::LeftButton);
            } else if (how == QLatin1String("annuller")) {
                QTest::mouseClick(
                    child<QPushButton>(dia, boxType == 1 ? "annullerKnap" : "lukKnap"),
                    Qt::LeftButton);
            } else if (how == QLatin1String("lukkeboks")) {
                dia.close();
            } else {
                QTest::keyClick(dia.openbox(), Qt::Key_Escape);
            }
        });
        dia.exec();
        QCOMPARE(result,
                 how == QLatin1String("ok") ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QVERIFY(EngineState(h) == before);
        QCOMPARE(changes.antal, 0);
        QCOMPARE(dia.Mappenavn, QStringLiteral("C:\\Hjem\\Breve"));
        if (how == QLatin1String("ok")) {
            QCOMPARE(boxType == 1 ? dia.Filnavn : h.dokumenter.join(u';'),
                     boxType == 1 ? QStringLiteral("C:\\Hjem\\Breve\\svar.txt")
                                  : QStringLiteral("hilsen.txt|C:\\Hjem\\Breve\\hilsen.txt"));
        } else {
            QVERIFY(h.dokumenter.isEmpty());
        }
        h.funk().makeStruktur2(QStringLiteral("C:\\Hjem\\Breve"), false);
        QCOMPARE(changes.antal, 1); // the main window hears of its folder changes again
    }

    void openModeOpensDocumentsAndStaysOpen() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        Handlinger handlinger;
        Topenfilform dia(h, std::ref(handlinger));
        dia.initDirectory();
        naarVist(dia, [&] {
            QCOMPARE(dia.focusWidget(), dia.openbox());
            TreeClicks::doubleClick(dia.openbox(), node(dia, "brev.txt"));
            QVERIFY(dia.isVisible());
            QCOMPARE(h.dokumenter, QStringList{QStringLiteral("brev.txt|C:\\Hjem\\brev.txt")});

            // A type neither the text class nor the type list knows is opened only on "Ja".
            env.prompter().answer(false);
            TreeClicks::doubleClick(dia.openbox(), node(dia, "fejl.log"));
            QCOMPARE(env.prompter().shown().last(),
                     QStringLiteral("Filtypen er ukendt.\nEr det en tekstfil, der kan åbnes til "
                                    "redigering?"));
            QCOMPARE(h.dokumenter.size(), 1);
            QVERIFY(dia.isVisible());
            env.prompter().answer(true);
            TreeClicks::click(dia.openbox(), node(dia, "fejl.log"));
            QVERIFY(child<QLineEdit>(dia, "EditSti")->text().isEmpty()); // not a text file
            QTest::keyClick(dia.openbox(), Qt::Key_Return);
            QCOMPARE(h.dokumenter.last(), QStringLiteral("fejl.log|C:\\Hjem\\fejl.log"));

            // Rediger opens every file selected and closes the dialog.
            QVERIFY(!child<QPushButton>(dia, "redigerKnap")->isEnabled());
            TreeClicks::click(dia.openbox(), node(dia, "brev.txt"));
            QTest::mouseClick(dia.openbox()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              dia.openbox()->visualItemRect(node(dia, "side.html")).center());
            QVERIFY(child<QPushButton>(dia, "redigerKnap")->isEnabled());
            QTest::mouseClick(child<QPushButton>(dia, "redigerKnap"), Qt::LeftButton);
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(h.dokumenter.mid(2),
                 QStringList({QStringLiteral("brev.txt|C:\\Hjem\\brev.txt"),
                              QStringLiteral("side.html|C:\\Hjem\\side.html")}));
        QCOMPARE(env.prompter().pending(), 0);
    }

    void saveModeTakesAProposedOrChosenName() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        Handlinger handlinger;
        Topenfilform dia(h, std::ref(handlinger));
        dia.boxType = 1;
        dia.Filnavn = QStringLiteral("UdenNavn");
        dia.initDirectory();
        naarVist(dia, [&] {
            QLineEdit* navn = child<QLineEdit>(dia, "EditFilnavn");
            QCOMPARE(dia.focusWidget(), navn);
            QCOMPARE(navn->text(), QStringLiteral("UdenNavn"));
            QVERIFY(!child<QWidget>(dia, "EditSti")->isVisible());
            // An empty box does nothing; a name that cannot be a file's is refused.
            navn->clear();
            QTest::mouseClick(child<QPushButton>(dia, "gemKnap"), Qt::LeftButton);
            QVERIFY(dia.isVisible());
            env.prompter().expectMessage(
                QStringLiteral("\"a/b.txt\" kan ikke bruges som filnavn.\nEt filnavn må ikke være "
                               "\".\" eller \"..\" og må ikke indeholde tegnene \\ / : * ? \" < "
                               "> | eller styretegn."));
            QTest::keyClicks(navn, QStringLiteral("a/b.txt"));
            QTest::keyClick(navn, Qt::Key_Return);
            QVERIFY(dia.isVisible());
            env.prompter().expectMessage(QStringLiteral(
                "Der findes en mappe med navnet \"Breve\".\nVælg et andet filnavn."));
            navn->clear();
            QTest::keyClicks(navn, QStringLiteral("Breve"));
            QTest::mouseClick(child<QPushButton>(dia, "gemKnap"), Qt::LeftButton);
            QVERIFY(dia.isVisible());
            // Selecting a text file puts its name in the box.
            TreeClicks::click(dia.openbox(), node(dia, "side.html"));
            QCOMPARE(navn->text(), QStringLiteral("side.html"));
            QTest::mouseClick(child<QPushButton>(dia, "gemKnap"), Qt::LeftButton);
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.Filnavn, QStringLiteral("C:\\Hjem\\side.html"));
        QCOMPARE(env.prompter().pending(), 0);

        // A double click on a file chooses it; the proposal comes back each time.
        dia.Filnavn = QStringLiteral("rapport.txt");
        dia.initDirectory();
        naarVist(dia, [&] {
            QCOMPARE(child<QLineEdit>(dia, "EditFilnavn")->text(), QStringLiteral("rapport.txt"));
            TreeClicks::doubleClick(dia.openbox(), node(dia, "brev.txt"));
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.Filnavn, QStringLiteral("C:\\Hjem\\brev.txt"));
        QVERIFY(h.dokumenter.isEmpty());
    }

    void pathTabsDrivesAndFolderButtons() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        h.funk().makeStruktur2(QStringLiteral("C:\\Hjem\\Breve"), false);
        const QStringList historik = h.funk().historik();
        Handlinger handlinger;
        Topenfilform dia(h, std::ref(handlinger));
        dia.initDirectory();
        naarVist(dia, [&] {
            auto* tabs = child<QTabBar>(dia, "stiboxen");
            QCOMPARE(tabs->count(), 3);
            QCOMPARE(tabs->currentIndex(), 2);
            // Pressing on the tabs deselects, when that may be done.
            handlinger(QStringLiteral("aMarkerIngen"))->setEnabled(false);
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
            QVERIFY(handlinger.run.isEmpty());
            handlinger(QStringLiteral("aMarkerIngen"))->setEnabled(true);
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            QCOMPARE(handlinger.run, QStringList{QStringLiteral("aMarkerIngen")});
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("C:\\Hjem"));
            QCOMPARE(tabs->count(), 2);
            // "Opdater" goes back to the folder the dialog opened at.
            child<QAction>(dia, "opdaterKnap")->trigger();
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("C:\\Hjem\\Breve"));
            // The drives, each shown without a history entry.
            const QList<QAction*> drev = child<QToolButton>(dia, "drevKnap")->menu()->actions();
            QCOMPARE(drev.size(), 2);
            drev.at(1)->trigger();
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("D:"));
            QCOMPARE(tabs->count(), 1);
            h.personlige.stier[PersonligeMapper::OneDrive] = QStringLiteral("C:\\Hjem\\Breve");
            child<QToolButton>(dia, "mappeKnap2")->click();
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("C:\\Hjem\\Breve"));
            QCOMPARE(child<QToolButton>(dia, "mappeKnap1")->text(), QStringLiteral("Dokumenter  "));
            QCOMPARE(child<QToolButton>(dia, "mappeKnap7")->toolTip(),
                     QStringLiteral("Delt dokumentmappe"));
            child<QAction>(dia, "infoKnap")->trigger();
            QCOMPARE(h.help, QStringList{QStringLiteral("Åben tekstdokument")});
        });
        dia.exec();
        QCOMPARE(h.funk().historik(), historik);
    }

    void dragsAndDropsMoveWithinADriveAndCopyFilesOfOtherPrograms() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        env.writeFile(QStringLiteral("D:\\Fotos\\sol.jpg"), "sol");
        h.opt().AskInsert = h.opt().AskMove = false;
        // What the user copied before stays copied through the drags.
        h.funk().setAktiveStruktur(2);
        QCOMPARE(h.funk().CopyElementer(), 1);
        const QStringList kopieret = h.funk().CopyListe2();
        Handlinger handlinger;
        Topenfilform dia(h, std::ref(handlinger));
        dia.initDirectory();
        naarVist(dia, [&] {
            StrukturTree* tree = dia.openbox();
            auto* tabs = child<QTabBar>(dia, "stiboxen");
            // Onto a folder of the tree, on the same drive: a move.
            TreeClicks::click(tree, node(dia, "side.html"));
            TreeClicks::drag(tree, node(dia, "side.html"), tree->viewport(),
                             tree->visualItemRect(node(dia, "Breve")).center());
            QCOMPARE(env.readFile(QStringLiteral("C:\\Hjem\\Breve\\side.html")), QByteArray("<p>"));
            QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\Hjem\\side.html"))));
            QCOMPARE(h.info.last(), QStringLiteral("Der blev flyttet 1 element."));
            QVERIFY(dia.dragDrop().sourceDir().isEmpty());

            // Onto a path tab: into that folder, which the tree then shows.
            TreeClicks::doubleClick(tree, node(dia, "Breve"));
            QCOMPARE(tabs->count(), 3);
            TreeClicks::click(tree, node(dia, "hilsen.txt"));
            TreeClicks::drag(tree, node(dia, "hilsen.txt"), tabs, tabs->tabRect(1).center());
            QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\Hjem\\hilsen.txt"))));
            QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\Hjem\\Breve\\hilsen.txt"))));
            QCOMPARE(h.funk().Grundmappe(), QStringLiteral("C:\\Hjem"));
            QCOMPARE(tabs->count(), 2);

            // A file another program drops on the tree is copied into the folder shown.
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(env.host(QStringLiteral("D:\\Fotos\\sol.jpg")))});
            const QPoint at = tree->visualItemRect(node(dia, "Breve")).center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(tree->viewport(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(tree->viewport(), &drop);
            QTRY_COMPARE(env.readFile(QStringLiteral("C:\\Hjem\\sol.jpg")), QByteArray("sol"));
            QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\Fotos\\sol.jpg"))));
        });
        dia.exec();
        QCOMPARE(h.funk().CopyListe2(), kopieret);
    }

    void placeAndSizeAreKept() {
        TestEnvironment env;
        TestHost h;
        iGang(env, h);
        h.window.setGeometry(100, 100, 900, 700);
        const QString fil = h.mapper().optDir + QStringLiteral("opentekstfil.txt");
        Handlinger handlinger;
        {
            Topenfilform dia(h, std::ref(handlinger));
            QCOMPARE(dia.size(), QSize(400, 508));
            QCOMPARE(dia.minimumSize(), QSize(400, 500));
            dia.initDirectory();
            naarVist(dia, [&] {
                dia.resize(450, 520);
                dia.move(40, 50);
                QTest::keyClick(dia.openbox(), Qt::Key_Escape);
            });
            dia.exec();
        }
        QStringList lines;
        QVERIFY(TextFile::read(fil, lines));
        QCOMPARE(lines.mid(0, 2), QStringList({QStringLiteral("450"), QStringLiteral("520")}));
        QCOMPARE(lines.size(), 4);
        {
            Topenfilform dia(h, std::ref(handlinger));
            QCOMPARE(dia.size(), QSize(450, 520));
        }
        env.writeFile(fil, "bred\nhoej\n");
        Topenfilform dia(h, std::ref(handlinger));
        QCOMPARE(dia.size(), QSize(400, 508));
        QCOMPARE(dia.frameGeometry().center(), h.window.frameGeometry().center());
    }

    void newDocumentDialogChoosesAType() {
        TestEnvironment env;
        TestHost h;
        h.types.makeStandard();
        h.types.setTypes(h.types.types()
                         << Typeliste::Type{QStringLiteral("Alle"), QStringLiteral("*.*"), true});
        Topenform dia(h);
        dia.LoadFilliste();
        auto* liste = child<QTableWidget>(dia, "filliste");
        QCOMPARE(liste->rowCount(), 11); // offered types, "*.*" left out
        QCOMPARE(liste->horizontalHeaderItem(0)->text(), QStringLiteral("Dokument type"));
        QCOMPARE(liste->horizontalHeaderItem(1)->text(), QStringLiteral("Type"));
        QCOMPARE(liste->item(1, 1)->text(), QStringLiteral(".asp"));
        QVERIFY(dia.windowFlags() & Qt::WindowStaysOnTopHint);

        // By keyboard: Enter with nothing selected leaves the dialog open.
        naarVist(dia, [&] {
            QCOMPARE(dia.focusWidget(), liste);
            QTest::keyClick(liste, Qt::Key_Return);
            QVERIFY(dia.isVisible());
            QTest::keyClick(liste, Qt::Key_Down);
            QTest::keyClick(liste, Qt::Key_Down);
            QCOMPARE(child<QLineEdit>(dia, "EditFil")->text(), QStringLiteral("ASP.asp"));
            QTest::keyClick(liste, Qt::Key_Up);
            QCOMPARE(child<QLineEdit>(dia, "EditFil")->text(), QStringLiteral("Hjemmeside.html"));
            QTest::keyClick(liste, Qt::Key_Return);
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.valgtExt(), QStringLiteral(".html"));

        // By a double click, after the list was filled afresh.
        dia.LoadFilliste();
        QVERIFY(dia.valgtExt().isEmpty());
        naarVist(dia, [&] {
            const QRect row = liste->visualItemRect(liste->item(0, 0));
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, row.center());
            QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, row.center());
        });
        QCOMPARE(dia.exec(), int(QDialog::Accepted));
        QCOMPARE(dia.valgtExt(), QStringLiteral(".html"));

        // The help buttons and "Annuller".
        naarVist(dia, [&] {
            QTest::mouseClick(child<QPushButton>(dia, "nytDokumentKnap"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(dia, "nyTekstfilKnap"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(dia, "annullerKnap"), Qt::LeftButton);
        });
        QCOMPARE(dia.exec(), int(QDialog::Rejected));
        QCOMPARE(h.help,
                 QStringList({QStringLiteral("Tekstdokumenter"), QStringLiteral("Tekstfil")}));
    }
};

RAVNSTI_TEST_MAIN(TestDokumentdialoger)
#include "tst_dokumentdialoger.moc"
