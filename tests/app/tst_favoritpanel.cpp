#include "app/commandtable.h"
#include "app/favoritpanel.h"
#include "app/mainform.h"
#include "app/reopencommands.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "lists/reopenfilerx.h"
#include "shared/markoerliste.h"

#include <QDir>
#include <QToolBar>
#include <QToolButton>

namespace {

QString optFil(const Tmainform& form, const char* name) {
    return form.mapper().optDir + QString::fromLatin1(name);
}

// The folders D:\Foto and D:\Musik, and the data root.
void fotoOgMusik(TestEnvironment& env) {
    env.makeFolder(QStringLiteral("D:\\Foto"));
    env.makeFolder(QStringLiteral("D:\\Musik"));
    NamedUser::useDataRoot(env);
}

// Clicks the button that shows the named action in one of the panel's bars.
void klik(Tmainform& form, const char* bar, const char* action) {
    form.commands().evaluate();
    auto* button = qobject_cast<QToolButton*>(
        child<QToolBar>(*form.favoritPanel(), bar)
            ->widgetForAction(form.commands()(QString::fromLatin1(action))));
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestFavoritPanel : public QObject {
    Q_OBJECT

private slots:
    void addOpenReorderAndSave() {
        TestEnvironment env;
        fotoOgMusik(env);
        Tmainform form;
        form.show();
        FavoritPanel* panel = form.favoritPanel();
        QVERIFY(!panel->isVisible());
        form.commands().evaluate();
        form.commands()(QStringLiteral("aFavoritspalte"))->trigger();
        QVERIFY(panel->isVisible());
        QVERIFY(form.opt().panelBg1Visible);

        for (const char* folder : {"D:", "D:\\Musik", "D:\\Foto"}) {
            form.funk().makeStruktur2(QString::fromLatin1(folder), true);
            form.commands().evaluate();
            form.commands()(QStringLiteral("aInsertFavoritmappe"))->trigger();
        }
        MarkoerListe* liste = panel->favoritliste();
        QCOMPARE(liste->tekster(), (QStringList{"Foto", "Musik", "Drev D:"}));
        QCOMPARE(env.readFile(optFil(form, "favoritmapper.txt")),
                 QByteArray("Foto\r\nD:\\Foto\r\nMusik\r\nD:\\Musik\r\nDrev D:\r\nD:\r\n"));
        form.commands().evaluate();
        QVERIFY(!form.commands()(QStringLiteral("aInsertFavoritmappe"))->isEnabled());

        TreeClicks::click(liste, 1);
        QCOMPARE(form.infoText(3), QStringLiteral("D:\\Musik"));
        TreeClicks::doubleClick(liste, 1);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:\\Musik"));
        TreeClicks::click(liste, 2);
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(form.funk().Grundmappe(), QStringLiteral("D:"));

        // Moving the bottom entry to the top, then saving the new order.
        klik(form, "PanelBg1Bund", "aFlytOp");
        klik(form, "PanelBg1Bund", "aFlytOp");
        QCOMPARE(liste->tekster(), (QStringList{"Drev D:", "Foto", "Musik"}));
        QCOMPARE(liste->valgtRaekke(), 0);
        form.commands().evaluate();
        QVERIFY(!form.commands()(QStringLiteral("aFlytOp"))->isEnabled());
        klik(form, "PanelBg1Bund", "aFlytNed");
        QCOMPARE(liste->tekster(), (QStringList{"Foto", "Drev D:", "Musik"}));
        QVERIFY(env.readFile(optFil(form, "favoritmapper.txt"))
                    .startsWith("Foto\r\nD:\\Foto\r\nMusik"));
        klik(form, "PanelBg1Bund", "aGemFlyt");
        QCOMPARE(env.readFile(optFil(form, "favoritmapper.txt")),
                 QByteArray("Foto\r\nD:\\Foto\r\nDrev D:\r\nD:\r\nMusik\r\nD:\\Musik\r\n"));
        form.commands().evaluate();
        QVERIFY(!form.commands()(QStringLiteral("aGemFlyt"))->isEnabled());
    }

    void vanishedFavouritesAreReportedAndLeftOutOfTheStructure() {
        TestEnvironment env;
        fotoOgMusik(env);
        Tmainform form;
        env.writeFile(optFil(form, "favoritmapper.txt"),
                      "Billeder\r\nD:\\Foto\r\nGammel\r\nD:\\Væk\r\nLyd\r\nD:\\Musik\r\n");
        form.show();
        // Hidden, the panel is still empty; its list is made, with the saved favourites, when
        // it is first asked for.
        QVERIFY(form.favoritPanel()->findChildren<QToolBar*>().isEmpty());
        MarkoerListe* liste = form.favoritPanel()->favoritliste();
        QCOMPARE(liste->tekster(), (QStringList{"Billeder", "Gammel", "Lyd"}));
        env.prompter().expectMessage(
            QStringLiteral("Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen."));
        TreeClicks::click(liste, 1);
        env.prompter().expectMessage(QStringLiteral("Mappen blev ikke fundet."));
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(env.prompter().pending(), 0);

        form.commands()(QStringLiteral("mFavoritstruktur"))->trigger();
        StrukturVisning* dirbox = form.dirbox();
        QCOMPARE(dirbox->topLevelItemCount(), 2);
        QCOMPARE(dirbox->topLevelItem(0)->text(), QStringLiteral("Billeder"));
        QCOMPARE(dirbox->topLevelItem(1)->text(), QStringLiteral("Lyd"));
        QCOMPARE(form.opt().lastStrukturNo, int(PunktStruktur));

        QDir(env.host(QStringLiteral("D:\\Foto"))).removeRecursively();
        QDir(env.host(QStringLiteral("D:\\Musik"))).removeRecursively();
        env.prompter().expectMessage(
            QStringLiteral("Der blev ikke fundet eksisterende emner i favoritlisten."));
        form.commands()(QStringLiteral("mKonstruerFavoritstruktur"))->trigger();
        env.prompter().answer(true);
        form.reopen().FavDir().SletAlleItems();
        QVERIFY(liste->tekster().isEmpty());
        env.prompter().expectMessage(QStringLiteral("Der er ingen emner i favoritlisten."));
        klik(form, "PanelBg1Bund", "ttMakeStruktur");
        QCOMPARE(env.prompter().pending(), 0);
    }

    void widthStopsAtItsLimitsAndLastsUntilTheNextStart() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        {
            Tmainform form;
            form.show();
            form.commands()(QStringLiteral("aFavoritspalte"))->trigger();
            FavoritPanel* panel = form.favoritPanel();
            QCOMPARE(panel->width(), 210);
            while (panel->width() < FavoritPanel::Widest)
                klik(form, "PanelBg1Top", "sbBg1Breddere");
            QCOMPARE(panel->width(), 340);
            klik(form, "PanelBg1Top", "sbBg1Breddere");
            QCOMPARE(panel->width(), 340);
            QCOMPARE(form.infoText(3), QStringLiteral("Panelet kan ikke blive større."));
            klik(form, "PanelBg1Top", "sbBg1Smallere");
            QCOMPARE(panel->width(), 330);
            form.close();
        }
        {
            Tmainform form;
            form.show();
            FavoritPanel* panel = form.favoritPanel();
            QVERIFY(panel->isVisible());
            QCOMPARE(panel->width(), 330);
            while (panel->width() > FavoritPanel::Smallest)
                klik(form, "PanelBg1Top", "sbBg1Smallere");
            klik(form, "PanelBg1Top", "sbBg1Smallere");
            QCOMPARE(panel->width(), 160);
            QCOMPARE(form.infoText(3), QStringLiteral("Panelet kan ikke blive mindre."));
            klik(form, "PanelBg1Top", "sbBg1Close");
            QVERIFY(!panel->isVisible());
            form.close();
        }
        Tmainform form;
        form.show();
        QVERIFY(!form.favoritPanel()->isVisible());
        form.commands()(QStringLiteral("sbVisPanel"))->trigger();
        QVERIFY(form.favoritPanel()->isVisible());
    }
};

RAVNSTI_TEST_MAIN(TestFavoritPanel)
#include "tst_favoritpanel.moc"
