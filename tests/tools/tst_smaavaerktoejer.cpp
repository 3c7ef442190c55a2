#include "harness/findchild.h"
#include "harness/standin.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "tools/genvejform.h"
#include "tools/waform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

class TestSmaaVaerktoejer : public QObject {
    Q_OBJECT

private slots:
    void shortcutDialogFillsItsBoxesFromTheChoices() {
        TestEnvironment env;
        TestHost host;
        host.engine.vis(QStringLiteral("D:"));
        Tgenvejform form(host);
        form.show();
        QApplication::setActiveWindow(&form);
        auto* target = child<QLineEdit>(form, "EditTarget");
        auto* name = child<QLineEdit>(form, "EditName");
        QVERIFY(target->hasFocus());

        host.valgtFil = QStringLiteral("C:\\Tools\\editor.exe");
        QTest::mouseClick(child<QPushButton>(form, "openKnap"), Qt::LeftButton);
        QCOMPARE(target->text(), QStringLiteral("C:\\Tools\\editor.exe"));
        QCOMPARE(name->text(), QStringLiteral("editor"));
        host.valgtStrukturMappe = QStringLiteral("D:\\Fotos\\2020");
        QTest::mouseClick(child<QPushButton>(form, "openKnapMappe"), Qt::LeftButton);
        QCOMPARE(target->text(), QStringLiteral("D:\\Fotos\\2020"));
        QCOMPARE(name->text(), QStringLiteral("2020"));
        QCOMPARE(host.filStarter, QStringList{"D:"});
        QCOMPARE(host.mappeStarter, QStringList{"D:"});
        // A cancelled choice changes nothing.
        host.valgtFil.reset();
        QTest::mouseClick(child<QPushButton>(form, "openKnap"), Qt::LeftButton);
        QCOMPARE(name->text(), QStringLiteral("2020"));

        QTest::mouseClick(child<QToolButton>(form, "ButtonSlet"), Qt::LeftButton);
        QVERIFY(name->text().isEmpty() && name->hasFocus());
        QTest::keyClicks(name, QStringLiteral("Fotos"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(form.isHidden());

        QCOMPARE(form.width(), 480);
        auto* stoerre = child<QToolButton>(form, "ButtonStoerre");
        auto* mindre = child<QToolButton>(form, "ButtonMindre");
        QTest::mouseClick(stoerre, Qt::LeftButton);
        QCOMPARE(form.width(), 620);
        QTest::mouseClick(mindre, Qt::LeftButton);
        QCOMPARE(form.width(), 480);
        for (int i = 0; i < 11; ++i)
            QTest::mouseClick(stoerre, Qt::LeftButton);
        QCOMPARE(form.width(), 2020);
        QVERIFY(!stoerre->isEnabled());
    }

    // Every button says what it could not do when no settings program is installed, and
    // starts its program once when one is.
    void eachAppletButtonStartsItsSettingsProgram() {
        TestEnvironment env;
        StandIn standIn(env);
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        TestHost host;
        TwaForm form(host);
        form.show();
        const QList<QToolButton*> buttons = form.findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 20);
        for (QToolButton* button : buttons) {
            const bool odbc = button->objectName() == QLatin1String("ODBC.vbs");
            env.prompter().expectMessage(
                odbc ? QStringLiteral(
                           "Der findes ikke noget tilsvarende til denne indstilling på dette "
                           "system.")
                     : QStringLiteral("Den specificerede fil blev ikke fundet."));
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY2(env.prompter().pending() == 0, qPrintable(button->objectName()));
        }

        const QString centre = standIn.program(QStringLiteral("gnome-control-center"));
        const QString mixer = standIn.program(QStringLiteral("pavucontrol"));
        QTest::mouseClick(child<QToolButton>(form, "lyd.vbs"), Qt::LeftButton);
        QCOMPARE(StandIn::waitForCalls(centre, 1), QList<QStringList>{{"sound"}});
        QTest::mouseClick(child<QToolButton>(form, "bruger_konti.vbs"), Qt::LeftButton);
        QCOMPARE(StandIn::waitForCalls(centre, 2).size(), 2);
        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        QTest::mouseClick(child<QToolButton>(form, "lyd.vbs"), Qt::LeftButton);
        QCOMPARE(StandIn::waitForCalls(mixer, 1), QList<QStringList>{{}});
        QCOMPARE(StandIn::calls(centre).size(), 2);
        QVERIFY(env.prompter().shown().size() == 20);

        QTest::mouseClick(child<QPushButton>(form, "ButtonInfo"), Qt::LeftButton);
        QCOMPARE(host.help, QStringList{"Window applets"});
        QTest::mouseClick(child<QPushButton>(form, "ButtonLuk"), Qt::LeftButton);
        QVERIFY(form.isHidden());
    }
};

RAVNSTI_TEST_MAIN(TestSmaaVaerktoejer)
#include "tst_smaavaerktoejer.moc"
