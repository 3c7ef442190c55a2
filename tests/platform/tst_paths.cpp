#include "harness/testenvironment.h"
#include "platform/drivetable.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QDir>

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void logicalHelpers() {
        QCOMPARE(LogicalPath::parent(QStringLiteral("C:\\Fotos\\2020")),
                 QStringLiteral("C:\\Fotos"));
        QCOMPARE(LogicalPath::parent(QStringLiteral("C:\\Fotos")), QStringLiteral("C:"));
        QCOMPARE(LogicalPath::parent(QStringLiteral("C:")), QString());
        QCOMPARE(LogicalPath::parent(QStringLiteral("C:\\")), QString());
        QCOMPARE(LogicalPath::lastComponent(QStringLiteral("C:\\Fotos\\ferie.JPG")),
                 QStringLiteral("ferie.JPG"));
        QCOMPARE(LogicalPath::lastComponent(QStringLiteral("D:\\")), QStringLiteral("D:"));
        QCOMPARE(LogicalPath::extension(QStringLiteral("C:\\a.b\\c")), QString());
        QCOMPARE(LogicalPath::extension(QStringLiteral("C:\\a\\arkiv.tar.gz")),
                 QStringLiteral(".gz"));
        QCOMPARE(LogicalPath::baseName(QStringLiteral("C:\\a\\arkiv.tar.gz")),
                 QStringLiteral("arkiv.tar"));
        QCOMPARE(LogicalPath::join(QStringLiteral("C:"), QStringLiteral("x")),
                 QStringLiteral("C:\\x"));
        QCOMPARE(LogicalPath::join(QStringLiteral("C:\\"), QStringLiteral("x")),
                 QStringLiteral("C:\\x"));
        QCOMPARE(LogicalPath::join(QStringLiteral("C:\\a"), QStringLiteral("x")),
                 QStringLiteral("C:\\a\\x"));
        QVERIFY(LogicalPath::isDriveRoot(QStringLiteral("c:")) &&
                LogicalPath::isDriveRoot(QStringLiteral("C:\\")));
        QVERIFY(!LogicalPath::isDriveRoot(QStringLiteral("C:\\a")) &&
                !LogicalPath::isDriveRoot(QStringLiteral("Æ:")));
        QCOMPARE(LogicalPath::normalized(QStringLiteral("C:/a/b\\\\")), QStringLiteral("C:\\a\\b"));
        QVERIFY(LogicalPath::same(QStringLiteral("c:\\ÆBLER\\"), QStringLiteral("C:\\æbler")));
        QVERIFY(!LogicalPath::same(QStringLiteral("C:\\a"), QStringLiteral("C:\\ab")));
        QVERIFY(LogicalPath::isSameOrBelow(QStringLiteral("C:\\A\\b"), QStringLiteral("c:\\a")));
        QVERIFY(LogicalPath::isSameOrBelow(QStringLiteral("C:\\a"), QStringLiteral("C:")));
        QVERIFY(!LogicalPath::isSameOrBelow(QStringLiteral("C:\\ab"), QStringLiteral("C:\\a")));
    }

    void translationRoundTrips() {
        const DriveTable t =
            DriveTable::fromSpec(QStringLiteral("C=/srv/c;D=/srv/c/mnt/usb|removable|USB"));
        QCOMPARE(*t.toHost(QStringLiteral("C:")), QStringLiteral("/srv/c"));
        QCOMPARE(*t.toHost(QStringLiteral("c:\\")), QStringLiteral("/srv/c"));
        QCOMPARE(*t.toLogical(QStringLiteral("/srv/c/")), QStringLiteral("C:"));
        // The longest matching root decides the drive.
        QCOMPARE(*t.toLogical(QStringLiteral("/srv/c/mnt/usb/Fotos")), QStringLiteral("D:\\Fotos"));
        QCOMPARE(*t.toLogical(QStringLiteral("/srv/c/mnt/usbx")), QStringLiteral("C:\\mnt\\usbx"));
        for (const QString& logical :
             {QStringLiteral("C:\\Fotos\\2020"), QStringLiteral("D:\\Rødgrød med fløde"),
              QStringLiteral("C:\\a b\\'quote\"\\;$(x)\\-dash"), QStringLiteral("C:\\ünï çødé.txt"),
              QStringLiteral("D:\\.skjult\\x")}) {
            const auto host = t.toHost(logical);
            QVERIFY2(host, qPrintable(logical));
            QCOMPARE(*t.toLogical(*host), logical);
        }
        // Case is kept as typed; the host decides whether it exists.
        QCOMPARE(*t.toHost(QStringLiteral("c:\\FOTOS")), QStringLiteral("/srv/c/FOTOS"));
        // Dots are resolved without climbing above the drive root.
        QCOMPARE(*t.toHost(QStringLiteral("C:\\a\\..\\..\\b\\.")), QStringLiteral("/srv/c/b"));
        QCOMPARE(*t.toHost(QStringLiteral("C:\\\\a\\\\b")), QStringLiteral("/srv/c/a/b"));
    }

    void unmappableNamesAreReportedNotMangled() {
        const DriveTable t = DriveTable::fromSpec(QStringLiteral("C=/srv/c"));
        QVERIFY(!t.toLogical(QStringLiteral("/srv/c/a\\b")));
        QVERIFY(!t.toLogical(QStringLiteral("/srv/c/line\nbreak/x")));
        QVERIFY(!t.toLogical(QStringLiteral("/elsewhere/x")));
        QVERIFY(!t.toLogical(QStringLiteral("relative/x")));
        QVERIFY(!t.toHost(QStringLiteral("E:\\x")));
        QVERIFY(!t.toHost(QStringLiteral("C:relative")));
        QVERIFY(!t.toHost(QStringLiteral("\\\\server\\share")));
        QVERIFY(!t.toHost(QStringLiteral("C:\\nul") + QChar(0)));
        QVERIFY(!DriveTable::isMappableName(QStringLiteral("a\\b")));
        QVERIFY(DriveTable::isMappableName(QStringLiteral("æ ø å.txt")));
    }

    void driveSpecGivesTypeAndLabel() {
        const DriveTable t = DriveTable::fromSpec(
            QStringLiteral("c=/a;E=/e|removable|Backup (gl) & co|vfat;F=/f|cdrom;bad;G=rel;"
                           "Æ=/ae;Đ=/d;Z=:;Y=:/x"));
        QCOMPARE(t.drives().size(), 3); // only A to Z make logical paths
        QCOMPARE(t.drives().at(0).letter, QChar('C'));
        const Drive* e = t.drive('e');
        QVERIFY(e);
        QCOMPARE(e->type, DriveType::Removable);
        QCOMPARE(e->label, QStringLiteral("Backup (gl) & co"));
        QCOMPARE(e->fileSystem, QStringLiteral("vfat"));
        QCOMPARE(t.drive('F')->type, DriveType::CdRom);
        QVERIFY(!t.drive('G'));
        QVERIFY(!t.drive('Z') && !t.drive('Y')); // Qt's resource paths are no folders
        QVERIFY(!t.toLogical(QStringLiteral(":/x")));
    }

    void defaultTableHasRootAsC() {
        const DriveTable t = DriveTable::fromMounts();
        QVERIFY(t.drive('C'));
        QCOMPARE(t.drive('C')->hostRoot, QStringLiteral("/"));
        QCOMPARE(*t.toLogical(QStringLiteral("/")), QStringLiteral("C:"));
        for (const Drive& d : t.drives())
            QVERIFY2(QDir(d.hostRoot).exists(), qPrintable(d.hostRoot));
    }

    void environmentSetsTheTable() {
        TestEnvironment env;
        QCOMPARE(*Platform::hostPath(QStringLiteral("D:\\Fotos")),
                 env.driveFolder('D') + QStringLiteral("/Fotos"));
        const auto volumes = Platform::volumes().list();
        QCOMPARE(volumes.size(), 2);
        QVERIFY(volumes.at(0).ready);
        QVERIFY(volumes.at(0).totalBytes > 0);
        QVERIFY(volumes.at(0).freeBytes >= 0);
        QVERIFY(!Platform::volumes().info('Q'));
    }
};

RAVNSTI_TEST_MAIN(TestPaths)
#include "tst_paths.moc"
