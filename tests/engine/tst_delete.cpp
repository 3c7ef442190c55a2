#include "engine/strukturitem.h"
#include "harness/faultpoints.h"
#include "harness/testengine.h"
#include "harness/testenvironment.h"

#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kKilde = QStringLiteral("C:\\kilde");

// C:\kilde with two files, a subfolder with two files of its own and a link out of it.
void lavKilde(TestEnvironment& env) {
    env.writeFile(kKilde + "\\a.txt", "første");
    env.writeFile(kKilde + "\\b.txt", QByteArray(5000, 'b'));
    env.writeFile(kKilde + "\\sub\\c.txt", "tredje");
    env.writeFile(kKilde + "\\sub\\dyb\\d.txt", "fjerde");
    env.writeFile("D:\\andet\\bevar.txt", "uden for");
    QFile::link(env.host("D:\\andet"), env.host(kKilde + "\\sub\\ud"));
}

QString trashFiles(const TestEnvironment& env) {
    return env.base() + "/data/Trash/files";
}

} // namespace

Q_DECLARE_METATYPE(FaultOp)

class TestDelete : public QObject {
    Q_OBJECT

private slots:
    void deleteCountsAndTexts() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde, {"a.txt", "b.txt", "sub"});
        QCOMPARE(e.funk.DeleteElementer(true), 3);
        const Bekraeftelse& spm = e.windows.bekraeftelser.last();
        QCOMPARE(spm.caption, QStringLiteral("Sletning af elementer"));
        QCOMPARE(spm.question, QStringLiteral("Skal valgte elementer Slettes?"));
        QCOMPARE(spm.picture, 4);
        QStringList files = spm.files;
        files.sort();
        QCOMPARE(files, QStringList({"a.txt", "b.txt"}));
        QCOMPARE(spm.folders, QStringList({"sub"}));
        QCOMPARE(spm.source, kKilde);
        QCOMPARE(spm.destination, QStringLiteral("Papirkurv"));
        // 6 + 5000 + the folder's 12 bytes (the link counts as one, not what it points at).
        QCOMPARE(e.windows.info("Der slettes"), QStringLiteral("Der slettes 3 elementer: 4,90 KB"));
        QCOMPARE(e.windows.visninger.last().procent, 100);
        QCOMPARE(e.funk.antalGrundmapper() + e.funk.antalGrundfiler(), 0);
        QVERIFY(QFileInfo::exists(trashFiles(env) + "/sub/dyb/d.txt"));
        QVERIFY(QFileInfo(trashFiles(env) + "/sub/ud").isSymLink());
        QCOMPARE(env.readFile("D:\\andet\\bevar.txt"), QByteArray("uden for"));

        // Declined or switched off, and permanently.
        env.writeFile(kKilde + "\\e.txt", "x");
        e.vis(kKilde, {"e.txt"});
        e.windows.bekraeftSvar = false;
        QCOMPARE(e.funk.DeleteElementer(false), 0);
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\e.txt")));
        e.windows.askDelete = false;
        const int shown = int(e.windows.bekraeftelser.size());
        QCOMPARE(e.funk.DeleteElementer(false), 1);
        QCOMPARE(e.windows.bekraeftelser.size(), shown);
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\e.txt")));
        QVERIFY(!QFileInfo::exists(trashFiles(env) + "/e.txt"));

        e.vis(kKilde);
        env.prompter().expectMessage("Der er ikke valgt elementer til sletning.");
        QCOMPARE(e.funk.DeleteElementer(true), 0);
    }

    void deletingTheShownFolderClimbs() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde + "\\sub\\dyb");
        e.vaelgMappe(kKilde + "\\sub");
        e.windows.askDelete = false;
        QCOMPARE(e.funk.DeleteElementer(false), 1);
        QCOMPARE(e.funk.Grundmappe(), kKilde);
        QCOMPARE(e.funk.antalGrundfiler(), 2);
        QCOMPARE(env.readFile("D:\\andet\\bevar.txt"), QByteArray("uden for"));

        e.vaelgMappe("C:");
        env.prompter().expectMessage(e.dirbox.currentItem()->text() + "\nmå ikke slettes.");
        QCOMPARE(e.funk.DeleteElementer(false), 0);
    }

    void deleteFaults_data() {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<bool>("papirkurv");
        QTest::addColumn<FaultOp>("op");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("result");
        QTest::newRow("folder to trash")
            << QStringList({"sub"}) << true << FaultOp::Trash << kKilde + "\\sub" << -1;
        QTest::newRow("folder permanently")
            << QStringList({"sub"}) << false << FaultOp::RemoveTree << kKilde + "\\sub" << -1;
        QTest::newRow("mixed to trash") << QStringList({"sub", "a.txt", "b.txt"}) << true
                                        << FaultOp::Trash << kKilde + "\\b.txt" << 2;
        QTest::newRow("files permanently") << QStringList({"a.txt", "b.txt"}) << false
                                           << FaultOp::RemoveFile << kKilde + "\\a.txt" << 1;
    }

    void deleteFaults() {
        QFETCH(QStringList, selection);
        QFETCH(bool, papirkurv);
        QFETCH(FaultOp, op);
        QFETCH(QString, path);
        QFETCH(int, result);
        TestEnvironment env;
        lavKilde(env);
        const auto kept = snapshot(env.host(path));
        FaultPoints faults;
        faults.fail(op, path);
        TestEngine e;
        e.vis(kKilde, selection);
        env.prompter().expectMessage("Der er opstået en fejl.\n\n" + path +
                                     " kunne ikke slettes (ingen adgang).");
        QCOMPARE(e.funk.DeleteElementer(papirkurv), result);
        QCOMPARE(snapshot(env.host(path)), kept);
        QVERIFY(QFileInfo::exists(env.host(path)));
    }

    // "Annuller" while a folder goes: what was selected after it stays.
    void stoppedDeleteKeepsTheRest() {
        TestEnvironment env;
        lavKilde(env);
        FaultPoints faults;
        TestEngine e;
        e.windows.askDelete = false;
        e.vis(kKilde, {"sub", "a.txt", "b.txt"});
        faults.beforeEach = [&](FaultOp op) {
            if (op == FaultOp::RemoveTree)
                e.windows.annuller = true;
        };
        QCOMPARE(e.funk.DeleteElementer(false), 1);
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\sub")));
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\a.txt")));
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\b.txt")));
    }

    void renameFiles() {
        TestEnvironment env;
        lavKilde(env);
        env.writeFile(kKilde + "\\brev.txt", "brev");
        TestEngine e;
        e.vis(kKilde, {"brev.txt"});
        StrukturItem* node = e.node("brev.txt");
        QCOMPARE(e.funk.RenameNode(node, "brev.txt", "brev2", false), QStringLiteral("brev2.txt"));
        QCOMPARE(env.readFile(kKilde + "\\brev2.txt"), QByteArray("brev"));
        QCOMPARE(StrukturItem::recOf(node)->filnavn, kKilde + "\\brev2.txt");
        QCOMPARE(e.funk.Filnavn(), kKilde + "\\brev2.txt");
        // Only the case changes: renamed in place.
        QCOMPARE(e.funk.RenameNode(node, "brev2.txt", "BREV2.txt", false),
                 QStringLiteral("BREV2.txt"));
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\BREV2.txt")));
        // Onto an existing name: the first free one.
        QCOMPARE(e.funk.RenameNode(node, "BREV2.txt", "a.txt", false), QStringLiteral("a (1).txt"));
        QCOMPARE(env.readFile(kKilde + "\\a.txt"), QByteArray("første"));
        // A case-only change onto another file that has exactly that name is a clash too.
        e.vis(kKilde, {"a.txt"});
        env.writeFile(kKilde + "\\A.txt", "et andet A");
        QCOMPARE(e.funk.RenameNode(e.node("a.txt"), "a.txt", "A.txt", false),
                 QStringLiteral("A (1).txt"));
        QCOMPARE(env.readFile(kKilde + "\\A.txt"), QByteArray("et andet A"));
        QCOMPARE(env.readFile(kKilde + "\\A (1).txt"), QByteArray("første"));
    }

    void renameRefusesBadNames_data() {
        QTest::addColumn<QString>("name");
        for (const char* bad :
             {"", ".", "..", "a/b", "a\\b", "c:d", "e*", "f?", "g\"", "h<", "i>", "j|"})
            QTest::newRow(bad) << QString::fromLatin1(bad);
        QTest::newRow("control") << QStringLiteral("k\nl");
    }

    void renameRefusesBadNames() {
        QFETCH(QString, name);
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde, {"a.txt"});
        const auto before = snapshot(env.host(kKilde));
        env.prompter().expectMessage(QStringLiteral("\"%1\" kan ikke bruges som navn.\nEt navn "
                                                    "må ikke være tomt, \".\" eller \"..\" og må "
                                                    "ikke indeholde tegnene \\ / : * ? \" < > | "
                                                    "eller styretegn.")
                                         .arg(name));
        QCOMPARE(e.funk.RenameNode(e.node("a.txt"), "a.txt", name, false), QStringLiteral("a.txt"));
        QCOMPARE(snapshot(env.host(kKilde)), before);
    }

    // Entries whose names have no logical form: a real backslash beside the folder its text
    // would lead to, bytes that are not UTF-8 beside the file their text shows, a line break.
    // No operation may act on them, nor on what their texts would name.
    void namesWithoutLogicalFormAreRefused() {
        TestEnvironment env;
        env.writeFile(kKilde + "\\back\\slash", "i mappen back");
        env.writeFile(kKilde + QStringLiteral("\\\uFFFD\uFFFD"), "erstatningstegn");
        const QString host = env.host(kKilde) + QLatin1Char('/');
        for (const QByteArray& name :
             {QByteArray("back\\slash"), QByteArray("\xFF\xFE"), QByteArray("linje\nskift")}) {
            const int fd = ::open((QFile::encodeName(host) + name).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL, 0600);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, name.constData(), size_t(name.size())), ssize_t(name.size()));
            ::close(fd);
        }
        const auto before = snapshot(env.host(kKilde));
        const QString why = QStringLiteral(
            "Dette element kan ikke bruges af programmet, fordi navnet indeholder en omvendt "
            "skråstreg, et linjeskift eller tegn, der ikke kan læses:\n\n");
        TestEngine e;
        const auto unusableNodes = [&e] {
            QList<StrukturItem*> nodes;
            for (int i = 0; i < e.filbox.topLevelItemCount(); ++i)
                if (StrukturItem::recOf(e.filbox.topLevelItem(i))->unusable())
                    nodes.append(e.filbox.topLevelItem(i));
            return nodes;
        };
        e.vis(kKilde);
        const QList<StrukturItem*> unusable = unusableNodes();
        QCOMPARE(unusable.size(), 3);
        for (StrukturItem* node : unusable) {
            const QString text = node->text();
            env.prompter().expectMessage(why + text);
            QCOMPARE(e.funk.RenameNode(node, text, "nyt navn", false), text);
            e.filbox.clearSelection();
            node->setSelected(true);
            e.filbox.setCurrentItem(node);
            env.prompter().expectMessage(why + text);
            QCOMPARE(e.funk.CopyElementer(), 0);
            env.prompter().expectMessage(why + text);
            QCOMPARE(e.funk.DeleteElementer(false), 0);
            QCOMPARE(snapshot(env.host(kKilde)), before);
        }
        // Chosen with a usable file, the usable one is deleted after the message.
        e.vis(kKilde, {"back"});
        StrukturItem* odd = unusableNodes().first();
        odd->setSelected(true);
        env.prompter().expectMessage(why + odd->text());
        QCOMPARE(e.funk.DeleteElementer(false), 1);
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\back")));
        QCOMPARE(env.readFile(kKilde + QStringLiteral("\\\uFFFD\uFFFD")), "erstatningstegn");
        QVERIFY(QFileInfo::exists(host + QStringLiteral("back\\slash")));
    }

    void renameFolders() {
        TestEnvironment env;
        lavKilde(env);
        env.makeFolder(kKilde + "\\andet");
        TestEngine e;
        // In the file pane, onto a sibling's name.
        e.vis(kKilde, {"sub"});
        QCOMPARE(e.funk.RenameNode(e.node("sub"), "sub", "andet", false),
                 QStringLiteral("andet (1)"));
        QVERIFY(QFileInfo::exists(env.host(kKilde + "\\andet (1)\\dyb\\d.txt")));
        // In the folder tree: Dirmappe and the file pane follow.
        e.vaelgMappe(kKilde + "\\andet (1)");
        QCOMPARE(e.funk.RenameNode(e.dirbox.currentItem(), "andet (1)", "ny", false),
                 QStringLiteral("ny"));
        QCOMPARE(e.funk.Dirmappe(), kKilde + "\\ny");
        QCOMPARE(e.funk.Grundmappe(), kKilde + "\\ny");
        QCOMPARE(StrukturItem::recOf(e.dirbox.currentItem())->mappe, kKilde + "\\ny");
        // A drive is no rename matter.
        e.vaelgMappe("C:");
        QCOMPARE(e.funk.RenameNode(e.dirbox.currentItem(), "x", "y", false), QStringLiteral("x"));
    }

    void renameFaults() {
        TestEnvironment env;
        lavKilde(env);
        const auto before = snapshot(env.host(kKilde));
        FaultPoints faults;
        faults.fail(FaultOp::Rename, kKilde);
        TestEngine e;
        e.vis(kKilde, {"a.txt"});
        QCOMPARE(e.funk.RenameNode(e.node("a.txt"), "a.txt", "z.txt", false),
                 QStringLiteral("a.txt"));
        e.vaelgMappe(kKilde + "\\sub");
        QCOMPARE(e.funk.RenameNode(e.dirbox.currentItem(), "sub", "z", false),
                 QStringLiteral("sub"));
        QCOMPARE(faults.hits(), 2);
        QCOMPARE(snapshot(env.host(kKilde)), before);
    }

    void newFolder() {
        TestEnvironment env;
        lavKilde(env);
        env.makeFolder(kKilde + "\\Ny mappe");
        TestEngine e;
        e.filbox.show();
        QVERIFY(e.funk.NyMappe(kKilde));
        QVERIFY(QFileInfo(env.host(kKilde + "\\Ny mappe (1)")).isDir());
        QCOMPARE(e.funk.AktiveStruktur(), 2);
        QCOMPARE(e.filbox.currentItem()->text(), QStringLiteral("Ny mappe (1)"));
        QVERIFY(e.filbox.findChild<QLineEdit*>()); // the in-place editor is open
        // Keeping the proposed name is still a rename of the new folder, and harmless.
        QCOMPARE(e.funk.RenameNode(e.filbox.currentItem(), "Ny mappe (1)", "Ny mappe (1)", true),
                 QStringLiteral("Ny mappe (1)"));

        FaultPoints faults;
        faults.fail(FaultOp::MakeFolder, kKilde + "\\sub");
        env.prompter().expectMessage("Der kunne ikke oprettes en ny mappe.\nDer opstod en fejl.");
        QVERIFY(!e.funk.NyMappe(kKilde + "\\sub"));
        QVERIFY(!QFileInfo::exists(env.host(kKilde + "\\sub\\Ny mappe")));
    }

    void renameExtension() {
        TestEnvironment env;
        env.writeFile("C:\\web\\a.htm", "a");
        env.writeFile("C:\\web\\sub\\b.HTM", "b");
        env.writeFile("C:\\web\\c.html", "c");
        env.writeFile("C:\\web\\x.htm", "x");
        env.writeFile("C:\\web\\x.html", "optaget");
        env.writeFile("D:\\ude\\u.htm", "u");
        QFile::link(env.host("D:\\ude"), env.host("C:\\web\\link"));
        TestEngine e;
        e.vis("C:\\web");
        QCOMPARE(e.funk.RenameExt("C:\\web", ".htm", ".html"), 2);
        QCOMPARE(env.readFile("C:\\web\\a.html"), QByteArray("a"));
        QCOMPARE(env.readFile("C:\\web\\sub\\b.html"), QByteArray("b"));
        QCOMPARE(env.readFile("C:\\web\\c.html"), QByteArray("c"));
        // The taken name leaves x.htm alone; the link is not followed.
        QCOMPARE(env.readFile("C:\\web\\x.htm"), QByteArray("x"));
        QCOMPARE(env.readFile("C:\\web\\x.html"), QByteArray("optaget"));
        QVERIFY(QFileInfo::exists(env.host("D:\\ude\\u.htm")));
        // The host may leave out the dot.
        QCOMPARE(e.funk.RenameExt("C:\\web", ".html", "txt"), 4);
        QVERIFY(QFileInfo::exists(env.host("C:\\web\\sub\\b.txt")));
    }

    void renameExtensionRefusesBadTypes_data() {
        QTest::addColumn<QString>("oldExt");
        QTest::addColumn<QString>("newExt");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << ".txt"
                               << ""
                               << "";
        QTest::newRow("dot") << ".txt"
                             << "."
                             << ".";
        QTest::newRow("star") << ".txt"
                              << ".t*t"
                              << ".t*t";
        QTest::newRow("slash") << ".txt"
                               << "./x"
                               << "./x";
        QTest::newRow("colon") << ".txt"
                               << ".a:b"
                               << ".a:b";
        QTest::newRow("no old type") << ""
                                     << ".md"
                                     << "";
        QTest::newRow("old wildcard") << ".*"
                                      << ".md"
                                      << ".*";
    }

    void renameExtensionRefusesBadTypes() {
        QFETCH(QString, oldExt);
        QFETCH(QString, newExt);
        QFETCH(QString, shown);
        TestEnvironment env;
        lavKilde(env);
        const auto before = snapshot(env.host(kKilde));
        TestEngine e;
        env.prompter().expectMessage(QStringLiteral("Filtypen \"%1\" kan ikke bruges.\nEn "
                                                    "filtype skal begynde med et punktum, må "
                                                    "ikke være tom og må ikke indeholde tegnene "
                                                    "\\ / : * ? \" < > |")
                                         .arg(shown));
        QCOMPARE(e.funk.RenameExt(kKilde, oldExt, newExt), -1);
        QCOMPARE(snapshot(env.host(kKilde)), before);
    }

    void renameExtensionFault() {
        TestEnvironment env;
        lavKilde(env);
        FaultPoints faults;
        faults.fail(FaultOp::Rename, kKilde + "\\sub\\c.txt");
        TestEngine e;
        e.vis(kKilde);
        env.prompter().expectMessage("Der er opstået en fejl.\n\nC:\\kilde\\sub\\c.txt kunne ikke "
                                     "omdøbes (ingen adgang).");
        QCOMPARE(e.funk.RenameExt(kKilde, ".txt", ".md"), 3);
        QCOMPARE(env.readFile(kKilde + "\\sub\\c.txt"), QByteArray("tredje"));
        QCOMPARE(env.readFile(kKilde + "\\sub\\dyb\\d.md"), QByteArray("fjerde"));
    }

    void selectionCommands() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde);
        QCOMPARE(e.funk.getStrukturSitNo(), THandlinger::IntetValgt);
        e.funk.SelectMapperFiler(THandlinger::MarkerInvers);
        QCOMPARE(e.filbox.selectedItems().size(), 3);
        e.funk.SelectMapperFiler(THandlinger::MarkerInvers);
        QCOMPARE(e.filbox.selectedItems().size(), 0);
        e.vis(kKilde, {"a.txt"});
        e.funk.SelectMapperFiler(THandlinger::MarkerInvers);
        QCOMPARE(e.filbox.selectedItems().size(), 2);
        QVERIFY(!e.node("a.txt")->isSelected());
        e.funk.selectFile(kKilde + "\\A.TXT");
        QCOMPARE(e.filbox.selectedItems(), QList<StrukturItem*>({e.node("a.txt")}));
        QCOMPARE(e.funk.Filnavn(), kKilde + "\\a.txt");
        e.filbox.setCurrentItem(e.node("a.txt"));
        QCOMPARE(e.funk.getStrukturSitNo(), THandlinger::FilValgt);
        e.funk.SelectMapperFiler(THandlinger::MarkerIngen);
        QVERIFY(e.funk.Filnavn().isEmpty());
        QVERIFY(e.filbox.selectedItems().isEmpty());
    }

    void emptyTrash() {
        TestEnvironment env;
        lavKilde(env);
        TestEngine e;
        e.vis(kKilde, {"a.txt"});
        e.windows.askDelete = false;
        QCOMPARE(e.funk.DeleteElementer(true), 1);
        QVERIFY(Platform::recycleBin().hasItems('C'));
        env.prompter().answer(false);
        QCOMPARE(e.funk.EmptyRecycleBin(true, "C:\\"), 1);
        QVERIFY(Platform::recycleBin().hasItems('C'));
        {
            FaultPoints faults;
            faults.fail(FaultOp::EmptyTrash, "C:");
            env.prompter().expectMessage("Papirkurven kunne ikke tømmes.");
            QCOMPARE(e.funk.EmptyRecycleBin(false, "C:\\"), -1);
            QVERIFY(Platform::recycleBin().hasItems('C'));
        }
        QCOMPARE(e.funk.EmptyRecycleBin(false, "C:\\"), 0);
        QVERIFY(!Platform::recycleBin().hasItems('C'));
    }
};

RAVNSTI_TEST_MAIN(TestDelete)
#include "tst_delete.moc"
