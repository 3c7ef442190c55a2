#include "app/commandtable.h"
#include "app/dokumentomraade.h"
#include "app/mainform.h"
#include "app/maintoolbars.h"
#include "editor/twinform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/aboutbox.h"
#include "shared/billedform.h"
#include "shared/extform.h"
#include "shared/fileexistsform.h"
#include "shared/kopieringsform.h"
#include "shared/progressform.h"
#include "shared/spmform.h"
#include "tools/egenskabsform.h"
#include "tools/filinfoform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kRoot = QStringLiteral("C:\\Ravnsti");
const QString kSettings = QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\mainform.txt");

void writeSettings(TestEnvironment& env, const QStringList& lines) {
    QByteArray bytes;
    QVERIFY(TextFile::encode(lines, TextEncoding::Windows1252, bytes));
    env.writeFile(kSettings, bytes);
}

} // namespace

class TestMainform : public QObject {
    Q_OBJECT

private slots:
    void firstStartOfNewUser() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Ravnsti: anna"));
        for (const char* folder : {"Egenskaber", "Musik", "Mappestrukturer", "Kalender", "Notater",
                                   "Alarmer", "Alarmtekster"})
            QVERIFY2(Platform::files().isFolder(kRoot + QStringLiteral("\\anna\\") +
                                                QLatin1String(folder)),
                     folder);
        QCOMPARE(form.mapper().optDir, QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\"));
        QCOMPARE(form.mapper().strukturDir, QStringLiteral("C:\\Ravnsti\\Program\\Struktur"));
        QVERIFY(form.opt().centred);
        QCOMPARE(form.styles().current(), QStringLiteral("Sky"));
        // A new user gets the standard types, written at once.
        QCOMPARE(form.typeliste().types().size(), 12);
        QStringList typer;
        QVERIFY(TextFile::read(form.mapper().typelisteNavn, typer));
        QCOMPARE(typer.size(), 36);
        QCOMPARE(form.minimumSize(), QSize(882, 720));

        form.show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Centred, or where it is wider than the screen, at its left edge.
        const int left =
            form.width() <= screen.width() ? screen.center().x() - form.width() / 2 : screen.left();
        QVERIFY(qAbs(form.geometry().left() - left) <= 1);

        // The trees: drives and the private block, the first folder in the file pane.
        QCOMPARE(form.dirbox()->topLevelItem(0)->text(), QStringLiteral("anna"));
        QCOMPARE(form.funk().Grundmappe(), form.EditSti()->text().left(2));
        form.close();
        QStringList lines;
        QVERIFY(TextFile::read(kSettings, lines));
        QCOMPARE(lines.size(), MainOptions::LineCount);
        QCOMPARE(lines.first(), QStringLiteral("Sky"));
    }

    // A start tidies only its own leftovers: the user's copies beside the settings and data
    // files stay, and a temporary of a save still running in another process too.
    void theUsersOwnCopiesSurviveAStart() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        const QString user = kRoot + QStringLiteral("\\anna\\");
        const QStringList own = {QStringLiteral("Egenskaber\\reopen.txt.backup"),
                                 QStringLiteral("Egenskaber\\favoritmapper.txt.gammel"),
                                 QStringLiteral("Egenskaber\\mainform.txt.kopi01"),
                                 QStringLiteral("Egenskaber\\typeliste.txt.a1B2c3"),
                                 QStringLiteral("Kalender\\kalender.txt.orig"),
                                 QStringLiteral("Notater\\.noter.txt.12-ab.tmp"),
                                 QStringLiteral("Egenskaber\\.ravnsti-%1-1-ab.tmp")
                                     .arg(QCoreApplication::applicationPid())};
        for (const QString& name : own)
            env.writeFile(user + name, "mit");
        env.writeFile(user + QStringLiteral("Egenskaber\\.ravnsti-999999999-2-cd.tmp"), "halv");
        {
            Tmainform form;
            form.show();
            form.close();
        }
        for (const QString& name : own)
            QVERIFY2(env.readFile(user + name) == "mit", qPrintable(name));
        QVERIFY(!Platform::files().exists(
            user + QStringLiteral("Egenskaber\\.ravnsti-999999999-2-cd.tmp")));
    }

    void everyButtonFitsAtTheDefaultSize() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        form.commands()(QStringLiteral("aRedskabslinjen"))->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(form.PanelDirbox()->width(), 260);
        // The bars that hide buttons in their overflow "»".
        auto overflowing = [&form] {
            QCoreApplication::processEvents();
            QStringList bars;
            for (const QToolBar* bar : form.findChildren<QToolBar*>()) {
                const auto* more = bar->findChild<QToolButton*>(
                    QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly);
                if (bar->isVisible() && more && more->isVisible())
                    bars.append(bar->objectName());
            }
            return bars;
        };
        QStringList hidden;
        for (int set = 0; set < 4; ++set) {
            form.toolbars().setAMfunktioner(set);
            for (const QString& bar : overflowing())
                hidden.append(QStringLiteral("%1 (sæt %2)").arg(bar).arg(set));
        }
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QStringLiteral(", "))));
    }

    void userNameRules() {
        TestEnvironment env;
        NamedUser::useDataRoot(env, std::nullopt);
        QCOMPARE(Tmainform().windowTitle(), QStringLiteral("Ravnsti: Brugernavn"));
        NamedUser::useDataRoot(env, QString());
        Tmainform empty;
        QCOMPARE(empty.windowTitle(), QStringLiteral("Ravnsti: Alle"));
        QVERIFY(Platform::files().isFolder(kRoot + QStringLiteral("\\Alle\\Egenskaber")));
    }

    void settingsRoundTrip() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.makeFolder(QStringLiteral("D:\\Łódź"));
        MainOptions saved;
        saved.designName = QStringLiteral("Luna");
        saved.AskDelete = false;
        saved.favoritlisteWidth = 333;
        saved.openMedLastMappe = true;
        saved.lastMappe = QStringLiteral("D:\\Łódź");
        saved.exeProgram = QStringLiteral("C:\\Program Files\\x.exe");
        saved.panelDirboxWidth = 300;
        writeSettings(env, saved.lines());
        // A name of the user's choosing beside the file is the user's, whatever it looks like.
        env.writeFile(kSettings + QStringLiteral(".Xq3Zk9"), "");
        {
            Tmainform form;
            QVERIFY(QFileInfo::exists(env.host(kSettings + QStringLiteral(".Xq3Zk9"))));
            QCOMPARE(form.styles().current(), QStringLiteral("Luna"));
            QVERIFY(!form.opt().AskDelete);
            QVERIFY(!form.opt().centred);
            QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\Łódź"));
            form.show();
            form.close();
        }
        QStringList lines;
        TextEncoding encoding = TextEncoding::Windows1252;
        QVERIFY(TextFile::read(kSettings, lines, &encoding));
        QCOMPARE(encoding, TextEncoding::Utf8Bom); // "Ł" has no Windows-1252 byte
        QCOMPARE(lines.at(15), QStringLiteral("D:\\Łódź"));
        QCOMPARE(lines.at(13), QStringLiteral("333"));
        QCOMPARE(lines.at(11), QStringLiteral("C:\\Program Files\\x.exe"));
        QCOMPARE(lines.at(7), QStringLiteral("0"));
    }

    void shortOrBrokenSettingsGiveDefaults() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        MainOptions saved;
        saved.designName = QStringLiteral("Luna");
        saved.AskDelete = false;       // covered by the defaults
        saved.favoritlisteWidth = 333; // not covered
        saved.MusikHeight = 77;
        QStringList lines = saved.lines();
        lines.removeLast(); // 42 lines
        writeSettings(env, lines);
        {
            Tmainform form;
            QVERIFY(form.opt().AskDelete);
            QCOMPARE(form.opt().favoritlisteWidth, 333);
            QCOMPARE(form.opt().panelDirboxWidth, 260);
            QCOMPARE(form.styles().current(), QStringLiteral("Sky"));
            QVERIFY(form.opt().centred);
        }

        lines = saved.lines();
        lines[4] = QStringLiteral("høj"); // line 5 is not a number
        writeSettings(env, lines);
        {
            Tmainform form;
            QCOMPARE(form.opt().MusikHeight, 0); // line 6 is never reached
            QCOMPARE(form.opt().formWidth, 790);
        }

        // Garbage and a huge file are read without harm.
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919) % 256));
        env.writeFile(kSettings, garbage);
        QVERIFY(Tmainform().opt().AskInsert);
        env.writeFile(kSettings, QByteArray(10 * 1024 * 1024, '\n'));
        QCOMPARE(Tmainform().opt().designName, QStringLiteral("Sky"));
    }

    void toolBarLineAndLastFolder() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        MainOptions saved;
        saved.mainBarVisible = false; // line 7
        saved.mainBarShown = true;    // line 17
        saved.openMedLastMappe = true;
        saved.lastMappe = QStringLiteral("C:\\forsvundet");
        writeSettings(env, saved.lines());
        Tmainform form;
        QVERIFY(!form.opt().mainBarVisible);
        // The vanished folder gives the first folder of the new tree instead.
        QCOMPARE(form.funk().Grundmappe(), form.funk().makeStruktur1());
        form.close();
        QStringList lines;
        QVERIFY(TextFile::read(kSettings, lines));
        QCOMPARE(lines.at(16), QStringLiteral("0"));
    }

    void missingStyleKeepsTheSettings() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        qputenv("RAVNSTI_DATA", env.base().toLocal8Bit()); // no styles installed here
        env.prompter().expectMessage(
            QStringLiteral("Programmappen kunne ikke findes.\nIkoner, lyde og lister mangler."));
        MainOptions saved;
        saved.designName = QStringLiteral("Luna");
        saved.AskMove = false;
        writeSettings(env, saved.lines());
        Tmainform form;
        QVERIFY(form.styles().current().isEmpty());
        QVERIFY(!form.opt().AskMove);
        form.close();
        QStringList lines;
        QVERIFY(TextFile::read(kSettings, lines));
        QCOMPARE(lines.first(), QStringLiteral("Luna"));
        QCOMPARE(lines.at(9), QStringLiteral("0"));
    }

    // Bounds off every screen, and numbers at the ends of int, give a window on the screen.
    void boundsOffEveryScreenAreClamped_data() {
        QTest::addColumn<QStringList>("bounds"); // top, left, width, height
        QTest::newRow("off the screen") << QStringList({"-3000", "5000", "790", "700"});
        QTest::newRow("int's ends")
            << QStringList({"-2147483648", "2147483647", "2147483647", "-2147483648"});
        QTest::newRow("past int") << QStringList(
            {"99999999999999999999", "-99999999999", "1", "1"});
    }
    void boundsOffEveryScreenAreClamped() {
        QFETCH(QStringList, bounds);
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        MainOptions saved;
        saved.centred = false;
        QStringList lines = saved.lines();
        for (int i = 0; i < 4; ++i)
            lines[1 + i] = bounds.at(i);
        writeSettings(env, lines);
        Tmainform form;
        form.show();
        // The window is never smaller than its minimum, which may be more than the screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(form.geometry().topLeft()));
        QVERIFY(form.width() <= qMax(screen.width(), form.minimumWidth()));
    }

    void unusableDataRootIsReportedOnce() {
        TestEnvironment env;
        Platform::setUser(std::make_unique<NamedUser>(QStringLiteral("anna")));
        qputenv("RAVNSTI_ROOT", (env.base() + QStringLiteral("/uden drev")).toLocal8Bit());
        env.prompter().expectMessage(
            QStringLiteral("Datamappen %1/uden drev kan ikke bruges.\nIndstillingerne bliver "
                           "hverken læst eller gemt.")
                .arg(env.base()));
        Tmainform form;
        form.show();
        QVERIFY(form.dirbox()->topLevelItemCount() > 0);
        form.close();
    }

    void standardTypeList() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.makeTypeliste();
        const QStringList entries = form.typeliste().filterEntries();
        QCOMPARE(entries.size(), 11);
        QCOMPARE(entries.first(), QStringLiteral("Hjemmeside (*.html)"));
        QCOMPARE(entries.last(), QStringLiteral("Tekstfil (*.txt)"));
        QVERIFY(!entries.join(QString()).contains(QStringLiteral("Power Shell")));
        QCOMPARE(form.typeliste().types().size(), 12);

        // Saved and read back at the next start; "*.*" stays out of the offered lists.
        Typeliste withAll = form.typeliste();
        auto types = withAll.types();
        types.append({QStringLiteral("Alle filer"), QStringLiteral("*.*"), true});
        withAll.setTypes(types);
        QVERIFY(withAll.save(form.mapper().typelisteNavn));
        Tmainform again;
        QCOMPARE(again.typeliste().types().size(), 13);
        QCOMPARE(again.typeliste().filterEntries().size(), 11);
    }

    // Start-up makes none of the windows that start hidden; the first use makes one, once,
    // as a child of the main window. The file information window opens on the file chosen.
    // A list file the user left is read as it is, even empty; a settings folder of an
    // earlier start without one is left without types too.
    void anExistingTypeListIsKept() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        const QString fil = QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\typeliste.txt");
        env.writeFile(fil, "");
        {
            Tmainform form;
            QVERIFY(form.typeliste().isEmpty());
        }
        QVERIFY(env.readFile(fil).isEmpty());
        QVERIFY(QFile::remove(env.host(fil)));
        Tmainform form;
        QVERIFY(form.typeliste().isEmpty());
        QVERIFY(!QFileInfo::exists(env.host(fil)));
    }

    // Ctrl+E shows the properties window without blocking the main window; its first "Gem"
    // shows the tool bar and the folder tree's lines at once, which the settings file keeps.
    void thePropertiesWindowChangesTheMainWindow() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        {
            Tmainform form;
            form.show();
            QVERIFY(form.findChildren<Tegenskabsform*>().isEmpty());
            QVERIFY(!form.dirbox()->linjer());
            QApplication::setActiveWindow(&form);
            QTest::keySequence(form.dirbox(), QKeySequence(Qt::CTRL | Qt::Key_E));
            Tegenskabsform* egenskaber = form.egenskabsform();
            QVERIFY(egenskaber->isVisible());
            QVERIFY(!egenskaber->isModal());
            for (const char* navn : {"CheckBoxToolbar", "CheckBoxStrukturlinier"}) {
                auto* box = egenskaber->findChild<QCheckBox*>(QLatin1String(navn));
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            }
            QTest::mouseClick(egenskaber->findChild<QPushButton*>("side1Gem"), Qt::LeftButton);
            QVERIFY(!form.toolbars().mainBar()->isHidden());
            QCOMPARE(form.commands()(QStringLiteral("aRedskabslinjen"))->text(),
                     QStringLiteral("Skjul Redskabslinjen"));
            QVERIFY(form.dirbox()->linjer());
            form.close();
        }
        Tmainform again;
        QVERIFY(again.dirbox()->linjer());
        QVERIFY(again.opt().mainBarVisible);
    }

    // "Test og gem" asks the documents to close first; one the user keeps open keeps the
    // style as it is. With none open the style changes, and the settings file keeps it.
    void aStyleChangesOnlyWithNoDocumentOpen() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        {
            Tmainform form;
            form.show();
            form.openwin(QStringLiteral("Uden navn (.txt)"), QString());
            Twinform* vindue = form.dokumenter().aktivt();
            vindue->infoTekst()->setFocus();
            QTest::keyClicks(vindue->infoTekst(), QStringLiteral("tekst"));
            form.commands()(QStringLiteral("aEgenskaber"))->trigger();
            Tegenskabsform* egenskaber = form.egenskabsform();
            egenskaber->egenskabsBog()->setCurrentIndex(3);
            auto* box = egenskaber->findChild<QComboBox*>("designBox");
            QCOMPARE(box->count(), 17);
            QCOMPARE(box->currentText(), QStringLiteral("Sky"));
            box->setCurrentIndex(box->findText(QStringLiteral("Luna")));
            auto* test = egenskaber->findChild<QPushButton*>("testKnap");
            env.prompter().answer(false); // keep the document
            env.prompter().expectMessage(QStringLiteral("Luk alle dokumenter og prøv igen!"));
            QTest::mouseClick(test, Qt::LeftButton);
            QCOMPARE(form.styles().current(), QStringLiteral("Sky"));
            QCOMPARE(form.documentCount(), 1);

            env.prompter().answer(true);
            QTest::mouseClick(test, Qt::LeftButton);
            QCOMPARE(form.documentCount(), 0);
            QCOMPARE(form.styles().current(), QStringLiteral("Luna"));
            QCOMPARE(env.prompter().pending(), 0);
            form.close();
        }
        QStringList lines;
        QVERIFY(TextFile::read(kSettings, lines));
        QCOMPARE(lines.first(), QStringLiteral("Luna"));
    }

    void hiddenWindowsWaitForTheirFirstUse() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.writeFile(QStringLiteral("D:\\Noter\\a.txt"), "abc");
        Tmainform form;
        form.show();
        form.commands().evaluate();
        const auto count = [&form] {
            return QList<qsizetype>{form.findChildren<TAboutBox*>().size(),
                                    form.findChildren<Tprogressform*>().size(),
                                    form.findChildren<TspmForm*>().size(),
                                    form.findChildren<Tkopieringsform*>().size(),
                                    form.findChildren<TfileExistsForm*>().size(),
                                    form.findChildren<Tfilinfoform*>().size(),
                                    form.findChildren<Tbilledform*>().size(),
                                    form.findChildren<TextForm*>().size()};
        };
        QCOMPARE(count(), QList<qsizetype>(8, 0));

        form.funk().makeStruktur2(QStringLiteral("D:\\Noter"), true);
        StrukturItem* file = form.filbox()->topLevelItem(0);
        QTest::mouseClick(form.filbox()->viewport(), Qt::LeftButton, {},
                          form.filbox()->visualItemRect(file).center());
        form.commands().evaluate();
        form.commands()(QStringLiteral("aFilinfo"))->trigger();
        QVERIFY(form.filinfoform()->isVisible());
        QCOMPARE(form.filinfoform()->windowTitle(), QStringLiteral("Fil egenskaber"));
        QCOMPARE(form.filinfoform()->findChild<QLineEdit*>("EditFilnavn")->text(),
                 QStringLiteral("a.txt"));
        QCOMPARE(form.filinfoform()->parent(), &form);
        QCOMPARE(count(), QList<qsizetype>({0, 0, 0, 0, 0, 1, 0, 0}));
        form.close();
    }

    void clickingAndPreview() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.writeFile(QStringLiteral("D:\\Fotos\\p.gif"),
                      QByteArray::fromHex("47494638396101000100800000ff000000000021f90401000000"
                                          "002c00000000010001000002024401003b"));
        Tmainform form;
        form.show();
        QApplication::setActiveWindow(&form);
        form.funk().makeStruktur2(QStringLiteral("D:\\Fotos"), true);
        QCOMPARE(form.EditSti()->text(), QStringLiteral("D:\\Fotos"));
        StrukturItem* file = form.filbox()->topLevelItem(0);
        const QRect r = form.filbox()->visualItemRect(file);
        QTest::mouseClick(form.filbox()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(form.funk().Filnavn(), QStringLiteral("D:\\Fotos\\p.gif"));
        QCOMPARE(form.infoText(3), QStringLiteral("D:\\Fotos\\p.gif"));
        QVERIFY(form.billedform()->isVisible());
        QCOMPARE(form.billedform()->panelText(5), QStringLiteral("p.gif"));
        QCOMPARE(form.billedform()->windowTitle(), QStringLiteral("Billede"));
        // The picture only shows; the keys stay with the file pane.
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), &form);
        form.commands().evaluate();
        QTest::keySequence(form.filbox(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(form.infoText(3), QStringLiteral("Der blev kopieret 1 element."));
        form.close();
    }

    // What the keys reach in either tree is what every command takes, as after a click.
    void theKeysSelectAsTheMouseDoes() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.makeFolder(QStringLiteral("D:\\Blandet\\Mappe"));
        env.makeFolder(QStringLiteral("D:\\Tom"));
        env.writeFile(QStringLiteral("D:\\Blandet\\a.txt"), "a");
        env.writeFile(QStringLiteral("D:\\Blandet\\b.gif"),
                      QByteArray::fromHex("47494638396101000100800000ff000000000021f90401000000"
                                          "002c00000000010001000002024401003b"));
        env.writeFile(QStringLiteral("D:\\Blandet\\c.mp3"), "mp3");
        Tmainform form;
        form.opt().visBillede = false;
        form.show();
        QApplication::setActiveWindow(&form);
        auto kommando = [&form](const char* name) {
            form.commands().evaluate();
            return form.commands()(QString::fromLatin1(name));
        };

        // The folder tree: a move with the arrows lists the folder reached.
        StrukturVisning* tree = form.dirbox();
        TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral(" (D:)")));
        QTest::keyClick(tree, Qt::Key_Return);
        TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Blandet")));
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\Tom"));
        QCOMPARE(form.EditSti()->text(), QStringLiteral("D:\\Tom"));
        QTest::keyClick(tree, Qt::Key_Up);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\Blandet"));

        // The file pane: Down from a clicked file, a typed name, Home onto a folder.
        StrukturVisning* pane = form.filbox();
        TreeClicks::click(pane, TreeClicks::node(pane, QStringLiteral("a.txt")));
        QTest::keyClick(pane, Qt::Key_Down);
        QCOMPARE(form.funk().Filnavn(), QStringLiteral("D:\\Blandet\\b.gif"));
        QCOMPARE(form.infoText(3), QStringLiteral("D:\\Blandet\\b.gif"));
        QVERIFY(!form.billedform()->isVisible());
        QVERIFY(kommando("aVisValgteBillede")->isEnabled());
        QTest::keySequence(pane, QKeySequence(Qt::CTRL | Qt::Key_B));
        QVERIFY(form.billedform()->isVisible());
        QCOMPARE(form.billedform()->panelText(5), QStringLiteral("b.gif"));
        form.billedform()->close();
        QApplication::setActiveWindow(&form);

        QTest::keyClicks(pane, QStringLiteral("c"));
        QCOMPARE(pane->currentItem()->text(), QStringLiteral("c.mp3"));
        kommando("sbCopyPathWithFilename")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("D:\\Blandet\\c.mp3"));
        QCOMPARE(form.infoText(3),
                 QStringLiteral("Stien og filnavnet blev kopieret til klipbordet"));
        QTest::keyClick(pane, Qt::Key_Home);
        kommando("sbCopyPathWithFilename")->trigger();
        QCOMPARE(form.infoText(3), QStringLiteral("Der er ikke valgt en fil."));

        // Ctrl+I then Ctrl+A with the folder current: the commands of the selected files.
        const char* filkommandoer[] = {"aAnvend", "aAnvendStraks", "aHTMLfilmliste",
                                       "aHTMLmusikliste", "aHTMLbilledliste"};
        QTest::keySequence(pane, QKeySequence(Qt::CTRL | Qt::Key_I));
        for (const char* name : filkommandoer)
            QVERIFY2(!kommando(name)->isEnabled(), name);
        QTest::keySequence(pane, QKeySequence(Qt::CTRL | Qt::Key_A));
        QCOMPARE(pane->selectedItems().size(), 4);
        for (const char* name : filkommandoer)
            QVERIFY2(kommando(name)->isEnabled(), name);

        // Ctrl+H opens the file the keys reached, not the one clicked before.
        QTest::keyClick(pane, Qt::Key_Down);
        QCOMPARE(pane->selectedItems().size(), 1);
        QVERIFY(kommando("aRedigerHtml")->isEnabled());
        QTest::keySequence(pane, QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(form.documentCount(), 1);
        QCOMPARE(form.dokumenter().aktivt()->dokumentFilnavn, QStringLiteral("D:\\Blandet\\a.txt"));
        form.close();
    }

    // Names are shown as written: never as markup in the status bar, nor with "&" taken
    // for a key in the path tabs.
    void namesShowAsWritten() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        const QString mappe = QStringLiteral("D:\\Film\\A&B \"q\" <i>x#y?z");
        env.writeFile(mappe + QStringLiteral("\\klip #1.mp4"), "film");
        Tmainform form;
        form.show();
        QApplication::setActiveWindow(&form);
        form.funk().makeStruktur2(mappe, true);
        StrukturVisning* pane = form.filbox();
        TreeClicks::click(pane, TreeClicks::node(pane, QStringLiteral("klip #1.mp4")));
        QCOMPARE(form.infoText(3), mappe + QStringLiteral("\\klip #1.mp4"));
        for (const QLabel* panel : form.statusBar()->findChildren<QLabel*>())
            QCOMPARE(panel->textFormat(), Qt::PlainText);
        const QTabBar* tabs = form.toolbars().stibox();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(1), QStringLiteral("Film"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("A&&B \"q\" <i>x#y?z"));
        form.close();
    }
};

RAVNSTI_TEST_MAIN(TestMainform)
#include "tst_mainform.moc"
