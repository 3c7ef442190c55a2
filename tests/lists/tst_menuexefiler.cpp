#include "harness/testenvironment.h"
#include "lists/menuexefiler.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

namespace {

const QString kListe = QStringLiteral("D:\\ProgItem.txt");

QStringList captions(const TMenuExeFiler& liste) {
    QStringList out;
    for (const TProgRec& rec : liste.programmer())
        out << rec.Caption;
    return out;
}

} // namespace

class TestMenuExeFiler : public QObject {
    Q_OBJECT

private slots:
    // A count that is no number or promises more than the file holds gives the whole
    // programs there are; nothing crashes and nothing is said.
    void damagedListsGiveTheirCompletePrograms_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        const QByteArray two = "A\r\nD:\\a\r\n\r\n1\r\nB\r\nD:\\b\r\n\r\n3\r\n";
        QTest::newRow("whole") << "2\r\n" + two << QStringList{"A", "B"};
        QTest::newRow("promises more") << "5\r\n" + two + "C\r\nD:\\c\r\n" << QStringList{"A", "B"};
        QTest::newRow("count no number") << "to\r\n" + two << QStringList{};
        QTest::newRow("empty") << QByteArray() << QStringList{};
    }

    void damagedListsGiveTheirCompletePrograms() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        TestEnvironment env;
        env.writeFile(kListe, file);
        TMenuExeFiler liste;
        liste.setItemfile(kListe);
        liste.HentProgrammer();
        QCOMPARE(captions(liste), expected);
        QVERIFY(env.prompter().shown().isEmpty());
    }

    // The menu leaves out a program that is not there; each item starts its own program,
    // and the order written is the order shown, a program on a missing drive kept.
    void menuItemsStandForTheirOwnPrograms() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\a"), "");
        env.writeFile(QStringLiteral("D:\\c"), "");
        env.writeFile(kListe, "3\r\nA\r\nD:\\a\r\n\r\n1\r\nB\r\nE:\\b\r\n\r\n3\r\nC\r\nD:\\c\r\n"
                              "\r\n1\r\n");
        QMenu menu;
        TMenuExeFiler liste;
        liste.setItemfile(kListe);
        liste.setMainItem(&menu);
        liste.HentProgrammer();
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions().at(1)->text(), QStringLiteral("C"));
        QSignalSpy started(&liste, &TMenuExeFiler::OnParam);
        menu.actions().at(1)->trigger();
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.first().first().toInt(), 2);
        QCOMPARE(liste.AktuelleProgram(), QStringLiteral("D:\\c"));

        QVERIFY(liste.flytOp(2));
        QCOMPARE(captions(liste), (QStringList{"A", "C", "B"}));
        QCOMPARE(menu.actions().at(1)->text(), QStringLiteral("C"));
        menu.actions().at(1)->trigger();
        QCOMPARE(started.last().first().toInt(), 1);
        QVERIFY(!liste.flytOp(0));
        QVERIFY(!liste.flytNed(2));
        QVERIFY(liste.GemProgrammer());
        QCOMPARE(env.readFile(kListe), QByteArray("3\r\nA\r\nD:\\a\r\n\r\n1\r\nC\r\nD:\\c\r\n\r\n1"
                                                  "\r\nB\r\nE:\\b\r\n\r\n3\r\n"));
        QCOMPARE(liste.getAktuelleCaption(), QStringLiteral("C"));
        liste.setAktuelleProgram(QStringLiteral("d:\\A"));
        QCOMPARE(liste.getAktuelleCaption(), QStringLiteral("A"));
        QVERIFY(liste.findes(QStringLiteral("e:\\B")));
    }

    // A program chosen after its file went is removed only when the user says so.
    void vanishedProgramLeavesOnlyWhenAsked() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\a"), "");
        TMenuExeFiler liste;
        liste.setItemfile(kListe);
        liste.InsertItem(QStringLiteral("D:\\a"), QStringLiteral("A"), {}, 1);
        liste.InsertItem(QStringLiteral("D:\\væk"), QStringLiteral("Væk"), {}, 1);
        QSignalSpy started(&liste, &TMenuExeFiler::OnParam);
        env.prompter().answer(false);
        liste.vaelg(1);
        QCOMPARE(liste.Filantal(), 2);
        env.prompter().answer(true);
        liste.vaelg(1);
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Væk blev ikke fundet.\nSkal programmet slettes fra listen?"));
        QCOMPARE(captions(liste), QStringList{"A"});
        QCOMPARE(env.readFile(kListe), QByteArray("1\r\nA\r\nD:\\a\r\n\r\n1\r\n"));
        QVERIFY(started.isEmpty());
        QVERIFY(!TMenuExeFiler::GetIcon(QStringLiteral("D:\\væk")).isNull());
    }
};

RAVNSTI_TEST_MAIN(TestMenuExeFiler)
#include "tst_menuexefiler.moc"
