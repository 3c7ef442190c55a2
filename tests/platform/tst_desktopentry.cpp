#include "harness/standin.h"
#include "harness/testenvironment.h"
#include "platform/desktopentry.h"
#include "platform/desktopshortcuts.h"
#include "platform/platform.h"

#include <QFileInfo>

class TestDesktopEntry : public QObject {
    Q_OBJECT

private slots:
    void parsesTheEntryGroupOnly() {
        const auto entry = DesktopEntry::parse("# editor\n[Desktop Action new]\nName=Forkert\n"
                                               "[Desktop Entry]\nType=Application\nName=Redig\\s"
                                               "ering\nName[da]=Dansk\nIcon=accessories-text-"
                                               "editor\nExec=redig %F\nTerminal=true\n"
                                               "[Desktop Action x]\nExec=anden\n");
        QVERIFY(entry);
        QCOMPARE(entry->name, QStringLiteral("Redig ering"));
        QCOMPARE(entry->icon, QStringLiteral("accessories-text-editor"));
        QCOMPARE(entry->exec, QStringLiteral("redig %F"));
        QVERIFY(entry->terminal);
        QVERIFY(!DesktopEntry::parse("Name=x\nExec=y\n"));
    }

    void expandsTheCommandLine_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("expected");
        const QString a = QStringLiteral("/d/a b.txt");
        const QString b = QStringLiteral("/d/-n");
        const QString c = QStringLiteral("/d/\"c\".txt");
        QTest::newRow("every file its own argument")
            << "vis --ny %F" << QStringList{"vis", "--ny", a, b, c};
        QTest::newRow("%f as %F") << "vis %f" << QStringList{"vis", a, b, c};
        QTest::newRow("urls") << "vis %U"
                              << QStringList{"vis", "file:///d/a%20b.txt", "file:///d/-n",
                                             "file:///d/%22c%22.txt"};
        QTest::newRow("quoted, escaped, literal percent")
            << "\"/opt/mit program/vis\" \"a \\\"b\\\" \\\\ c\" 100%% --x=%f %d"
            << QStringList{"/opt/mit program/vis", "a \"b\" \\ c", "100%", "--x=" + a};
        QTest::newRow("name and icon") << "vis %c %i" << QStringList{"vis", "Vis", "--icon", "v"};
    }

    void expandsTheCommandLine() {
        QFETCH(QString, exec);
        QFETCH(QStringList, expected);
        DesktopEntry entry;
        entry.exec = exec;
        entry.name = QStringLiteral("Vis");
        entry.icon = QStringLiteral("v");
        const auto arguments =
            entry.arguments({QStringLiteral("/d/a b.txt"), QStringLiteral("/d/-n"),
                             QStringLiteral("/d/\"c\".txt")});
        QVERIFY(arguments);
        QCOMPARE(*arguments, expected);
    }

    void refusesBrokenCommandLines() {
        DesktopEntry entry;
        for (const char* exec : {"", "   ", "\"vis uden slut", "%F"}) {
            entry.exec = QString::fromLatin1(exec);
            QVERIFY2(!entry.arguments({}), exec);
        }
    }

    void quotedPathsReadBackWhole() {
        DesktopEntry entry;
        const QString path = QStringLiteral("/opt/a \"b\" $c `d` 50% \\e");
        entry.exec = DesktopEntry::quoted(path) + QStringLiteral(" %F");
        QCOMPARE(*entry.arguments({QStringLiteral("/x")}), (QStringList{path, "/x"}));
        QCOMPARE(DesktopEntry::quoted(QStringLiteral("/usr/bin/vis")),
                 QStringLiteral("/usr/bin/vis"));
    }

    // Opening an entry starts its program once, with the three files as three arguments,
    // however their names read.
    void entryStartsItsProgramWithTheFiles() {
        TestEnvironment env;
        StandIn standIn(env);
        const QString program = standIn.program(QStringLiteral("redig"));
        env.writeFile(QStringLiteral("D:\\Redig.desktop"),
                      "[Desktop Entry]\nType=Application\nName=Redig\nExec=redig --ny %F\n");
        const QStringList files = {env.host(QStringLiteral("D:\\a b.txt")),
                                   env.host(QStringLiteral("D:\\-x.txt")),
                                   env.host(QStringLiteral("D:\\'c'.txt"))};
        QVERIFY(ShellResult::succeeded(Platform::shell().open(QStringLiteral("D:\\Redig.desktop"),
                                                              ShellVerb::Open, files, {})));
        const QList<QStringList> calls = StandIn::waitForCalls(program, 1);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first(), QStringList{QStringLiteral("--ny")} + files);

        env.writeFile(QStringLiteral("D:\\Mangler.desktop"),
                      "[Desktop Entry]\nType=Application\nExec=findes-ikke %F\n");
        QCOMPARE(
            Platform::shell().open(QStringLiteral("D:\\Mangler.desktop"), ShellVerb::Open, {}, {}),
            ShellResult::FileNotFound);
        env.writeFile(QStringLiteral("D:\\Skaev.desktop"),
                      "[Desktop Entry]\nType=Application\nExec=\"redig\n");
        QCOMPARE(
            Platform::shell().open(QStringLiteral("D:\\Skaev.desktop"), ShellVerb::Open, {}, {}),
            ShellResult::BadFormat);
    }

    void shortcutsLinkDocumentsAndFoldersAndLaunchPrograms() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\Data\\noter.txt"), "x");
        env.makeFolder(QStringLiteral("D:\\Fotos\\2020"));
        env.makeFolder(QStringLiteral("D:\\Work"));
        const QString program = env.host(QStringLiteral("D:\\bin\\mit program"));
        QDir().mkpath(QFileInfo(program).path());
        StandIn::writeProgram(program);

        QVERIFY(DesktopShortcuts::make(QStringLiteral("D:\\Data\\noter.txt"),
                                       QStringLiteral("D:\\Work"), QStringLiteral("Noter")));
        const QFileInfo noter(env.host(QStringLiteral("D:\\Work\\Noter.txt")));
        QVERIFY(noter.isSymLink());
        QCOMPARE(noter.symLinkTarget(), env.host(QStringLiteral("D:\\Data\\noter.txt")));

        QVERIFY(DesktopShortcuts::make(QStringLiteral("D:\\Fotos\\2020"),
                                       QStringLiteral("D:\\Work"), QStringLiteral("2020")));
        QVERIFY(QFileInfo(env.host(QStringLiteral("D:\\Work\\2020"))).isSymLink());
        QVERIFY(QFileInfo(env.host(QStringLiteral("D:\\Work\\2020"))).isDir());

        QVERIFY(DesktopShortcuts::make(QStringLiteral("D:\\bin\\mit program"),
                                       QStringLiteral("D:\\Work"), QStringLiteral("Mit")));
        const QString launcher = env.host(QStringLiteral("D:\\Work\\Mit.desktop"));
        QVERIFY(QFileInfo(launcher).isExecutable());
        QFile file(launcher);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto entry = DesktopEntry::parse(file.readAll());
        QVERIFY(entry);
        QCOMPARE(entry->type, QStringLiteral("Application"));
        QCOMPARE(entry->name, QStringLiteral("Mit"));
        QCOMPARE(*entry->arguments({}), QStringList{program});

        // A taken name stays as it was; a name that is a path or a target that is not there
        // makes nothing.
        env.writeFile(QStringLiteral("D:\\Work\\Gammel.txt"), "behold");
        QCOMPARE(DesktopShortcuts::make(QStringLiteral("D:\\Data\\noter.txt"),
                                        QStringLiteral("D:\\Work"), QStringLiteral("Gammel"))
                     .error(),
                 FileError::AlreadyExists);
        QCOMPARE(env.readFile(QStringLiteral("D:\\Work\\Gammel.txt")), QByteArray("behold"));
        QVERIFY(DesktopShortcuts::shortcutFile(QStringLiteral("D:\\Data\\noter.txt"),
                                               QStringLiteral("D:\\Work"), QStringLiteral(".."))
                    .isEmpty());
        QVERIFY(!DesktopShortcuts::make(QStringLiteral("D:\\Væk"), QStringLiteral("D:\\Work"),
                                        QStringLiteral("Væk")));
        QCOMPARE(QDir(env.host(QStringLiteral("D:\\Work"))).count(), 6u); // with "." and ".."
    }
};

RAVNSTI_TEST_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
