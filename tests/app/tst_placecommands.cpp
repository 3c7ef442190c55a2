#include "app/commandtable.h"
#include "app/mainform.h"
#include "app/mainmenus.h"
#include "app/mappedialogcommands.h"
#include "app/reopencommands.h"
#include "dialogs/mappeform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "lists/reopenfiler.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList texts(const QMenu* menu) {
    QStringList shown;
    for (const QAction* item : menu->actions())
        shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return shown;
}

// Opens a menu as the user does, so it fills itself, and closes it again.
QStringList open(QMenu* menu) {
    menu->popup(QPoint(0, 0));
    const QStringList shown = texts(menu);
    menu->hide();
    return shown;
}

QString optFil(const Tmainform& form, const char* name) {
    return form.mapper().optDir + QString::fromLatin1(name);
}

} // namespace

class TestPlaceCommands : public QObject {
    Q_OBJECT

private slots:
    void recentListsFillTheirMenusAndLastUntilTheNextStart() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Tom & Jerry.txt"), "x");
        env.makeFolder(QStringLiteral("D:\\Film"));
        NamedUser::useDataRoot(env);
        {
            Tmainform form;
            form.show();
            QMenu* filer = form.menus().menu(QStringLiteral("MReopen"));
            QCOMPARE(open(filer), (QStringList{"Ingen dokumenter", "-"}));
            form.funk().makeStruktur2(QStringLiteral("D:"), true);
            form.funk().setAktiveStruktur(2);
            form.funk().Struktur2()->setCurrentItem(
                form.funk().Struktur2()->findItems(QStringLiteral("Tom & Jerry.txt")).value(0));
            form.funk().infoStruktur2();
            form.commands().evaluate();
            form.commands()(QStringLiteral("AInsertInSenesteFiler"))->trigger();
            form.commands()(QStringLiteral("AInsertInSenesteMapper"))->trigger();
            form.funk().makeStruktur2(QStringLiteral("D:\\Film"), true);
            form.commands()(QStringLiteral("AInsertInSenesteMapper"))->trigger();
            QCOMPARE(open(filer),
                     (QStringList{"Filliste", "-", "Tom && Jerry.txt", "-", "Slet listen"}));
            QCOMPARE(open(form.menus().menu(QStringLiteral("MReopendir"))),
                     (QStringList{"Mappeliste", "-", "Film", "D:", "-", "Slet listen"}));

            // Choosing the file shows it selected in its folder.
            filer->actions().at(2)->trigger();
            QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:"));
            QCOMPARE(form.funk().Filnavn(), QStringLiteral("D:\\Tom & Jerry.txt"));
            QVERIFY(!QFile::exists(env.host(optFil(form, "reopen.txt"))));
            form.close();
        }
        Tmainform igen;
        QCOMPARE(igen.reopen().ReopenDir().Antal(), 2);
        QCOMPARE(igen.reopen().ReopenFiler().GetFilnavn(0), QStringLiteral("D:\\Tom & Jerry.txt"));
    }

    void favouritesLoadAtFirstShow() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("D:\\Foto"));
        NamedUser::useDataRoot(env);
        Tmainform form;
        env.writeFile(optFil(form, "favoritmapper.txt"), "Foto\r\nD:\\Foto\r\n");
        QMenu* menu = form.menus().menu(QStringLiteral("mFavoritMapper"));
        form.show();
        QCOMPARE(open(menu),
                 (QStringList{"Favoritmapper", "-", "Foto", "-", "Slet alle favorit mapper"}));
        menu->actions().at(2)->trigger();
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\Foto"));
    }

    void copyToAChosenFolder() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\a.txt"), "a");
        env.makeFolder(QStringLiteral("D:\\Ny"));
        env.makeFolder(QStringLiteral("D:\\Væk"));
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.opt().AskInsert = false;
        form.show();
        auto vaelgA = [&] {
            form.funk().makeStruktur2(QStringLiteral("D:"), true);
            form.funk().setAktiveStruktur(2);
            form.funk().Struktur2()->setCurrentItem(
                form.funk().Struktur2()->findItems(QStringLiteral("a.txt")).value(0));
            form.funk().infoStruktur2();
            form.refreshMay();
            form.commands().evaluate();
        };
        auto kopierTil = [&](const QString& mappe, bool fjern) {
            QTimer::singleShot(0, &form, [&, mappe, fjern] {
                Tmappeform* dialog = form.mappeDialogs().mappeform();
                QVERIFY(dialog->isVisible());
                dialog->visMappe(mappe);
                if (fjern)
                    QDir(env.host(mappe)).removeRecursively();
                QTest::mouseClick(child<QPushButton>(*dialog, "okKnap"), Qt::LeftButton);
            });
            form.commands()(QStringLiteral("aKopier32"))->trigger();
        };
        vaelgA();
        env.prompter().expectMessage(QStringLiteral("Mappen blev ikke fundet."));
        kopierTil(QStringLiteral("D:\\Væk"), true);
        QCOMPARE(env.prompter().pending(), 0);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:"));
        QVERIFY(form.funk().CopyListe1().isEmpty() && form.funk().CopyListe2().isEmpty());

        kopierTil(QStringLiteral("D:\\Ny"), false);
        QCOMPARE(env.readFile(QStringLiteral("D:\\Ny\\a.txt")), QByteArray("a"));
        QVERIFY(QFile::exists(env.host(QStringLiteral("D:\\a.txt"))));
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\Ny"));
        QCOMPARE(form.mappeDialogs().mappeform()->findChild<QLineEdit*>("EditSource")->text(),
                 QStringLiteral("D:"));
    }
};

RAVNSTI_TEST_MAIN(TestPlaceCommands)
#include "tst_placecommands.moc"
