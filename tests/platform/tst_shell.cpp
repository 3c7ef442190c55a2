#include "harness/testenvironment.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

// A program that writes each of its arguments on a line of "args.txt" in its working
// folder; the file appears whole, by a rename.
const QByteArray kEchoScript =
    "#!/bin/sh\nprintf '%s\\n' \"$@\" > args.tmp && mv args.tmp args.txt\n";

void writeProgram(const TestEnvironment& env, const QString& logical, const QByteArray& text) {
    env.writeFile(logical, text);
    QVERIFY(QFile::setPermissions(env.host(logical), QFileDevice::ReadOwner |
                                                         QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner));
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void argumentReachesProgramIntact_data() {
        QTest::addColumn<bool>("throughOpen");
        QTest::newRow("startProgram") << false;
        QTest::newRow("open") << true;
    }

    void argumentReachesProgramIntact() {
        QFETCH(bool, throughOpen);
        TestEnvironment env;
        const QString program = QStringLiteral("C:\\Programmer\\vis argumenter.sh");
        writeProgram(env, program, kEchoScript);
        env.makeFolder(QStringLiteral("D:\\Arbejde"));
        const QString argument =
            QStringLiteral("-n \"to ord\" 'enkelt'; $(touch pwned) `touch pwned` && æøå");

        Shell& shell = Platform::shell();
        const int result =
            throughOpen
                ? shell.open(program, ShellVerb::Open, {argument}, QStringLiteral("D:\\Arbejde"))
                : shell.startProgram(program, {argument}, QStringLiteral("D:\\Arbejde"));
        QCOMPARE(result, ShellResult::Success);
        const QString output = env.host(QStringLiteral("D:\\Arbejde\\args.txt"));
        QTRY_VERIFY(QFileInfo::exists(output));
        QFile f(output);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), argument + QLatin1Char('\n'));
        QVERIFY(!QFileInfo::exists(env.host(QStringLiteral("D:\\Arbejde\\pwned"))));
        QVERIFY(!QFileInfo::exists(QStringLiteral("pwned")));
    }

    void startsProgramFoundOnSearchPath() {
        TestEnvironment env;
        writeProgram(env, QStringLiteral("C:\\bin\\ravnsti-vis"), kEchoScript);
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(env.host(QStringLiteral("C:\\bin"))) + ':' + path);

        QCOMPARE(Platform::shell().startProgram(QStringLiteral("ravnsti-vis"),
                                                {QStringLiteral("a b"), QString()},
                                                QStringLiteral("C:\\bin")),
                 ShellResult::Success);
        QTRY_VERIFY(QFileInfo::exists(env.host(QStringLiteral("C:\\bin\\args.txt"))));
        QCOMPARE(env.readFile(QStringLiteral("C:\\bin\\args.txt")), "a b\n\n");
        QCOMPARE(Platform::shell().startProgram(QStringLiteral("ravnsti-findes-ikke"), {}, {}),
                 ShellResult::FileNotFound);
        QCOMPARE(Platform::shell().startProgram(QStringLiteral("../bin/ravnsti-vis"), {}, {}),
                 ShellResult::FileNotFound);
    }

    void reportsWhatIsMissing() {
        TestEnvironment env;
        writeProgram(env, QStringLiteral("C:\\p.sh"), kEchoScript);
        Shell& shell = Platform::shell();
        QCOMPARE(shell.open(QStringLiteral("C:\\mangler.txt"), ShellVerb::Open, {}, {}),
                 ShellResult::FileNotFound);
        QCOMPARE(shell.open(QStringLiteral("C:\\Mappe\\mangler.txt"), ShellVerb::Edit, {}, {}),
                 ShellResult::PathNotFound);
        QCOMPARE(shell.open(QStringLiteral("Q:\\x.txt"), ShellVerb::Open, {}, {}),
                 ShellResult::PathNotFound);
        QCOMPARE(shell.startProgram(QStringLiteral("D:\\mangler.sh"), {}, {}),
                 ShellResult::FileNotFound);
        QCOMPARE(shell.startProgram(QStringLiteral("D:\\Mappe\\mangler.sh"), {}, {}),
                 ShellResult::PathNotFound);
        QCOMPARE(shell.startProgram(QStringLiteral("C:\\p.sh"), {}, QStringLiteral("D:\\Mappe")),
                 ShellResult::PathNotFound);
        QCOMPARE(shell.startProgram(QStringLiteral("C:\\p.sh"), {}, QStringLiteral("Q:\\")),
                 ShellResult::PathNotFound);
    }

    void refusesWhatCannotRun() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\tekst.sh"), kEchoScript); // no x bit
        env.makeFolder(QStringLiteral("C:\\Mappe"));
        writeProgram(env, QStringLiteral("C:\\rod.bin"), "ikke et program\n");
        writeProgram(env, QStringLiteral("C:\\fortolker.sh"), "#!/findes/ikke/sh\n");
        Shell& shell = Platform::shell();
        QCOMPARE(shell.startProgram(QStringLiteral("C:\\tekst.sh"), {}, {}),
                 ShellResult::AccessDenied);
        QCOMPARE(shell.startProgram(QStringLiteral("C:\\Mappe"), {}, {}),
                 ShellResult::AccessDenied);
        QCOMPARE(shell.startProgram(QStringLiteral("C:\\rod.bin"), {}, {}), ShellResult::BadFormat);
        QCOMPARE(shell.open(QStringLiteral("C:\\fortolker.sh"), ShellVerb::Open, {}, {}),
                 ShellResult::BadFormat);
        QCOMPARE(shell.startProgram(QStringLiteral("C:\\fortolker.sh"), {}, {}),
                 ShellResult::BadFormat);
    }
};

RAVNSTI_TEST_MAIN(TestShell)
#include "tst_shell.moc"
