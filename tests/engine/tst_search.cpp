#include "engine/strukturitem.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/testengine.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "tools/filinfoform.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Engine : TestEngine {
    Engine() {
        funk.setFilinfoform(&filinfoform);
        funk.setOnDirectoryChange(
            [this](const QString&, const QString&, const QString&, const QString&) { ++changes; });
    }
    // "text slot" of each child of the search root, in order.
    QStringList hits() const {
        QStringList t;
        StrukturItem* root = filbox.topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i)
            t << QStringLiteral("%1 %2").arg(root->child(i)->text()).arg(slot(root->child(i)));
        return t;
    }
    QStringList pane() const {
        QStringList t;
        for (int i = 0; i < filbox.topLevelItemCount(); ++i)
            t << QStringLiteral("%1 %2")
                     .arg(filbox.topLevelItem(i)->text())
                     .arg(slot(filbox.topLevelItem(i)));
        return t;
    }
    static int slot(StrukturItem* item) { return item->imageIndex; }
    QString field(const char* name) const {
        const QWidget* w = child(filinfoform, name);
        if (const auto* label = qobject_cast<const QLabel*>(w))
            return label->text();
        return qobject_cast<const QLineEdit*>(w)->text();
    }

    TestHost host; // the window's own host; the engine under test is this one
    Tfilinfoform filinfoform{host};
    int changes = 0;
};

// The exact count of a size text: "1,50 MB (1.572.864 bytes)" gives 1572864.
qint64 bytesOf(const QString& sizeText) {
    const qsizetype open = sizeText.lastIndexOf(QLatin1Char('('));
    return sizeText.mid(open + 1)
        .section(QLatin1Char(' '), 0, 0)
        .remove(QLatin1Char('.'))
        .toLongLong();
}

void link(const TestEnvironment& env, const QString& target, const QString& linkPath) {
    QVERIFY(QFile::link(env.host(target), env.host(linkPath)));
}

// The tree of the name search cases.
void makeRapportTree(const TestEnvironment& env) {
    for (const char* name : {"rapport.doc", "report.doc", "part.doc", "Rapport\\indhold.txt",
                             ".skjult\\rapport.txt", "rapport.tmp", "data.old\\x.txt"})
        env.writeFile(QStringLiteral("C:\\s\\") + QLatin1String(name), "x");
    env.writeFile(QStringLiteral("C:\\s\\.hidden"), "rapport.tmp\n");
    // A link back up the tree is not followed, so the walk ends.
    link(env, QStringLiteral("C:\\s"), QStringLiteral("C:\\s\\Rapport\\tilbage"));
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void nameSearch() {
        TestEnvironment env;
        makeRapportTree(env);
        Engine e;
        // Whole names, files and folders: a hidden file is left out, the files of a hidden
        // folder are found.
        e.funk.getDirFileList(QStringLiteral("C:\\s"), QStringLiteral("rapport"),
                              TSearchHandlinger::Begge, false, false);
        QCOMPARE(e.hits(), QStringList({"Rapport 16", "rapport.doc 15", "rapport.txt 15"}));
        QCOMPARE(e.funk.FindCount(), 3);
        StrukturItem* root = e.filbox.topLevelItem(0);
        QCOMPARE(e.filbox.topLevelItemCount(), 1);
        QCOMPARE(root->text(), QStringLiteral("rapport"));
        QCOMPARE(Engine::slot(root), 17);
        QVERIFY(root->isExpanded());
        const StrukturRec* rootRec = StrukturItem::recOf(root);
        QCOMPARE(rootRec->mappe, QStringLiteral("C:"));
        QCOMPARE(rootRec->ID, NodeKind::SearchHit);
        const StrukturRec* folder = StrukturItem::recOf(root->child(0));
        QCOMPARE(folder->mappe, QStringLiteral("C:\\s"));
        QCOMPARE(folder->filnavn, QStringLiteral("C:\\s\\Rapport"));
        const StrukturRec* hidden = StrukturItem::recOf(root->child(2));
        QCOMPARE(hidden->mappe, QStringLiteral("C:\\s\\.skjult"));
        QCOMPARE(hidden->filnavn, QStringLiteral("C:\\s\\.skjult\\rapport.txt"));
        QCOMPARE(hidden->ID, NodeKind::SearchHit);

        // Names that contain the text; the host resets the count between searches.
        e.funk.setFindCount(0);
        e.funk.getDirFileList(QStringLiteral("C:\\s"), QStringLiteral("PORT"),
                              TSearchHandlinger::Begge, false, true);
        QCOMPARE(e.hits(),
                 QStringList({"Rapport 16", "rapport.doc 15", "rapport.txt 15", "report.doc 15"}));
        QCOMPARE(e.funk.FindCount(), 4);
        e.funk.getDirFileList(QStringLiteral("C:\\s"), QStringLiteral("port"),
                              TSearchHandlinger::KunFiler, false, false);
        QVERIFY(e.hits().isEmpty());

        // Whole names with their extension; a folder shown without the part after its dot.
        e.funk.getDirFileList(QStringLiteral("C:\\s"), QStringLiteral("Rapport.DOC"),
                              TSearchHandlinger::KunFiler, true, false);
        QCOMPARE(e.hits(), QStringList({"rapport.doc 15"}));
        e.funk.getDirFileList(QStringLiteral("C:\\s"), QStringLiteral("data.old"),
                              TSearchHandlinger::KunMapper, false, false);
        QCOMPARE(e.hits(), QStringList({"data 16"}));
        QCOMPARE(StrukturItem::recOf(e.filbox.topLevelItem(0)->child(0))->filnavn,
                 QStringLiteral("C:\\s\\data.old"));
        QCOMPARE(e.funk.UlaesteMapper(), 0);

        // A double-click on a hit opens the folder holding it.
        e.funk.setAktiveStruktur(2);
        e.filbox.setCurrentItem(e.filbox.topLevelItem(0)->child(0));
        QCOMPARE(e.funk.udfoldFilDirectory(), QStringLiteral("C:\\s"));
    }

    void searchTextsAreLiteral() {
        TestEnvironment env;
        for (const char* name : {"a*b.txt", "axb.txt", "f[1].txt", "f1.txt", "(x).txt"})
            env.writeFile(QStringLiteral("C:\\l\\") + QLatin1String(name), "x");
        Engine e;
        e.funk.getDirFileList(QStringLiteral("C:\\l"), QStringLiteral("a*b"),
                              TSearchHandlinger::Begge, false, false);
        QCOMPARE(e.hits(), QStringList({"a*b.txt 15"}));
        e.funk.getDirFileList(QStringLiteral("C:\\l"), QStringLiteral("[1]"),
                              TSearchHandlinger::Begge, false, true);
        QCOMPARE(e.hits(), QStringList({"f[1].txt 15"}));
        e.funk.getDirFileList(QStringLiteral("C:\\l"), QStringLiteral("?"),
                              TSearchHandlinger::Begge, false, true);
        QVERIFY(e.hits().isEmpty());
        e.funk.getDirFileList(QStringLiteral("C:\\l"), QStringLiteral("(x)"),
                              TSearchHandlinger::Begge, false, false);
        QCOMPARE(e.hits(), QStringList({"(x).txt 15"}));
    }

    void extensionSearchAndUnreadableFolders() {
        TestEnvironment env;
        makeRapportTree(env);
        env.writeFile(QStringLiteral("C:\\s\\Noter.TXT"), "x");
        // A folder whose name has no logical form cannot be read by the program.
        QDir().mkpath(env.host(QStringLiteral("C:\\s")) + QStringLiteral("/a\\b"));
        QFile::copy(env.host(QStringLiteral("C:\\s\\Noter.TXT")),
                    env.host(QStringLiteral("C:\\s")) + QStringLiteral("/a\\b/y.txt"));
        Engine e;
        e.funk.getDirFileExtList(QStringLiteral("C:\\s"), QStringLiteral(".txt"));
        QCOMPARE(e.filbox.topLevelItem(0)->text(), QStringLiteral("txt filer"));
        QCOMPARE(StrukturItem::recOf(e.filbox.topLevelItem(0))->mappe, QStringLiteral("C:\\s"));
        // Names without extension; nothing from the hidden folder.
        QCOMPARE(e.hits(), QStringList({"indhold 15", "Noter 15", "x 15"}));
        QCOMPARE(e.funk.FindCount(), 3);
        QCOMPARE(e.funk.UlaesteMapper(), 1);

        // A search of a folder that vanished finds nothing and says so.
        e.funk.getDirFileList(QStringLiteral("C:\\væk"), QStringLiteral("x"),
                              TSearchHandlinger::Begge, false, true);
        QVERIFY(e.hits().isEmpty());
        QCOMPARE(e.funk.UlaesteMapper(), 1);
    }

    void typeHighlightingAndFiltering() {
        TestEnvironment env;
        for (const char* name : {"a.txt", "b.TXT", "c.html", "d.jpg", "e.ps1", "f.xsd", "g.mp3",
                                 ".h.txt", "sub\\i.txt"})
            env.writeFile(QStringLiteral("C:\\x\\") + QLatin1String(name), "x");
        Engine e;
        e.funk.makeStruktur2(QStringLiteral("C:\\x"), true);
        e.filbox.setSelectionMode(QAbstractItemView::MultiSelection);
        for (int i = 0; i < e.filbox.topLevelItemCount(); ++i)
            e.filbox.topLevelItem(i)->setSelected(true);
        QCOMPARE(e.funk.fremvisFiltype(QStringLiteral("txt")), 2);
        QVERIFY(e.filbox.selectedItems().isEmpty());
        QStringList marked;
        for (const QString& entry : e.pane())
            if (entry.endsWith(QLatin1String(" 15")))
                marked << entry;
        marked.sort();
        QCOMPARE(marked, QStringList({"a.txt 15", "b.TXT 15"}));
        QCOMPARE(e.funk.fremvisFiltype(QString()), 0);

        const int changes = e.changes;
        QCOMPARE(e.funk.makeStrukturFil(QStringLiteral(".TXT")), 2);
        QStringList pane = e.pane();
        pane.sort();
        QCOMPARE(pane, QStringList({"a.txt 6", "b.TXT 6"}));
        QCOMPARE(StrukturItem::recOf(e.filbox.topLevelItem(0))->ID, NodeKind::File);
        QCOMPARE(e.funk.makeStrukturFil(QString()), 7);
        pane = e.pane();
        pane.sort();
        QCOMPARE(pane, QStringList({"a.txt 6", "b.TXT 6", "c.html 6", "d.jpg 3", "e.ps1 2",
                                    "f.xsd 2", "g.mp3 4"}));
        QCOMPARE(e.funk.Grundmappe(), QStringLiteral("C:\\x"));
        QCOMPARE(e.funk.historik().size(), 1);
        QCOMPARE(e.changes, changes);
    }

    void folderInformation() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\top\\m\\a.txt"), QByteArray(10, 'a'));
        env.writeFile(QStringLiteral("C:\\top\\m\\sub\\b.txt"), QByteArray(20, 'b'));
        env.writeFile(QStringLiteral("C:\\top\\m\\.skjult\\c.txt"), QByteArray(1200, 'c'));
        link(env, QStringLiteral("C:\\top\\m"), QStringLiteral("C:\\top\\m\\sub\\loop"));
        QCOMPARE(::mkfifo(QFile::encodeName(env.host(QStringLiteral("C:\\top\\m\\fifo"))), 0600),
                 0);
        for (int i = 0; i < 1000; ++i)
            env.writeFile(QStringLiteral("C:\\top\\m\\mange\\%1").arg(i), {});
        Engine e;
        e.funk.makeStruktur2(QStringLiteral("C:\\top"), false);
        e.funk.setAktiveStruktur(2);
        e.filbox.setCurrentItem(e.filbox.topLevelItem(0));
        e.funk.showMappeInfo();
        QVERIFY(e.filinfoform.isVisible());
        QCOMPARE(e.filinfoform.windowTitle(), QStringLiteral("Mappe egenskaber"));
        QCOMPARE(e.filinfoform.SideNummer, 2);
        QCOMPARE(e.field("EditMappenavn"), QStringLiteral("m"));
        QCOMPARE(e.field("LabelPlacering"), QStringLiteral("C:\\top"));
        // The link is a folder that is not entered; the FIFO a file that is not opened.
        QCOMPARE(e.field("LabelMappeIndhold"), QStringLiteral("1.004 filer, 4 mapper"));
        QCOMPARE(e.field("LabelMappeSize"), QStringLiteral("1,20 KB (1.230 bytes)"));
        QVERIFY(!e.field("LabeloprettelsesDato").isEmpty());

        e.filbox.setCurrentItem(nullptr);
        env.prompter().expectMessage(QStringLiteral("Der er ikke valgt en mappe."));
        e.funk.showMappeInfo();
        e.filbox.setCurrentItem(e.filbox.topLevelItem(0));
        QVERIFY(QDir(env.host(QStringLiteral("C:\\top\\m"))).removeRecursively());
        env.prompter().expectMessage(QStringLiteral("Mappen blev ikke fundet."));
        e.funk.showMappeInfo();
    }

    void driveInformation() {
        QTemporaryDir stick;
        TestEnvironment env(
            QStringLiteral("E=%1|removable||vfat;F=%1|cdrom|Plader").arg(stick.path()));
        Engine e;
        e.funk.showDriveInfo(QStringLiteral("e:"));
        QCOMPARE(e.filinfoform.windowTitle(), QStringLiteral("Drev egenskaber"));
        QCOMPARE(e.filinfoform.SideNummer, 1);
        QCOMPARE(e.field("EditDisknavn"), QStringLiteral(" (E:)"));
        QCOMPARE(e.field("LabelType"), QStringLiteral("Flytbar disk"));
        QCOMPARE(e.field("LabelFilsystem"), QStringLiteral("vfat"));
        // Others may write to the disk meanwhile, so the figures are checked against each
        // other and the capacity only.
        const qint64 capacity = bytesOf(e.field("LabelKapasitet"));
        const qint64 used = bytesOf(e.field("LabelAnvendtSpace"));
        QCOMPARE(capacity, QStorageInfo(stick.path()).bytesTotal());
        QCOMPARE(used + bytesOf(e.field("LabelFreeSpace")), capacity);
        QCOMPARE(e.field("LabelAnvendtSpace"), THandlinger::getSizeTekst(used));
        QCOMPARE(child<QProgressBar>(e.filinfoform, "ProgressBar")->value(),
                 qRound(double(used) * 100.0 / double(capacity)));

        e.funk.showDriveInfo(QStringLiteral("F:\\"));
        QCOMPARE(e.field("EditDisknavn"), QStringLiteral("Plader (F:)"));
        QCOMPARE(e.field("LabelType"), QStringLiteral("CD ROM disk"));

        env.prompter().expectMessage(QStringLiteral("Der opstod en fejl."));
        e.funk.showDriveInfo(QStringLiteral("Q:"));
        QVERIFY(!e.filinfoform.isVisible());
    }

    void fileInformation() {
        // The installed icons, through a drive of their own.
        TestEnvironment env(
            QStringLiteral("P=%1/Program").arg(qEnvironmentVariable("RAVNSTI_DATA")));
        env.writeFile(QStringLiteral("C:\\d\\noter.txt"), QByteArray(1024, 'n'));
        env.writeFile(QStringLiteral("C:\\d\\.hidden"), "noter.txt\n");
        for (const char* name : {"klip.mov", "genvej.lnk", "rapport.PDF", "prog.exe"})
            env.writeFile(QStringLiteral("C:\\d\\") + QLatin1String(name), "x");
        const QString noter = env.host(QStringLiteral("C:\\d\\noter.txt"));
        QFile::setPermissions(noter, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        QFile file(noter);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(QDateTime(QDate(2020, 5, 17), QTime(13, 45, 10)),
                                 QFileDevice::FileModificationTime));
        file.close();

        Engine e;
        e.funk.setIkonDir(QStringLiteral("P:\\Ikoner\\"));
        e.funk.showFileInfo(QStringLiteral("C:\\d\\noter.txt"));
        QCOMPARE(e.filinfoform.windowTitle(), QStringLiteral("Fil egenskaber"));
        QCOMPARE(e.filinfoform.SideNummer, 0);
        QCOMPARE(e.filinfoform.Filnavn, QStringLiteral("C:\\d\\noter.txt"));
        QCOMPARE(e.field("EditFilnavn"), QStringLiteral("noter.txt"));
        QCOMPARE(e.field("EditPath"), QStringLiteral("C:\\d\\"));
        QCOMPARE(e.field("LabelFiltype"), QStringLiteral("Tekstfil: TXT-fil (.txt)"));
        QCOMPARE(e.field("LabelSize"), QStringLiteral("1,00 KB (1.024 bytes)"));
        QCOMPARE(e.field("LabelForandret"), QStringLiteral("17-05-2020 13:45:10"));
        QVERIFY(child<QCheckBox>(e.filinfoform, "cbReadOnly")->isChecked());
        QVERIFY(child<QCheckBox>(e.filinfoform, "cbHidden")->isChecked());
        QVERIFY(!child<QLabel>(e.filinfoform, "ikonBox")->pixmap().isNull());

        e.funk.showFileInfo(QStringLiteral("C:\\d\\genvej.lnk"));
        QCOMPARE(e.field("LabelFiltype"), QStringLiteral("Genvej: LNK-fil (.lnk)"));
        QCOMPARE(e.field("LabelSize"), QStringLiteral("1 bytes (1 bytes)"));
        e.funk.showFileInfo(QStringLiteral("C:\\d\\klip.mov"));
        QCOMPARE(e.field("LabelFiltype"), QStringLiteral("Videofil: MOV-fil (.mov)"));
        QVERIFY(!child<QLabel>(e.filinfoform, "ikonBox")->pixmap().isNull());

        // An icon folder with only "ukendt": a type without its own icon shows that one; a
        // class whose icon is missing, or a folder without "ukendt", is an error.
        env.makeFolder(QStringLiteral("C:\\ikoner"));
        QVERIFY(QFile::copy(env.host(QStringLiteral("P:\\Ikoner\\ukendt_ikon.ico")),
                            env.host(QStringLiteral("C:\\ikoner\\ukendt_ikon.ico"))));
        e.funk.setIkonDir(QStringLiteral("C:\\ikoner\\"));
        e.funk.showFileInfo(QStringLiteral("C:\\d\\rapport.PDF"));
        QCOMPARE(e.field("LabelFiltype"), QStringLiteral("PDF-fil (.pdf)"));
        QVERIFY(!child<QLabel>(e.filinfoform, "ikonBox")->pixmap().isNull());
        const QString failure = QStringLiteral("Der opstod en fejl.\nFilen er muligvist i brug.");
        env.prompter().expectMessage(failure);
        e.funk.showFileInfo(QStringLiteral("C:\\d\\klip.mov"));
        QVERIFY(!e.filinfoform.isVisible());
        QVERIFY(QFile::remove(env.host(QStringLiteral("C:\\ikoner\\ukendt_ikon.ico"))));
        env.prompter().expectMessage(failure);
        e.funk.showFileInfo(QStringLiteral("C:\\d\\prog.exe"));
        env.prompter().expectMessage(failure);
        e.funk.setIkonDir(QStringLiteral("P:\\Ikoner\\"));
        e.funk.showFileInfo(QStringLiteral("C:\\d\\findes ikke.txt"));
    }
};

RAVNSTI_TEST_MAIN(TestSearch)
#include "tst_search.moc"
