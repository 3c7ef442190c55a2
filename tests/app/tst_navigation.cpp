#include "app/commandtable.h"
#include "app/mainform.h"
#include "app/mainmenus.h"
#include "app/maintoolbars.h"
#include "engine/handlinger.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTreeWidget>

namespace {

QStringList tabTexts(const QTabBar* tabs) {
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts.append(tabs->tabText(i));
    return texts;
}

QStringList rootTexts(const QTreeWidget* tree) {
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts.append(tree->topLevelItem(i)->text(0));
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
        QVERIFY(form.toolbars().button(QStringLiteral("ButtonPrevMappe"))->isEnabled());
        QVERIFY(!form.toolbars().button(QStringLiteral("ButtonNextMappe"))->isEnabled());
        form.toolbars().button(QStringLiteral("ButtonPrevMappe"))->trigger();
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("C:\\Users"));
        QVERIFY(form.toolbars().button(QStringLiteral("ButtonNextMappe"))->isEnabled());
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
        form.opt.kameraBilledDir.clear();
        form.commands()(QStringLiteral("Action13"))->trigger();
        QCOMPARE(form.funk().Grundmappe(), anna + QStringLiteral("\\Billeder"));
        QCOMPARE(form.opt.kameraBilledDir, anna + QStringLiteral("\\Billeder"));

        // Every folder that exists, under its own label; the missing ones take theirs along.
        form.commands()(QStringLiteral("Action17"))->trigger();
        const QStringList roots = rootTexts(form.dirbox());
        for (const char* label : {"Skrivebord", "Dokumenter", "Billeder", "Musik", "Videoer",
                                  "Kamera billeder", "Kamera film"})
            QVERIFY2(roots.contains(QString::fromUtf8(label)), label);
        for (const char* label : {"Favoritter", "OneDrive", "Kontakter"})
            QVERIFY2(!roots.contains(QString::fromUtf8(label)), label);
        QCOMPARE(form.opt.lastStrukturNo, 2);
    }

    void privateBlockToggles() {
        TestEnvironment env;
        danishHome(env);
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        const int withPrivate = form.dirbox()->topLevelItemCount();
        QVERIFY(form.opt.medPrivat);
        form.menus().item(QStringLiteral("mPrivatmapper"))->trigger();
        QVERIFY(!form.opt.medPrivat);
        QCOMPARE(form.dirbox()->topLevelItemCount(), withPrivate - 1);
        form.toolbars().button(QStringLiteral("tbPrivatmapper"))->trigger();
        QCOMPARE(form.dirbox()->topLevelItemCount(), withPrivate);
    }
};

RAVNSTI_TEST_MAIN(TestNavigation)

#include "tst_navigation.moc"
