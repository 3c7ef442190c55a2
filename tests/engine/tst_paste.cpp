#include "engine/strukturitem.h"
#include "harness/faultpoints.h"
#include "harness/testengine.h"
#include "harness/testenvironment.h"

#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <sys/stat.h>

namespace {

const QString kKilde = QStringLiteral("C:\\kilde");
const QString kMaal = QStringLiteral("D:\\maal");
const QString kFejl = QStringLiteral("Der er opstået en fejl.\nElementer er muligvist slettede.");

QByteArray randomBytes(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// C:\kilde with three files at the top and two more in subfolders; an empty D:\maal.
void lavKilde(TestEnvironment& env) {
    env.writeFile(kKilde + QStringLiteral("\\a.txt"), "første fil");
    env.writeFile(kKilde + QStringLiteral("\\b.bin"), randomBytes(70000));
    env.writeFile(kKilde + QStringLiteral("\\tom.txt"), QByteArray());
    env.writeFile(kKilde + QStringLiteral("\\sub\\c.txt"), "tredje");
    env.writeFile(kKilde + QStringLiteral("\\sub\\dyb\\d.txt"), randomBytes(3000));
    env.makeFolder(kMaal);
}

const QStringList kFiler = {"a.txt", "b.bin", "tom.txt"};

// Lists in the platform's order, compared without it.
QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// How the elements get to the clipboard and how they are pasted.
enum class Handling {
    KopierMappe,   // the folder C:\kilde from the folder tree
    FlytMappe,     // the same, cut
    KopierFiler,   // the three files from the file pane
    FlytFiler,     // the same, cut
    FlytOverskriv, // cut, the destination holds a.txt and b.bin: "Overskriv alle"
    FlytKopier,    // the same with "Opret kopier"
    FlytSpoerg,    // the same with "Spørg hver gang", answered "Ja" twice
    Slip           // dropped: a.txt from C:\kilde and e.txt from C:\andet
};

// Copies (or cuts) the named elements of C:\kilde and shows D:\maal in the file pane.
void tilKlippebordet(TestEngine& e, const QStringList& names) {
    e.vis(kKilde, names);
    e.funk.CopyElementer();
    e.vis(kMaal);
}

} // namespace

Q_DECLARE_METATYPE(Handling)
Q_DECLARE_METATYPE(FaultOp)
Q_DECLARE_METATYPE(FileError)

class TestPaste : public QObject {
    Q_OBJECT

private slots:
    void copyThreeFilesAndPasteAgain() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde, kFiler);
        QCOMPARE(e.funk.CopyElementer(), 3);
        QCOMPARE(sorted(e.funk.CopyListe2()),
                 QStringList({kKilde + "\\a.txt", kKilde + "\\b.bin", kKilde + "\\tom.txt"}));
        e.vis(kMaal);
        QCOMPARE(e.funk.PasteElementer(false, 0), 3);
        for (const QString& name : kFiler)
            QCOMPARE(env.readFile(kMaal + "\\" + name), env.readFile(kKilde + "\\" + name));

        QCOMPARE(e.windows.bekraeftelser.size(), 1);
        const Bekraeftelse& spm = e.windows.bekraeftelser.first();
        QCOMPARE(spm.caption, QStringLiteral("Kopiering af elementer"));
        QCOMPARE(spm.question, QStringLiteral("Skal valgte elementer kopieres?"));
        QCOMPARE(spm.picture, 2);
        QCOMPARE(sorted(spm.files), kFiler);
        QCOMPARE(spm.source, kKilde);
        QCOMPARE(spm.destination, kMaal);
        // 10 + 70000 + 1 (an empty file counts as one byte) of three files in one folder.
        QCOMPARE(e.windows.info("Der kopieres"),
                 QStringLiteral("Der kopieres 3 filer fra 1 mappe: 68,37 KB"));
        QCOMPARE(e.windows.visninger.last().procent, 100);
        QCOMPARE(e.windows.visninger.last().resterende, QStringLiteral("0"));
        QCOMPARE(e.windows.lukninger, 1);
        QCOMPARE(e.funk.antalGrundfiler(), 3); // the file pane shows the pasted files

        // A copy stays on the clipboard; pasted again, every name exists: "Overskriv ingen".
        QCOMPARE(e.funk.PasteElementer(false, 0), 0);
        QCOMPARE(sorted(e.windows.eksisterende.last()), kFiler);
    }

    void emptyClipboardPastesNothing() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kMaal);
        QCOMPARE(e.funk.PasteElementer(false, 0), 0);
        QVERIFY(e.windows.bekraeftelser.isEmpty());
        QVERIFY(e.windows.visninger.isEmpty());
    }

    void sameFolderIsRefused() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde, {"a.txt"});
        QCOMPARE(e.funk.CopyElementer(), 1);
        for (const QStringList& selection : {QStringList(), QStringList({"b.bin"})}) {
            e.vis(kKilde, selection);
            env.prompter().expectMessage("Kildemappe og destignationsmappe er samme mappe.");
            QCOMPARE(e.funk.PasteElementer(false, 0), 0);
        }
        QCOMPARE(QDir(env.host(kKilde)).entryList(QDir::Files).size(), 3);
    }

    void folderCopiesGetNumbers() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vaelgMappe(kKilde + "\\sub");
        QCOMPARE(e.funk.CopyElementer(), 1);
        const auto before = snapshot(env.host(kKilde + "\\sub"));
        for (const char* name : {"sub (1)", "sub (2)"}) {
            e.vaelgMappe(kKilde);
            e.windows.svar.enqueue(true);
            QVERIFY(e.funk.PasteElementer(false, 0) > 0);
            QCOMPARE(e.windows.spoergsmaal.last(),
                     QStringList({"Kildemappe er undermappe til destignationsmappen.",
                                  "Skal der oprettes en kopi?"}));
            QCOMPARE(snapshot(env.host(kKilde + "\\" + name)), before);
        }
        // Declined, nothing more is made.
        e.vaelgMappe(kKilde);
        e.windows.svar.enqueue(false);
        QCOMPARE(e.funk.PasteElementer(false, 0), 0);
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\sub (3)")));
    }

    void copyModeWithFiles() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        // The subfolder has the focus at copy time, so the destination differs from it.
        e.vis(kKilde, {"a.txt", "b.bin", "sub"});
        QCOMPARE(e.funk.Bibmappe(), kKilde + "\\sub");
        QCOMPARE(e.funk.CopyElementer(), 3);
        const auto before = snapshot(env.host(kKilde));
        const QByteArray b = env.readFile(kKilde + "\\b.bin");

        // "Overskriv alle" copies each file onto itself, which changes nothing.
        e.vis(kKilde);
        e.windows.svar.enqueue(true);
        e.windows.valg = 1;
        QCOMPARE(e.funk.PasteElementer(false, 0), 1); // the folder; no file was copied
        QCOMPARE(sorted(e.windows.eksisterende.last()), QStringList({"a.txt", "b.bin"}));
        QCOMPARE(env.readFile(kKilde + "\\b.bin"), b);
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\sub (1)\\dyb\\d.txt")));

        // "Opret kopier": " Kopi (n)" before the extension.
        for (int n = 1; n <= 2; ++n) {
            e.vis(kKilde);
            e.windows.svar.enqueue(true);
            e.windows.valg = 3;
            QCOMPARE(e.funk.PasteElementer(false, 0), 3);
            QCOMPARE(env.readFile(kKilde + QStringLiteral("\\a Kopi (%1).txt").arg(n)),
                     QByteArray("første fil"));
            QCOMPARE(env.readFile(kKilde + QStringLiteral("\\b Kopi (%1).bin").arg(n)), b);
        }
        const auto after = snapshot(env.host(kKilde));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
    }

    void singleClashAsksAndNeverCopiesOntoItself() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde, {"b.bin", "sub"});
        e.funk.CopyElementer();
        const QByteArray b = env.readFile(kKilde + "\\b.bin");
        e.vis(kKilde);
        e.windows.svar << true << true; // make copies; overwrite b.bin
        e.windows.askInsert = false;
        QCOMPARE(e.funk.PasteElementer(false, 0), 1);
        QCOMPARE(e.windows.spoergsmaal.last(),
                 QStringList({"Skal filen", "b.bin", "overskrives?"}));
        QCOMPARE(env.readFile(kKilde + "\\b.bin"), b);
        QVERIFY(e.windows.bekraeftelser.isEmpty()); // AskInsert off: no confirmation
    }

    void cutWithOverskrivIngenLeavesClashes() {
        TestEnvironment env;
        lavKilde(env);
        env.writeFile(kMaal + "\\a.txt", "gammel a");
        env.writeFile(kMaal + "\\b.bin", "gammel b");
        TestEngine e;
        e.windows.papirkurv = false;
        tilKlippebordet(e, kFiler);
        e.windows.valg = 0;
        QCOMPARE(e.funk.PasteElementer(true, 0), 1);
        QCOMPARE(e.windows.bekraeftelser.last().caption, QStringLiteral("Flytning af elementer"));
        QCOMPARE(e.windows.bekraeftelser.last().picture, 7);
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\a.txt")));
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\b.bin")));
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\tom.txt")));
        QVERIFY(QFileInfo::exists(env.host(kMaal + "\\tom.txt")));
        QCOMPARE(env.readFile(kMaal + "\\a.txt"), QByteArray("gammel a"));
        QVERIFY(e.funk.CopyListe2().isEmpty());
    }

    void cutFolderAndFileToTheTrash() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        const auto before = snapshot(env.host(kKilde));
        tilKlippebordet(e, {"sub", "a.txt"});
        QCOMPARE(e.funk.PasteElementer(true, 0), 2);
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\sub")));
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\a.txt")));
        QVERIFY(nothingLost(before, env.host(kKilde), env.host(kMaal)));
        // The sources went to the trash, not away.
        const QString trash = env.base() + "/data/Trash/files";
        QVERIFY(QFileInfo::exists(trash + "/sub/dyb/d.txt"));
        QVERIFY(QFileInfo::exists(trash + "/a.txt"));
        QVERIFY(e.funk.CopyListe1().isEmpty() && e.funk.CopyListe2().isEmpty());
        QCOMPARE(e.funk.PasteElementer(true, 0), 0);
    }

    void pasteIntoItselfIsRefused() {
        TestEnvironment env;
        lavKilde(env);
        QVERIFY(QFile::link(env.host(kKilde + "\\sub"), env.host("D:\\genvej")));
        TestEngine e;
        e.vaelgMappe(kKilde);
        e.funk.CopyElementer();
        const auto before = snapshot(env.base());
        for (const QString& destination : {kKilde + "\\sub\\dyb", QStringLiteral("D:\\genvej")}) {
            e.vis(destination);
            env.prompter().expectMessage("En mappe kan ikke indsættes i sig selv eller i en af "
                                         "sine undermapper.\nC:\\kilde");
            QCOMPARE(e.funk.PasteElementer(true, 0), 0);
        }
        QCOMPARE(snapshot(env.base()), before);
        QVERIFY(e.windows.bekraeftelser.isEmpty());
    }

    void linksAreCopiedAsLinksAndLoopsEnd() {
        TestEnvironment env;
        lavKilde(env);
        QVERIFY(QFile::link(env.host(kKilde), env.host(kKilde + "\\sub\\loop")));
        QVERIFY(QFile::link("a.txt", env.host(kKilde + "\\peg")));
        TestEngine e;
        e.vaelgMappe(kKilde);
        e.funk.CopyElementer();
        e.vaelgMappe(kMaal);
        QCOMPARE(e.funk.PasteElementer(false, 0), 1);
        QCOMPARE(QFileInfo(env.host(kMaal + "\\kilde\\sub\\loop")).symLinkTarget(),
                 env.host(kKilde));
        QVERIFY(QFileInfo(env.host(kMaal + "\\kilde\\peg")).isSymLink());
        QCOMPARE(QFile::symLinkTarget(env.host(kMaal + "\\kilde\\peg")),
                 env.host(kMaal + "\\kilde\\a.txt"));
        // Counted without following the loop: 3 folders, 5 files and 2 links.
        QVERIFY(e.windows.info("Der kopieres").startsWith("Der kopieres 7 filer fra 3 mapper: "));
    }

    void fifoIsNeitherOpenedNorLost() {
        TestEnvironment env;
        lavKilde(env);
        QVERIFY(::mkfifo(QFile::encodeName(env.host(kKilde + "\\sub\\pipe")).constData(), 0600) ==
                0);
        TestEngine e;
        e.windows.papirkurv = false;
        e.vaelgMappe(kKilde);
        e.funk.CopyElementer();
        const auto before = snapshot(env.host(kKilde));
        e.vaelgMappe(kMaal);
        env.prompter().expectMessage(kFejl + "\n\nC:\\kilde\\sub\\pipe kunne ikke kopieres (er "
                                             "ikke en almindelig fil eller mappe).");
        QCOMPARE(e.funk.PasteElementer(true, 0), -1);
        // Not all of it was copied: the source folder stays, pipe included.
        QCOMPARE(snapshot(env.host(kKilde)), before);
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\sub\\pipe")));
    }

    // The files of a folder are copied several at a time: what fails is still told in the
    // folder's order, everything else arrives, and the move keeps its whole source.
    void manyFilesFailuresToldInOrder() {
        TestEnvironment env;
        for (int i = 0; i < 80; ++i)
            env.writeFile(QStringLiteral("C:\\stor\\f%1.bin").arg(i, 2, 10, QLatin1Char('0')),
                          randomBytes(i * 300));
        for (const char* name : {"f10.bin", "f20.bin", "f70.bin"})
            env.makeFolder(kMaal + "\\stor\\" + name);
        const auto before = snapshot(env.host("C:\\stor"));
        TestEngine e;
        e.windows.askMove = false;
        e.vaelgMappe("C:\\stor");
        e.funk.CopyElementer();
        e.vaelgMappe(kMaal);
        e.windows.svar.enqueue(true); // "Mappen eksisterer. Skal alle elementer overskrives?"
        QString reasons;
        for (const char* name : {"f10.bin", "f20.bin", "f70.bin"})
            reasons += QStringLiteral("\nC:\\stor\\") + name +
                       QStringLiteral(" kunne ikke kopieres (findes allerede).");
        env.prompter().expectMessage(kFejl + "\n" + reasons);
        QCOMPARE(e.funk.PasteElementer(true, 0), -1);
        QCOMPARE(snapshot(env.host("C:\\stor")), before);
        auto arrived = before;
        for (const char* name : {"f10.bin", "f20.bin", "f70.bin"})
            arrived.remove(name);
        QCOMPARE(snapshot(env.host(kMaal + "\\stor")), arrived);
    }

    void emptyFileProgress() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        tilKlippebordet(e, {"tom.txt"});
        QCOMPARE(e.funk.PasteElementer(false, 0), 1);
        for (const ProgressVisning& v : std::as_const(e.windows.visninger)) {
            QVERIFY(v.procent >= 0 && v.procent <= 100);
            QVERIFY(v.filProcent >= 0 && v.filProcent <= 100);
        }
        QCOMPARE(e.windows.visninger.last().procent, 100);
        QVERIFY(QFileInfo(env.host(kMaal + "\\tom.txt")).exists());
    }

    void dropsAndSearchHitsUseFullPaths() {
        TestEnvironment env;
        lavKilde(env);
        env.writeFile("C:\\andet\\e.txt", "fra andet");
        env.writeFile("C:\\andet\\a.txt", "et andet a");
        TestEngine e;
        e.funk.InitRegister();
        QVERIFY(e.funk.RegisterElements(kKilde + "\\a.txt"));
        QVERIFY(e.funk.RegisterElements("C:\\andet\\e.txt"));
        QVERIFY(e.funk.RegisterElements(kKilde + "\\sub\\"));
        QVERIFY(!e.funk.RegisterElements("C:\\findes\\ikke.txt"));
        e.vis(kMaal);
        QCOMPARE(e.funk.PasteElementer(false, 0), 3);
        QCOMPARE(env.readFile(kMaal + "\\e.txt"), QByteArray("fra andet"));
        QCOMPARE(env.readFile(kMaal + "\\a.txt"), QByteArray("første fil"));
        QVERIFY(QFileInfo::exists(env.host(kMaal + "\\sub\\c.txt")));

        // A search hit for C:\andet\a.txt listed while the pane's folder holds its own a.txt.
        e.vis(kKilde);
        auto* hit =
            new StrukturItem("a.txt", {"C:\\andet", "C:\\andet\\a.txt", NodeKind::SearchHit}, 15);
        e.filbox.addTopLevelItem(hit);
        e.filbox.clearSelection();
        hit->setSelected(true);
        e.filbox.setCurrentItem(hit);
        QCOMPARE(e.funk.CopyElementer(), 1);
        QCOMPARE(e.funk.CopyListe2(), QStringList({"C:\\andet\\a.txt"}));
        e.vis("D:");
        QCOMPARE(e.funk.PasteElementer(false, 0), 1);
        QCOMPARE(env.readFile("D:\\a.txt"), QByteArray("et andet a"));
    }

    void secondOperationWaits() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        tilKlippebordet(e, {"a.txt"});
        bool tried = false;
        e.windows.underProgress = [&] {
            if (tried)
                return;
            tried = true;
            QVERIFY(e.funk.busy());
            env.prompter().expectMessage("En kopiering eller sletning er i gang.\nVent til den er "
                                         "færdig.");
            QCOMPARE(e.funk.PasteElementer(false, 0), 0);
            env.prompter().expectMessage("En kopiering eller sletning er i gang.\nVent til den er "
                                         "færdig.");
            QCOMPARE(e.funk.DeleteElementer(false), 0);
        };
        QCOMPARE(e.funk.PasteElementer(false, 0), 1);
        QVERIFY(tried);
        QVERIFY(!e.funk.busy());
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\a.txt")));
    }

    // "Annuller" during a paste: the work stops after the current file, the copy cut off
    // leaves nothing behind, and a move deletes only the sources whose copy finished.
    void stoppedPasteKeepsEverySource_data() {
        QTest::addColumn<bool>("flyt");
        QTest::addColumn<int>("stopVedKopi");
        QTest::newRow("kopi, i den første fil") << false << 1;
        QTest::newRow("kopi, i den anden fil") << false << 2;
        QTest::newRow("flyt, i den første fil") << true << 1;
        QTest::newRow("flyt, i den anden fil") << true << 2;
    }
    void stoppedPasteKeepsEverySource() {
        QFETCH(bool, flyt);
        QFETCH(int, stopVedKopi);
        TestEnvironment env;
        lavKilde(env);
        FaultPoints faults;
        TestEngine e;
        e.windows.askMove = e.windows.askInsert = false;
        tilKlippebordet(e, kFiler);
        int kopier = 0;
        faults.beforeEach = [&](FaultOp op) {
            if (op == FaultOp::Copy && ++kopier == stopVedKopi)
                e.windows.annuller = true;
        };
        const int indsat = e.funk.PasteElementer(flyt, 0);
        QCOMPARE(indsat, stopVedKopi - 1);
        QCOMPARE(kopier, stopVedKopi); // nothing more was begun
        const QStringList kopieret = QDir(env.host(kMaal)).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(kopieret.size(), indsat);
        for (const QString& name : kFiler) {
            const bool done = kopieret.contains(name);
            if (done)
                QCOMPARE(env.readFile(kMaal + "\\" + name).size(),
                         QFileInfo(env.host(kMaal + "\\" + name)).size());
            // Every source stays, but for a moved file whose copy was done.
            QCOMPARE(QFileInfo::exists(env.host(kKilde + "\\" + name)), !(flyt && done));
        }
        QCOMPARE(e.windows.lukninger, 1);
    }

    // Stopped before the names that exist in the destination: nobody is asked about them.
    void stoppedPasteAsksNothingMore() {
        TestEnvironment env;
        lavKilde(env);
        env.writeFile(kMaal + "\\b.bin", "gammel");
        env.writeFile(kMaal + "\\tom.txt", "gammel");
        FaultPoints faults;
        TestEngine e;
        e.windows.askInsert = false;
        tilKlippebordet(e, kFiler);
        faults.beforeEach = [&](FaultOp op) {
            if (op == FaultOp::Copy)
                e.windows.annuller = true;
        };
        QCOMPARE(e.funk.PasteElementer(false, 0), 0);
        QVERIFY(e.windows.eksisterende.isEmpty());
        QCOMPARE(env.readFile(kMaal + "\\b.bin"), QByteArray("gammel"));
    }

    void stoppedFolderMoveKeepsTheFolder() {
        TestEnvironment env;
        lavKilde(env);
        const auto before = snapshot(env.host(kKilde));
        FaultPoints faults;
        TestEngine e;
        e.windows.askMove = false;
        e.vis(QStringLiteral("C:\\"), {"kilde"});
        QCOMPARE(e.funk.CopyElementer(), 1);
        e.vis(kMaal);
        int kopier = 0;
        faults.beforeEach = [&](FaultOp op) {
            if (op == FaultOp::Copy && ++kopier == 2)
                e.windows.annuller = true;
        };
        QCOMPARE(e.funk.PasteElementer(true, 0), 0);
        // The half-moved folder stays whole where it was.
        QCOMPARE(snapshot(env.host(kKilde)), before);
    }

    // A subfolder swapped for a link to a folder elsewhere after its folder was listed: the
    // paste does not follow it, and the move keeps its source.
    void folderSwappedForLinkIsNotFollowed() {
        TestEnvironment env;
        lavKilde(env);
        env.writeFile("D:\\hemmelig\\kode.txt", "hemmelig");
        FaultPoints faults;
        TestEngine e;
        e.windows.askMove = false;
        e.windows.papirkurv = false;
        e.vaelgMappe(kKilde);
        e.funk.CopyElementer();
        e.vaelgMappe(kMaal);
        const QString sub = env.host(kKilde + "\\sub");
        faults.beforeEach = [&](FaultOp op) {
            if (op == FaultOp::Copy && QFileInfo(sub).isDir() && !QFileInfo(sub).isSymLink()) {
                QVERIFY(QDir(sub).removeRecursively());
                QVERIFY(QFile::link(env.host("D:\\hemmelig"), sub));
            }
        };
        env.prompter().expectMessage(kFejl + "\n\nC:\\kilde\\sub kunne ikke læses (er ikke en "
                                             "almindelig fil eller mappe).");
        QCOMPARE(e.funk.PasteElementer(true, 0), -1);
        QVERIFY(!QFileInfo::exists(env.host(kMaal + "\\kilde\\sub\\kode.txt")));
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\a.txt")));
        QCOMPARE(env.readFile("D:\\hemmelig\\kode.txt"), QByteArray("hemmelig"));
    }

    void vanishedFolderClimbsToNearestAncestor() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vaelgMappe(kKilde + "\\sub");
        e.funk.CopyElementer();
        e.vis(kKilde + "\\sub\\dyb");
        e.vaelgMappe(kMaal);
        e.windows.papirkurv = false;
        QCOMPARE(e.funk.PasteElementer(true, 0), 1);
        QCOMPARE(e.funk.Grundmappe(), kKilde);
    }

    void faults_data() {
        QTest::addColumn<Handling>("handling");
        QTest::addColumn<bool>("papirkurv");
        QTest::addColumn<FaultOp>("op");
        QTest::addColumn<QString>("path");
        QTest::addColumn<FileError>("error");
        QTest::addColumn<QString>("reason");

        const auto row = [](const char* name, Handling h, bool trash, FaultOp op, const QString& p,
                            FileError err, const QString& reason) {
            QTest::newRow(name) << h << trash << op << p << err << reason;
        };
        using H = Handling;
        const FileError denied = FileError::AccessDenied;
        row("move folder, a file fails", H::FlytMappe, true, FaultOp::Copy, kKilde + "\\sub\\c.txt",
            denied, "C:\\kilde\\sub\\c.txt kunne ikke kopieres (ingen adgang).");
        row("move folder, disk full", H::FlytMappe, false, FaultOp::Copy, kKilde + "\\b.bin",
            FileError::NoSpace, "C:\\kilde\\b.bin kunne ikke kopieres (der er ikke plads nok).");
        row("move folder, subfolder not made", H::FlytMappe, true, FaultOp::MakeFolder,
            kMaal + "\\kilde\\sub\\dyb", denied,
            "D:\\maal\\kilde\\sub\\dyb kunne ikke oprettes (ingen adgang).");
        row("move folder, target not made", H::FlytMappe, false, FaultOp::MakeFolder,
            kMaal + "\\kilde", denied, "D:\\maal\\kilde kunne ikke oprettes (ingen adgang).");
        row("move folder, subfolder unreadable", H::FlytMappe, true, FaultOp::List,
            kKilde + "\\sub", denied, "C:\\kilde\\sub kunne ikke læses (ingen adgang).");
        row("move folder, trash refuses", H::FlytMappe, true, FaultOp::Trash, kKilde, denied,
            "C:\\kilde kunne ikke slettes efter kopieringen (ingen adgang).");
        row("move folder, delete refused", H::FlytMappe, false, FaultOp::RemoveTree, kKilde, denied,
            "C:\\kilde kunne ikke slettes efter kopieringen (ingen adgang).");
        row("copy folder, a file fails", H::KopierMappe, true, FaultOp::Copy,
            kKilde + "\\sub\\dyb\\d.txt", FileError::ReadFailed,
            "C:\\kilde\\sub\\dyb\\d.txt kunne ikke kopieres (kunne ikke læses).");
        row("move files, one fails", H::FlytFiler, true, FaultOp::Copy, kKilde + "\\b.bin",
            FileError::WriteFailed, "C:\\kilde\\b.bin kunne ikke kopieres (kunne ikke skrives).");
        row("move files, trash refuses", H::FlytFiler, true, FaultOp::Trash, kKilde + "\\a.txt",
            denied, "C:\\kilde\\a.txt kunne ikke slettes efter kopieringen (ingen adgang).");
        row("move files, delete refused", H::FlytFiler, false, FaultOp::RemoveFile,
            kKilde + "\\tom.txt", denied,
            "C:\\kilde\\tom.txt kunne ikke slettes efter kopieringen (ingen adgang).");
        row("copy files, one fails", H::KopierFiler, true, FaultOp::Copy, kKilde + "\\a.txt",
            FileError::NoSpace, "C:\\kilde\\a.txt kunne ikke kopieres (der er ikke plads nok).");
        row("move over existing, one fails", H::FlytOverskriv, true, FaultOp::Copy,
            kKilde + "\\b.bin", FileError::NoSpace,
            "C:\\kilde\\b.bin kunne ikke kopieres (der er ikke plads nok).");
        row("move as copies, one fails", H::FlytKopier, false, FaultOp::Copy,
            kMaal + "\\a Kopi (1).txt", denied,
            "C:\\kilde\\a.txt kunne ikke kopieres (ingen adgang).");
        row("move asking each, one fails", H::FlytSpoerg, true, FaultOp::Copy, kKilde + "\\a.txt",
            denied, "C:\\kilde\\a.txt kunne ikke kopieres (ingen adgang).");
        row("drop, one fails", H::Slip, true, FaultOp::Copy, "C:\\andet\\e.txt", denied,
            "C:\\andet\\e.txt kunne ikke kopieres (ingen adgang).");
    }

    void faults() {
        QFETCH(Handling, handling);
        QFETCH(bool, papirkurv);
        QFETCH(FaultOp, op);
        QFETCH(QString, path);
        QFETCH(FileError, error);
        QFETCH(QString, reason);

        TestEnvironment env;
        lavKilde(env);
        env.writeFile("C:\\andet\\e.txt", "fra andet");
        const bool clash = handling == Handling::FlytOverskriv ||
                           handling == Handling::FlytKopier || handling == Handling::FlytSpoerg;
        if (clash) {
            env.writeFile(kMaal + "\\a.txt", "gammel a");
            env.writeFile(kMaal + "\\b.bin", "gammel b");
        }
        const auto before = snapshot(env.driveFolder('C'));
        const auto destinationBefore = snapshot(env.host(kMaal));
        FaultPoints faults;
        faults.fail(op, path, error);
        TestEngine e;
        e.windows.papirkurv = papirkurv;
        const bool flyt = handling != Handling::KopierMappe && handling != Handling::KopierFiler &&
                          handling != Handling::Slip;
        switch (handling) {
        case Handling::KopierMappe:
        case Handling::FlytMappe:
            e.vaelgMappe(kKilde);
            e.funk.CopyElementer();
            break;
        case Handling::Slip:
            e.funk.InitRegister();
            e.funk.RegisterElements(kKilde + "\\a.txt");
            e.funk.RegisterElements("C:\\andet\\e.txt");
            break;
        default:
            e.vis(kKilde, kFiler);
            e.funk.CopyElementer();
        }
        e.windows.valg = handling == Handling::FlytKopier   ? 3
                         : handling == Handling::FlytSpoerg ? 2
                                                            : 1;
        if (handling == Handling::FlytSpoerg)
            e.windows.svar << true << true;
        e.vis(kMaal);
        env.prompter().expectMessage(kFejl + "\n\n" + reason);
        QCOMPARE(e.funk.PasteElementer(flyt, 0), -1);
        QVERIFY(faults.hits() > 0);

        // Every byte of every source is still in its place or at the destination; a failed
        // copy over an existing file left that file as it was.
        const auto after = snapshot(env.driveFolder('C'));
        const auto destination = snapshot(env.host(kMaal));
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QString name = it.key().section('/', 1);
            const QString base = QFileInfo(name).fileName();
            QVERIFY2(after.value(it.key()) == it.value() || destination.value(name) == it.value() ||
                         destination.value(QStringLiteral("kilde/") + name) == it.value() ||
                         destination.value(base) == it.value() ||
                         destination.value(QStringLiteral("a Kopi (1).txt")) == it.value() ||
                         destination.value(QStringLiteral("b Kopi (1).bin")) == it.value(),
                     qPrintable(it.key()));
        }
        // A source that failed is still in its folder.
        if (op == FaultOp::Copy && path.startsWith("C:"))
            QVERIFY(QFileInfo::exists(env.host(path)));
        if (clash && op == FaultOp::Copy && path.endsWith("b.bin"))
            QCOMPARE(destination.value("b.bin"), destinationBefore.value("b.bin"));
    }
};

RAVNSTI_TEST_MAIN(TestPaste)
#include "tst_paste.moc"
