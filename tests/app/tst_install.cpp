// Installs this build tree into a temporary prefix, as a packager or a user would with
// "cmake --install", and checks what lands there and that the installed program runs.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QStringList desktopEntryLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installsProgramDataDesktopEntryAndIcons();
    void desktopEntryIsValid();
    void helpAndVersionNeedNeitherDisplayNorDataRoot();
    void installedProgramStartsOffscreenOnItsInstalledData();
    void manualPageChangelogCopyrightAndStoreMetadata();

private:
    // Runs a checker that may not be installed; skips, naming its Debian package, when not.
    Run check(const QString& tool, const char* package, const QStringList& arguments) const;
    QString installed(const QString& relative) const {
        return m_temp.path() + QStringLiteral("/prefix/") + relative;
    }
    // The environment of the installed program: no data folder from the build tree, one
    // drive C: and the data root on it, home and XDG folders, all inside the temporary folder.
    QProcessEnvironment programEnvironment() const;

    QTemporaryDir m_temp;
};

void TestInstall::initTestCase() {
    QVERIFY(m_temp.isValid());
    const Run install =
        run(QStringLiteral(RAVNSTI_CMAKE),
            {QStringLiteral("--install"), QStringLiteral(RAVNSTI_BUILD_DIR),
             QStringLiteral("--prefix"), m_temp.path() + QStringLiteral("/prefix")});
    QVERIFY2(install.exitCode == 0, install.out + install.err);
}

void TestInstall::installsProgramDataDesktopEntryAndIcons() {
    QVERIFY(QFileInfo(installed(QStringLiteral("bin/ravnsti"))).isExecutable());
    QVERIFY(QFileInfo(installed(QStringLiteral("share/ravnsti/Program/Ikoner"))).isDir());
    QVERIFY(QFileInfo::exists(
        installed(QStringLiteral("share/ravnsti/Program/Alarmlydfiler/Zylo.wav"))));
    QVERIFY(QFileInfo::exists(installed(QStringLiteral("share/ravnsti/Styles/common.qss"))));
    // The sound module lies where the installed program looks for it.
    QLibrary sound(installed(QStringLiteral(RAVNSTI_MODULE_DIR "/ravnsti-lyd.so")));
    QVERIFY2(sound.resolve("ravnsti_sound_backend"), qPrintable(sound.errorString()));
    // The toolbar and tree icons are compiled into the program; placeholders stay home.
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("share/ravnsti/Icons"))));
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("share/ravnsti/Program/.keep"))));
    QVERIFY(QFileInfo::exists(installed(QStringLiteral("share/applications/ravnsti.desktop"))));

    QVERIFY(QFileInfo::exists(
        installed(QStringLiteral("share/icons/hicolor/scalable/apps/ravnsti.svg"))));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString png =
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/ravnsti.png").arg(size));
        const QImage image(png);
        QVERIFY2(!image.isNull(), qPrintable(png));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY2(image.hasAlphaChannel(), qPrintable(png));
    }
}

void TestInstall::desktopEntryIsValid() {
    const QString entry = installed(QStringLiteral("share/applications/ravnsti.desktop"));
    const QStringList lines = desktopEntryLines(entry);
    QVERIFY(lines.contains(QStringLiteral("Exec=ravnsti %F")));
    QVERIFY(lines.contains(QStringLiteral("Icon=ravnsti")));
    QVERIFY(lines.contains(QStringLiteral("Name=Ravnsti")));
    QStringList mimeTypes;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("MimeType=")))
            mimeTypes = line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    for (const char* type : {"text/plain", "text/html", "text/css", "application/javascript",
                             "application/xml", "application/rtf"})
        QVERIFY2(mimeTypes.contains(QLatin1String(type)), type);

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is missing (Debian package desktop-file-utils, installed by "
              "scripts/setup.sh)");
    const Run validation = run(validator, {entry});
    QCOMPARE(validation.exitCode, 0);
    // Hints and warnings are printed too, with exit code 0; the entry should raise none.
    QVERIFY2(validation.out.isEmpty() && validation.err.isEmpty(), validation.out + validation.err);
}

QProcessEnvironment TestInstall::programEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("RAVNSTI_DATA"));
    const QString base = m_temp.path();
    for (const char* sub : {"C", "home", "data", "config", "cache", "runtime"})
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(sub));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("RAVNSTI_DRIVES"), QStringLiteral("C=%1/C").arg(base));
    environment.insert(QStringLiteral("RAVNSTI_ROOT"), base + QStringLiteral("/C/Ravnsti"));
    environment.insert(QStringLiteral("HOME"), base + QStringLiteral("/home"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), base + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), base + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), base + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), base + QStringLiteral("/runtime"));
    return environment;
}

void TestInstall::helpAndVersionNeedNeitherDisplayNorDataRoot() {
    QProcessEnvironment environment = programEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(variable));
    // A data root of its own, which the program started by another test may not have made.
    environment.insert(QStringLiteral("RAVNSTI_ROOT"), m_temp.path() + QStringLiteral("/ubrugt"));
    const QString program = installed(QStringLiteral("bin/ravnsti"));

    const Run help = run(program, {QStringLiteral("--help")}, environment);
    QCOMPARE(help.exitCode, 0);
    const QString text = QString::fromUtf8(help.out);
    QVERIFY2(text.startsWith(QStringLiteral("Brug: ravnsti [FIL ...]\n")), help.out);
    for (const char* part : {"Valg:", "Miljøvariabler:", "RAVNSTI_ROOT", "RAVNSTI_DRIVES"})
        QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    QCOMPARE(run(program, {QStringLiteral("-h")}, environment).out, help.out);

    const Run version = run(program, {QStringLiteral("--version")}, environment);
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("Ravnsti " RAVNSTI_VERSION "\n"));

    // Answering the command line starts nothing: no data folder is made.
    QVERIFY(!QFileInfo::exists(environment.value(QStringLiteral("RAVNSTI_ROOT"))));
}

void TestInstall::installedProgramStartsOffscreenOnItsInstalledData() {
    QProcessEnvironment environment = programEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString root = environment.value(QStringLiteral("RAVNSTI_ROOT"));
    const QString note = m_temp.path() + QStringLiteral("/C/note.txt");
    QFile file(note);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Hej\n");
    file.close();

    // The data root still links to an install that was removed: the start mends the link.
    QVERIFY(QDir().mkpath(root));
    QVERIFY(QFile::link(m_temp.path() + QStringLiteral("/fjernet/share/ravnsti/Program"),
                        root + QStringLiteral("/Program")));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(installed(QStringLiteral("bin/ravnsti")), {note});
    QVERIFY(program.waitForStarted());

    // At start the program makes its data root with the user's settings folder and links
    // the program folder of the installation into it.
    const auto settingsFolderMade = [&root] {
        const QStringList users = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& user : users) {
            if (QFileInfo(root + QLatin1Char('/') + user + QStringLiteral("/Egenskaber")).isDir())
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(settingsFolderMade() || program.state() != QProcess::Running, 120000);
    QVERIFY2(program.state() == QProcess::Running, program.readAllStandardError());
    QCOMPARE(QFileInfo(root + QStringLiteral("/Program")).canonicalFilePath(),
             QFileInfo(installed(QStringLiteral("share/ravnsti/Program"))).canonicalFilePath());

    // It goes on to show its window and wait for the user, rather than fall over.
    QTest::qWait(1500);
    QVERIFY2(program.state() == QProcess::Running, program.readAllStandardError());
    program.terminate();
    QVERIFY(program.waitForFinished(60000));
}

Run TestInstall::check(const QString& tool, const char* package,
                       const QStringList& arguments) const {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return {};
    Run result = run(path, arguments);
    if (result.exitCode == -1)
        result.err = tool.toUtf8() + " did not finish (Debian package " + package + ")";
    return result;
}

void TestInstall::manualPageChangelogCopyrightAndStoreMetadata() {
    for (const char* file : {"share/man/man1/ravnsti.1.gz", "share/doc/ravnsti/changelog.gz",
                             "share/doc/ravnsti/copyright"})
        QVERIFY2(QFileInfo(installed(QLatin1String(file))).size() > 0, file);
    const QString metainfo =
        installed(QStringLiteral("share/metainfo/dk.ravnsti.Ravnsti.metainfo.xml"));
    QFile xml(metainfo);
    QVERIFY(xml.open(QIODevice::ReadOnly));
    QVERIFY(xml.readAll().contains("<release version=\"" RAVNSTI_VERSION "\""));

    // The manual page is read by man's own formatter without a warning.
    const Run page = check(QStringLiteral("man"), "man-db",
                           {QStringLiteral("--warnings"), QStringLiteral("-l"),
                            installed(QStringLiteral("share/man/man1/ravnsti.1.gz"))});
    if (page.exitCode != -1) {
        QCOMPARE(page.exitCode, 0);
        QVERIFY2(page.err.isEmpty(), page.err);
        QVERIFY(QString::fromUtf8(page.out).contains(QStringLiteral("RAVNSTI_ROOT")));
    }
    const Run store = check(QStringLiteral("appstreamcli"), "appstream",
                            {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    if (store.exitCode == -1)
        QSKIP("appstreamcli is missing (Debian package appstream, installed by scripts/setup.sh)");
    QVERIFY2(store.exitCode == 0, store.out + store.err);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
