#include "app/commandtable.h"
#include "app/findform.h"
#include "app/findformen.h"
#include "app/mainform.h"
#include "editor/dokument.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/textfile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>

namespace {

QString labelText(const QWidget& window, const char* name) {
    return child<QLabel>(window, name)->text();
}

void click(const QWidget& window, const char* name) {
    child<QAbstractButton>(window, name)->click();
}

void type(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

QStringList paneTexts(const StrukturVisning& filbox) {
    QStringList texts;
    StrukturItem* root = filbox.topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i)
        texts << root->child(i)->text();
    return texts;
}

QStringList tableRows(const Tfindform& form) {
    const QAbstractItemModel* model = child<QTableView>(form, "findis")->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows << QStringLiteral("%1|%2|%3")
                    .arg(model->index(r, 0).data().toString(), model->index(r, 1).data().toString(),
                         model->index(r, 2).data().toString());
    return rows;
}

// After a stopped search of C:\\doc\\1.txt to 5.txt, each holding two hits: the number of files
// the window says were searched, whose hits, and only theirs, it lists in the files' order;
// -1 when it tells otherwise.
int stoppedWithTheHitsOfTheFilesDone(const Tfindform& form) {
    const QRegularExpression said(
        QStringLiteral("^(\\d+) – Søgningen blev stoppet efter (\\d) af 5 filer\\.$"));
    const QRegularExpressionMatch m = said.match(labelText(form, "countdis"));
    const QStringList rows = tableRows(form);
    if (!m.hasMatch() || m.captured(1).toInt() != rows.size() ||
        rows.size() != 2 * m.captured(2).toInt())
        return -1;
    QString before;
    for (qsizetype r = 0; r < rows.size(); r += 2) {
        const QString file = rows[r].section(QLatin1Char('|'), 0, 0);
        if (file <= before || rows[r] != file + QStringLiteral("|3|en nål") ||
            rows[r + 1] != file + QStringLiteral("|10|to nåle"))
            return -1;
        before = file;
    }
    return m.captured(2).toInt();
}

QAction* action(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

} // namespace

class TestFindForms : public QObject {
    Q_OBJECT

private slots:
    void findWindowSearches() {
        TestEnvironment env;
        for (const char* name : {"rapport.doc", "report.doc", "part.doc", "Rapport\\noter.txt",
                                 ".skjult\\rapport.txt"})
            env.writeFile(QStringLiteral("C:\\s\\") + QLatin1String(name), "x");
        TestHost h;
        TestEngine& e = h.engine;
        e.funk.makeStruktur2(QStringLiteral("C:\\s"), false);
        Tfindformen form(h);
        // The main window's two commands, with their rules and effects.
        QAction aSearch(QStringLiteral("Søg"));
        QAction aClear(QStringLiteral("Ryd"));
        form.setSearchAction(&aSearch);
        form.setClearSearchListeAction(&aClear);
        connect(&aSearch, &QAction::triggered, &form, &Tfindformen::Search);
        connect(&aClear, &QAction::triggered, &form, &Tfindformen::clearSearchListe);
        form.show();
        form.setSoegemappe(QStringLiteral("s"));
        QCOMPARE(labelText(form, "LabelSearch"), QStringLiteral("Der søges i s"));
        auto* editSearch = child<QComboBox>(form, "EditSearch");
        QVERIFY(!form.searchEnabled());
        QVERIFY(!form.clearSearchListeEnabled());

        // Enter runs the command while it is enabled.
        type(editSearch, QStringLiteral("port"));
        aSearch.setEnabled(form.searchEnabled());
        click(form, "checkPos");
        QTest::keyClick(editSearch->lineEdit(), Qt::Key_Return);
        QCOMPARE(paneTexts(e.filbox),
                 QStringList({"Rapport", "rapport.doc", "rapport.txt", "report.doc"}));
        QCOMPARE(labelText(form, "LabelSearchAntalFundne"),
                 QStringLiteral("Der blev fundet 4 antal elementer."));
        QCOMPARE(editSearch->count(), 1);
        QVERIFY(form.isVisible());

        // A text with an extension compares whole file names, files only.
        type(editSearch, QStringLiteral("RAPPORT.doc"));
        QTest::keyClick(editSearch->lineEdit(), Qt::Key_Return);
        QCOMPARE(paneTexts(e.filbox), QStringList({"rapport.doc"}));
        QVERIFY(form.findChildren<QRadioButton*>().at(0)->isChecked());
        QCOMPARE(labelText(form, "LabelSearchAntalFundne"),
                 QStringLiteral("Der blev fundet 1 antal elementer."));

        // A text beginning with a dot lists a file type; texts are remembered once.
        type(editSearch, QStringLiteral(".txt"));
        form.Search();
        QCOMPARE(e.filbox.topLevelItem(0)->text(), QStringLiteral("txt filer"));
        QCOMPARE(paneTexts(e.filbox), QStringList({"noter"}));
        type(editSearch, QStringLiteral("Port"));
        form.Search();
        QCOMPARE(editSearch->count(), 3);
        QVERIFY(form.clearSearchListeEnabled());
        aClear.trigger();
        QCOMPARE(editSearch->count(), 0);
        QCOMPARE(editSearch->currentText(), QStringLiteral("Port"));
        type(editSearch, QString());
        aSearch.setEnabled(form.searchEnabled());
        QVERIFY(!aSearch.isEnabled());
    }

    void enterInTheSearchBoxOfTheMainWindowSearches() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\s\\rapport.doc"), "x");
        NamedUser::useDataRoot(env);
        Tmainform main;
        main.show();
        main.funk().makeStruktur2(QStringLiteral("C:\\s"), true);
        main.commands()(QStringLiteral("Action22"))->trigger();
        Tfindformen* form = main.findformen();
        QApplication::setActiveWindow(form);
        // The keys go where the user's keys go: to the control with the focus.
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClicks(focus, QStringLiteral("rapport"));
        main.commands().evaluate(); // the program goes idle
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(labelText(*form, "LabelSearchAntalFundne"),
                 QStringLiteral("Der blev fundet 1 antal elementer."));
        QVERIFY(form->isVisible());
    }

    // During a search the find window keeps its events: Esc stops the search with what it
    // found, while keys meant for the main window wait; the next search runs to the end.
    void escStopsASearchAndNothingElseRunsMeanwhile() {
        TestEnvironment env;
        for (int i = 0; i < 5; ++i)
            env.writeFile(QStringLiteral("C:\\s\\m%1\\rapport.doc").arg(i), "x");
        NamedUser::useDataRoot(env);
        Tmainform main;
        main.show();
        main.funk().makeStruktur2(QStringLiteral("C:\\s\\m0"), true);
        main.funk().makeStruktur2(QStringLiteral("C:\\s"), true);
        main.commands()(QStringLiteral("Action22"))->trigger();
        Tfindformen* form = main.findformen();
        QApplication::setActiveWindow(form);
        auto* editSearch = child<QComboBox>(*form, "EditSearch");
        type(editSearch, QStringLiteral("rapport"));
        main.commands().evaluate();

        // Queued now, handled while the search runs.
        main.filbox()->setCurrentItem(main.filbox()->topLevelItem(0));
        QCoreApplication::postEvent(main.filbox(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, {}));
        QCoreApplication::postEvent(editSearch->lineEdit(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        QTest::keyClick(editSearch->lineEdit(), Qt::Key_Return);
        QCOMPARE(labelText(*form, "LabelSearchAntalFundne"),
                 QStringLiteral("Søgningen blev stoppet. Der blev fundet 0 antal elementer."));
        QVERIFY(form->isVisible());
        QVERIFY(!child<QPushButton>(*form, "sbStop")->isVisible());
        QVERIFY(QFileInfo::exists(env.host(QStringLiteral("C:\\s\\m0"))));

        main.commands().evaluate();
        QVERIFY(form->searchEnabled());
        QTest::keyClick(editSearch->lineEdit(), Qt::Key_Return);
        QCOMPARE(labelText(*form, "LabelSearchAntalFundne"),
                 QStringLiteral("Der blev fundet 5 antal elementer."));
        QCOMPARE(paneTexts(*main.filbox()).size(), 5);
    }

    // Start-up makes neither search window, and the rules of their commands do not make them
    // either; made after the user has moved about, each starts at the folder in focus.
    void searchWindowsMadeLaterStartAtTheFolderInFocus() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\projekter\\noter\\a.txt"), "x");
        NamedUser::useDataRoot(env);
        Tmainform main;
        main.show();
        main.commands().evaluate();
        QVERIFY(main.findChildren<Tfindformen*>().isEmpty());
        QVERIFY(main.findChildren<Tfindform*>().isEmpty());
        QVERIFY(main.commands()(QStringLiteral("Action22"))->isEnabled());
        QVERIFY(!main.commands()(QStringLiteral("aSearch"))->isEnabled());
        QVERIFY(!main.commands()(QStringLiteral("aClearSearchListe"))->isEnabled());

        main.funk().makeStruktur2(QStringLiteral("C:\\projekter\\noter"), true);
        main.makeTypeliste();
        QVERIFY(main.findChildren<Tfindform*>().isEmpty());
        QCOMPARE(main.findform()->Mappe(), QStringLiteral("C:\\projekter\\noter\\"));
        main.commands()(QStringLiteral("Action22"))->trigger();
        Tfindformen* form = main.findformen();
        QVERIFY(form->isVisible());
        QCOMPARE(labelText(*form, "LabelSearch"), QStringLiteral("Der søges i noter"));
        main.commands().evaluate();
        QVERIFY(!main.commands()(QStringLiteral("Action22"))->isEnabled());

        // Once made, both follow every change, and stay the same windows.
        main.funk().makeStruktur2(QStringLiteral("C:\\projekter"), true);
        QCOMPARE(labelText(*form, "LabelSearch"), QStringLiteral("Der søges i projekter"));
        QCOMPARE(main.findform()->Mappe(), QStringLiteral("C:\\projekter\\"));
        QCOMPARE(main.findformen(), form);
        QCOMPARE(main.findChildren<Tfindform*>().size(), 1);
        main.commands()(QStringLiteral("aFindtekst"))->trigger();
        QCOMPARE(child<QComboBox>(*main.findform(), "filterBoks")->count(),
                 main.typeliste().filterEntries().size());
    }

    void showFileType() {
        TestEnvironment env;
        for (const char* name : {"a.txt", "b.TXT", "c.html", "mappe\\d.txt"})
            env.writeFile(QStringLiteral("C:\\x\\") + QLatin1String(name), "x");
        TestHost h;
        TestEngine& e = h.engine;
        e.funk.makeStruktur2(QStringLiteral("C:\\x"), false);
        Tfindformen form(h);
        const QStringList& status = h.info;
        form.show();
        auto* editFremvis = child<QComboBox>(form, "EditFremvis");
        QCOMPARE(editFremvis->count(), 7);
        type(editFremvis, QStringLiteral("txt"));
        QTest::keyClick(editFremvis->lineEdit(), Qt::Key_Return);
        QCOMPARE(status, QStringList({"Der blev fundte 2 filer af typen txt"}));
        QCOMPARE(labelText(form, "fremvisInfo"), QStringLiteral("Fundet: 2"));
        QCOMPARE(e.filbox.topLevelItemCount(), 4);
        type(editFremvis, QStringLiteral("html"));
        click(form, "sbFremvisKun");
        QCOMPARE(e.filbox.topLevelItemCount(), 1);
        QCOMPARE(labelText(form, "fremvisInfo"), QStringLiteral("Fundet: 1"));
        QCOMPARE(status.last(), QStringLiteral("Der blev fundte 1 filer af typen html"));
        QVERIFY(form.isVisible());
    }

    void textSearchInAFolder() {
        TestEnvironment env;
        const QString text = QStringLiteral("Kære Åse\r\nhusk mødet\r\n");
        env.writeFile(QStringLiteral("C:\\doc\\a.txt"), *TextFile::toWindows1252(text));
        env.writeFile(QStringLiteral("C:\\doc\\b.txt"), text.toUtf8());
        env.writeFile(QStringLiteral("C:\\doc\\c.html"), "<p>mødet</p>");
        env.writeFile(QStringLiteral("C:\\doc\\d.TXT"), "intet her");
        env.writeFile(QStringLiteral("C:\\doc\\under\\e.txt"), "mødet");
        TestHost h;
        env.writeFile(h.mapper().optDir + "findoptions.txt", "140\r\n30\r\n");
        TestEngine& e = h.engine;
        e.funk.makeStruktur2(QStringLiteral("C:\\doc"), false);
        h.types.setTypes({{"Tekstfil", ".txt", true}, {"Hjemmeside", ".html", true}});
        Tfindform form(h, &e.filbox);
        const QList<TekstFund>& shown = h.visteFund;
        bool& documentThere = h.dokumentFindes;
        form.show();
        QCOMPARE(form.pos(), QPoint(30, 140));
        QCOMPARE(form.Mappe(), QStringLiteral("C:\\doc\\"));
        QCOMPARE(child<QLineEdit>(form, "dirEdit")->text(), QStringLiteral("C:\\doc\\"));
        QVERIFY(!action(form, "AfindBib")->isEnabled());
        QVERIFY(!action(form, "Afind")->isEnabled());

        // The folder's text files, in their own encodings; subfolders are not searched.
        type(child<QComboBox>(form, "EditFind"), QStringLiteral("MØDET"));
        QVERIFY(action(form, "AfindBib")->isEnabled());
        action(form, "AfindBib")->trigger();
        QCOMPARE(tableRows(form),
                 QStringList({"C:\\doc\\a.txt|14|husk mødet", "C:\\doc\\b.txt|14|husk mødet"}));
        QCOMPARE(labelText(form, "countdis"), QStringLiteral("2"));
        QCOMPARE(child<QComboBox>(form, "EditFind")->count(), 1);
        child<QComboBox>(form, "filterBoks")->setCurrentIndex(1);
        action(form, "AfindBib")->trigger();
        QCOMPARE(tableRows(form), QStringList({"C:\\doc\\c.html|3|<p>mødet</p>"}));
        click(form, "Check2");
        action(form, "AfindBib")->trigger();
        QVERIFY(tableRows(form).isEmpty());
        click(form, "Check2");

        // Showing a hit hands over its document, position and the text's length; a hit
        // whose document is gone is removed.
        child<QComboBox>(form, "filterBoks")->setCurrentIndex(0);
        action(form, "AfindBib")->trigger();
        auto* findis = child<QTableView>(form, "findis");
        findis->selectRow(1);
        QVERIFY(action(form, "AvisValgte")->isEnabled());
        action(form, "AvisValgte")->trigger();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).dokument, QStringLiteral("C:\\doc\\b.txt"));
        QCOMPARE(shown.at(0).position, 14);
        QCOMPARE(shown.at(0).tekst, QStringLiteral("5"));
        documentThere = false;
        action(form, "AvisValgte")->trigger();
        QCOMPARE(tableRows(form).size(), 1);
        QCOMPARE(labelText(form, "countdis"), QStringLiteral("1"));
        documentThere = true;
        action(form, "AopenAll")->trigger();
        QCOMPARE(shown.size(), 3);
        action(form, "AsletAlt")->trigger();
        QVERIFY(tableRows(form).isEmpty());
        QVERIFY(child<QComboBox>(form, "EditFind")->currentText().isEmpty());

        // All file types search only the files chosen in the file pane.
        type(child<QComboBox>(form, "EditFind"), QStringLiteral("mødet"));
        click(form, "filtyperCheck");
        env.prompter().expectMessage(QStringLiteral("Der er ikke valgt nogen tekstfiler."));
        action(form, "AfindBib")->trigger();
        QVERIFY(child<QCheckBox>(form, "Check3")->isChecked());
        for (int i = 0; i < e.filbox.topLevelItemCount(); ++i) {
            StrukturItem* item = e.filbox.topLevelItem(i);
            item->setSelected(item->text() == QLatin1String("c.html") ||
                              item->text() == QLatin1String("under"));
        }
        action(form, "AfindBib")->trigger();
        QCOMPARE(tableRows(form), QStringList({"C:\\doc\\c.html|3|<p>mødet</p>"}));

        form.move(300, 200);
        click(form, "Button10");
        QVERIFY(!form.isVisible());
        QStringList lines;
        QVERIFY(TextFile::read(h.mapper().optDir + "findoptions.txt", lines));
        QCOMPARE(lines, QStringList({QString::number(form.y()), QString::number(form.x())}));
    }

    // Find and replace in the open documents: every hit in window order, with the line as
    // it became; afterwards a hit shows the replacement.
    void findAndReplaceInOpenDocuments() {
        TestEnvironment env;
        TestHost h;
        TDokument brev, noter;
        brev.nyt(QStringLiteral(".txt"));
        brev.tekst()->setPlainText(QStringLiteral("Kære hest\nhest og Hest\nhestehoved"));
        noter.nyt(QStringLiteral(".txt"));
        noter.tekst()->setPlainText(QStringLiteral("ingen heste\nen hest"));
        brev.setAendret(false);
        Tfindform form(h, &h.engine.filbox);
        form.show();
        auto* find = child<QComboBox>(form, "EditFind");
        type(find, QStringLiteral("hest"));
        QVERIFY(!action(form, "Afind")->isEnabled()); // no document open
        QVERIFY(!action(form, "Aerstat")->isEnabled());
        h.aabne = {{QStringLiteral("C:\\brev.txt"), &brev},
                   {QStringLiteral("Uden navn (.txt)"), &noter}};
        type(find, QStringLiteral("hest"));
        QVERIFY(action(form, "Afind")->isEnabled());

        QTest::mouseClick(child<QToolButton>(form, "Button3"), Qt::LeftButton);
        QCOMPARE(tableRows(form).size(), 6);
        click(form, "Check2");
        click(form, "Check1");
        QTest::mouseClick(child<QToolButton>(form, "Button3"), Qt::LeftButton);
        QCOMPARE(tableRows(form),
                 QStringList({"C:\\brev.txt|5|Kære hest", "C:\\brev.txt|10|hest og Hest",
                              "Uden navn (.txt)|15|en hest"}));
        QVERIFY(!brev.erAendret());

        type(child<QComboBox>(form, "EditErstat"), QStringLiteral("pony"));
        QTest::mouseClick(child<QToolButton>(form, "Button4"), Qt::LeftButton);
        QCOMPARE(tableRows(form),
                 QStringList({"C:\\brev.txt|5|Kære pony", "C:\\brev.txt|10|pony og Hest",
                              "Uden navn (.txt)|15|en pony"}));
        QCOMPARE(labelText(form, "countdis"), QStringLiteral("3"));
        QCOMPARE(brev.tekst()->toPlainText(),
                 QStringLiteral("Kære pony\npony og Hest\nhestehoved"));
        QCOMPARE(noter.tekst()->toPlainText(), QStringLiteral("ingen heste\nen pony"));
        QVERIFY(brev.erAendret());
        QCOMPARE(child<QComboBox>(form, "EditErstat")->count(), 1);
        brev.tekst()->undo(); // one step undoes every replacement in the document
        QCOMPARE(brev.tekst()->toPlainText(),
                 QStringLiteral("Kære hest\nhest og Hest\nhestehoved"));

        child<QTableView>(form, "findis")->selectRow(2);
        action(form, "AvisValgte")->trigger();
        QCOMPARE(h.visteFund.size(), 1);
        QCOMPARE(h.visteFund.at(0).dokument, QStringLiteral("Uden navn (.txt)"));
        QCOMPARE(h.visteFund.at(0).position, 15);
        QCOMPARE(h.visteFund.at(0).tekst, QStringLiteral("4")); // the replacement's length

        h.aabne.clear();
        form.hide();
        form.show();
        QVERIFY(!action(form, "Aerstat")->isEnabled());
    }

    // Enter starts a folder search; Esc during it stops the search with the hits of the
    // files searched so far, and says so. Closing the window, or its going, stops it too.
    void aFolderSearchCanBeStopped() {
        TestEnvironment env;
        for (int i = 1; i <= 5; ++i)
            env.writeFile(QStringLiteral("C:\\doc\\%1.txt").arg(i), "en nål\r\nto nåle\r\n");
        TestHost h;
        h.engine.funk.makeStruktur2(QStringLiteral("C:\\doc"), false);
        h.types.setTypes({{"Tekstfil", ".txt", true}});
        auto* form = new Tfindform(h, &h.engine.filbox);
        form->show();
        auto* editFind = child<QComboBox>(*form, "EditFind");
        type(editFind, QStringLiteral("nål"));
        QStringList whileSearching;
        connect(form, &Tfindform::fremskridt, form, [&](int soegt, int ialt) {
            whileSearching << QStringLiteral("%1/%2 %3 %4")
                                  .arg(soegt)
                                  .arg(ialt)
                                  .arg(child<QPushButton>(*form, "stopKnap")->isEnabled())
                                  .arg(action(*form, "AfindBib")->isEnabled());
            if (soegt == 2)
                QTest::keyClick(form, Qt::Key_Escape);
        });
        QTest::keyClick(editFind, Qt::Key_Return);
        // Nothing more is told once it is stopped. Files searched on helper threads meanwhile
        // count, and the hits shown are those of the files counted.
        QCOMPARE(whileSearching, QStringList({"1/5 1 0", "2/5 1 0"}));
        QVERIFY(stoppedWithTheHitsOfTheFilesDone(*form) >= 2);
        QVERIFY(form->isVisible());
        QVERIFY(!child<QPushButton>(*form, "stopKnap")->isEnabled());
        QVERIFY(action(*form, "AfindBib")->isEnabled());

        // The whole folder, and Esc with no search under way closes the window.
        whileSearching.clear();
        disconnect(form, &Tfindform::fremskridt, form, nullptr);
        QTest::keyClick(editFind, Qt::Key_Return);
        QCOMPARE(tableRows(*form).size(), 10);
        QCOMPARE(labelText(*form, "countdis"), QStringLiteral("10"));
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());

        // "Stop" stops as Esc does; "Luk" closes the window and stops the search.
        form->show();
        connect(form, &Tfindform::fremskridt, form, [&](int soegt) {
            if (soegt == 1)
                click(*form, "stopKnap");
        });
        QTest::keyClick(editFind, Qt::Key_Return);
        QVERIFY(stoppedWithTheHitsOfTheFilesDone(*form) >= 1);
        disconnect(form, &Tfindform::fremskridt, form, nullptr);
        connect(form, &Tfindform::fremskridt, form, [&](int soegt) {
            if (soegt == 3)
                click(*form, "Button10");
        });
        QTest::keyClick(editFind, Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->soeger());
        QVERIFY(stoppedWithTheHitsOfTheFilesDone(*form) >= 3);

        // The window may even go while it searches.
        form->show();
        QPointer<Tfindform> alive(form);
        connect(form, &Tfindform::fremskridt, form, [&] { delete form; });
        QTest::keyClick(editFind, Qt::Key_Return);
        QVERIFY(!alive);
    }
};

RAVNSTI_TEST_MAIN(TestFindForms)
#include "tst_findforms.moc"
