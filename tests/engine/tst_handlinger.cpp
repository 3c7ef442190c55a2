#include "engine/enginehost.h"
#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "harness/testenvironment.h"

#include "engine/strukturvisning.h"

namespace {

class FakeHost : public EngineHost {
public:
    int lastStrukturNo() const override { return strukturNo; }
    void setLastStrukturNo(int number) override { strukturNo = number; }
    void makeSpecialStruktur() override { ++specialRebuilds; }
    bool visBillede() const override { return preview; }
    void historyChanged(bool back, bool forward, bool) override {
        canBack = back;
        canForward = forward;
    }
    void showPicture(const QImage& picture, const QString& fileName) override {
        shownSize = picture.size();
        shownName = fileName;
    }

    int strukturNo = 0;
    int specialRebuilds = 0;
    bool preview = true;
    bool canBack = false;
    bool canForward = false;
    QSize shownSize;
    QString shownName;
};

// An engine wired to two trees, as the main window wires it.
struct Engine {
    Engine() : funk(nullptr, host) {
        funk.setStruktur1(&dirbox);
        funk.setStruktur2(&filbox);
        funk.setBrugernavn(QStringLiteral("anna"));
        funk.setOnDirectoryChange(
            [this](const QString&, const QString&, const QString&, const QString&) { ++changes; });
    }
    QStringList texts(StrukturItem* parent = nullptr) const {
        QStringList t;
        if (!parent) {
            for (int i = 0; i < dirbox.topLevelItemCount(); ++i)
                t << dirbox.topLevelItem(i)->text();
        } else {
            for (int i = 0; i < parent->childCount(); ++i)
                t << parent->child(i)->text();
        }
        return t;
    }

    FakeHost host;
    StrukturVisning dirbox;
    StrukturVisning filbox;
    THandlinger funk;
    int changes = 0;
};

int slotOf(StrukturItem* item) {
    return item->imageIndex;
}

} // namespace

class TestHandlinger : public QObject {
    Q_OBJECT

private slots:
    void sizeTexts_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << QStringLiteral("0 bytes (0 bytes)");
        QTest::newRow("500") << qint64(500) << QStringLiteral("500 bytes (500 bytes)");
        QTest::newRow("1023") << qint64(1023) << QStringLiteral("1,00 KB (1.023 bytes)");
        QTest::newRow("999999") << qint64(999999) << QStringLiteral("976,56 KB (999.999 bytes)");
        QTest::newRow("1572864") << qint64(1572864) << QStringLiteral("1,50 MB (1.572.864 bytes)");
        QTest::newRow("1 TB") << qint64(1099511627776)
                              << QStringLiteral("1,00 TB (1.099.511.627.776 bytes)");
    }
    void sizeTexts() {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(THandlinger::getSizeTekst(bytes), text);
    }

    void pathUtilities() {
        TestEnvironment env;
        QCOMPARE(THandlinger::getLastDirectory(QStringLiteral("C:\\Users\\anna\\Musik")),
                 QStringLiteral("Musik"));
        QCOMPARE(THandlinger::getLastDirectory(QStringLiteral("C:\\")), QStringLiteral("C:"));
        env.makeFolder(QStringLiteral("C:\\x\\Ny mappe"));
        env.makeFolder(QStringLiteral("C:\\x\\Ny mappe (1)"));
        QCOMPARE(THandlinger::getNyMappenavn(QStringLiteral("C:\\x\\Ny mappe"), QString()),
                 QStringLiteral("C:\\x\\Ny mappe (2)"));
        env.writeFile(QStringLiteral("C:\\a\\rapport.txt"), "x");
        env.writeFile(QStringLiteral("C:\\a\\rapport Kopi (1).txt"), "x");
        QCOMPARE(THandlinger::getNytFilnavn(QStringLiteral("C:\\a\\rapport.txt"),
                                            QStringLiteral(" Kopi")),
                 QStringLiteral("C:\\a\\rapport Kopi (2).txt"));
        QVERIFY(THandlinger::erDetEnTekstfil(QStringLiteral(".HTML")));
        QVERIFY(!THandlinger::erDetEnTekstfil(QStringLiteral(".tif")));
        QVERIFY(THandlinger::erDetEnBilledfil(QStringLiteral(".Gif")));
    }

    void driveRootsAndPrivateBlock() {
        TestEnvironment env(QStringLiteral("E=%1|cdrom;F=%2|fixed|Data;G=%3|network")
                                .arg(QDir::tempPath(), QDir::tempPath(), QDir::tempPath()));
        // The user's folders, as the desktop's user-dirs file names them.
        const QString home = env.driveFolder('C') + QStringLiteral("/home/anna");
        qputenv("HOME", home.toLocal8Bit());
        for (const char* sub : {"Skrivebord", "Dokumenter", "Musik"})
            QDir().mkpath(home + QLatin1Char('/') + QLatin1String(sub));
        QFile dirs(env.base() + QStringLiteral("/config/user-dirs.dirs"));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
                   "XDG_MUSIC_DIR=\"$HOME/Musik\"\nXDG_PICTURES_DIR=\"$HOME/Billeder\"\n");
        dirs.close();

        Engine e;
        e.funk.setPrivatTop(false);
        e.host.strukturNo = 2;
        QCOMPARE(e.funk.makeStruktur1(), QStringLiteral("C:"));
        QCOMPARE(e.host.strukturNo, 0);
        QCOMPARE(e.texts(), QStringList({" (C:)", " (D:)", "Diskdrev(E:)", "Data (F:)", "anna"}));
        QCOMPARE(slotOf(e.dirbox.topLevelItem(0)), 1);
        QCOMPARE(slotOf(e.dirbox.topLevelItem(1)), 2);
        QCOMPARE(slotOf(e.dirbox.topLevelItem(2)), 12);
        StrukturItem* user = e.dirbox.topLevelItem(4);
        QCOMPARE(StrukturItem::recOf(user)->mappe, QStringLiteral("C:\\home\\anna"));
        QCOMPARE(StrukturItem::recOf(user)->ID, NodeKind::Private);
        QVERIFY(user->isExpanded());
        // Only the personal folders that exist, in their fixed order.
        QCOMPARE(e.texts(user), QStringList({"Skrivebord", "Dokumenter", "Musik"}));
        QCOMPARE(StrukturItem::recOf(user->child(0))->mappe,
                 QStringLiteral("C:\\home\\anna\\Skrivebord"));

        e.funk.setPrivatTop(true);
        e.funk.makeStruktur1();
        QCOMPARE(e.texts().first(), QStringLiteral("anna"));
        e.funk.setMedtagPrivat(false);
        e.funk.makeStruktur1();
        QVERIFY(!e.texts().contains(QStringLiteral("anna")));
    }

    void lazyExpansionAndEmptyCdRom() {
        QTemporaryDir disc;
        TestEnvironment env(QStringLiteral("E=%1|cdrom").arg(disc.path()));
        env.makeFolder(QStringLiteral("C:\\a\\b\\c"));
        env.makeFolder(QStringLiteral("C:\\kun skjulte\\.skjult"));
        env.makeFolder(QStringLiteral("C:\\.config"));
        Engine e;
        e.funk.setMedtagPrivat(false);
        e.funk.makeStruktur1();
        StrukturItem* c = e.dirbox.topLevelItem(0);
        QCOMPARE(c->childCount(), 0);
        e.dirbox.setCurrentItem(c);
        QCOMPARE(e.funk.udfoldDirectory(), QStringLiteral("C:"));
        QStringList children = e.texts(c);
        children.sort();
        QCOMPARE(children, QStringList({"a", "kun skjulte"})); // hidden folders are left out
        StrukturItem* a = c->child(e.texts(c).indexOf("a"));
        QCOMPARE(a->childCount(), 0); // one level at a time
        QCOMPARE(slotOf(a), 3);

        // A folder holding only hidden folders stays childless and becomes Dirmappe.
        StrukturItem* hiddenOnly = c->child(e.texts(c).indexOf("kun skjulte"));
        e.dirbox.setCurrentItem(hiddenOnly);
        QCOMPARE(e.funk.udfoldDirectory(), QStringLiteral("C:\\kun skjulte"));
        QCOMPARE(hiddenOnly->childCount(), 0);

        // An empty CD-ROM is marked once and disabled.
        StrukturItem* cd = e.dirbox.topLevelItem(2);
        QCOMPARE(cd->text(), QStringLiteral("Diskdrev(E:)"));
        e.dirbox.setCurrentItem(cd);
        e.funk.udfoldDirectory();
        e.funk.udfoldDirectory();
        QCOMPARE(cd->text(), QStringLiteral("Diskdrev(E:) TOM"));
        QVERIFY(cd->isDisabled());
    }

    void walkingToAPath() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\Users\\anna\\Musik"));
        env.makeFolder(QStringLiteral("C:\\.skjult\\inde"));
        Engine e;
        e.funk.setMedtagPrivat(false);
        e.funk.makeStruktur1();
        // Nothing loaded: the walk stops at the drive.
        QCOMPARE(e.funk.udfoldStruktur1(QStringLiteral("C:\\Users\\anna\\"), false),
                 QStringLiteral("C:"));
        QCOMPARE(e.funk.udfoldStruktur1(QStringLiteral("c:\\users\\ANNA\\"), true),
                 QStringLiteral("C:\\Users\\anna"));
        StrukturItem* anna = e.dirbox.currentItem();
        QCOMPARE(StrukturItem::recOf(anna)->mappe, QStringLiteral("C:\\Users\\anna"));
        QVERIFY(anna->isExpanded());
        QCOMPARE(e.texts(anna), QStringList({"Musik"}));
        // Now loaded, the walk without re-reading follows the tree.
        QCOMPARE(e.funk.udfoldStruktur1(QStringLiteral("C:\\Users\\anna\\Musik"), false),
                 QStringLiteral("C:\\Users\\anna\\Musik"));

        // A folder made since the level was read is found; a hidden one ends the walk
        // quietly; a vanished one rebuilds the trees with the message.
        env.makeFolder(QStringLiteral("C:\\Users\\bo"));
        QCOMPARE(e.funk.udfoldStruktur1(QStringLiteral("C:\\Users\\bo"), false),
                 QStringLiteral("C:\\Users\\bo"));
        QCOMPARE(e.funk.udfoldStruktur1(QStringLiteral("C:\\.skjult\\inde"), false),
                 QStringLiteral("C:"));
        env.prompter().expectMessage(QStringLiteral(
            "Mappen eller drevet eksisterer ikke.\nStrukturene vil blive genindlæst."));
        QCOMPARE(e.funk.udfoldStruktur1(QStringLiteral("C:\\findes ikke\\x"), false), QString());
        QCOMPARE(e.funk.Grundmappe(), QStringLiteral("C:"));

        // A special structure is rebuilt by the host instead.
        e.host.strukturNo = 1;
        e.funk.udfoldStruktur1(QStringLiteral("C:\\Users"), true);
        QCOMPARE(e.host.specialRebuilds, 1);
    }

    void filePaneOrderSlotsAndClicks() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\x\\mappe"));
        env.makeFolder(QStringLiteral("C:\\x\\.skjult"));
        for (const char* name : {"a.HTML", "b.txt", "c.tif", "d", "e.mp3", "f.PS1", ".profile"})
            env.writeFile(QStringLiteral("C:\\x\\") + QLatin1String(name), "x");
        // A one-pixel GIF (Qt reads GIF but cannot write it).
        env.writeFile(QStringLiteral("C:\\x\\p.gif"),
                      QByteArray::fromHex("47494638396101000100800000ff000000000021f90401000000"
                                          "002c00000000010001000002024401003b"));
        env.writeFile(QStringLiteral("C:\\x\\.hidden"), "d\n");

        Engine e;
        e.funk.makeStruktur2(QStringLiteral("C:\\x"), true);
        QCOMPARE(e.funk.Grundmappe(), QStringLiteral("C:\\x"));
        QCOMPARE(e.funk.Bibmappe(), QStringLiteral("C:\\x"));
        QCOMPARE(e.funk.antalGrundmapper(), 1);
        QCOMPARE(e.funk.antalGrundfiler(), 6);
        QCOMPARE(e.changes, 1);
        QCOMPARE(e.filbox.topLevelItem(0)->text(), QStringLiteral("mappe"));
        QCOMPARE(slotOf(e.filbox.topLevelItem(0)), 1);
        QMap<QString, int> slotByName;
        for (int i = 1; i < e.filbox.topLevelItemCount(); ++i) {
            StrukturItem* item = e.filbox.topLevelItem(i);
            slotByName[item->text()] = slotOf(item);
            QCOMPARE(StrukturItem::recOf(item)->ID, NodeKind::File);
            QCOMPARE(StrukturItem::recOf(item)->filnavn, QStringLiteral("C:\\x\\") + item->text());
        }
        QCOMPARE(slotByName, (QMap<QString, int>{{"a.HTML", 23},
                                                 {"b.txt", 6},
                                                 {"c.tif", 2},
                                                 {"e.mp3", 4},
                                                 {"f.PS1", 26},
                                                 {"p.gif", 3}}));

        // Clicking a folder puts it in focus; clicking a picture previews it.
        e.funk.setAktiveStruktur(2);
        e.filbox.setCurrentItem(e.filbox.topLevelItem(0));
        e.funk.infoStruktur2();
        QCOMPARE(e.funk.Bibmappe(), QStringLiteral("C:\\x\\mappe"));
        QVERIFY(e.funk.Filnavn().isEmpty());
        for (int i = 0; i < e.filbox.topLevelItemCount(); ++i)
            if (e.filbox.topLevelItem(i)->text() == QLatin1String("p.gif"))
                e.filbox.setCurrentItem(e.filbox.topLevelItem(i));
        e.funk.infoStruktur2();
        QCOMPARE(e.funk.Filnavn(), QStringLiteral("C:\\x\\p.gif"));
        QCOMPARE(e.funk.Bibmappe(), QStringLiteral("C:\\x"));
        QCOMPARE(e.host.shownSize, QSize(1, 1));
        QCOMPARE(e.host.shownName, QStringLiteral("p.gif"));

        // Double-click on the folder opens it with a history entry.
        e.filbox.setCurrentItem(e.filbox.topLevelItem(0));
        QCOMPARE(e.funk.udfoldFilDirectory(), QStringLiteral("C:\\x\\mappe"));
        QCOMPARE(e.funk.historik(), QStringList({"C:\\x", "C:\\x\\mappe"}));
        QVERIFY(e.host.canBack);
        // A folder that does not exist changes nothing, not even the history.
        e.funk.makeStruktur2(QStringLiteral("C:\\findes ikke"), true);
        QCOMPARE(e.funk.Grundmappe(), QStringLiteral("C:\\x\\mappe"));
        QCOMPARE(e.funk.historik().size(), 2);
    }

    void renameStartAndRenamedNode() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\gammel\\under"));
        Engine e;
        e.funk.setMedtagPrivat(false);
        e.funk.makeStruktur1();
        e.funk.setAktiveStruktur(1);
        e.dirbox.setCurrentItem(e.dirbox.topLevelItem(0));
        env.prompter().expectMessage(QStringLiteral(" (C:)\nmå ikke omdøbes."));
        e.funk.editSelected();
        e.funk.udfoldStruktur1(QStringLiteral("C:\\gammel\\under"), true);
        e.funk.setData(QStringLiteral("C:\\gammel"), QStringLiteral("C:\\ny"));
        StrukturItem* renamed = e.dirbox.topLevelItem(0)->child(0);
        QCOMPARE(renamed->text(), QStringLiteral("ny"));
        QCOMPARE(StrukturItem::recOf(renamed)->mappe, QStringLiteral("C:\\ny"));

        e.dirbox.setCurrentItem(nullptr);
        env.prompter().expectMessage(
            QStringLiteral("Der er ikke valgt element,\nder skal omdøbes."));
        e.funk.editSelected();
    }
};

RAVNSTI_TEST_MAIN(TestHandlinger)
#include "tst_handlinger.moc"
