#include "harness/testenvironment.h"
#include "lists/reopenfiler.h"
#include "lists/reopenfilerx.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

QStringList captions(const ReopenListe& liste) {
    QStringList texts;
    for (const TReopenRec& rec : liste.entries())
        texts << rec.Caption;
    return texts;
}

QStringList lines(const TestEnvironment& env, const QString& file) {
    QString text = QString::fromLatin1(env.readFile(file));
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

const QString reopen = QStringLiteral("C:\\Egenskaber\\reopen.txt");
const QString favoritter = QStringLiteral("C:\\Egenskaber\\favoritmapper.txt");

} // namespace

class TestReopen : public QObject {
    Q_OBJECT

private slots:
    void recentFilesAreBoundedNewestFirstWithoutDuplicates() {
        TestEnvironment env;
        for (int i = 1; i <= 11; ++i)
            env.writeFile(QStringLiteral("C:\\x\\f%1.txt").arg(i), "x");
        env.writeFile(QStringLiteral("C:\\x\\F1.txt"), "x");
        TReopenFiler filer;
        for (int i = 1; i <= 11; ++i)
            filer.InsertItem(QStringLiteral("C:\\x\\f%1.txt").arg(i), QStringLiteral("f%1").arg(i));
        QCOMPARE(filer.Antal(), 10);
        QCOMPARE(filer.GetCaption(0), QStringLiteral("f11"));
        QCOMPARE(filer.GetCaption(9), QStringLiteral("f2")); // the oldest, f1, dropped out

        filer.InsertItem(QStringLiteral("C:\\x\\f5.txt"), QStringLiteral("f5"));
        QCOMPARE(filer.Antal(), 10);
        QCOMPARE(captions(filer).mid(0, 3), (QStringList{"f5", "f11", "f10"}));
        QCOMPARE(captions(filer).count(QStringLiteral("f5")), 1);
        // Another letter case is another path; a file that is not there is ignored.
        filer.InsertItem(QStringLiteral("C:\\x\\F1.txt"), QStringLiteral("F1"));
        filer.InsertItem(QStringLiteral("C:\\x\\mangler.txt"), QStringLiteral("mangler"));
        QCOMPARE(filer.GetCaption(0), QStringLiteral("F1"));
        QCOMPARE(filer.GetCaption(10), QString());
    }

    void listFilesKeepTheirLayout() {
        TestEnvironment env;
        env.writeFile(reopen, "10\r\n2\r\nb.txt\r\nC:\\x\\b.txt\r\na.txt\r\nC:\\x\\a.txt\r\n");
        TReopenFiler filer;
        filer.setItemfile(reopen);
        filer.HentReopenFiler();
        QCOMPARE(captions(filer), (QStringList{"b.txt", "a.txt"}));
        QCOMPARE(filer.GetFilnavn(1), QStringLiteral("C:\\x\\a.txt"));
        filer.DeleteItem(QStringLiteral("C:\\x\\b.txt"));
        QVERIFY(filer.GemReopenFiler());
        QCOMPARE(lines(env, reopen), (QStringList{"10", "1", "a.txt", "C:\\x\\a.txt"}));

        env.writeFile(favoritter, "Foto\r\nC:\\Foto\r\nDrev D:\r\nD:\r\n");
        TReopenFilerX fav;
        fav.setItemfile(favoritter);
        fav.HentReopenFiler();
        QCOMPARE(captions(fav), (QStringList{"Foto", "Drev D:"}));
        // A removal writes the favourites at once.
        fav.DeleteCaption(QStringLiteral("Foto"));
        QCOMPARE(lines(env, favoritter), (QStringList{"Drev D:", "D:"}));
    }

    void damagedListFilesGiveTheCompleteEntriesQuietly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("filantal");
        QTest::addColumn<QStringList>("expected");
        const QByteArray pairs = "a\r\nC:\\a\r\nb\r\nC:\\b\r\n";
        QTest::newRow("capacity not a number")
            << "ti\r\n2\r\n" + pairs << 10 << QStringList{"a", "b"};
        QTest::newRow("count not a number")
            << "10\r\nto\r\n" + pairs << 10 << QStringList{"a", "b"};
        QTest::newRow("count promises more")
            << "10\r\n7\r\n" + pairs << 10 << QStringList{"a", "b"};
        QTest::newRow("capacity 0") << "0\r\n2\r\n" + pairs << 10 << QStringList{"a", "b"};
        QTest::newRow("capacity negative") << "-4\r\n2\r\n" + pairs << 10 << QStringList{"a", "b"};
        QTest::newRow("count beyond capacity") << "1\r\n2\r\n" + pairs << 1 << QStringList{"a"};
        QTest::newRow("half an entry")
            << QByteArray("10\r\n2\r\na\r\nC:\\a\r\nb\r\n") << 10 << QStringList{"a"};
        QTest::newRow("one line") << QByteArray("10\r\n") << 10 << QStringList{};
        QTest::newRow("binary") << QByteArray("\0\xff\x01\r\n\xfe", 6) << 10 << QStringList{};
    }

    void damagedListFilesGiveTheCompleteEntriesQuietly() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, filantal);
        QFETCH(QStringList, expected);
        TestEnvironment env;
        env.writeFile(reopen, bytes);
        TReopenFiler filer;
        filer.setItemfile(reopen);
        filer.HentReopenFiler();
        QCOMPARE(filer.Filantal(), filantal);
        QCOMPARE(captions(filer), expected);
        QCOMPARE(env.prompter().shown(), QStringList{});
    }

    void favouritesFollowTheirCapacity() {
        TestEnvironment env;
        QByteArray bytes;
        for (int i = 0; i < 24; ++i)
            bytes += QStringLiteral("m%1\r\nC:\\m%1\r\n").arg(i).toLatin1();
        bytes += "ulige";
        env.writeFile(favoritter, bytes);
        TReopenFilerX fav;
        fav.setItemfile(favoritter);
        fav.HentReopenFiler();
        QCOMPARE(fav.Antal(), 24);
        fav.setFilantal(5);
        fav.HentReopenFiler();
        QCOMPARE(captions(fav), (QStringList{"m0", "m1", "m2", "m3", "m4"}));
        fav.setFilantal(0); // no capacity at all is no capacity to take
        QCOMPARE(fav.Filantal(), 5);
    }

    void menusShowTheEntriesAsWrittenAndDeleteOnRequest() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\Tom & Jerry"));
        env.makeFolder(QStringLiteral("D:\\Foto"));
        env.writeFile(favoritter, "Tom & Jerry\r\nC:\\Tom & Jerry\r\nFoto\r\nD:\\Foto\r\n"
                                  "Væk\r\nD:\\Væk\r\n");
        QMenu menu;
        menu.addAction(QStringLiteral("Favoritmapper"));
        menu.addSeparator();
        TReopenFilerX fav;
        fav.setItemfile(favoritter);
        fav.setMainItem(&menu);
        fav.HentReopenFiler();
        fav.MakeMenu();
        fav.MakeMenu(); // built twice, shown once
        QList<QAction*> items = menu.actions();
        QCOMPARE(items.size(), 2 + 3 + 2);
        QCOMPARE(items.at(2)->text(), QStringLiteral("Tom && Jerry"));
        QCOMPARE(items.at(2)->statusTip(), QStringLiteral("C:\\Tom & Jerry"));
        QVERIFY(items.at(5)->isSeparator());
        QCOMPARE(items.at(6)->text(), QStringLiteral("Slet alle favorit mapper"));

        QStringList chosen;
        connect(&fav, &TReopenFilerX::OnKlik, this,
                [&](const QString& cap, const QString& path) { chosen << cap + '|' + path; });
        items.at(3)->trigger();
        QCOMPARE(chosen, QStringList{"Foto|D:\\Foto"});
        env.prompter().expectMessage(QStringLiteral("Mappen kunne ikke findes."));
        items.at(4)->trigger();
        QCOMPARE(fav.Antal(), 3); // a vanished favourite stays

        env.prompter().answer(false);
        items.at(6)->trigger();
        QCOMPARE(fav.Antal(), 3);
        env.prompter().answer(true);
        items.at(6)->trigger();
        QCOMPARE(fav.Antal(), 0);
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(env.readFile(favoritter), QByteArray());
        QCOMPARE(env.prompter().pending(), 0);
    }

    void aVanishedRecentEntryLeavesQuietly() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\a"));
        env.makeFolder(QStringLiteral("C:\\b"));
        QMenu menu;
        menu.addAction(QStringLiteral("Mappeliste"));
        menu.addSeparator();
        TReopenFiler mapper(TItemtype::itBibliotek);
        mapper.setMainItem(&menu);
        mapper.setDeleteItem(QStringLiteral("Slet listen"), QStringLiteral("Start en ny liste"));
        mapper.InsertItem(QStringLiteral("C:\\a"), QStringLiteral("a"));
        mapper.InsertItem(QStringLiteral("C:\\b"), QStringLiteral("b"));
        mapper.MakeMenu();
        QStringList chosen;
        connect(&mapper, &TReopenFiler::OnKlik, this, [&](const QString& p) { chosen << p; });
        QDir(env.host(QStringLiteral("C:\\b"))).removeRecursively();
        menu.actions().at(2)->trigger();
        QCOMPARE(chosen, QStringList{QString()});
        QCOMPARE(captions(mapper), QStringList{"a"});
        mapper.MakeMenu();
        menu.actions().at(2)->trigger();
        QCOMPARE(chosen.last(), QStringLiteral("C:\\a"));
        menu.actions().last()->trigger(); // "Slet listen"
        QCOMPARE(mapper.Antal(), 0);
        QCOMPARE(menu.actions().size(), 2);
    }
};

RAVNSTI_TEST_MAIN(TestReopen)
#include "tst_reopen.moc"
