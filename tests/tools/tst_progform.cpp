#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "lists/menuexefiler.h"
#include "tools/progform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

const QString kListe = QStringLiteral("D:\\ProgItem.txt");

// The program window on a list of the programs given by name, each a file in D:\bin.
struct Fixture {
    explicit Fixture(TestEnvironment& env, const QStringList& programmer = {}) {
        liste.setItemfile(kListe);
        for (const QString& navn : programmer) {
            env.writeFile(QStringLiteral("D:\\bin\\") + navn, "");
            liste.InsertItem(QStringLiteral("D:\\bin\\") + navn, navn, {}, 1);
        }
        host.engine.vis(QStringLiteral("D:"));
        form.show();
        QApplication::setActiveWindow(&form);
    }
    QTreeWidget* side(int nr, const char* liste) {
        QTabBar* faner = form.bog()->tabBar();
        QTest::mouseClick(faner, Qt::LeftButton, {}, faner->tabRect(nr).center());
        return child<QTreeWidget>(form, liste);
    }
    void klik(const char* knap) {
        QTest::mouseClick(child<QPushButton>(form, knap), Qt::LeftButton);
    }

    TestHost host;
    TMenuExeFiler liste;
    TProgform form{host, liste};
};

QStringList raekker(const QTreeWidget* liste) {
    QStringList out;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        out << liste->topLevelItem(i)->text(0);
    return out;
}

void klikRaekke(QTreeWidget* liste, int row) {
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->topLevelItem(row)).center());
}

} // namespace

class TestProgform : public QObject {
    Q_OBJECT

private slots:
    void addsAChosenProgramWithEnter() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("D:\\bin\\vis"), "");
        env.writeFile(QStringLiteral("D:\\Redig.desktop"),
                      "[Desktop Entry]\nType=Application\nName=Redigering\nExec=redig %F\n");
        Fixture f(env);
        f.host.valgtFil = QStringLiteral("D:\\bin\\vis");
        f.klik("ButtonVaelgFil");
        auto* filEdit = child<QLineEdit>(f.form, "FilEdit");
        auto* capEdit = child<QLineEdit>(f.form, "CapEdit");
        QCOMPARE(filEdit->text(), QStringLiteral("D:\\bin\\vis"));
        QCOMPARE(capEdit->text(), QStringLiteral("vis"));
        QVERIFY(capEdit->hasFocus());
        QVERIFY(!child<QLabel>(f.form, "IconDis")->pixmap().isNull());
        QTest::mouseClick(child<QCheckBox>(f.form, "cbMaximeret"), Qt::LeftButton);
        QTest::keyClick(capEdit, Qt::Key_Return);
        QCOMPARE(child<QLabel>(f.form, "addText")->text(), QStringLiteral("vis"));
        QCOMPARE(env.readFile(kListe), QByteArray("1\r\nvis\r\nD:\\bin\\vis\r\n\r\n3\r\n"));
        QVERIFY(filEdit->text().isEmpty() && capEdit->text().isEmpty());

        // The second choice opens where the dialog was left; an entry offers its own name.
        f.host.valgtFil = QStringLiteral("D:\\Redig.desktop");
        f.klik("ButtonVaelgFil");
        QCOMPARE(f.host.filStarter, (QStringList{"D:", ""}));
        QCOMPARE(capEdit->text(), QStringLiteral("Redigering"));
        // Cancelling keeps the boxes.
        f.host.valgtFil.reset();
        f.klik("ButtonVaelgFil");
        QCOMPARE(capEdit->text(), QStringLiteral("Redigering"));

        // Enter in the path box moves on to the menu text.
        filEdit->setFocus();
        QTest::keyClick(filEdit, Qt::Key_Return);
        QVERIFY(capEdit->hasFocus());
        QCOMPARE(f.liste.Filantal(), 1);
    }

    void refusesWhatCannotBeAdded() {
        TestEnvironment env;
        Fixture f(env, {"vis"});
        auto* filEdit = child<QLineEdit>(f.form, "FilEdit");
        auto* capEdit = child<QLineEdit>(f.form, "CapEdit");
        env.prompter().expectMessage(QStringLiteral("Der mangler et filnavn!"));
        f.klik("ButtonTilfoej");
        QVERIFY(child<QPushButton>(f.form, "ButtonVaelgFil")->hasFocus());

        QTest::keyClicks(filEdit, QStringLiteral("D:\\bin\\væk"));
        capEdit->setText(QStringLiteral("Væk"));
        env.prompter().expectMessage(QStringLiteral("Filen: D:\\bin\\væk\nkunne ikke findes!"));
        f.klik("ButtonTilfoej");
        QVERIFY(filEdit->text().isEmpty() && capEdit->text().isEmpty());

        filEdit->setText(QStringLiteral("d:\\bin\\vis"));
        env.prompter().expectMessage(QStringLiteral("Der mangler en menu tekst!"));
        f.klik("ButtonTilfoej");
        QVERIFY(capEdit->hasFocus());
        QTest::keyClicks(capEdit, QStringLiteral("Igen"));
        env.prompter().expectMessage(QStringLiteral("Programmet er allerede indført!"));
        QTest::keyClick(capEdit, Qt::Key_Enter);
        QCOMPARE(env.prompter().pending(), 0);
        QCOMPARE(f.liste.Filantal(), 1);
    }

    void removesAfterTheQuestion() {
        TestEnvironment env;
        Fixture f(env, {"a", "b", "c"});
        QTreeWidget* liste = f.side(1, "programListe");
        QCOMPARE(raekker(liste), (QStringList{"a", "b", "c"}));
        auto* fjern = child<QPushButton>(f.form, "ButtonFjern");
        QVERIFY(!fjern->isEnabled());
        klikRaekke(liste, 0);
        QTest::keyClick(liste, Qt::Key_Down);
        QCOMPARE(child<QLineEdit>(f.form, "fileText")->text(), QStringLiteral("b"));
        f.klik("ButtonFjern");
        QCOMPARE(child<QLabel>(f.form, "spmLabel")->text(),
                 QStringLiteral("Vil du fjerne programmet\nb?"));
        QVERIFY(!liste->isEnabled() && !fjern->isEnabled());
        f.klik("ButtonNej");
        QVERIFY(liste->isEnabled());
        QCOMPARE(f.liste.Filantal(), 3);
        f.klik("ButtonFjern");
        f.klik("ButtonJa");
        QCOMPARE(raekker(liste), (QStringList{"a", "c"}));
        QVERIFY(env.readFile(kListe).startsWith("2\r\na\r\n"));
        QVERIFY(!child<QWidget>(f.form, "spmLabel")->isVisible());
    }

    // A new order is kept when the page changes and when the window closes, as by "Gem".
    void reorderIsKeptByLeavingThePage() {
        TestEnvironment env;
        Fixture f(env, {"a", "b", "c"});
        QTreeWidget* liste = f.side(2, "programliste2");
        auto* op = child<QPushButton>(f.form, "ButtonFlytOp");
        auto* gem = child<QPushButton>(f.form, "ButtonGem");
        klikRaekke(liste, 2);
        f.klik("ButtonFlytOp");
        f.klik("ButtonFlytOp");
        QCOMPARE(raekker(liste), (QStringList{"c", "a", "b"}));
        QVERIFY(!op->isEnabled());
        QVERIFY(gem->isEnabled());
        QVERIFY(!env.readFile(kListe).contains("c\r\nD:\\bin\\c\r\n\r\n1\r\na"));
        f.side(0, "programliste2");
        QVERIFY(env.readFile(kListe).startsWith("3\r\nc\r\n"));

        liste = f.side(2, "programliste2");
        klikRaekke(liste, 0);
        f.klik("ButtonFlytNed");
        QCOMPARE(liste->currentItem()->text(0), QStringLiteral("c"));
        f.klik("ButtonLuk");
        QVERIFY(env.readFile(kListe).startsWith("3\r\na\r\nD:\\bin\\a\r\n\r\n1\r\nc\r\n"));
        // Shown again, the window starts on its first page.
        f.form.show();
        QCOMPARE(f.form.bog()->currentIndex(), 0);
    }
};

RAVNSTI_TEST_MAIN(TestProgform)
#include "tst_progform.moc"
