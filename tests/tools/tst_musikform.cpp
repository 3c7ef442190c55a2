#include "engine/handlinger.h"
#include "harness/filesizelimit.h"
#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "tools/musikform.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString kListeDir = QStringLiteral("C:\\Ravnsti\\anna\\Musik\\");

// A lists window over a queue of two pieces.
struct Lists {
    explicit Lists(TestEnvironment& env) : e(env) {
        env.makeFolder(QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber"));
        env.makeFolder(kListeDir);
        form = std::make_unique<Tmusikform>(h);
        h.funk().makeMusikListeSL({QStringLiteral("C:\\M\\a.mp3"), QStringLiteral("C:\\M\\b.wav")},
                                  false);
        form->show();
    }
    // Types a name into the save box and presses Enter.
    void gem(const QString& name) const {
        form->EditGem()->clear();
        QTest::keyClicks(form->EditGem(), name);
        QTest::keyClick(form->EditGem(), Qt::Key_Return);
    }
    QStringList files() const {
        QStringList names;
        for (int i = 0; i < form->musikliste()->count(); ++i)
            names << form->musikliste()->item(i)->text();
        return names;
    }
    void clickFile(const QString& name) const {
        QListWidget* list = form->musikliste();
        QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    TestEnvironment& e;
    TestHost h;
    std::unique_ptr<Tmusikform> form;
};

} // namespace

class TestMusikform : public QObject {
    Q_OBJECT

private slots:
    void savingTheQueue() {
        TestEnvironment env;
        Lists l(env);
        QVERIFY(!l.form->aGem()->isEnabled());
        const QByteArray queue = "C:\\M\\a.mp3\r\nC:\\M\\b.wav\r\n";
        for (const QString name : {"Rock", "Rock.txt", "Rock.mp3"}) {
            if (Platform::files().exists(kListeDir + "Rock.txt"))
                env.prompter().answer(true);
            l.gem(name);
            QCOMPARE(l.form->listenavn, QStringLiteral("Rock"));
        }
        QCOMPARE(env.readFile(kListeDir + "Rock.txt"), queue);
        QCOMPARE(env.prompter().shown(),
                 QStringList(2, QStringLiteral("Skal filen\nRock.txt\noverskrives?")));
        QCOMPARE(l.files(), QStringList{QStringLiteral("Rock.txt")});

        // "Nej" writes nothing and forgets the name.
        l.h.funk().clearMusikliste();
        l.h.funk().makeMusikListeSL({QStringLiteral("C:\\M\\c.mp3")}, false);
        env.prompter().answer(false);
        l.gem(QStringLiteral("Rock"));
        QCOMPARE(env.readFile(kListeDir + "Rock.txt"), queue);
        QCOMPARE(l.form->listenavn, QString());

        // Folders in the name are dropped: nothing is written outside the list folder.
        for (const QString name : {"..\\..\\Jazz", "../Jazz.txt", "C:\\Andet\\Jazz"}) {
            if (Platform::files().exists(kListeDir + "Jazz.txt"))
                env.prompter().answer(true);
            l.gem(name);
            QCOMPARE(l.form->listenavn, QStringLiteral("Jazz"));
        }
        QCOMPARE(env.readFile(kListeDir + "Jazz.txt"), QByteArray("C:\\M\\c.mp3\r\n"));
        QVERIFY(!Platform::files().exists(QStringLiteral("C:\\Ravnsti\\Jazz.txt")));
        QVERIFY(!Platform::files().exists(QStringLiteral("C:\\Andet")));
        env.prompter().expectMessage(
            QStringLiteral("\"Pop?\" kan ikke bruges som navn på en musikliste.\nEt navn må ikke "
                           "indeholde tegnene : * ? \" < > | eller styretegn."));
        l.gem(QStringLiteral("Pop?"));
        QCOMPARE(l.files(), QStringList({"Jazz.txt", "Rock.txt"}));

        // A full drive is told in Danish, with the list's path, and the old list stays.
        {
            FileSizeLimit full(8);
            env.prompter().answer(true);
            env.prompter().expectMessage(
                QStringLiteral(
                    "Musiklisten Jazz.txt kunne ikke gemmes.\n%1Jazz.txt\nDer er ikke plads nok på "
                    "drevet.")
                    .arg(kListeDir));
            l.gem(QStringLiteral("Jazz"));
        }
        QCOMPARE(env.readFile(kListeDir + "Jazz.txt"), QByteArray("C:\\M\\c.mp3\r\n"));

        // An empty queue cannot be saved.
        l.h.funk().clearMusikliste();
        QVERIFY(!l.form->aGem()->isEnabled());
        QCOMPARE(env.prompter().pending(), 0);
    }

    void loadingAList() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\M\\x.mp3"), "x");
        env.writeFile(QStringLiteral("C:\\M\\y.mp3"), "x");
        env.writeFile(kListeDir + "Fest.txt", "C:\\M\\x.mp3\r\n\r\nC:\\M\\y.mp3\r\n");
        env.writeFile(kListeDir + "ikke en liste.doc", "x");
        Lists l(env);
        QCOMPARE(l.files(), QStringList{QStringLiteral("Fest.txt")});
        QVERIFY(!l.form->aHent()->isEnabled());
        l.clickFile(QStringLiteral("Fest.txt"));
        QCOMPARE(l.form->EditHent()->text(), QStringLiteral("Fest.txt"));
        QVERIFY(l.form->aSlet()->isEnabled());

        // Enter in the name box loads it; without "Spil straks" nothing plays.
        QTest::keyClick(l.form->EditHent(), Qt::Key_Return);
        THandlinger& funk = l.h.funk();
        QCOMPARE(funk.mIndex(), 1);
        QCOMPARE(funk.getPlayFilename(1), QStringLiteral("C:\\M\\y.mp3"));
        QCOMPARE(l.form->listenavn, QStringLiteral("Fest"));
        QVERIFY(l.form->isVisible());

        // With both boxes ticked a double click plays the list and closes the window.
        QTest::mouseClick(child<QCheckBox>(*l.form, "spilStraks"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(*l.form, "lukStraks"), Qt::LeftButton);
        QVERIFY(l.h.options.spilStraksChecked);
        QVERIFY(l.h.options.lukStraksChecked);
        QListWidget* list = l.form->musikliste();
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(funk.mIndex(), 1);
        FakeMediaPlayer* player = env.mediaPlayers().last();
        QCOMPARE(player->path(), QStringLiteral("C:\\M\\x.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QVERIFY(!l.form->isVisible());

        // A list deleted meanwhile is told of, and the window reads its folder again.
        l.form->show();
        QVERIFY(Platform::files().removeFile(kListeDir + "Fest.txt"));
        env.prompter().expectMessage(QStringLiteral("Filen eksisterer ikke.\nVælg en ny liste."));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(l.files(), QStringList());
        QCOMPARE(l.form->EditHent()->text(), QString());
        QCOMPARE(l.form->listenavn, QString());
        QCOMPARE(funk.mIndex(), 1);
    }

    void deletingAndPlace() {
        TestEnvironment env;
        env.writeFile(kListeDir + "A.txt", "C:\\a.mp3\r\n");
        env.writeFile(kListeDir + "B.txt", "C:\\b.mp3\r\n");
        Lists l(env);
        THandlinger& funk = l.h.funk();
        funk.setAktiveStruktur(2);
        funk.makeStruktur2(QStringLiteral("C:\\Ravnsti\\anna\\Musik"), false);
        QCOMPARE(l.h.engine.filbox.topLevelItemCount(), 2);

        l.clickFile(QStringLiteral("A.txt"));
        env.prompter().answer(false);
        QTest::mouseClick(child<QToolButton>(*l.form, "aSletKnap"), Qt::LeftButton);
        QCOMPARE(l.files(), QStringList({"A.txt", "B.txt"}));
        l.clickFile(QStringLiteral("A.txt"));
        env.prompter().answer(true);
        QTest::mouseClick(child<QToolButton>(*l.form, "aSletKnap"), Qt::LeftButton);
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Skal filen\nA.txt\nslettes til papirkurven?"));
        QCOMPARE(l.files(), QStringList{QStringLiteral("B.txt")});
        QVERIFY(!Platform::files().exists(kListeDir + "A.txt"));
        // The file pane showed the list folder, so it shows it afresh.
        QCOMPARE(l.h.engine.filbox.topLevelItemCount(), 1);

        // Another folder in the file pane is left as it is.
        env.makeFolder(QStringLiteral("C:\\Andet"));
        funk.makeStruktur2(QStringLiteral("C:\\Andet"), false);
        env.writeFile(QStringLiteral("C:\\Andet\\ny.txt"), "x");
        l.clickFile(QStringLiteral("B.txt"));
        env.prompter().answer(true);
        QTest::mouseClick(child<QToolButton>(*l.form, "aSletKnap"), Qt::LeftButton);
        QCOMPARE(l.h.engine.filbox.topLevelItemCount(), 0);

        // The refresh button reads the folder and forgets the names.
        env.writeFile(kListeDir + "C.txt", "x");
        l.form->listenavn = QStringLiteral("C");
        QTest::mouseClick(child<QToolButton>(*l.form, "opdaterKnap"), Qt::LeftButton);
        QCOMPARE(l.files(), QStringList{QStringLiteral("C.txt")});
        QCOMPARE(l.form->listenavn, QString());

        l.form->move(300, 200);
        QTest::keyClick(l.form->musikliste(), Qt::Key_Escape);
        QVERIFY(!l.form->isVisible());
        QCOMPARE(env.readFile(QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\musikunit.txt")),
                 QByteArray("300\r\n200\r\n"));
        Tmusikform again(l.h);
        QCOMPARE(again.pos(), QPoint(300, 200));
    }
};

RAVNSTI_TEST_MAIN(TestMusikform)
#include "tst_musikform.moc"
