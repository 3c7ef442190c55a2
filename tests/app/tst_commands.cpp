#include "app/commandtable.h"
#include "app/keyguard.h"
#include "app/mainform.h"
#include "app/mainmenus.h"
#include "app/maintoolbars.h"
#include "editor/infoform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "platform/platform.h"
#include "shared/extform.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <sys/stat.h>

namespace {

QStringList shortcutTexts(const QAction* action) {
    QStringList texts;
    for (const QKeySequence& key : action->shortcuts())
        texts.append(key.toString(QKeySequence::PortableText));
    return texts;
}

// A window with a data root of its own and the file pane showing `folder`.
struct Window {
    explicit Window(TestEnvironment& env) {
        NamedUser::useDataRoot(env);
        form = std::make_unique<Tmainform>();
        form->show();
    }
    QAction* operator()(const char* name) const {
        return form->commands()(QString::fromLatin1(name));
    }
    bool enabled(const char* name) const {
        form->commands().evaluate();
        return (*this)(name)->isEnabled();
    }
    std::unique_ptr<Tmainform> form;
};

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void captionsKeysAndHintsAsTheMenusShowThem() {
        TestEnvironment env;
        Window w(env);
        // Captions keep their trailing blanks: the menus align on them.
        QCOMPARE(w("aCopy")->text(), QStringLiteral("Kopier "));
        QCOMPARE(w("aMarkerAlt")->text(), QStringLiteral("Marker alt   "));
        QCOMPARE(w("aFilinfo")->text(), QStringLiteral("Fil        "));
        QCOMPARE(shortcutTexts(w("aDelete")), (QStringList{"Ctrl+D", "Del"}));
        QCOMPARE(shortcutTexts(w("aNyMappe")), (QStringList{"Ctrl+M", "Ctrl+Shift+N"}));
        QCOMPARE(shortcutTexts(w("aEleEgenskaber")), QStringList{"Alt+Return"});
        QCOMPARE(w("aRun")->statusTip(),
                 QStringLiteral("Kør. Åbner filen i andet program, hvis et sådant er associeret "
                                "til filtypen: Ctrl+K eller F9"));

        // Two actions of one window with the same key would both stay silent.
        QHash<QKeySequence, QString> owners;
        for (QAction* action : w.form->findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!key.isEmpty(), qPrintable(action->objectName()));
                QVERIFY2(!owners.contains(key),
                         qPrintable(owners.value(key) + " / " + action->objectName()));
                owners.insert(key, action->objectName());
            }
        }
        // A view with its own caption shows the command's key and follows its state.
        QMenu* handlinger = w.form->menus().menu(QStringLiteral("PUfilbox"));
        QAction* copyTo = nullptr;
        for (QAction* item : handlinger->actions())
            if (item->text() == QStringLiteral("Kopier til..."))
                copyTo = item;
        QVERIFY(copyTo);
        w.form->mayCopy = true;
        QVERIFY(w.enabled("aKopier32"));
        QVERIFY(copyTo->isEnabled());
        w.form->mayCopy = false;
        QVERIFY(!w.enabled("aKopier32"));
        QVERIFY(!copyTo->isEnabled());
    }

    void menusAreFilledWhenFirstOpenedOrAskedFor() {
        TestEnvironment env;
        Window w(env);
        // A menu of the menu bar opened with the mouse shows its items.
        QMenuBar* bar = w.form->menuBar();
        QAction* information = nullptr;
        for (QAction* action : bar->actions())
            if (action->text() == QStringLiteral("Information"))
                information = action;
        QVERIFY(information && information->menu());
        QMenu* menu = information->menu();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(information).center());
        QTRY_VERIFY(menu->isVisible());
        QStringList captions;
        for (const QAction* item : menu->actions())
            captions.append(item->text());
        QVERIFY2(captions.contains(QStringLiteral("Genvejstaster...")),
                 qPrintable(captions.join('|')));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(menu->actions().size(), captions.size()); // filled once

        // A submenu asked for by name is there, with the context menu that holds it filled.
        QMenu* filfunktioner = w.form->menus().menu(QStringLiteral("mFilfunktioner"));
        QVERIFY(filfunktioner);
        QVERIFY(!filfunktioner->actions().isEmpty());
        QMenu* pane = w.form->menus().menu(QStringLiteral("PUfilbox"));
        bool holds = false;
        for (const QAction* item : pane->actions())
            holds = holds || item->menu() == filfunktioner;
        QVERIFY(holds);
    }

    void everyNameTheMenusAndBarsShowIsRegistered() {
        TestEnvironment env;
        Window w(env);
        const CommandTable& c = w.form->commands();
        // Each item of every menu and every button of every bar is a registered action, or
        // a view of a command that shows it under another caption.
        auto registered = [&c](const QAction* action) {
            if (action->isSeparator() || action->menu() || action->objectName().isEmpty())
                return true;
            QString name = action->objectName();
            if (!c.contains(name) && name.endsWith(QLatin1String("View")))
                name.chop(4);
            return c.contains(name);
        };
        int walked = 0;
        QList<QMenu*> menus = w.form->menus().menus();
        while (!menus.isEmpty()) {
            const QMenu* menu = menus.takeFirst();
            for (const QAction* action : menu->actions()) {
                QVERIFY2(registered(action), qPrintable(action->objectName()));
                if (action->menu())
                    menus << action->menu();
                ++walked;
            }
        }
        w.form->toolbars().mainBar(); // made when first asked for
        for (const QToolBar* bar : w.form->findChildren<QToolBar*>())
            for (const QAction* action : bar->actions()) {
                QVERIFY2(registered(action), qPrintable(action->objectName()));
                ++walked;
            }
        QVERIFY(walked > 200);
        QVERIFY(c.contains(QStringLiteral("mMapper01")));       // a menu item
        QVERIFY(c.contains(QStringLiteral("ButtonPrevMappe"))); // a tool button
        QVERIFY(c.isCommand(QStringLiteral("aCopy")));
        QVERIFY(!c.isCommand(QStringLiteral("mMapper01")));
    }

    void rulesFollowTheWindowWhenTheLoopIdles() {
        TestEnvironment env;
        Window w(env);
        QAction* open = w("aOpen");
        QVERIFY(!w.enabled("aOpen"));
        // A change made while the loop handles an event shows once the loop waits again,
        // without anyone asking for an evaluation. The loop runs until the action changes
        // (or, should the rules never run, until a generous while has passed).
        auto changeInTheLoop = [&](const QString& program) {
            QEventLoop loop;
            QTimer::singleShot(0, w.form.get(), [&] { w.form->opt().exeProgram = program; });
            connect(open, &QAction::changed, &loop, &QEventLoop::quit);
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            loop.exec();
        };
        changeInTheLoop(QStringLiteral("D:\\vis"));
        QVERIFY(open->isEnabled());
        changeInTheLoop(QString());
        QVERIFY(!open->isEnabled());
    }

    void selectionRulesFollowTheFilePane() {
        TestEnvironment env;
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            env.writeFile(QStringLiteral("D:\\Tre\\") + QLatin1String(name), "x");
        env.makeFolder(QStringLiteral("D:\\Tom"));
        Window w(env);
        w.form->funk().makeStruktur2(QStringLiteral("D:\\Tre"), true);
        StrukturVisning* pane = w.form->filbox();
        QCOMPARE(pane->topLevelItemCount(), 3);
        QVERIFY(w.enabled("aMarkerAlt"));
        QVERIFY(!w.enabled("aMarkerIngen"));
        QVERIFY(w.enabled("aMarkerInvers"));
        pane->topLevelItem(1)->setSelected(true);
        QVERIFY(w.enabled("aMarkerAlt"));
        QVERIFY(w.enabled("aMarkerIngen"));
        pane->selectAll();
        QVERIFY(!w.enabled("aMarkerAlt"));
        QVERIFY(w.enabled("aMarkerIngen"));

        w.form->funk().makeStruktur2(QStringLiteral("D:\\Tom"), true);
        QVERIFY(!w.enabled("aMarkerAlt"));
        QVERIFY(!w.enabled("aMarkerInvers"));
        // No documents: closing one or all is disabled.
        QVERIFY(!w.enabled("aLuk"));
        QVERIFY(!w.enabled("aLukAlle"));
    }

    void keysAreNamedInDanishWhereTheUserSeesThem() {
        TestEnvironment env;
        Window w(env);
        auto shown = [&w](const char* name) {
            QStringList texts;
            for (const QKeySequence& key : w(name)->shortcuts())
                texts.append(key.toString(QKeySequence::NativeText));
            return texts;
        };
        QCOMPARE(shown("aEleEgenskaber"), QStringList{"Alt+Enter"});
        QCOMPARE(shown("aDeletePermanent"), QStringList{"Skift+Del"});
        QCOMPARE(shown("aNyMappe"), (QStringList{"Ctrl+M", "Ctrl+Skift+N"}));
        QCOMPARE(shown("aVisBillede"), QStringList{"Ctrl+Ins"});
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_Space).toString(QKeySequence::NativeText),
                 QStringLiteral("Ctrl+Mellemrum"));
        QCOMPARE(QKeySequence(Qt::Key_PageUp).toString(QKeySequence::NativeText),
                 QStringLiteral("Page Up"));

        // A hint that ends with the command's keys names them as the menus do; the hint of
        // the permanent delete keeps its own long-standing wording "Shift+Del".
        const QRegularExpression keysAtEnd(QStringLiteral(": ([^:]+)$"));
        for (QAction* action : w.form->commands().actions()) {
            const QRegularExpressionMatch match = keysAtEnd.match(action->statusTip());
            if (action->shortcuts().isEmpty() || !match.hasMatch() ||
                action->objectName() == QLatin1String("aDeletePermanent"))
                continue;
            const QStringList menuKeys = shown(qPrintable(action->objectName()));
            for (const QString& key : match.captured(1).split(QStringLiteral(" eller ")))
                QVERIFY2(menuKeys.contains(key),
                         qPrintable(action->objectName() + QStringLiteral(": ") + key));
        }
    }

    void selectAllAfterAClickInTheTreeMayBeCopied() {
        TestEnvironment env;
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            env.writeFile(QStringLiteral("D:\\Tre\\") + QLatin1String(name), "x");
        Window w(env);
        QApplication::setActiveWindow(w.form.get());
        StrukturVisning* tree = w.form->dirbox();
        TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral(" (D:)")));
        QTest::keyClick(tree, Qt::Key_Return);
        TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Tre")));
        QVERIFY(w.enabled("aMarkerAlt"));
        QTest::keySequence(tree, QKeySequence(Qt::CTRL | Qt::Key_A));
        QCOMPARE(w.form->filbox()->selectedItems().size(), 3);
        for (const char* name : {"aCopy", "aKlip", "aDelete"})
            QVERIFY2(w.enabled(name), name);
        QTest::keySequence(tree, QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(w.form->infoText(3), QStringLiteral("Der blev kopieret 3 elementer."));
    }

    void aFailedPasteShowsWhatArrived() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Kilde\\a.txt"), "a");
        QCOMPARE(::mkfifo(qPrintable(env.host(QStringLiteral("D:\\Kilde\\rør"))), 0600), 0);
        env.makeFolder(QStringLiteral("D:\\Maal"));
        Window w(env);
        w.form->opt().AskInsert = false;
        QApplication::setActiveWindow(w.form.get());
        StrukturVisning* tree = w.form->dirbox();
        TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral(" (D:)")));
        QTest::keyClick(tree, Qt::Key_Return);
        // Copies what is selected after a click on Kilde (all of its files with Ctrl+A, else
        // the folder itself), clicks Maal and pastes: the FIFO fails, the rest arrives.
        auto copyAndPaste = [&](bool everyFile) {
            TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Kilde")));
            w.form->commands().evaluate();
            if (everyFile) {
                QTest::keySequence(tree, QKeySequence(Qt::CTRL | Qt::Key_A));
                w.form->commands().evaluate();
            }
            QTest::keySequence(tree, QKeySequence(Qt::CTRL | Qt::Key_C));
            TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Maal")));
            w.form->commands().evaluate();
            env.prompter().expectMessage(
                QStringLiteral("Der er opstået en fejl.\nElementer er muligvist slettede.\n\n"
                               "D:\\Kilde\\rør kunne ikke kopieres (er ikke en almindelig fil "
                               "eller mappe)."));
            QTest::keySequence(tree, QKeySequence(Qt::CTRL | Qt::Key_V));
            QStringList pane;
            for (int i = 0; i < w.form->filbox()->topLevelItemCount(); ++i)
                pane.append(w.form->filbox()->topLevelItem(i)->text());
            return pane;
        };
        const QStringList files = copyAndPaste(true);
        // The window system returns the keyboard to the window that had it.
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), tree);
        QCOMPARE(env.readFile(QStringLiteral("D:\\Maal\\a.txt")), QByteArray("a"));
        QCOMPARE(w.form->funk().Grundmappe(), QStringLiteral("D:\\Maal"));
        QCOMPARE(files, QStringList{"a.txt"});
        // The folder itself, pasted from the folder tree: the pane lists what arrived.
        QCOMPARE(copyAndPaste(false), (QStringList{"Kilde", "a.txt"}));
    }

    void toolBarToggleLastsOnlyUntilTheNextStart() {
        TestEnvironment env;
        {
            Window w(env);
            QToolBar* bar = w.form->toolbars().mainBar();
            QVERIFY(bar->isHidden());
            w("aRedskabslinjen")->trigger();
            QVERIFY(!bar->isHidden());
            QCOMPARE(w("aRedskabslinjen")->text(), QStringLiteral("Skjul Redskabslinjen"));
            QVERIFY(w("aRedskabslinjen")->statusTip().isEmpty());
            w("aRedskabslinjen")->trigger();
            w("aRedskabslinjen")->trigger();
            w.form->close();
        }
        Window again(env);
        QVERIFY(again.form->toolbars().mainBar()->isHidden());
        QCOMPARE(again("aRedskabslinjen")->text(), QStringLiteral("Vis Redskabslinjen"));
    }

    void actionBarSetsAreSavedWithTheOptions() {
        TestEnvironment env;
        {
            Window w(env);
            QCOMPARE(w.form->toolbars().AMfunktionsNumber(), 0);
            QVERIFY(!w.enabled("Action19"));
            QVERIFY(w.enabled("Action21"));
            w("Action21")->trigger();
            QCOMPARE(w.form->toolbars().actionBar()->actions().size(), 4);
            QVERIFY(!w.enabled("Action21"));
            QVERIFY(w.enabled("Action19"));
            w.form->close();
        }
        Window again(env);
        QCOMPARE(again.form->toolbars().AMfunktionsNumber(), 2);
        const QList<QAction*> buttons = again.form->toolbars().actionBar()->actions();
        QCOMPARE(buttons.first(), again("aAlarmNy"));
        QCOMPARE(buttons.last(), again("aLukKalender"));
    }

    void hintsReplaceMessagesUntilThePointerLeaves() {
        TestEnvironment env;
        Window w(env);
        w.form->HandlingsInfo(StatusTekster::Kopieret, 3);
        QCOMPARE(w.form->infoText(3), QStringLiteral("Der blev kopieret 3 elementer."));
        QToolBar* bar = w.form->toolbars().actionBar();
        w("aCopy")->showStatusText(bar);
        QCOMPARE(w.form->infoText(3), QStringLiteral("Kopier valgte elementer: Ctrl+C"));
        QStatusTipEvent leave{QString()};
        QCoreApplication::sendEvent(bar, &leave);
        QCOMPARE(w.form->infoText(3), QStringLiteral("Der blev kopieret 3 elementer."));

        // A menu is a window of its own; its hints still reach panel 3.
        QMenu* menu = w.form->menus().menu(QStringLiteral("PUfilbox2"));
        QStatusTipEvent fromMenu(QStringLiteral("Indsæt kopierede elementer: Ctrl+V"));
        QCoreApplication::sendEvent(menu, &fromMenu);
        QCOMPARE(w.form->infoText(3), QStringLiteral("Indsæt kopierede elementer: Ctrl+V"));
        // The next message replaces the hint.
        w.form->HandlingsInfo(StatusTekster::Klippet, 1);
        QCOMPARE(w.form->infoText(3), QStringLiteral("Der blev klippet 1 element."));
    }

    void helpItemsNameTheirTopics() {
        TestEnvironment env;
        Window w(env);
        QStringList topics;
        connect(&w.form->menus(), &MainMenus::helpRequested, this,
                [&](const QString& topic) { topics.append(topic); });
        w.form->commands()(QStringLiteral("mi02"))->trigger();
        w("aInformation")->trigger();
        w.form->commands()(QStringLiteral("tbFaneinfo"))->trigger();
        QCOMPARE(topics, (QStringList{"Sæt ind", "Fanelinjen"}));
        // The viewer opens on the program help with the topic in its search box.
        Tinfoform* viewer = w.form->infoform();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->strukturnavn, QStringLiteral("Ravnsti.txt"));
        QCOMPARE(viewer->sEdit()->text(), QStringLiteral("Fanelinjen"));
        QCOMPARE(viewer->parent(), w.form.get());
    }

    void deleteKeysNeverHarmAnEdit() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Fil\\a.txt"), "data");
        Window w(env);
        w.form->opt().AskDelete = false; // a wrong delete would happen at once, not ask
        QApplication::setActiveWindow(w.form.get());
        w.form->funk().makeStruktur2(QStringLiteral("D:\\Fil"), true);
        StrukturVisning* pane = w.form->filbox();
        const QRect row = pane->visualItemRect(pane->topLevelItem(0));
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(w.enabled("aDelete"));

        w("aRename")->trigger();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        for (const QKeySequence& key :
             {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
              QKeySequence(Qt::CTRL | Qt::Key_D)})
            QTest::keySequence(editor, key);
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\Fil\\a.txt"))));

        // A list of the window keeps Del too.
        auto* list = new QListWidget(w.form->centralWidget());
        list->addItem(QStringLiteral("punkt"));
        list->show();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\Fil\\a.txt"))));

        // In the file pane the key deletes.
        pane->setFocus();
        QVERIFY(w.enabled("aDelete"));
        QTest::keyClick(pane, Qt::Key_Delete);
        QVERIFY(!QFile::exists(env.host(QStringLiteral("D:\\Fil\\a.txt"))));
        QCOMPARE(w.form->infoText(3), QStringLiteral("Der blev slettet 1 element."));
    }

    void renameInPlaceShowsWhatTheEngineDid() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Navne\\gammel.txt"), "g");
        env.writeFile(QStringLiteral("D:\\Navne\\optaget.txt"), "o");
        Window w(env);
        QApplication::setActiveWindow(w.form.get());
        StrukturVisning* pane = w.form->filbox();
        // The node's text after the edit, or "(ingen redigering)" when none started.
        auto renameTo = [&](const char* from, const QString& typed) -> QString {
            w.form->funk().makeStruktur2(QStringLiteral("D:\\Navne"), true);
            StrukturItem* node = pane->findItems(QString::fromLatin1(from)).first();
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, {},
                              pane->visualItemRect(node).center());
            if (!w.enabled("aRename"))
                return QStringLiteral("(ingen redigering)");
            QTest::keyClick(pane, Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (!editor)
                return QStringLiteral("(ingen redigering)");
            editor->setText(typed);
            QTest::keyClick(editor, Qt::Key_Return);
            // The view ends the edit from its event queue.
            QCoreApplication::processEvents();
            return node->text();
        };
        // No extension typed: the old one is kept.
        QCOMPARE(renameTo("gammel.txt", QStringLiteral("ny")), QStringLiteral("ny.txt"));
        QCOMPARE(env.readFile(QStringLiteral("D:\\Navne\\ny.txt")), QByteArray("g"));
        // A taken name gets the next free one; nothing is replaced.
        QCOMPARE(renameTo("ny.txt", QStringLiteral("optaget.txt")),
                 QStringLiteral("optaget (1).txt"));
        QCOMPARE(env.readFile(QStringLiteral("D:\\Navne\\optaget.txt")), QByteArray("o"));
    }

    void fileTypeRenameAddsTheDotAndRefusesBadTypes() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Tekst\\brev.txt"), "x");
        Window w(env);
        auto chooseFirstFile = [&] {
            w.form->funk().makeStruktur2(QStringLiteral("D:\\Tekst"), true);
            StrukturVisning* pane = w.form->filbox();
            const QRect row = pane->visualItemRect(pane->topLevelItem(0));
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, row.center());
        };
        auto answer = [&](const QString& type) {
            TextForm* form = w.form->extForm();
            QTimer::singleShot(0, form, [form, type] {
                form->findChild<QLineEdit*>(QStringLiteral("newEdit"))->setText(type);
                form->accept();
            });
        };
        chooseFirstFile();
        QVERIFY(w.enabled("aRenameExt"));
        answer(QStringLiteral("bak"));
        env.prompter().expectMessage(QStringLiteral("Der blev omdøbt 1 fil."));
        w("aRenameExt")->trigger();
        QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\Tekst\\brev.bak"))));

        // A refused type is said once; no count follows and nothing is renamed.
        chooseFirstFile();
        answer(QStringLiteral("b?k"));
        env.prompter().expectMessage(
            QStringLiteral("Filtypen \".b?k\" kan ikke bruges.\nEn filtype skal begynde med et "
                           "punktum, må ikke være tom og må ikke indeholde tegnene "
                           "\\ / : * ? \" < > |"));
        w("aRenameExt")->trigger();
        QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\Tekst\\brev.bak"))));
    }

    void emptyingTheTrashTakesTheSelectedDrive() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\Arkiv\\c.txt"), "c");
        env.writeFile(QStringLiteral("D:\\d.txt"), "d");
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\Arkiv\\c.txt")));
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("D:\\d.txt")));
        Window w(env);
        w.form->funk().makeStruktur2(QStringLiteral("C:\\Arkiv"), true);
        w.form->funk().setDirmappe(QStringLiteral("D:"));
        QVERIFY(w.enabled("aEmptyRB"));
        env.prompter().answer(true);
        w("aEmptyRB")->trigger();
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Skal papirkurven for drev D: tømmes?"));
        QVERIFY(!Platform::recycleBin().hasItems(QLatin1Char('D')));
        QVERIFY(Platform::recycleBin().hasItems(QLatin1Char('C')));
        w.form->funk().setDirmappe(QStringLiteral("C:\\Arkiv"));
        QVERIFY(!w.enabled("aEmptyRB"));
    }

    void anActiveAreaOwnsItsKeys() {
        TestEnvironment env;
        Window w(env);
        QApplication::setActiveWindow(w.form.get());
        auto* area = new QWidget(w.form->centralWidget());
        auto* editor = new QLineEdit(area);
        area->show();
        w.form->keyGuard().addKeyOwner(area, {QKeySequence(Qt::CTRL | Qt::Key_S)});
        QCOMPARE(shortcutTexts(w("aOpenAktuelleMappe")), QStringList{"Ctrl+S"});
        editor->setFocus();
        QVERIFY(shortcutTexts(w("aOpenAktuelleMappe")).isEmpty());
        QCOMPARE(shortcutTexts(w("aCopy")), QStringList{"Ctrl+C"});
        w.form->filbox()->setFocus();
        QCOMPARE(shortcutTexts(w("aOpenAktuelleMappe")), QStringList{"Ctrl+S"});
    }
};

RAVNSTI_TEST_MAIN(TestCommands)

#include "tst_commands.moc"
