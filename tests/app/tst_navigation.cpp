#include "app/commandtable.h"
#include "app/mainform.h"
#include "app/mainmenus.h"
#include "app/maintoolbars.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "shared/strukturtree.h"
#include "shared/treedragdrop.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabBar>
#include <QUrl>

namespace {

QStringList tabTexts(const QTabBar* tabs) {
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts.append(tabs->tabText(i));
    return texts;
}

QStringList rootTexts(const StrukturVisning* tree) {
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts.append(tree->topLevelItem(i)->text());
    return texts;
}

// A home folder on drive C: with the Danish XDG user folders.
QString danishHome(TestEnvironment& env) {
    const QString home = env.driveFolder('C') + QStringLiteral("/home/anna");
    qputenv("HOME", home.toLocal8Bit());
    for (const char* sub : {"Skrivebord", "Dokumenter", "Billeder", "Musik", "Videoer"})
        QDir().mkpath(home + QLatin1Char('/') + QLatin1String(sub));
    QFile dirs(env.base() + QStringLiteral("/config/user-dirs.dirs"));
    if (dirs.open(QIODevice::WriteOnly))
        dirs.write("XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
                   "XDG_PICTURES_DIR=\"$HOME/Billeder\"\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                   "XDG_VIDEOS_DIR=\"$HOME/Videoer\"\n");
    return QStringLiteral("C:\\home\\anna");
}

// The root of a drive, whatever its volume label.
StrukturItem* driveNode(const StrukturVisning* tree, char letter) {
    const QString ending = QStringLiteral("(%1:)").arg(QLatin1Char(letter));
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text().endsWith(ending))
            return tree->topLevelItem(i);
    QTest::qFail(qPrintable(QStringLiteral("no drive ") + ending), __FILE__, __LINE__);
    return nullptr;
}

// A shown main window with the keyboard, the folder tree opened at C: and "C:\Fotos" shown in
// the file pane, reached as the user reaches it: click on C:, Enter, click on "Fotos".
struct FotosOpened {
    explicit FotosOpened(TestEnvironment& env) {
        env.makeFolder(QStringLiteral("C:\\Fotos\\2020"));
        env.makeFolder(QStringLiteral("C:\\Fotos\\2021"));
        NamedUser::useDataRoot(env);
        form = std::make_unique<Tmainform>();
        form->show();
        QApplication::setActiveWindow(form.get());
        tree = form->dirbox();
        TreeClicks::click(tree, driveNode(tree, 'C'));
        QTest::keyClick(tree, Qt::Key_Return);
        fotos = TreeClicks::node(tree, QStringLiteral("Fotos"));
        TreeClicks::click(tree, fotos);
    }
    std::unique_ptr<Tmainform> form;
    StrukturVisning* tree = nullptr;
    StrukturItem* fotos = nullptr;
};

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void pathTabsAndPathBoxFollowTheFilePane() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\Users\\Ole"));
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        QTabBar* tabs = form.toolbars().stibox();
        form.funk().makeStruktur2(QStringLiteral("C:\\Users\\Ole"), true);
        QCOMPARE(tabTexts(tabs), (QStringList{"C:", "Users", "Ole"}));
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(form.EditSti()->text(), QStringLiteral("C:\\Users\\Ole"));

        tabs->setCurrentIndex(1);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("C:\\Users"));
        QCOMPARE(tabTexts(tabs), (QStringList{"C:", "Users"}));
        QCOMPARE(tabs->currentIndex(), 1);

        form.funk().makeStruktur2(QStringLiteral("C:"), true);
        QCOMPARE(tabTexts(tabs), QStringList{"C:"});
        QCOMPARE(form.EditSti()->text(), QStringLiteral("C:\\"));

        // Back and forward follow the visits.
        QVERIFY(form.commands()(QStringLiteral("ButtonPrevMappe"))->isEnabled());
        QVERIFY(!form.commands()(QStringLiteral("ButtonNextMappe"))->isEnabled());
        form.commands()(QStringLiteral("ButtonPrevMappe"))->trigger();
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("C:\\Users"));
        QVERIFY(form.commands()(QStringLiteral("ButtonNextMappe"))->isEnabled());
    }

    void specialFoldersOpenOrSayTheyAreMissing() {
        TestEnvironment env;
        const QString anna = danishHome(env);
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        form.commands()(QStringLiteral("Action1"))->trigger();
        QCOMPARE(form.funk().Grundmappe(), anna + QStringLiteral("\\Skrivebord"));

        // Nothing of the user's own settings: the view stays as it was.
        env.prompter().expectMessage(QStringLiteral("Mappen blev ikke fundet."));
        form.commands()(QStringLiteral("Action7"))->trigger();
        env.prompter().expectMessage(QStringLiteral("Kunne ikke finde favoritmappen."));
        form.commands()(QStringLiteral("aFavoritmappe"))->trigger();
        QCOMPARE(form.funk().Grundmappe(), anna + QStringLiteral("\\Skrivebord"));

        // An empty camera folder setting shows the pictures and keeps them as the camera's.
        form.opt().kameraBilledDir.clear();
        form.commands()(QStringLiteral("Action13"))->trigger();
        QCOMPARE(form.funk().Grundmappe(), anna + QStringLiteral("\\Billeder"));
        QCOMPARE(form.opt().kameraBilledDir, anna + QStringLiteral("\\Billeder"));

        // Every folder that exists, under its own label; the missing ones take theirs along.
        form.commands()(QStringLiteral("Action17"))->trigger();
        const QStringList roots = rootTexts(form.dirbox());
        for (const char* label : {"Skrivebord", "Dokumenter", "Billeder", "Musik", "Videoer",
                                  "Kamera billeder", "Kamera film"})
            QVERIFY2(roots.contains(QString::fromUtf8(label)), label);
        for (const char* label : {"Favoritter", "OneDrive", "Kontakter"})
            QVERIFY2(!roots.contains(QString::fromUtf8(label)), label);
        QCOMPARE(form.opt().lastStrukturNo, 2);
    }

    void theFavouritesDropDownSaysOneThingAndShowsPictures() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        QMenu* menu = form.menus().menu(QStringLiteral("FavoritterPU"));
        QStringList bare;
        QAction* skrivebord = nullptr;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || item->menu())
                continue;
            if (item->icon().isNull())
                bare.append(item->text());
            if (item->text() == QStringLiteral("Skrivebord"))
                skrivebord = item;
        }
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QStringLiteral(", "))));
        QVERIFY(skrivebord);
        // No desktop folder: its message, and no word of a missing command.
        const QString before = form.infoText(3);
        env.prompter().expectMessage(QStringLiteral("Kunne ikke finde skrivebordsmappen."));
        skrivebord->trigger();
        QCOMPARE(form.infoText(3), before);
        form.commands()(QStringLiteral("Action16"))->trigger();
        QCOMPARE(form.infoText(3), before);
    }

    void dragsMoveWithinADriveAndCopyAcross() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\A\\brev.txt"), "brev");
        env.writeFile(QStringLiteral("C:\\A\\note.txt"), "note");
        env.writeFile(QStringLiteral("C:\\A\\kopieret.txt"), "k");
        env.makeFolder(QStringLiteral("C:\\B"));
        env.makeFolder(QStringLiteral("D:\\Kopi"));
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.opt().AskInsert = form.opt().AskMove = false;
        form.show();
        THandlinger& funk = form.funk();
        auto fileNode = [&](const char* name) {
            return TreeClicks::node(form.filbox(), QString::fromLatin1(name));
        };
        funk.makeStruktur2(QStringLiteral("C:\\A"), true);
        // The user copies a file first; the drags must leave it copied, not cut.
        TreeClicks::click(form.filbox(), fileNode("kopieret.txt"));
        form.commands().evaluate();
        form.commands()(QStringLiteral("aCopy"))->trigger();

        auto dragFile = [&](const char* name, const QString& target, const char* targetNode) {
            funk.makeStruktur2(QStringLiteral("C:\\A"), true);
            TreeClicks::click(form.filbox(), fileNode(name));
            funk.udfoldStruktur1(target, true);
            StrukturItem* node = TreeClicks::node(form.dirbox(), QString::fromLatin1(targetNode));
            TreeClicks::drag(form.filbox(), fileNode(name), form.dirbox()->viewport(),
                             form.dirbox()->visualItemRect(node).center());
            QVERIFY(form.dragDrop().sourceDir().isEmpty());
        };
        dragFile("brev.txt", QStringLiteral("D:\\Kopi"), "Kopi");
        QCOMPARE(env.readFile(QStringLiteral("D:\\Kopi\\brev.txt")), QByteArray("brev"));
        QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\A\\brev.txt"))));
        QCOMPARE(form.infoText(3), QStringLiteral("Der blev indsat 1 element."));

        dragFile("note.txt", QStringLiteral("C:\\B"), "B");
        QCOMPARE(env.readFile(QStringLiteral("C:\\B\\note.txt")), QByteArray("note"));
        QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\A\\note.txt"))));
        QCOMPARE(form.infoText(3), QStringLiteral("Der blev flyttet 1 element."));

        // The copied file pastes as a copy after a drag that moved, into the folder the tree
        // shows selected.
        QCOMPARE(funk.CopyListe2(), QStringList{"C:\\A\\kopieret.txt"});
        form.commands().evaluate();
        form.commands()(QStringLiteral("aPaste"))->trigger();
        QCOMPARE(env.readFile(QStringLiteral("C:\\B\\kopieret.txt")), QByteArray("k"));
        QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\A\\kopieret.txt"))));
    }

    void aDriveIsNeverDragged() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\A"));
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        StrukturItem* drive = driveNode(form.dirbox(), 'C');
        TreeClicks::click(form.dirbox(), drive);
        const THandlinger::Udklip before = form.funk().udklip();
        TreeClicks::drag(form.dirbox(), drive, form.filbox()->viewport(), QPoint(5, 5));
        QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\A"))));
        QCOMPARE(form.funk().CopyListe1(), before.mapper);
        QVERIFY(form.dragDrop().sourceDir().isEmpty());
    }

    void aDragDroppedNowhereKeepsWhatWasCopied() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\A\\kopieret.txt"), "k");
        env.writeFile(QStringLiteral("C:\\A\\trukket.txt"), "t");
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        form.funk().makeStruktur2(QStringLiteral("C:\\A"), true);
        TreeClicks::click(form.filbox(), TreeClicks::node(form.filbox(), "kopieret.txt"));
        form.commands().evaluate();
        form.commands()(QStringLiteral("aCopy"))->trigger();
        StrukturItem* trukket = TreeClicks::node(form.filbox(), "trukket.txt");
        TreeClicks::click(form.filbox(), trukket);
        // The path box takes no drops.
        TreeClicks::drag(form.filbox(), trukket, form.findChild<QLineEdit*>(), QPoint(5, 5));
        QCOMPARE(form.funk().CopyListe2(), QStringList{"C:\\A\\kopieret.txt"});
        QCOMPARE(env.readFile(QStringLiteral("C:\\A\\trukket.txt")), QByteArray("t"));
        QVERIFY(form.dragDrop().sourceDir().isEmpty());
    }

    void filesDroppedByAnotherProgramAreCopiedAfterTheDrop() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Ude\\Min fødselsdag æøå.txt"), "fest");
        env.makeFolder(QStringLiteral("C:\\Hjem"));
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.opt().AskInsert = false;
        form.show();
        form.funk().makeStruktur2(QStringLiteral("C:\\Hjem"), true);

        QMimeData data;
        data.setData(
            QStringLiteral("text/uri-list"),
            QUrl::fromLocalFile(env.host(QStringLiteral("D:\\Ude\\Min fødselsdag æøå.txt")))
                    .toEncoded() +
                "\r\n");
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        auto* pane = static_cast<StrukturTree*>(form.filbox());
        QVERIFY(pane->accepts(&drop));
        emit pane->dropped(&drop);
        // Nothing is pasted while the other program waits for the drop to return.
        QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\Hjem\\Min fødselsdag æøå.txt"))));
        QTRY_COMPARE(env.readFile(QStringLiteral("C:\\Hjem\\Min fødselsdag æøå.txt")),
                     QByteArray("fest"));
        QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\Ude\\Min fødselsdag æøå.txt"))));
    }

    void aDoubleClickInTheTreeOpensTheFolder() {
        TestEnvironment env;
        FotosOpened w(env);
        QCOMPARE(w.form->funk().Grundmappe(), QStringLiteral("C:\\Fotos"));
        // The view's own toggling on double clicks would close it again.
        TreeClicks::doubleClick(w.tree, w.fotos);
        QCOMPARE(w.fotos->childCount(), 2);
        QVERIFY(w.fotos->isExpanded());
        TreeClicks::doubleClick(w.tree, w.fotos);
        QVERIFY(w.fotos->isExpanded());
    }

    void aFolderDeletedFromTheTreeLeavesIt() {
        TestEnvironment env;
        FotosOpened w(env);
        TreeClicks::doubleClick(w.tree, w.fotos);
        w.form->opt().AskDelete = false;
        w.form->commands().evaluate(); // the window goes idle
        QTest::keyClick(w.tree, Qt::Key_Delete);
        QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\Fotos"))));
        QVERIFY(w.tree->findItems(QStringLiteral("Fotos"), true).isEmpty());
        QVERIFY(w.tree->findItems(QStringLiteral("2020"), true).isEmpty());
        QCOMPARE(w.tree->currentItem(), driveNode(w.tree, 'C'));
        QCOMPARE(w.form->funk().Grundmappe(), QStringLiteral("C:"));
    }

    void theUserNodeIsNeverTakenForADrive() {
        TestEnvironment env;
        // The home folder lies on no drive, so the user node has no folder of its own.
        FotosOpened w(env);
        StrukturItem* user = TreeClicks::node(w.tree, QStringLiteral("anna"));
        const int userChildren = user->childCount();
        w.form->commands().evaluate();
        QTest::keySequence(w.tree, QKeySequence(Qt::CTRL | Qt::Key_M));
        QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\Fotos\\Ny mappe"))));
        QCOMPARE(w.tree->currentItem(), w.fotos);
        QCOMPARE(user->childCount(), userChildren);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }

    void theUserNodeHoldsTheHomeFolder() {
        TestEnvironment env;
        const QString anna = danishHome(env);
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        QApplication::setActiveWindow(&form);
        StrukturItem* user = TreeClicks::node(form.dirbox(), QStringLiteral("anna"));
        TreeClicks::click(form.dirbox(), user);
        QCOMPARE(form.funk().Grundmappe(), anna);
        TreeClicks::click(form.dirbox(), TreeClicks::node(form.dirbox(), QStringLiteral("Musik")));
        QCOMPARE(form.funk().Grundmappe(), anna + QStringLiteral("\\Musik"));
    }

    void privateBlockToggles() {
        TestEnvironment env;
        danishHome(env);
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        const int withPrivate = form.dirbox()->topLevelItemCount();
        QVERIFY(form.opt().medPrivat);
        form.commands()(QStringLiteral("mPrivatmapper"))->trigger();
        QVERIFY(!form.opt().medPrivat);
        QCOMPARE(form.dirbox()->topLevelItemCount(), withPrivate - 1);
        form.commands()(QStringLiteral("tbPrivatmapper"))->trigger();
        QCOMPARE(form.dirbox()->topLevelItemCount(), withPrivate);
    }
};

RAVNSTI_TEST_MAIN(TestNavigation)

#include "tst_navigation.moc"
