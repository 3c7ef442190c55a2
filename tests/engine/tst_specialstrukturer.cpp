#include "engine/enginehost.h"
#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "engine/strukturvisning.h"
#include "harness/testenvironment.h"

#include <QMenu>

namespace {

class FakeHost : public EngineHost {
public:
    int lastStrukturNo() const override { return strukturNo; }
    void setLastStrukturNo(int number) override { strukturNo = number; }
    void makeSpecialStruktur() override {}
    bool visBillede() const override { return false; }
    void historyChanged(bool back, bool forward, bool history) override {
        canBack = back;
        canForward = forward;
        hasHistory = history;
    }
    QString personligMappe(PersonligMappe folder) const override {
        return folder == PersonligMappe::Billeder ? billederDir : QString();
    }
    void showPicture(const QImage&, const QString&) override {}

    int strukturNo = 0;
    bool canBack = false;
    bool canForward = false;
    bool hasHistory = false;
    QString billederDir;
};

const QString kLastStruktur = QStringLiteral("C:\\lastStruktur.txt");

struct Engine {
    Engine() : funk(nullptr, host) {
        funk.setStruktur1(&dirbox);
        funk.setStruktur2(&filbox);
        funk.setBrugernavn(QStringLiteral("anna"));
        funk.setMedtagPrivat(false);
        funk.setLastStruktur(kLastStruktur);
    }
    static QStringList texts(const StrukturVisning& tree) {
        QStringList t;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            t << tree.topLevelItem(i)->text();
        return t;
    }
    static QStringList texts(const StrukturItem* parent) {
        QStringList t;
        for (int i = 0; i < parent->childCount(); ++i)
            t << parent->child(i)->text();
        return t;
    }
    // Visits each folder in the file pane with a history entry.
    void visit(const QStringList& folders) {
        for (const QString& folder : folders)
            funk.makeStruktur2(folder, true);
    }

    FakeHost host;
    StrukturVisning dirbox;
    StrukturVisning filbox;
    THandlinger funk;
};

void removeFolder(const TestEnvironment& env, const QString& logical) {
    QVERIFY(QDir(env.host(logical)).removeRecursively());
}

void writeUserDirs(const TestEnvironment& env, const QByteArray& text) {
    QFile dirs(env.base() + QStringLiteral("/config/user-dirs.dirs"));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write(text);
}

} // namespace

class TestSpecialStrukturer : public QObject {
    Q_OBJECT

private slots:
    void specialFolders() {
        TestEnvironment env;
        const QString home = env.driveFolder('C') + QStringLiteral("/home/anna");
        qputenv("HOME", home.toLocal8Bit());
        for (const char* sub : {"Skrivebord", "Dokumenter", "Billeder", "Musik", "Videoer", "Egne"})
            QDir().mkpath(home + QLatin1Char('/') + QLatin1String(sub));
        writeUserDirs(env, "# written by xdg-user-dirs-update\n"
                           "XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n"
                           "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
                           "XDG_PICTURES_DIR=\"$HOME/Billeder\"\n"
                           "XDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                           "XDG_VIDEOS_DIR=\"$HOME/Videoer\"\n"
                           "XDG_PUBLICSHARE_DIR=\"$HOME/\"\n");
        const QString anna = QStringLiteral("C:\\home\\anna");
        Engine e;
        e.funk.setMedtagPrivat(true);
        e.funk.makeStruktur1();
        StrukturItem* user = e.dirbox.topLevelItem(0);
        QCOMPARE(Engine::texts(user),
                 QStringList({"Skrivebord", "Dokumenter", "Billeder", "Musik", "Videoer"}));
        QCOMPARE(StrukturItem::recOf(user->child(0))->mappe, anna + QStringLiteral("\\Skrivebord"));
        QCOMPARE(e.funk.GetMyDesktop(), anna + QStringLiteral("\\Skrivebord"));
        // The user's own choice wins while it exists.
        e.host.billederDir = anna + QStringLiteral("\\Egne");
        QCOMPARE(e.funk.GetMyPictures(), e.host.billederDir);
        e.host.billederDir = anna + QStringLiteral("\\Væk");
        QCOMPARE(e.funk.GetMyPictures(), anna + QStringLiteral("\\Billeder"));

        // Folders this system lacks are reported, never replaced by drive C:.
        const struct {
            std::optional<QString> (TMapper::*lookup)(bool) const;
            const char* message;
        } missing[] = {
            {&TMapper::GetMyFavorit, "Kunne ikke finde favoritmappen."},
            {&TMapper::GetCommonDocuments, "Kunne ikke finde dokumentmappen for alle brugere."},
            {&TMapper::GetAllUsers, "Kunne ikke finde mappen for alle brugere."},
            {&TMapper::GetMyDownLoad, "Kunne ikke finde overførselsmappen."},
        };
        for (const auto& m : missing) {
            env.prompter().expectMessage(QString::fromUtf8(m.message));
            QCOMPARE((e.funk.*m.lookup)(true), std::nullopt);
            QCOMPARE(env.prompter().lastKind(), MessageKind::Error);
            QCOMPARE((e.funk.*m.lookup)(false), std::nullopt); // asked quietly: no box
        }
        QDir().mkpath(home + QStringLiteral("/Offentlig"));
        writeUserDirs(env, "XDG_PUBLICSHARE_DIR=\"$HOME/Offentlig\"\n");
        QCOMPARE(e.funk.GetAllUsers(), anna + QStringLiteral("\\Offentlig"));
    }

    void driveMenusKeepTheirDrives() {
        QTemporaryDir e, f, g;
        TestEnvironment env(QStringLiteral("E=%1|removable|Backup (gl);F=%2|fixed|A&B;"
                                           "G=%3|network|Net")
                                .arg(e.path(), f.path(), g.path()));
        QDir(f.path()).mkpath(QStringLiteral("inde"));
        Engine eng;
        QMenu PUdrive, PUdrev, PUdrevene;
        eng.funk.makeDrevMenu(&PUdrive);
        eng.funk.makeDrevMenu(&PUdrive); // a refill replaces the items
        eng.funk.makeDrevTekstMenu(&PUdrev);
        eng.funk.makeDrevMappeMenu(&PUdrevene);
        QStringList captions, drives;
        for (const QAction* a : PUdrive.actions()) {
            captions << a->text();
            drives << a->data().toString();
        }
        QCOMPARE(captions, QStringList({" (C:)", " (D:)", "Backup (gl) (E:)", "A&&B (F:)"}));
        QCOMPARE(drives, QStringList({"C:", "D:", "E:", "F:"}));

        PUdrive.actions().at(2)->trigger();
        QCOMPARE(eng.funk.Grundmappe(), QStringLiteral("E:"));
        PUdrev.actions().at(3)->trigger();
        QCOMPARE(eng.funk.Grundmappe(), QStringLiteral("F:"));
        QCOMPARE(eng.funk.historik(), QStringList({"E:"})); // no entry from PUdrev
        // The folder tree becomes that one drive, opened one level.
        PUdrevene.actions().at(3)->trigger();
        QCOMPARE(Engine::texts(eng.dirbox), QStringList({"A&B (F:)"}));
        QCOMPARE(Engine::texts(eng.dirbox.topLevelItem(0)), QStringList({"inde"}));
        QCOMPARE(eng.host.strukturNo, 2);
        QCOMPARE(env.readFile(kLastStruktur), QByteArray("F:\r\n"));
    }

    void backAndForwardSkipDeletedFolders() {
        TestEnvironment env;
        const QString f1 = QStringLiteral("C:\\F1"), f2 = QStringLiteral("C:\\F2"),
                      f3 = QStringLiteral("C:\\F3");
        for (const QString& f : {f1, f2, f3})
            env.makeFolder(f);
        Engine e;
        e.visit({f1, f2, f3});
        removeFolder(env, f2);
        QVERIFY(!e.funk.mappeTilbage());
        QCOMPARE(e.funk.Grundmappe(), f1);
        QCOMPARE(e.funk.historik(), QStringList({f1, f3}));
        QVERIFY(!e.host.canBack && e.host.canForward && e.host.hasHistory);

        env.makeFolder(f2);
        e.visit({f2});
        e.funk.mappeTilbage();
        e.funk.mappeTilbage();
        removeFolder(env, f3);
        QVERIFY(!e.funk.mappeFrem());
        QCOMPARE(e.funk.Grundmappe(), f2);
        QCOMPARE(e.funk.historik(), QStringList({f1, f2}));

        // Nothing left ahead: the step stays on a valid entry.
        e.funk.mappeTilbage();
        removeFolder(env, f2);
        QVERIFY(!e.funk.mappeFrem());
        QCOMPARE(e.funk.historik(), QStringList({f1}));
        QCOMPARE(e.funk.historikIndex(), 0);
        QVERIFY(!e.host.canForward && !e.host.hasHistory);
    }

    void overviewKeepsItsIndexInRange() {
        TestEnvironment env;
        const QStringList folders = {"C:\\a", "C:\\b", "C:\\c", "C:\\d"};
        for (const QString& f : folders)
            env.makeFolder(f);
        Engine e;
        e.visit(folders);
        e.funk.mappeTilbage(); // C:\c is shown
        removeFolder(env, QStringLiteral("C:\\b"));
        removeFolder(env, QStringLiteral("C:\\c"));
        QVERIFY(e.funk.makeOversigt());
        QCOMPARE(e.funk.historik(), QStringList({"C:\\a", "C:\\d"}));
        QCOMPARE(e.funk.historikIndex(), 0); // the folder visited before the vanished one
        removeFolder(env, QStringLiteral("C:\\a"));
        removeFolder(env, QStringLiteral("C:\\d"));
        QVERIFY(!e.funk.makeOversigt());
        QCOMPARE(e.funk.historikIndex(), 0);
        QVERIFY(!e.funk.mappeFrem() && !e.funk.mappeTilbage());
    }

    void historyStructureRebuiltAtStart() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\work\\one"));
        env.makeFolder(QStringLiteral("C:\\work\\two"));
        env.makeFolder(QStringLiteral("D:\\x"));
        env.writeFile(kLastStruktur, "C:\\work\\one\r\nd:\\x\r\nC:\\væk\r\nc:\\work\\two\\\r\n");
        Engine e;
        e.host.strukturNo = 1;
        e.funk.genopbygSpecialStruktur();
        // Drives by their latest visit; shared beginnings share nodes; all expanded.
        QCOMPARE(Engine::texts(e.dirbox), QStringList({" (C:)", " (D:)"}));
        StrukturItem* work = e.dirbox.topLevelItem(0)->child(0);
        QCOMPARE(Engine::texts(work), QStringList({"one", "two"}));
        QCOMPARE(StrukturItem::recOf(work->child(1))->mappe, QStringLiteral("C:\\work\\two"));
        QVERIFY(work->isExpanded());
        QCOMPARE(e.funk.Dirmappe(), QStringLiteral("C:"));
        QCOMPARE(e.host.strukturNo, 1);
        QCOMPARE(env.readFile(kLastStruktur),
                 QByteArray("C:\\work\\one\r\nd:\\x\r\nc:\\work\\two\\\r\n"));

        // Nothing left to rebuild: the drives, not an empty tree.
        env.writeFile(kLastStruktur, "C:\\væk\r\n");
        e.funk.genopbygSpecialStruktur();
        QCOMPARE(Engine::texts(e.dirbox), QStringList({" (C:)", " (D:)"}));
        QCOMPARE(e.funk.Grundmappe(), QStringLiteral("C:"));
        QCOMPARE(e.host.strukturNo, 0);

        // A path going up with ".." stands for the folder it reaches: no node names a
        // folder that is not there.
        env.writeFile(kLastStruktur, "C:\\væk\\..\r\nC:\\work\\one\\..\\.\\two\r\n");
        e.host.strukturNo = 1;
        e.funk.genopbygSpecialStruktur();
        QCOMPARE(Engine::texts(e.dirbox), QStringList({" (C:)"}));
        work = e.dirbox.topLevelItem(0)->child(0);
        QCOMPARE(Engine::texts(work), QStringList({"two"}));
        QCOMPARE(StrukturItem::recOf(work->child(0))->mappe, QStringLiteral("C:\\work\\two"));
    }

    void dotStructure() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\Users\\anna\\Musik"));
        Engine e;
        QVERIFY(e.funk.makePunktStruktur({"C:\\Users\\anna\\Musik", "D:", "C:\\borte"},
                                         std::nullopt, 3));
        QCOMPARE(Engine::texts(e.dirbox), QStringList({" (D:)", "Musik"}));
        QCOMPARE(env.readFile(kLastStruktur), QByteArray("C:\\Users\\anna\\Musik\r\nD:\r\n"));

        // A structure that cannot be built leaves tree, file and number as they were.
        QVERIFY(!e.funk.makePunktStruktur({"C:\\borte"}, std::nullopt, 2));
        QVERIFY(!e.funk.makePunktStruktur({"D:"}, QStringList(), 2));
        QCOMPARE(env.readFile(kLastStruktur), QByteArray("C:\\Users\\anna\\Musik\r\nD:\r\n"));
        QCOMPARE(e.host.strukturNo, 3);
        QCOMPARE(Engine::texts(e.dirbox), QStringList({" (D:)", "Musik"}));
    }
};

RAVNSTI_TEST_MAIN(TestSpecialStrukturer)
#include "tst_specialstrukturer.moc"
