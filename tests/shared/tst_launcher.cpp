#include "harness/testenvironment.h"
#include "platform/platform.h"

#include "shared/launcher.h"
#include "shared/mainoptions.h"
#include "shared/statustekster.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct ShellCall {
    bool program = false; // startProgram rather than open
    QString path;
    ShellVerb verb = ShellVerb::Open;
    QStringList arguments;
    QString workingFolder;
};

// Records every start and answers with `result`; starts nothing.
class RecordingShell : public Shell {
public:
    RecordingShell(QList<ShellCall>& calls, const int& result) : m_calls(calls), m_result(result) {}
    int open(const QString& path, ShellVerb verb, const QStringList& arguments,
             const QString& workingFolder) override {
        m_calls.append({false, path, verb, arguments, workingFolder});
        return m_result;
    }
    int startProgram(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override {
        m_calls.append({true, program, ShellVerb::Open, arguments, workingFolder});
        return m_result;
    }
    int runScript(const QString& script, const QStringList& arguments,
                  const QString& workingFolder) override {
        m_calls.append({false, script, ShellVerb::Open, arguments, workingFolder});
        return m_result;
    }
    int openUrl(const QString& url) override {
        m_calls.append({false, url, ShellVerb::Open, {}, {}});
        return m_result;
    }

private:
    QList<ShellCall>& m_calls;
    const int& m_result;
};

class MemoryClipboard : public Clipboard {
public:
    explicit MemoryClipboard(QString& text) : m_text(text) {}
    void setText(const QString& text) override { m_text = text; }
    QString text() const override { return m_text; }

private:
    QString& m_text;
};

// A launcher on fake services, with what it reports to the main window collected.
struct Fixture {
    Fixture() {
        Platform::setShell(std::make_unique<RecordingShell>(calls, result));
        Platform::setClipboard(std::make_unique<MemoryClipboard>(clipboard));
    }
    MainOptions opt;
    QList<ShellCall> calls;
    int result = ShellResult::Success;
    QString clipboard = QStringLiteral("før");
    QStringList edited;
    QStringList info;
    Launcher launcher{opt, [this](const QString& path) { edited.append(path); },
                      [this](const QString& text) { info.append(text); }};
};

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void handlingsTekst_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("paste one") << 2 << 1 << QStringLiteral("Der blev indsat 1 element.");
        QTest::newRow("paste none") << 2 << 0 << QStringLiteral("Der blev indsat 0 elementer.");
        QTest::newRow("copy") << 0 << 3 << QStringLiteral("Der blev kopieret 3 elementer.");
        QTest::newRow("cut") << 1 << 2 << QStringLiteral("Der blev klippet 2 elementer.");
        QTest::newRow("move") << 3 << 1 << QStringLiteral("Der blev flyttet 1 element.");
        QTest::newRow("delete") << 4 << 12 << QStringLiteral("Der blev slettet 12 elementer.");
        QTest::newRow("rename") << 5 << 1 << QStringLiteral("Der blev omdøbt 1 element.");
        QTest::newRow("other code") << 6 << 4 << QStringLiteral("4 elementer.");
        QTest::newRow("failed paste") << 2 << -1 << QStringLiteral("Handlingen mislykkedes.");
        QTest::newRow("failed, other code") << 9 << -1 << QStringLiteral("Handlingen mislykkedes.");
    }
    void handlingsTekst() {
        TestEnvironment env;
        QFETCH(int, code);
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(StatusTekster::HandlingsTekst(code, count), text);
    }

    void errorTekst_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        const auto row = [](int number, const char* text) {
            QTest::addRow("%d", number) << number << QString::fromUtf8(text);
        };
        row(0, "Operationssystemet er løbet tør for hukommelse eller resourcer.");
        row(2, "Den specificerede fil blev ikke fundet.");
        row(3, "Stien blev ikke fundet.");
        row(5, "Operationssystemet forbød adgang til filen.");
        row(8, "Der var ikke hukommelse nok til at fuldføre operationen.");
        row(11, "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
        row(26, "Der opstod en \"sharing violation\".");
        row(27, "Filnavnsassociatonen er ukomplet eller invalid");
        row(28, "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
        row(29, "\"DDE transaction\" mislykkedes.");
        row(30, "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\nfordi "
                "andre \"DDE transactions\" skulle udføres.");
        row(31, "Der er ikke associeret noget program til det givne filefternavn.");
        row(32, "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
        for (int other : {-1, 1, 4, 33, 42})
            row(other, "Meningsløs operation eller ukendt fejl.");
    }
    void errorTekst() {
        TestEnvironment env;
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(StatusTekster::ErrorTekst(number), text);
        Fixture f;
        env.prompter().expectMessage(text);
        f.launcher.ErrorInfo(number);
        QCOMPARE(env.prompter().pending(), 0);
        QCOMPARE(env.prompter().lastKind(), MessageKind::Information);
    }

    void editingHtml() {
        TestEnvironment env;
        Fixture f;
        const QString page = QStringLiteral("D:\\Web sider\\forside.HTML");
        f.opt.HtmlProgram = QStringLiteral("D:\\Programmer\\fjernet");
        f.launcher.OpenFil(page, true);
        QCOMPARE(f.calls.size(), 1);
        QVERIFY(!f.calls[0].program);
        QCOMPARE(f.calls[0].path, page);
        QCOMPARE(f.calls[0].verb, ShellVerb::Edit);
        QVERIFY(f.calls[0].arguments.isEmpty());
        QCOMPARE(f.calls[0].workingFolder, QStringLiteral("D:\\Web sider"));

        f.opt.openTekstFiler = true;
        f.launcher.OpenFil(page, true);
        QCOMPARE(f.calls.size(), 1);
        QCOMPARE(f.edited, QStringList{page});

        // An existing program wins over the built-in editor; it gets the name in the folder.
        env.writeFile(f.opt.HtmlProgram, "#!/bin/sh\n");
        f.launcher.OpenFil(page, true);
        QCOMPARE(f.calls.size(), 2);
        QCOMPARE(f.calls[1].path, f.opt.HtmlProgram);
        QCOMPARE(f.calls[1].arguments, QStringList{QStringLiteral("forside.HTML")});
        QCOMPARE(f.calls[1].workingFolder, QStringLiteral("D:\\Web sider"));
        QCOMPARE(f.edited.size(), 1);

        // Starting the page (not editing) ignores the html program.
        f.launcher.OpenFil(page, false);
        QCOMPARE(f.calls[2].path, page);
        QCOMPARE(f.calls[2].verb, ShellVerb::Open);
    }

    void fileWithoutProgram() {
        TestEnvironment env;
        Fixture f;
        f.result = ShellResult::NoAssociation;
        const QString note = QStringLiteral("D:\\Noter\\liste.txt");
        env.prompter().expectMessage(StatusTekster::ErrorTekst(31));
        f.launcher.OpenFil(note, false);
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(f.edited.isEmpty());

        f.opt.openTekstFiler = true;
        f.launcher.OpenFil(note, false);
        QCOMPARE(f.edited, QStringList{note});

        // Only the text class falls back to the editor; other failures are always shown.
        env.prompter().expectMessage(StatusTekster::ErrorTekst(31));
        f.launcher.OpenFil(QStringLiteral("D:\\Noter\\liste.pdf"), false);
        f.result = ShellResult::AccessDenied;
        env.prompter().expectMessage(StatusTekster::ErrorTekst(5));
        f.launcher.OpenFil(note, false);
        QCOMPARE(env.prompter().pending(), 0);
        QCOMPARE(f.edited.size(), 1);
    }

    void batchFile() {
        TestEnvironment env;
        Fixture f;
        f.launcher.OpenFil(QStringLiteral("D:\\Værktøj\\Ryd op.bat"), false);
        QCOMPARE(f.calls.size(), 1);
        QVERIFY(f.calls[0].program);
        QCOMPARE(f.calls[0].path, QStringLiteral("x-terminal-emulator"));
        QCOMPARE(f.calls[0].arguments,
                 (QStringList{QStringLiteral("-e"), QStringLiteral("bash"),
                              QStringLiteral("--rcfile"), QStringLiteral("Ryd op.bat")}));
        QCOMPARE(f.calls[0].workingFolder, QStringLiteral("D:\\Værktøj"));

        // No terminal: nothing runs batch files.
        f.result = ShellResult::FileNotFound;
        env.prompter().expectMessage(StatusTekster::ErrorTekst(31));
        f.launcher.OpenFil(QStringLiteral("D:\\Værktøj\\Ryd op.bat"), false);
        QCOMPARE(env.prompter().pending(), 0);
    }

    void programWithArguments() {
        TestEnvironment env;
        Fixture f;
        env.writeFile(QStringLiteral("C:\\a b\\x.txt"), "x");
        f.launcher.OpenFilMedProgram(QStringLiteral("D:\\Programmer\\vis"),
                                     {QStringLiteral("C:\\a b\\x.txt")});
        QCOMPARE(f.calls.size(), 1);
        QVERIFY(!f.calls[0].program);
        // The program gets the file's host path, not the program's drive letters.
        QCOMPARE(f.calls[0].arguments, QStringList{env.host(QStringLiteral("C:\\a b\\x.txt"))});
        QVERIFY(f.calls[0].workingFolder.isEmpty());

        // A bare name is looked up on the search path; its failure is reported.
        f.result = ShellResult::FileNotFound;
        env.prompter().expectMessage(StatusTekster::ErrorTekst(2));
        f.launcher.OpenFilMedProgram(QStringLiteral("findes-ikke"), {});
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(f.calls[1].program);
        QVERIFY(f.calls[1].arguments.isEmpty());
    }

    // Names a shell or an argument splitter would take apart: each stays one argument and
    // reaches the program and the script exactly, as a host path.
    void awkwardNamesReachProgramsAndScriptsWhole() {
        TestEnvironment env;
        const QStringList names = {
            QStringLiteral("C:\\Breve\\to ord.txt"),
            QStringLiteral("C:\\Breve\\\"citat\" og 'enkelt'.txt"),
            QStringLiteral("C:\\Breve\\a;rm -rf x.txt"),
            QStringLiteral("C:\\Breve\\$(touch hacket).txt"),
            QStringLiteral("C:\\Breve\\-n.txt"),
            QStringLiteral("C:\\Breve\\Æblegrød på ø.txt"),
        };
        QStringList hosts;
        for (const QString& name : names) {
            env.writeFile(name, "x");
            hosts << env.host(name);
        }
        // Both write their arguments, one to a line, beside themselves.
        const QByteArray writer = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done "
                                  "> \"$(dirname \"$0\")/$(basename \"$0\").args\"\n";
        env.writeFile(QStringLiteral("D:\\bin\\vis"), writer);
        QFile::setPermissions(env.host(QStringLiteral("D:\\bin\\vis")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        env.writeFile(QStringLiteral("D:\\Scripts\\datediff.sh"), writer);
        MainOptions opt;
        Launcher launcher(opt, {}, {});
        auto argumentsOf = [&env](const QString& logical) {
            QFile file(env.host(logical));
            return file.open(QIODevice::ReadOnly)
                       ? QString::fromUtf8(file.readAll())
                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                       : QStringList();
        };

        launcher.OpenFilMedProgram(QStringLiteral("D:\\bin\\vis"), names);
        QTRY_COMPARE(argumentsOf(QStringLiteral("D:\\bin\\vis.args")), hosts);
        // A ".vbs" of the program folder runs as the ".sh" of its name, even not executable.
        launcher.runScript(QStringLiteral("D:\\Scripts\\datediff.vbs"), hosts);
        QTRY_COMPARE(argumentsOf(QStringLiteral("D:\\Scripts\\datediff.sh.args")), hosts);
        QVERIFY(!QFileInfo::exists(env.host(QStringLiteral("D:\\bin\\hacket"))));
        QVERIFY(!QFileInfo::exists(env.host(QStringLiteral("D:\\Scripts\\hacket"))));
    }

    // An applet starts the first of its settings programs that is on the path, with the
    // arguments for its page; none installed is a file not found, never a success.
    void applets() {
        TestEnvironment env;
        Fixture f;
        const QString bin = env.base() + QStringLiteral("/bin");
        QDir().mkpath(bin);
        qputenv("PATH", bin.toLocal8Bit());
        qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        env.prompter().expectMessage(QStringLiteral("Den specificerede fil blev ikke fundet."));
        f.launcher.runApplets(QStringLiteral("lyd.vbs"));
        QCOMPARE(env.prompter().pending(), 0);
        QVERIFY(f.calls.isEmpty());

        for (const char* name : {"pavucontrol", "gnome-control-center"}) {
            QFile program(bin + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\n");
            program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
        }
        f.launcher.runApplets(QStringLiteral("lyd.vbs"));
        QCOMPARE(f.calls.size(), 1);
        QVERIFY(f.calls[0].program);
        QCOMPARE(f.calls[0].path, QStringLiteral("gnome-control-center"));
        QCOMPARE(f.calls[0].arguments, QStringList{QStringLiteral("sound")});
        // Elsewhere than GNOME the desktop-neutral mixer stands in.
        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        f.launcher.runApplets(QStringLiteral("lyd.vbs"));
        QCOMPARE(f.calls.size(), 2);
        QCOMPARE(f.calls[1].path, QStringLiteral("pavucontrol"));
        QVERIFY(f.calls[1].arguments.isEmpty());

        env.prompter().expectMessage(QStringLiteral(
            "Der findes ikke noget tilsvarende til denne indstilling på dette system."));
        f.launcher.runApplets(QStringLiteral("ODBC.vbs"));
        QCOMPARE(env.prompter().pending(), 0);
        QCOMPARE(f.calls.size(), 2);
    }

    void copyCommands() {
        TestEnvironment env;
        Fixture f;
        f.launcher.CopyFilnavn(QString());
        QCOMPARE(f.info, QStringList{QStringLiteral("Der er ikke valgt en fil.")});
        QCOMPARE(f.clipboard, QStringLiteral("før"));

        f.launcher.CopyFilnavn(QStringLiteral("D:\\Fotos\\sol.jpg"));
        QCOMPARE(f.clipboard, QStringLiteral("D:\\Fotos\\sol.jpg"));
        QCOMPARE(f.info.last(), QStringLiteral("Stien og filnavnet blev kopieret til klipbordet"));

        f.launcher.CopyPath(QStringLiteral("D:\\Fotos"));
        QCOMPARE(f.clipboard, QStringLiteral("D:\\Fotos"));
        QCOMPARE(f.info.last(), QStringLiteral("Stien blev kopieret til klipbordet"));
    }

    void currentFolderFailureIsSilent() {
        TestEnvironment env;
        Fixture f;
        f.result = ShellResult::NoAssociation;
        f.launcher.OpenAktuelleMappe(QStringLiteral("D:\\Fotos"));
        QCOMPARE(f.calls.size(), 1);
        QCOMPARE(f.calls[0].path, QStringLiteral("D:\\Fotos"));
        QVERIFY(env.prompter().shown().isEmpty());
    }
};

RAVNSTI_TEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
