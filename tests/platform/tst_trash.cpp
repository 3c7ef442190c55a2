#include "harness/testenvironment.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString trashOf(const TestEnvironment& env) {
    return env.base() + QStringLiteral("/data/Trash");
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString& hostPath) {
    QFile f(hostPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeHost(const QString& hostPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(hostPath).path());
    QFile f(hostPath);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// The Path value an info file holds for a host folder, as the trash writes it.
QByteArray encoded(const QString& hostFolder) {
    return QFile::encodeName(QFileInfo(hostFolder).canonicalFilePath()).toPercentEncoding("/");
}

// An item put into the home trash by another program, with the given Path value.
void plant(const TestEnvironment& env, const QString& name, const QByteArray& path,
           bool withEntry = true) {
    if (withEntry)
        writeHost(trashOf(env) + QStringLiteral("/files/") + name, "x");
    writeHost(trashOf(env) + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"),
              "[Trash Info]\nPath=" + path + "\nDeletionDate=2020-01-01T00:00:00\n");
}

} // namespace

class TestTrash : public QObject {
    Q_OBJECT

private slots:
    void movesFileWithValidInfo() {
        TestEnvironment env;
        env.clock().set(QDateTime(QDate(2021, 12, 24), QTime(18, 30, 5)));
        const QString file = QStringLiteral("C:\\Fotos\\min fil æøå.txt");
        env.writeFile(file, "indhold");
        QVERIFY(!Platform::recycleBin().hasItems('C'));

        QVERIFY(Platform::recycleBin().moveToTrash(file));
        QVERIFY(!QFileInfo::exists(env.host(file)));
        const QString trash = trashOf(env);
        QCOMPARE(contents(trash + QStringLiteral("/files/min fil æøå.txt")), "indhold");
        QCOMPARE(contents(trash + QStringLiteral("/info/min fil æøå.txt.trashinfo")),
                 "[Trash Info]\nPath=" + encoded(env.host(QStringLiteral("C:\\Fotos"))) +
                     "/min%20fil%20%C3%A6%C3%B8%C3%A5.txt\n"
                     "DeletionDate=2021-12-24T18:30:05\n");
        QVERIFY(Platform::recycleBin().hasItems('c'));
        QVERIFY(!Platform::recycleBin().hasItems('D'));
    }

    void sameNamesGetDistinctEntries() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\a\\note.txt"), "første");
        env.writeFile(QStringLiteral("D:\\b\\note.txt"), "anden");
        env.writeFile(QStringLiteral("D:\\c\\note.txt"), "tredje");
        // An entry of files/ that lost its info file must not be overwritten either.
        writeHost(trashOf(env) + QStringLiteral("/files/note.txt.3"), "gammel");

        for (const char* path : {"C:\\a\\note.txt", "D:\\b\\note.txt", "D:\\c\\note.txt"})
            QVERIFY(Platform::recycleBin().moveToTrash(QString::fromLatin1(path)));
        const QString files = trashOf(env) + QStringLiteral("/files/");
        QCOMPARE(contents(files + QStringLiteral("note.txt")), "første");
        QCOMPARE(contents(files + QStringLiteral("note.txt.2")), "anden");
        QCOMPARE(contents(files + QStringLiteral("note.txt.3")), "gammel");
        QCOMPARE(contents(files + QStringLiteral("note.txt.4")), "tredje");
        QCOMPARE(
            entries(trashOf(env) + QStringLiteral("/info")),
            QStringList({"note.txt.2.trashinfo", "note.txt.4.trashinfo", "note.txt.trashinfo"}));
        QVERIFY(
            contents(trashOf(env) + QStringLiteral("/info/note.txt.4.trashinfo"))
                .contains("Path=" + encoded(env.host(QStringLiteral("D:\\c"))) + "/note.txt\n"));
    }

    void movesFoldersAndLinksAsTheyAre() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\Album\\2020\\a.jpg"), "jpg");
        env.writeFile(QStringLiteral("D:\\Mål\\b.txt"), "b");
        QVERIFY(QFile::link(env.host(QStringLiteral("D:\\Mål")),
                            env.host(QStringLiteral("C:\\genvej"))));

        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\Album")));
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\genvej")));
        const QString files = trashOf(env) + QStringLiteral("/files/");
        QCOMPARE(contents(files + QStringLiteral("Album/2020/a.jpg")), "jpg");
        QVERIFY(QFileInfo(files + QStringLiteral("genvej")).isSymLink());
        QCOMPARE(env.readFile(QStringLiteral("D:\\Mål\\b.txt")), "b");
        QCOMPARE(entries(env.driveFolder('C')), QStringList());
    }

    void emptiesOnlyTheGivenDrive() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\c.txt"), "c");
        env.writeFile(QStringLiteral("D:\\d.txt"), "d");
        env.writeFile(QStringLiteral("D:\\Mappe\\under\\e.txt"), "e");
        env.writeFile(QStringLiteral("C:\\Bevar\\vigtig.txt"), "vigtig");
        // A trashed folder holding a link out of the trash: emptying removes the link only.
        QVERIFY(QFile::link(env.host(QStringLiteral("C:\\Bevar")),
                            env.host(QStringLiteral("D:\\Mappe\\link"))));
        for (const char* path : {"C:\\c.txt", "D:\\d.txt", "D:\\Mappe"})
            QVERIFY(Platform::recycleBin().moveToTrash(QString::fromLatin1(path)));
        // Info files whose item is gone: D's goes with D's items, C's stays.
        plant(env, QStringLiteral("borte-d"), QFile::encodeName(env.driveFolder('D')) + "/x",
              false);
        plant(env, QStringLiteral("borte-c"), QFile::encodeName(env.driveFolder('C')) + "/x",
              false);
        QVERIFY(Platform::recycleBin().hasItems('D'));

        QVERIFY(Platform::recycleBin().emptyDrive('D'));
        QVERIFY(!Platform::recycleBin().hasItems('D'));
        QVERIFY(Platform::recycleBin().hasItems('C'));
        QCOMPARE(entries(trashOf(env) + QStringLiteral("/files")), QStringList({"c.txt"}));
        QCOMPARE(entries(trashOf(env) + QStringLiteral("/info")),
                 QStringList({"borte-c.trashinfo", "c.txt.trashinfo"}));
        QCOMPARE(env.readFile(QStringLiteral("C:\\Bevar\\vigtig.txt")), "vigtig");

        QVERIFY(Platform::recycleBin().emptyDrive('C'));
        QCOMPARE(entries(trashOf(env) + QStringLiteral("/info")), QStringList());
        QVERIFY(!Platform::recycleBin().emptyDrive('Q'));
    }

    // Info files another program may leave: only a well-formed name stands for an entry of
    // files/, and only that entry is removed; the rest stays as it is.
    void emptyingSkipsInfoFilesWithOddNames() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\c.txt"), "c");
        env.writeFile(QStringLiteral("D:\\d.txt"), "d");
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\c.txt")));
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("D:\\d.txt")));
        const QByteArray onD = QFile::encodeName(env.driveFolder('D')) + "/x";
        const QString info = trashOf(env) + QStringLiteral("/info/");
        for (const char* odd : {".trashinfo", "..trashinfo", "...trashinfo", "ikke-info"})
            writeHost(info + QString::fromLatin1(odd),
                      "[Trash Info]\nPath=" + onD + "\nDeletionDate=2020-01-01T00:00:00\n");
        // A name that is not UTF-8 cannot be named back to the file system unchanged.
        const QByteArray latin1 = QFile::encodeName(info) + "\xE6.trashinfo";
        const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        const QByteArray text = "[Trash Info]\nPath=" + onD + "\n";
        QCOMPARE(::write(fd, text.constData(), size_t(text.size())), ssize_t(text.size()));
        ::close(fd);
        writeHost(trashOf(env) + QStringLiteral("/files/\uFFFD"), "andet");

        QVERIFY(Platform::recycleBin().emptyDrive('D'));
        QCOMPARE(entries(trashOf(env) + QStringLiteral("/files")),
                 QStringList({"c.txt", "\uFFFD"}));
        QCOMPARE(entries(info), QStringList({"...trashinfo", "..trashinfo", ".trashinfo",
                                             "c.txt.trashinfo", "ikke-info"}));
        QCOMPARE(::access(latin1.constData(), F_OK), 0);
        QVERIFY(Platform::recycleBin().hasItems('C'));
    }

    void itemBelongsToTheDriveWithTheLongestRoot() {
        TestEnvironment env;
        const QString d = env.driveFolder('D');
        Platform::setDrives(DriveTable::fromSpec(
            QStringLiteral("C=%1;D=%2;E=%2/Under").arg(env.driveFolder('C'), d)));
        env.writeFile(QStringLiteral("E:\\e.txt"), "e");
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("E:\\e.txt")));
        // A name with a backslash has no logical form but still lies on D.
        plant(env, QStringLiteral("skråstreg"), QFile::encodeName(d) + "/a%5Cb.txt");
        plant(env, QStringLiteral("udenfor"), "/et/andet/sted.txt");
        plant(env, QStringLiteral("relativ"), "Under/r.txt"); // not allowed in the home trash
        QVERIFY(Platform::recycleBin().hasItems('D'));

        QVERIFY(Platform::recycleBin().emptyDrive('D'));
        QCOMPARE(entries(trashOf(env) + QStringLiteral("/files")),
                 QStringList({"e.txt", "relativ", "udenfor"}));
        QVERIFY(Platform::recycleBin().hasItems('E'));
    }

    // One move after another: a trash removed in between is made again, and a folder reached
    // through a link that now leads elsewhere is recorded where it lies now.
    void laterMovesSeeWhatChangedMeanwhile() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\A\\a.txt"), "a");
        env.writeFile(QStringLiteral("D:\\B\\b.txt"), "b");
        env.writeFile(QStringLiteral("D:\\B\\c.txt"), "c");
        const QString via = env.host(QStringLiteral("C:\\via"));
        QVERIFY(QFile::link(env.host(QStringLiteral("D:\\A")), via));
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\via\\a.txt")));

        QVERIFY(QFile::remove(via));
        QVERIFY(QFile::link(env.host(QStringLiteral("D:\\B")), via));
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\via\\b.txt")));
        QVERIFY(QDir(trashOf(env)).removeRecursively());
        QVERIFY(Platform::recycleBin().moveToTrash(QStringLiteral("C:\\via\\c.txt")));

        const QString trash = trashOf(env);
        QCOMPARE(entries(trash + QStringLiteral("/files")), QStringList({"c.txt"}));
        QVERIFY(contents(trash + QStringLiteral("/info/c.txt.trashinfo"))
                    .contains("Path=" + encoded(env.host(QStringLiteral("D:\\B"))) + "/c.txt\n"));
        QVERIFY(!QFileInfo::exists(env.host(QStringLiteral("D:\\A\\a.txt"))));
    }

    void failedMoveKeepsItemAndLeavesNoInfo() {
        TestEnvironment env;
        const QString base = env.base();
        Platform::setDrives(DriveTable::fromSpec(QStringLiteral("C=%1/C;D=%1/D;E=%1").arg(base)));
        env.writeFile(QStringLiteral("C:\\a.txt"), "a");
        const QString info = trashOf(env) + QStringLiteral("/info");

        // The rename fails after the info file was made: the folder holding the trash
        // cannot move into it.
        QVERIFY(!Platform::recycleBin().moveToTrash(QStringLiteral("E:\\data")));
        QVERIFY(QFileInfo(trashOf(env)).isDir());
        QCOMPARE(entries(info), QStringList());

        // No usable files/ folder.
        QVERIFY(QDir().rmdir(trashOf(env) + QStringLiteral("/files")));
        writeHost(trashOf(env) + QStringLiteral("/files"), "ikke en mappe");
        QVERIFY(!Platform::recycleBin().moveToTrash(QStringLiteral("C:\\a.txt")));
        QCOMPARE(env.readFile(QStringLiteral("C:\\a.txt")), "a");
        QCOMPARE(entries(info), QStringList());
    }

    void refusesWhatCannotGoToTheTrash() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\d.txt"), "d");
        QVERIFY(!Platform::recycleBin().moveToTrash(QStringLiteral("D:\\")));
        QCOMPARE(Platform::recycleBin().moveToTrash(QStringLiteral("D:\\mangler.txt")).error(),
                 FileError::NotFound);
        QCOMPARE(Platform::recycleBin().moveToTrash(QStringLiteral("Q:\\x.txt")).error(),
                 FileError::Unmappable);
        QCOMPARE(env.readFile(QStringLiteral("D:\\d.txt")), "d");
        QCOMPARE(entries(trashOf(env) + QStringLiteral("/info")), QStringList());
    }
};

RAVNSTI_TEST_MAIN(TestTrash)
#include "tst_trash.moc"
