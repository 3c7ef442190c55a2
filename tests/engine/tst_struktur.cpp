#include "engine/struktur.h"
#include "engine/strukturnode.h"
#include "harness/testenvironment.h"

#include <QFileInfo>

namespace {

const QString kTree = QStringLiteral("C:\\Struktur\\hjaelp\\struktur.txt");
const QString kData = QStringLiteral("C:\\Struktur\\hjaelp\\data.txt");
const QString kInfo = QStringLiteral("C:\\Struktur\\hjaelp\\tekstfiler\\");

// Lines as a file holds them: Windows-1252 (all test texts lie in Latin-1), CR LF.
QByteArray ansi(const QString& lines) {
    return lines.toLatin1();
}
QByteArray utf8Bom(const QString& lines) {
    return "\xEF\xBB\xBF" + lines.toUtf8();
}

QString shapeOf(const QTreeWidgetItem* node) {
    QStringList children;
    for (int i = 0; i < node->childCount(); ++i)
        children.append(shapeOf(node->child(i)));
    return children.isEmpty() ? node->text(0) : node->text(0) + u'(' + children.join(u',') + u')';
}

// "A(B(C),D),E": the texts and nesting of the whole tree.
QString shape(const TStruktur& tree) {
    QStringList top;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        top.append(shapeOf(tree.topLevelItem(i)));
    return top.join(u',');
}

// Every node's data string and image, "2Kapitel:2", "-:0" for a node without data.
QString dataOf(const TStruktur& tree) {
    QStringList all;
    for (const QTreeWidgetItem* node : tree.allNodes())
        all.append(TStrukturNode::nodeData(node).value_or(QStringLiteral("-")) + u':' +
                   QString::number(TStrukturNode::imageIndex(node)));
    return all.join(u'|');
}

QTreeWidgetItem* node(const TStruktur& tree, const QString& text) {
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void setUp(TStruktur& tree, bool dataOn) {
    tree.setStrukturfile(kTree);
    tree.setDatafile(kData);
    tree.setInfomappe(kInfo);
    tree.setDataOn(dataOn);
    tree.resize(300, 400);
    tree.show();
}

bool drag(TStruktur& tree, const QString& from, const QString& to, bool somGrundnode = false) {
    tree.expandAll();
    const QPoint down = tree.visualItemRect(node(tree, from)).center();
    const QPoint up = tree.visualItemRect(node(tree, to)).center();
    tree.MusDown(down.x(), down.y());
    return tree.MusUp(up.x(), up.y(), somGrundnode);
}

const QString kHelpTree = QStringLiteral("Forside\r\n\tKapitel\r\n\tAfsnit\r\nTillæg\r\n");
const QString kHelpData = QStringLiteral("0forside\r\n2Kapitel\r\n5afsnit\r\n3Tillæg\r\n");

} // namespace

class TestStruktur : public QObject {
    Q_OBJECT

private slots:
    void filesRoundTrip_data() {
        QTest::addColumn<QByteArray>("tree");
        QTest::addColumn<QByteArray>("data");
        const QString tree = QStringLiteral("Ærø\r\n\tSøen\r\n\t\tÅen\r\n\tBæk\r\nÉtude\r\n");
        const QString data = QStringLiteral("0forside\r\n2Søen\r\n5åen\r\n3Bæk\r\n9\r\n");
        QTest::newRow("windows-1252") << ansi(tree) << ansi(data);
        QTest::newRow("utf-8 med byte-order mark") << utf8Bom(tree) << utf8Bom(data);
    }
    void filesRoundTrip() {
        TestEnvironment env;
        QFETCH(QByteArray, tree);
        QFETCH(QByteArray, data);
        env.writeFile(kTree, tree);
        env.writeFile(kData, data);
        TStruktur control;
        setUp(control, true);
        QVERIFY(control.HentStruktur());
        QCOMPARE(shape(control), QStringLiteral("Ærø(Søen(Åen),Bæk),Étude"));
        QCOMPARE(dataOf(control), QStringLiteral("0forside:0|2Søen:2|5åen:5|3Bæk:3|9:9"));
        env.writeFile(kTree, {});
        env.writeFile(kData, {});
        QVERIFY(control.GemStruktur());
        QCOMPARE(env.readFile(kTree), tree);
        QCOMPARE(env.readFile(kData), data);

        // Without node data the nodes show no image and the data file is left alone.
        control.setDataOn(false);
        env.writeFile(kData, "x");
        QVERIFY(control.HentStruktur());
        QCOMPARE(dataOf(control), QStringLiteral("-:-1|-:-1|-:-1|-:-1|-:-1"));
        QVERIFY(control.GemStruktur());
        QCOMPARE(env.readFile(kData), QByteArray("x"));
    }

    void missingDataFileGivesDefaultsInMemory() {
        TestEnvironment env;
        env.writeFile(kTree, ansi(kHelpTree));
        TStruktur tree;
        setUp(tree, true);
        QVERIFY(tree.HentStruktur());
        QVERIFY(!QFileInfo::exists(env.host(kData)));
        QVERIFY(!tree.modified());
        QCOMPARE(dataOf(tree), QStringLiteral("0Forside:0|0Kapitel:0|0Afsnit:0|0Tillæg:0"));
        QVERIFY(tree.setSelected(QStringLiteral("C:\\x\\Afsnit.html")));
        QCOMPARE(tree.getTheSelectedIndex(), 2);
    }

    void malformedFilesKeepEveryNode_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("data"); // null: no data file
        QTest::addColumn<QString>("expectedShape");
        QTest::addColumn<QString>("expectedData");
        QTest::addColumn<QString>("problem");    // empty: no message
        QTest::addColumn<QString>("persisting"); // what a save cannot mend
        const QString head = QStringLiteral("Fejl i strukturen \"") + kTree + "\":\n";
        const QString nonDigit = head + "Linje 2 i datafilen begynder ikke med et ciffer: \"xb\".";
        const auto row = [](const char* name, const char* lines, const QString& data,
                            const char* shape, const char* nodes, const QString& problem = {},
                            const QString& persisting = {}) {
            QTest::newRow(name) << QString::fromUtf8(lines) << data << QString::fromUtf8(shape)
                                << QString::fromUtf8(nodes) << problem << persisting;
        };
        row("line two levels deeper", "A\r\n\t\t\tB\r\n\t\tC\r\n\tD\r\n",
            "0a\r\n0b\r\n0c\r\n0d\r\n", "A(B(C),D)", "0a:0|0b:0|0c:0|0d:0",
            head + "Punktet \"B\" står på niveau 3, mere end ét niveau under punktet før. "
                   "Det er sat ind ét niveau under.");
        row("indented first line", "\t\tA\r\nB\r\n", "1a\r\n2b\r\n", "A,B", "1a:1|2b:2");
        row("blank lines", "\r\nA\r\n\r\n\tB\r\n \t\r\n", "0a\r\n0b\r\n", "A(B)", "0a:0|0b:0");
        row("short data file", "A\r\n\tB\r\nC\r\n", "1a\r\n", "A(B),C", "1a:1|-:0|-:0",
            head + "Datafilen har kun data til 1 af strukturens 3 punkter. De øvrige punkter "
                   "har ingen data.");
        row("long data file", "A\r\nB\r\n", "1a\r\n2b\r\n3c\r\n", "A,B", "1a:1|2b:2");
        row("empty data line", "A\r\nB\r\n", "1a\r\n\r\n", "A,B", "1a:1|-:0",
            head + "Linje 2 i datafilen er tom.");
        row("non-digit data line", "A\r\nB\r\n", "1a\r\nxb\r\n", "A,B", "1a:1|xb:0", nonDigit,
            nonDigit);
        row("empty tree, no data file", "", QString(), "", "");
    }
    void malformedFilesKeepEveryNode() {
        TestEnvironment env;
        QFETCH(QString, lines);
        QFETCH(QString, data);
        QFETCH(QString, expectedShape);
        QFETCH(QString, expectedData);
        QFETCH(QString, problem);
        QFETCH(QString, persisting);
        env.writeFile(kTree, ansi(lines));
        if (!data.isNull())
            env.writeFile(kData, ansi(data));
        TStruktur tree;
        setUp(tree, true);
        if (!problem.isEmpty())
            env.prompter().expectMessage(problem);
        QCOMPARE(tree.HentStruktur(), problem.isEmpty() && !expectedShape.isEmpty());
        QCOMPARE(shape(tree), expectedShape);
        QCOMPARE(dataOf(tree), expectedData);
        QCOMPARE(tree.modified(), !problem.isEmpty());

        // What was kept is saved whole: a second load gives the same lines.
        if (expectedShape.isEmpty())
            return;
        const QStringList treeLines = tree.strukturLinjer();
        const QStringList dataLines = tree.dataLinjer();
        QVERIFY(tree.GemStruktur());
        if (!persisting.isEmpty())
            env.prompter().expectMessage(persisting);
        QCOMPARE(tree.HentStruktur(), persisting.isEmpty());
        QCOMPARE(tree.strukturLinjer(), treeLines);
        QCOMPARE(tree.dataLinjer(), dataLines);
    }

    void findByKeyAfterDrag() {
        TestEnvironment env;
        env.writeFile(kTree, ansi(kHelpTree));
        env.writeFile(kData, ansi(kHelpData));
        TStruktur tree;
        setUp(tree, true);
        QVERIFY(tree.HentStruktur());
        tree.setFlytmode(TStruktur::naAddChild);
        QVERIFY(drag(tree, QStringLiteral("Tillæg"), QStringLiteral("Kapitel")));
        QCOMPARE(shape(tree), QStringLiteral("Forside(Kapitel(Tillæg),Afsnit)"));
        QVERIFY(tree.modified());
        QVERIFY(tree.setSelected(QStringLiteral("C:\\x\\Tillæg.html")));
        QCOMPARE(tree.getTheSelectedIndex(), 2);

        tree.setFlytmode(TStruktur::naInsert);
        QVERIFY(drag(tree, QStringLiteral("Afsnit"), QStringLiteral("Kapitel")));
        QVERIFY(drag(tree, QStringLiteral("Kapitel"), QStringLiteral("Afsnit"), true));
        QCOMPARE(shape(tree), QStringLiteral("Kapitel(Tillæg),Forside(Afsnit)"));
        QVERIFY(node(tree, QStringLiteral("Kapitel"))->isExpanded());
        QCOMPARE(tree.getTheSelectedIndex(), 1); // Tillæg moved with its parent

        // The data travels with its node through a save and a load.
        QVERIFY(tree.GemStruktur());
        QVERIFY(tree.HentStruktur());
        QCOMPARE(tree.getNodeTekst(QStringLiteral("afsnit.html")), QStringLiteral("Afsnit"));
        QCOMPARE(tree.getTheSelectedIndex(), 3);
        QCOMPARE(dataOf(tree), QStringLiteral("2Kapitel:2|3Tillæg:3|0forside:0|5afsnit:5"));
    }

    void dropInsideOwnSubtreeRefused() {
        TestEnvironment env;
        env.writeFile(kTree, ansi(QStringLiteral("Forside\r\nA\r\n\tB\r\n\t\tC\r\n")));
        TStruktur tree;
        setUp(tree, false);
        QVERIFY(tree.HentStruktur());
        for (const auto mode : {TStruktur::naAdd, TStruktur::naAddChild, TStruktur::naInsert}) {
            tree.setFlytmode(mode);
            QVERIFY(!drag(tree, QStringLiteral("A"), QStringLiteral("C")));
            QVERIFY(!drag(tree, QStringLiteral("A"), QStringLiteral("B"), true));
            QVERIFY(!drag(tree, QStringLiteral("B"), QStringLiteral("B")));
            QVERIFY(!drag(tree, QStringLiteral("Forside"), QStringLiteral("C")));
        }
        QCOMPARE(shape(tree), QStringLiteral("Forside,A(B(C))"));
        QVERIFY(!tree.modified());

        // A second press cancels the drag under way.
        const QPoint a = tree.visualItemRect(node(tree, QStringLiteral("A"))).center();
        const QPoint forside = tree.visualItemRect(tree.topLevelItem(0)).center();
        tree.MusDown(a.x(), a.y());
        QCOMPARE(tree.viewport()->cursor().shape(), Qt::PointingHandCursor);
        tree.MusDown(forside.x(), forside.y());
        QCOMPARE(tree.viewport()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!tree.MusUp(forside.x(), forside.y(), false));
    }

    void nyNodeAttachModes_data() {
        QTest::addColumn<TStruktur::TNodeAttachMode>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("naAdd") << TStruktur::naAdd << "A(B(X),C,P),D";
        QTest::newRow("naAddFirst") << TStruktur::naAddFirst << "A(P,B(X),C),D";
        QTest::newRow("naAddChild") << TStruktur::naAddChild << "A(B(X,P),C),D";
        QTest::newRow("naAddChildFirst") << TStruktur::naAddChildFirst << "A(B(P,X),C),D";
        QTest::newRow("naInsert") << TStruktur::naInsert << "A(P,B(X),C),D";
    }
    void nyNodeAttachModes() {
        TestEnvironment env;
        QFETCH(TStruktur::TNodeAttachMode, mode);
        QFETCH(QString, expected);
        const QByteArray file = ansi(QStringLiteral("A\r\n\tB\r\n\t\tX\r\n\tC\r\nD\r\n"));
        env.writeFile(kTree, file);
        TStruktur tree;
        setUp(tree, true);
        QVERIFY(tree.HentStruktur());
        tree.setCurrentItem(node(tree, QStringLiteral("B")));
        tree.setFlytmode(mode);
        QVERIFY(tree.NyNode(QStringLiteral("P"), QStringLiteral("p"), 3, false, false));
        QCOMPARE(shape(tree), expected);
        QCOMPARE(TStrukturNode::nodeData(node(tree, QStringLiteral("P"))), QStringLiteral("3p"));
        QCOMPARE(TStrukturNode::imageIndex(node(tree, QStringLiteral("P"))), 3);
        QVERIFY(tree.modified());
        QCOMPARE(env.readFile(kTree), file);
    }

    void nyNodeKeepsTreeFileReadable() {
        TestEnvironment env;
        env.writeFile(kTree, ansi(QStringLiteral("Zebra\r\n\tØl\r\n\tAbe\r\n")));
        TStruktur tree;
        setUp(tree, true);
        QVERIFY(tree.HentStruktur());
        QVERIFY(!tree.NyNode(QStringLiteral(" \t"), QStringLiteral("x"), 1, false, false));
        QVERIFY(!tree.NyNode(QStringLiteral("Tolv"), QStringLiteral("x"), 12, false, false));
        QVERIFY(
            tree.NyNode(QStringLiteral("\tÅen\r\nløber"), QStringLiteral("å\ne"), 1, true, true));
        QVERIFY(tree.NyNode(QStringLiteral("Ærø"), QStringLiteral("ærø"), 2, true, true));
        QCOMPARE(shape(tree), QStringLiteral("Zebra(Abe,Øl),Ærø,Åen løber"));
        QVERIFY(tree.modified()); // sorting does not save
        QVERIFY(tree.GemStruktur());
        QVERIFY(tree.HentStruktur());
        QCOMPARE(shape(tree), QStringLiteral("Zebra(Abe,Øl),Ærø,Åen løber"));
        QCOMPARE(TStrukturNode::nodeData(node(tree, QStringLiteral("Åen løber"))),
                 QStringLiteral("1å e"));

        // A save that fails leaves the tree marked as changed.
        tree.setStrukturfile(QStringLiteral("Q:\\struktur.txt"));
        tree.setDataOn(false);
        env.prompter().expectMessage(QStringLiteral("Filen \"Q:\\struktur.txt\" kunne ikke "
                                                    "gemmes."));
        QVERIFY(tree.NyNode(QStringLiteral("Ny"), {}, 0, false, true));
        QVERIFY(tree.modified());
        tree.setDataOn(true);
        tree.setDatafile({});
        QVERIFY(!tree.GemStruktur());
    }

    void lookupsByKey() {
        TestEnvironment env;
        env.writeFile(kTree, ansi(kHelpTree));
        env.writeFile(kData, ansi(kHelpData));
        TStruktur tree;
        setUp(tree, true);
        QVERIFY(tree.HentStruktur());
        QVERIFY(tree.setSelected(QStringLiteral("C:\\info\\Kapitel.html")));
        QVERIFY(!tree.setSelected(QStringLiteral("file:///C:/info/Kapitel.html")));
        QCOMPARE(tree.SelectedData(), QStringLiteral("Kapitel"));
        QCOMPARE(tree.InfoFilnavn(QStringLiteral("txt")), kInfo + "ForsideKapitel.txt");
        QVERIFY(!tree.setSelected(QStringLiteral("kapitel.html")));
        QVERIFY(tree.getNodeTekst(QStringLiteral("Afsnit")).isEmpty());
        QCOMPARE(tree.getNodeTekst(QStringLiteral("afsnit.htm")), QStringLiteral("Afsnit"));
        QCOMPARE(tree.getTheSelectedIndex(), 2);
        tree.clearSelection();
        QCOMPARE(tree.getTheSelectedIndex(), -1);
        tree.setDataOn(false);
        QVERIFY(!tree.setSelected(QStringLiteral("Tillæg.html")));
    }

    void sletNodeMovesPagesToTheBin() {
        TestEnvironment env;
        env.writeFile(kTree, ansi(QStringLiteral("Forside\r\nN\r\n\tC\r\n\t\tG\r\n\tU\r\n")));
        env.writeFile(kData, ansi(QStringLiteral("0forside\r\n0n\r\n0c\r\n0g\r\n0..\\u\r\n")));
        for (const char* page : {"n", "c", "g"})
            env.writeFile(kInfo + page + ".html", "<p>");
        env.writeFile(QStringLiteral("C:\\Struktur\\hjaelp\\u.html"), "<p>");
        TStruktur tree;
        setUp(tree, true);
        QVERIFY(tree.HentStruktur());
        tree.setCurrentItem(node(tree, QStringLiteral("N")));
        tree.SletNode();
        QCOMPARE(shape(tree), QStringLiteral("Forside"));
        QVERIFY(tree.modified());
        QVERIFY(!QFileInfo::exists(env.host(kInfo + "n.html")));
        QVERIFY(!QFileInfo::exists(env.host(kInfo + "c.html")));
        QVERIFY(QFileInfo::exists(env.base() + "/data/Trash/files/c.html"));
        QVERIFY(QFileInfo::exists(env.host(kInfo + "g.html")));
        // A key that names a file outside the info folder is never followed.
        QVERIFY(QFileInfo::exists(env.host(QStringLiteral("C:\\Struktur\\hjaelp\\u.html"))));
    }
};

RAVNSTI_TEST_MAIN(TestStruktur)
#include "tst_struktur.moc"
