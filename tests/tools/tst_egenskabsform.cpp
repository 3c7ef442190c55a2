#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "tools/egenskabsform.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>

namespace {

// The window of a test host, shown, with the three "Gem" buttons at hand.
struct Vindue {
    explicit Vindue(TestHost& host) : form(host) {
        host.window.setGeometry(60, 60, 680, 680);
        host.window.show();
        form.vis();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    QPushButton* knap(const char* name) { return child<QPushButton>(form, name); }
    QCheckBox* boks(const char* name) { return child<QCheckBox>(form, name); }
    // A click on a check box's mark.
    void klik(const char* name) {
        QCheckBox* box = boks(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(form, name); }
    QTableWidget* liste() { return child<QTableWidget>(form, "typeliste"); }
    void side(int nummer) {
        auto* bog = child<QTabWidget>(form, "egenskabsBog");
        bog->setCurrentIndex(nummer);
    }
    // The Gem buttons of the pages "Egenskaber", "Mapper" and "Filtyper", enabled or not.
    QList<bool> gem() {
        return {knap("side1Gem")->isEnabled(), knap("side2Gem")->isEnabled(),
                knap("saveknap")->isEnabled()};
    }
    void klikRaekke(int row) {
        QTableWidget* table = liste();
        const QRect rect = table->visualItemRect(table->item(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList raekker() {
        QStringList result;
        for (int row = 0; row < liste()->rowCount(); ++row)
            result << liste()->item(row, 0)->text() + QLatin1Char('|') +
                          liste()->item(row, 1)->text() +
                          (liste()->item(row, 0)->checkState() == Qt::Checked ? "|1" : "|0");
        return result;
    }
    // Types a type into the two boxes and presses Enter in each.
    void indsaet(const QString& tekst, const QString& type) {
        QLineEdit* tekstedit = edit("tekstedit");
        tekstedit->setFocus();
        QTest::keyClicks(tekstedit, tekst);
        QTest::keyClick(tekstedit, Qt::Key_Return);
        QLineEdit* typeedit = edit("typeedit");
        QCOMPARE(QApplication::focusWidget(), typeedit);
        QTest::keyClicks(typeedit, type);
        QTest::keyClick(typeedit, Qt::Key_Return);
    }

    Tegenskabsform form;
};

void saetTyper(TestHost& host, const QStringList& navne) {
    QList<Typeliste::Type> typer;
    for (const QString& navn : navne)
        typer.append({navn, QLatin1Char('.') + navn.toLower(), navn != QLatin1String("Ps")});
    host.types.setTypes(typer);
}

} // namespace

class TestEgenskabsform : public QObject {
    Q_OBJECT

private slots:
    void eachGemFollowsTheChangesOfItsOwnPage() {
        TestEnvironment env;
        TestHost h;
        saetTyper(h, {"Html", "Css", "Txt"});
        Vindue v(h);
        QCOMPARE(v.form.windowTitle(), QStringLiteral("Egenskaber"));
        QCOMPARE(v.gem(), QList<bool>({false, false, false}));

        v.klik("CheckBoxAskMove");
        QCOMPARE(v.gem(), QList<bool>({true, false, false}));
        // The space bar clicks too.
        v.boks("CheckBoxBilled")->setFocus();
        QTest::keyClick(v.boks("CheckBoxBilled"), Qt::Key_Space);
        QVERIFY(!v.boks("CheckBoxBilled")->isChecked());

        v.side(1);
        QTest::keyClicks(v.edit("EditKameraFilm"), QStringLiteral("D:\\Film"));
        QCOMPARE(v.gem(), QList<bool>({true, true, false}));

        v.side(2);
        v.klikRaekke(1);
        QCOMPARE(v.gem(), QList<bool>({true, true, true}));

        // Closed unsaved, the options' pages read the main window again; the type list
        // keeps its rows, with its Gem disabled; the page chosen last stays chosen.
        QTest::mouseClick(v.knap("LukButton"), Qt::LeftButton);
        QVERIFY(!v.form.isVisible());
        QVERIFY(h.options.AskMove && h.options.KameraFilmDir.isEmpty());
        v.form.vis();
        QCOMPARE(v.gem(), QList<bool>({false, false, false}));
        QVERIFY(v.boks("CheckBoxAskMove")->isChecked());
        QVERIFY(v.edit("EditKameraFilm")->text().isEmpty());
        QCOMPARE(child<QTabWidget>(v.form, "egenskabsBog")->currentIndex(), 2);
        QCOMPARE(v.raekker().size(), 3);

        // A check mark of a row is a change of the list.
        QTableWidgetItem* css = v.liste()->item(1, 0);
        css->setCheckState(Qt::Unchecked);
        QVERIFY(v.knap("saveknap")->isEnabled());
    }

    void egenskaberGemStoresAndRebuildsOnlyForThePrivateBlock() {
        TestEnvironment env;
        TestHost h;
        h.funk().setMedtagPrivat(true);
        Vindue v(h);
        v.klik("CheckBoxMedPrivat");
        v.klik("CheckBoxToolbar");
        v.klik("CheckBoxStrukturlinier");
        v.klik("CheckBoxPapirkurv");
        QTest::mouseClick(v.knap("side1Gem"), Qt::LeftButton);
        QVERIFY(!h.options.medPrivat && h.options.privatOnTop);
        QVERIFY(h.options.mainBarVisible && h.options.treeLines && !h.options.sletTilPapirkurv);
        QVERIFY(!h.funk().MedtagPrivat());
        QCOMPARE(h.privatOmbygget, 1);
        QCOMPARE(h.visningAnvendt, 1);
        QVERIFY(!v.knap("side1Gem")->isEnabled());

        // Only the picture option changed: the folder tree stays as it is.
        v.klik("CheckBoxBilled");
        QTest::mouseClick(v.knap("side1Gem"), Qt::LeftButton);
        QVERIFY(!h.options.visBillede);
        QCOMPARE(h.privatOmbygget, 1);
        QCOMPARE(h.visningAnvendt, 2);
    }

    void favouriteCapacityIsCheckedBeforeAnythingIsStored() {
        TestEnvironment env;
        TestHost h;
        h.favoritAntal = 8;
        Vindue v(h);
        v.side(1);
        QLineEdit* favorit = v.edit("EditFavorit");
        QCOMPARE(favorit->text(), QStringLiteral("24"));
        QTest::keyClicks(v.edit("EditKameraBilled"), QStringLiteral("D:\\Billeder"));

        // Letters cannot be typed; one set in the box is refused all the same.
        favorit->selectAll();
        QTest::keyClick(favorit, Qt::Key_Backspace);
        QTest::keyClicks(favorit, QStringLiteral("abc"));
        QVERIFY(favorit->text().isEmpty());
        env.prompter().expectMessage(
            QStringLiteral("Skriv hvor mange mapper favoritlisten skal kunne rumme."));
        QTest::keyClick(favorit, Qt::Key_Return);
        const QString omraade =
            QStringLiteral("Favoritlisten kan rumme fra 1 til 9999 mapper.\n\"%1\" er ikke et "
                           "antal i det område.");
        for (const QString& forkert : {QStringLiteral("abc"), QStringLiteral("0")}) {
            favorit->setText(forkert);
            env.prompter().expectMessage(omraade.arg(forkert));
            QTest::mouseClick(v.knap("side2Gem"), Qt::LeftButton);
        }
        QVERIFY(h.options.kameraBilledDir.isEmpty());
        QVERIFY(h.kapaciteter.isEmpty());
        QVERIFY(v.knap("side2Gem")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), favorit);

        // Below the eight favourites the user is asked; "Nej" keeps everything.
        favorit->selectAll();
        QTest::keyClicks(favorit, QStringLiteral("5"));
        env.prompter().answer(false);
        QTest::keyClick(favorit, Qt::Key_Return);
        QVERIFY(env.prompter().shown().last().startsWith(
            QStringLiteral("Favoritlisten rummer 8 mapper.\nMed plads til 5 bliver de sidste 3 ")));
        QVERIFY(h.kapaciteter.isEmpty() && h.options.kameraBilledDir.isEmpty());
        env.prompter().answer(true);
        QTest::mouseClick(v.knap("side2Gem"), Qt::LeftButton);
        QCOMPARE(h.kapaciteter, QList<int>{5});
        QCOMPARE(h.favoritAntal, 5);
        QCOMPARE(h.options.kameraBilledDir, QStringLiteral("D:\\Billeder"));
        QVERIFY(!v.knap("side2Gem")->isEnabled());

        // The same capacity again reloads nothing; a higher one asks nothing.
        v.klik("CheckBoxTekstfiler");
        QTest::mouseClick(v.knap("side2Gem"), Qt::LeftButton);
        QVERIFY(h.options.openTekstFiler);
        favorit->setText(QStringLiteral("30"));
        QTest::mouseClick(v.knap("side2Gem"), Qt::LeftButton);
        QCOMPARE(h.kapaciteter, QList<int>({5, 30}));
        QCOMPARE(env.prompter().pending(), 0);
    }

    void htmlProgramAndFolderPickers() {
        TestEnvironment env;
        TestHost h;
        env.writeFile(QStringLiteral("D:\\Programmer\\editor"), "#!");
        env.makeFolder(QStringLiteral("D:\\Kamera"));
        h.options.HtmlProgram = QStringLiteral("D:\\Borte\\editor");
        h.options.kameraBilledDir = QStringLiteral("D:\\Kamera\\Borte");
        h.options.KameraFilmDir = QStringLiteral("D:\\Kamera");
        Vindue v(h);
        v.side(1);

        // The program's folder has gone: the dialog opens at C:\ without a preselection.
        h.valgtFil = QStringLiteral("D:\\Programmer\\editor");
        env.prompter().expectMessage(
            QStringLiteral("Mappen med html programmet findes ikke længere:\nD:\\Borte"));
        QTest::mouseClick(v.knap("htmlProgramKnap"), Qt::LeftButton);
        QCOMPARE(h.filValg, QStringList{QStringLiteral("C:\\|")});
        QCOMPARE(v.edit("EditHtmlProgram")->text(), QStringLiteral("D:\\Programmer\\editor"));
        QCOMPARE(h.options.HtmlProgram, QStringLiteral("D:\\Borte\\editor"));

        // The camera folders start at the stored folder, reported when it has gone.
        h.valgtMappe = QStringLiteral("D:\\Kamera");
        env.prompter().expectMessage(
            QStringLiteral("Mappen findes ikke længere:\nD:\\Kamera\\Borte"));
        QTest::mouseClick(v.knap("kameraBilledKnap"), Qt::LeftButton);
        QCOMPARE(v.edit("EditKameraBilled")->text(), QStringLiteral("D:\\Kamera"));
        h.valgtMappe.reset();
        QTest::mouseClick(v.knap("kameraFilmKnap"), Qt::LeftButton);
        QCOMPARE(v.edit("EditKameraFilm")->text(), QStringLiteral("D:\\Kamera"));
        QCOMPARE(h.mappeTitler, QStringList({"Vælg mappe", "Vælg mappe"}));

        // A program that does not exist is reported and nothing is stored.
        v.edit("EditHtmlProgram")->setText(QStringLiteral("D:\\Programmer\\ingen"));
        env.prompter().expectMessage(
            QStringLiteral("Html programmet findes ikke:\nD:\\Programmer\\ingen\nVælg et program "
                           "der findes, eller tøm feltet."));
        QTest::mouseClick(v.knap("side2Gem"), Qt::LeftButton);
        QCOMPARE(h.options.kameraBilledDir, QStringLiteral("D:\\Kamera\\Borte"));
        v.edit("EditHtmlProgram")->setText(QStringLiteral("D:\\Programmer\\editor"));
        QTest::mouseClick(v.knap("side2Gem"), Qt::LeftButton);
        QCOMPARE(h.options.HtmlProgram, QStringLiteral("D:\\Programmer\\editor"));
        QCOMPARE(h.options.kameraBilledDir, QStringLiteral("D:\\Kamera"));

        // The program picker now starts in the program's folder with it chosen.
        QTest::mouseClick(v.knap("htmlProgramKnap"), Qt::LeftButton);
        QCOMPARE(h.filValg.last(), QStringLiteral("D:\\Programmer|D:\\Programmer\\editor"));
        QTest::mouseClick(v.knap("personligeKnap"), Qt::LeftButton);
        QCOMPARE(h.personligeVist, 1);
    }

    void typesAreInsertedByTheirExtension() {
        TestEnvironment env;
        TestHost h;
        Vindue v(h);
        v.side(2);
        v.indsaet(QStringLiteral("Tekst"), QStringLiteral("txt"));
        v.indsaet(QStringLiteral("Tekst"), QStringLiteral(".txt"));
        v.indsaet(QStringLiteral("Stor"), QStringLiteral("*.TXT"));
        v.indsaet(QStringLiteral("Arkiv"), QStringLiteral("tar.gz"));
        v.indsaet(QStringLiteral("Alle"), QStringLiteral("*.*"));
        QCOMPARE(v.raekker(), QStringList({"Tekst|.txt|1", "Tekst|.txt|1", "Stor|.TXT|1",
                                           "Arkiv|.gz|1", "Alle|*.*|1"}));
        QCOMPARE(QApplication::focusWidget(), v.edit("tekstedit"));
        QVERIFY(v.edit("typeedit")->text().isEmpty());

        // No extension, or a wildcard in it, is refused and the boxes keep what was typed.
        const QString afvist =
            QStringLiteral("\"%1\" er ikke et filtype efternavn.\nSkriv bogstaverne efter "
                           "punktummet, for eksempel: txt\n*.* står for alle filer.");
        for (const QString& type : {QStringLiteral("txt."), QStringLiteral("."),
                                    QStringLiteral("*.t?t"), QStringLiteral("*.**")}) {
            env.prompter().expectMessage(afvist.arg(type));
            v.indsaet(QStringLiteral("Forkert"), type);
            QCOMPARE(v.edit("typeedit")->text(), type);
            v.edit("tekstedit")->clear();
            v.edit("typeedit")->clear();
        }
        env.prompter().expectMessage(QStringLiteral("Der mangler en filtype beskrivelse!"));
        QTest::mouseClick(v.knap("insertknap"), Qt::LeftButton);
        v.edit("tekstedit")->setText(QStringLiteral("Uden type"));
        env.prompter().expectMessage(
            QStringLiteral("Der mangler et filtype efternavn.\nFor eksempel: txt"));
        QTest::mouseClick(v.knap("insertknap"), Qt::LeftButton);
        QCOMPARE(v.raekker().size(), 5);

        // Ctrl+A and Ctrl+C belong to the box.
        QLineEdit* tekstedit = v.edit("tekstedit");
        tekstedit->setFocus();
        QTest::keyClick(tekstedit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(tekstedit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Uden type"));
    }

    void rowsAreDeletedAndMoved() {
        TestEnvironment env;
        TestHost h;
        saetTyper(h, {"Html", "Css", "Ps"});
        Vindue v(h);
        v.side(2);
        env.prompter().expectMessage(QStringLiteral("Der er ikke valgt en filtype!"));
        QTest::mouseClick(v.knap("deleteknap"), Qt::LeftButton);
        QVERIFY(!v.knap("Aop")->isEnabled() && !v.knap("Aned")->isEnabled());

        v.klikRaekke(0);
        QVERIFY(!v.knap("Aop")->isEnabled() && v.knap("Aned")->isEnabled());
        QTest::keyClick(v.liste(), Qt::Key_Down);
        QTest::keyClick(v.liste(), Qt::Key_Down);
        QVERIFY(v.knap("Aop")->isEnabled() && !v.knap("Aned")->isEnabled());
        QTest::mouseClick(v.knap("Aop"), Qt::LeftButton);
        QTest::mouseClick(v.knap("Aop"), Qt::LeftButton);
        QCOMPARE(v.raekker(), QStringList({"Ps|.ps|0", "Html|.html|1", "Css|.css|1"}));
        QCOMPARE(v.liste()->selectedItems().first()->row(), 0);
        QTest::mouseClick(v.knap("Aned"), Qt::LeftButton);
        QCOMPARE(v.raekker(), QStringList({"Html|.html|1", "Ps|.ps|0", "Css|.css|1"}));

        env.prompter().answer(false);
        QTest::mouseClick(v.knap("deleteknap"), Qt::LeftButton);
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Skal filtypen:\nPs\nslettes permanent?"));
        QCOMPARE(v.raekker().size(), 3);
        env.prompter().answer(true);
        QTest::mouseClick(v.knap("deleteknap"), Qt::LeftButton);
        QCOMPARE(v.raekker(), QStringList({"Html|.html|1", "Css|.css|1"}));
        QCOMPARE(h.typelisteGemt, 0); // nothing reaches the main window before "Gem"
    }

    void standardAndGemHandTheListToTheMainWindow() {
        TestEnvironment env;
        TestHost h;
        saetTyper(h, {"Html"});
        Vindue v(h);
        v.side(2);
        env.prompter().answer(false);
        QTest::mouseClick(v.knap("standardKnap"), Qt::LeftButton);
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Der vil muligvist blive fjernet typer, der er indført "
                                "senere!\nSkal standardlisten hentes alligevel?"));
        QCOMPARE(v.raekker(), QStringList{"Html|.html|1"});
        QVERIFY(!v.knap("saveknap")->isEnabled());
        QCOMPARE(h.typelisteGemt, 0);

        env.prompter().answer(true);
        QTest::mouseClick(v.knap("standardKnap"), Qt::LeftButton);
        QCOMPARE(v.raekker().size(), 12);
        QCOMPARE(v.raekker().at(9), QStringLiteral("Power Shell|.ps1|0"));
        QVERIFY(v.knap("saveknap")->isEnabled());

        v.klikRaekke(11);
        QTest::mouseClick(v.knap("Aop"), Qt::LeftButton);
        v.liste()->item(0, 0)->setCheckState(Qt::Unchecked);
        h.typelisteGemmes = false;
        QTest::mouseClick(v.knap("saveknap"), Qt::LeftButton);
        QVERIFY(v.knap("saveknap")->isEnabled()); // not written: it can be tried again
        h.typelisteGemmes = true;
        QTest::mouseClick(v.knap("saveknap"), Qt::LeftButton);
        QVERIFY(!v.knap("saveknap")->isEnabled());
        QVERIFY(v.form.isVisible());
        const QList<Typeliste::Type> typer = h.types.types();
        QCOMPARE(typer.size(), 12);
        QVERIFY(!typer.first().offered);
        QCOMPARE(typer.at(10).description, QStringLiteral("Tekstfil"));
        QCOMPARE(typer.at(11).description, QStringLiteral("Rich Text"));
    }

    void stylesAreListedSortedAndChangedByTestOgGem() {
        TestEnvironment env;
        TestHost h;
        h.designs = QStringList{"Sky", "Luna", "Diamond", "Radiant"};
        h.options.designName = QStringLiteral("luna");
        Vindue v(h);
        v.side(3);
        auto* box = child<QComboBox>(v.form, "designBox");
        QCOMPARE(box->count(), 4);
        QCOMPARE(box->itemText(0), QStringLiteral("Diamond"));
        QCOMPARE(box->currentText(), QStringLiteral("Luna"));
        QCOMPARE(box->maxVisibleItems(), 18);

        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("Radiant"));
        h.aabneVinduer = true;
        QTest::mouseClick(v.knap("testKnap"), Qt::LeftButton);
        QCOMPARE(h.options.designName, QStringLiteral("luna"));
        h.aabneVinduer = false;
        QTest::mouseClick(v.knap("testKnap"), Qt::LeftButton);
        QCOMPARE(h.options.designName, QStringLiteral("Radiant"));
        QCOMPARE(h.designOensker, QStringList({"Radiant", "Radiant"}));
    }

    void helpButtonsAskForTheirTopics() {
        TestEnvironment env;
        TestHost h;
        Vindue v(h);
        QTest::mouseClick(v.knap("ButtonInfo"), Qt::LeftButton);
        v.side(2);
        QTest::mouseClick(v.knap("filtypeInfo"), Qt::LeftButton);
        QCOMPARE(h.help, QStringList({"Program egenskaber", "Filtyper"}));
    }

    void windowStaysOnTheScreenCentredOnTheMainWindow() {
        TestEnvironment env;
        TestHost h;
        Vindue v(h);
        const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(skaerm.contains(v.form.frameGeometry()));
        QVERIFY((v.form.frameGeometry().center() - h.window.frameGeometry().center())
                    .manhattanLength() <= 2);
        QVERIFY(v.form.windowFlags() & Qt::WindowStaysOnTopHint);

        // A main window mostly off the screen: the window stays wholly on it.
        v.form.hide();
        h.window.setGeometry(skaerm.right() - 100, skaerm.bottom() - 100, 900, 700);
        v.form.vis();
        QVERIFY(skaerm.contains(v.form.frameGeometry()));
    }
};

RAVNSTI_TEST_MAIN(TestEgenskabsform)
#include "tst_egenskabsform.moc"
