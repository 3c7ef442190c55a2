#include "editor/dokument.h"
#include "editor/printform.h"
#include "editor/twinform.h"
#include "editor/udskrivning.h"
#include "harness/caretmarkering.h"
#include "harness/findchild.h"
#include "harness/htmllister.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

// A window as the document area opens it, shown and active so that keys reach it.
std::unique_ptr<Twinform> aaben(TestHost& host, const QString& cap, const QString& fil,
                                const QString& ext = {}) {
    auto vindue = std::make_unique<Twinform>(host);
    vindue->InfoCap(1, cap, fil, ext);
    vindue->show();
    QApplication::setActiveWindow(vindue.get());
    vindue->infoTekst()->setFocus();
    return vindue;
}

std::unique_ptr<Twinform> nyt(TestHost& host, const QString& ext) {
    return aaben(host, QStringLiteral("Uden navn (%1)").arg(ext), {}, ext);
}

void tast(Twinform& vindue, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(vindue.infoTekst(), key, modifiers);
}

QString tekst(const Twinform& vindue) {
    return vindue.dokument().tekst()->toPlainText();
}

// The caret panels: line count, caret line, caret column.
QStringList caret(const Twinform& vindue) {
    return {vindue.InfoX(1), vindue.InfoX(3), vindue.InfoX(5)};
}

// Runs `action` once the dialog's own loop runs; a dialog it left open ends with -1.
template <class Action> void whenOpen(QDialog& dialog, Action action) {
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        action();
        if (dialog.isVisible())
            dialog.done(-1);
    });
}

void skriv(QLineEdit* boks, const QString& tekst) {
    boks->setFocus();
    QTest::keyClick(boks, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(boks, Qt::Key_Delete);
    QTest::keyClicks(boks, tekst);
}

int sider(const QString& pdf) {
    QFile fil(pdf);
    if (!fil.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = fil.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
               bytes.count("/Type /Page>"));
}

} // namespace

class TestTwinform : public QObject {
    Q_OBJECT

private slots:
    // New documents of the known kinds start from their template with the caret on the
    // marked line's successor and are modified; others start empty and unmodified.
    void skabeloner_data() {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("linjer");
        QTest::addColumn<QString>("caretLinje");
        QTest::addColumn<bool>("aendret");
        QTest::newRow("html") << ".html" << 10 << "7 " << true;
        QTest::newRow("asp") << ".asp" << 11 << "8 " << true;
        QTest::newRow("wsf") << ".wsf" << 6 << "3 " << true;
        QTest::newRow("asa") << ".asa" << 28 << "5 " << true;
        QTest::newRow("txt") << ".txt" << 1 << "1 " << false;
        QTest::newRow("upper-case HTML") << ".HTML" << 1 << "1 " << false;
    }
    void skabeloner() {
        QFETCH(QString, ext);
        QFETCH(int, linjer);
        QFETCH(QString, caretLinje);
        QFETCH(bool, aendret);
        TestEnvironment env;
        TestHost host;
        const auto vindue = nyt(host, ext);
        QCOMPARE(vindue->dokument().tekst()->blockCount(), linjer);
        QCOMPARE(vindue->InfoX(3), caretLinje);
        QCOMPARE(vindue->InfoX(5), QStringLiteral("0 "));
        QCOMPARE(vindue->dokument().erAendret(), aendret);
        QCOMPARE(vindue->handling("AGemDokument")->isEnabled(), aendret);
        QCOMPARE(vindue->windowTitle(), QStringLiteral("Uden navn (%1)").arg(ext));
        QCOMPARE(vindue->CapNavn, QStringLiteral("1: Uden navn (%1)").arg(ext));
        if (ext == QLatin1String(".html"))
            QCOMPARE(tekst(*vindue),
                     QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title></title>\n</head>\n"
                                    "<body>\n\n</body>\n</html>\n"));
        if (ext == QLatin1String(".asa")) {
            const QStringList l = tekst(*vindue).split(QLatin1Char('\n'));
            QCOMPARE(l.count(QStringLiteral("Application.Lock")), 4);
            QCOMPARE(l.count(QStringLiteral("Application.UnLock")), 4);
            QCOMPARE(l.at(20), QStringLiteral("Sub Session_OnEnd"));
            QCOMPARE(l.at(26), QStringLiteral("</SCRIPT>"));
            QCOMPARE(l.at(27), QString());
        }
        // Both spellings of a web page are web pages: the HTML bar and the checker.
        const bool side = ext.compare(QLatin1String(".html"), Qt::CaseInsensitive) == 0 ||
                          ext == QLatin1String(".asp") || ext == QLatin1String(".asa");
        QCOMPARE(vindue->hjemmeside, side);
        QCOMPARE(vindue->HtmlBar()->isVisible(), side);
        QCOMPARE(vindue->aKontrol()->isEnabled(), side);
        QCOMPARE(host.taginf().editor() != nullptr, ext != QLatin1String(".txt"));
        // A document without changes closes without a question.
        if (!aendret)
            QVERIFY(vindue->luk());
    }

    // Typing moves the caret panels at every key; Ctrl+S writes the file and clears the
    // modified flag; the caption names the file.
    void tasterOgGem() {
        TestEnvironment env;
        TestHost host;
        env.writeFile(QStringLiteral("C:\\t\\a.txt"), "abc\r\nd\r\n");
        const auto vindue = aaben(host, QStringLiteral("a.txt"), QStringLiteral("C:\\t\\a.txt"));
        QCOMPARE(caret(*vindue), (QStringList{"3", "1 ", "0 "}));
        QCOMPARE(vindue->InfoX(7), QStringLiteral("a.txt"));
        QVERIFY(!vindue->handling("AGemDokument")->isEnabled());
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("xy"));
        QCOMPARE(caret(*vindue), (QStringList{"3", "1 ", "2 "}));
        tast(*vindue, Qt::Key_Return);
        QCOMPARE(caret(*vindue), (QStringList{"4", "2 ", "0 "}));
        QVERIFY(vindue->handling("AGemDokument")->isEnabled());
        QSignalSpy brugt(vindue.get(), &Twinform::brugtFil);
        tast(*vindue, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(env.readFile(QStringLiteral("C:\\t\\a.txt")), QByteArray("xy\r\nabc\r\nd\r\n"));
        QVERIFY(!vindue->dokument().erAendret());
        QVERIFY(!vindue->handling("AGemDokument")->isEnabled());
        QCOMPARE(brugt.size(), 1);
        // The file pane shows the document's folder.
        QCOMPARE(host.funk().Grundmappe(), QStringLiteral("C:\\t"));
    }

    // Ctrl+Alt+S asks the host for a name; one without extension gets the document's; the
    // kind follows the new extension.
    void gemSom() {
        TestEnvironment env;
        TestHost host;
        env.makeFolder(QStringLiteral("C:\\t"));
        const auto vindue = nyt(host, QStringLiteral(".css"));
        QVERIFY(vindue->cssSide);
        QVERIFY(vindue->findChild<QWidget*>(QStringLiteral("tsCssInfo"))->isVisible());
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("p { }"));
        QSignalSpy omdoebt(vindue.get(), &Twinform::omdoebt);
        host.dokumentnavn = QStringLiteral("C:\\t\\stil");
        tast(*vindue, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(host.navneforslag, QStringList{QStringLiteral("UdenNavn")});
        QCOMPARE(vindue->dokumentFilnavn, QStringLiteral("C:\\t\\stil.css"));
        QCOMPARE(env.readFile(QStringLiteral("C:\\t\\stil.css")), QByteArray("p { }"));
        QCOMPARE(omdoebt.first(), (QVariantList{QStringLiteral("1: Uden navn (.css)"),
                                                QStringLiteral("1: stil.css")}));
        QCOMPARE(vindue->windowTitle(), QStringLiteral("stil.css"));
        QCOMPARE(vindue->InfoX(7), QStringLiteral("stil.css"));

        // Saved as ".txt": plain text, no information buttons, the checker let go.
        host.dokumentnavn = QStringLiteral("C:\\t\\stil.txt");
        tast(*vindue, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(host.navneforslag.last(), QStringLiteral("stil.css"));
        QCOMPARE(vindue->dokumentFilnavn, QStringLiteral("C:\\t\\stil.txt"));
        QVERIFY(!vindue->cssSide);
        QCoreApplication::processEvents(); // the tool bar lays its buttons out anew
        QVERIFY(!vindue->findChild<QWidget*>(QStringLiteral("tsCssInfo"))->isVisible());
        QCOMPARE(host.taginf().editor(), nullptr);

        // Answering "Nej" to the overwrite question changes nothing.
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("x"));
        host.dokumentnavn = QStringLiteral("C:\\t\\stil.css");
        env.prompter().answer(false);
        tast(*vindue, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("\nFilen stil.css eksisterer allerede!\nSkal den overskrives?"));
        QCOMPARE(vindue->dokumentFilnavn, QStringLiteral("C:\\t\\stil.txt"));
        QCOMPARE(env.readFile(QStringLiteral("C:\\t\\stil.css")), QByteArray("p { }"));
        QVERIFY(vindue->dokument().erAendret());
    }

    // A document whose file could not be read is named "???" and never saved under that
    // name: Ctrl+S asks for a name.
    void mislykketHentning() {
        TestEnvironment env;
        TestHost host;
        env.prompter().expectMessage(QStringLiteral("Filen findes ikke.\nC:\\t\\væk.txt"));
        const auto vindue =
            aaben(host, QStringLiteral("væk.txt"), QStringLiteral("C:\\t\\væk.txt"));
        QCOMPARE(vindue->dokumentFilnavn, QStringLiteral("???"));
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("a"));
        tast(*vindue, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(host.navneforslag, QStringList{QStringLiteral("UdenNavn")});
        QVERIFY(!Platform::files().exists(QStringLiteral("C:\\t\\???")));
        QCOMPARE(env.prompter().pending(), 0);
    }

    // An unsaved document asks before it closes; "Nej" keeps it and says so in dontClose.
    void lukkeSpoergsmaal() {
        TestEnvironment env;
        TestHost host;
        const auto vindue = nyt(host, QStringLiteral(".txt"));
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("noget"));
        env.prompter().answer(false);
        QVERIFY(!vindue->luk());
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("\nNuværende dokument er ikke gemt.\nSkal det lukkes alligevel?"));
        QVERIFY(vindue->dontClose);
        QVERIFY(vindue->isVisible());
        QSignalSpy lukket(vindue.get(), &Twinform::lukket);
        env.prompter().answer(true);
        QVERIFY(vindue->luk());
        QVERIFY(!vindue->dontClose);
        QCOMPARE(lukket.size(), 1);
    }

    // The checker follows the active window: a web page binds it, a text file lets go.
    void checkerFoelgerVinduet() {
        TestEnvironment env;
        TestHost host;
        const auto side = nyt(host, QStringLiteral(".html"));
        const auto tekstfil = nyt(host, QStringLiteral(".txt"));
        QCOMPARE(host.taginf().editor(), nullptr);
        QApplication::setActiveWindow(side.get());
        QTest::mouseClick(side->plainTekst()->viewport(), Qt::LeftButton);
        QCOMPARE(host.taginf().editor(), side->plainTekst());
        QApplication::setActiveWindow(tekstfil.get());
        QTest::mouseClick(tekstfil->plainTekst()->viewport(), Qt::LeftButton);
        QCOMPARE(host.taginf().editor(), nullptr);
        QVERIFY(!tekstfil->aKontrol()->isEnabled());
    }

    // The HTML and script tools reach the page through the window's own keys and bars.
    void vaerktoejIVinduet() {
        TestEnvironment env;
        TestHost host;
        laesHtmlLister(env, host.taginf());
        const auto side = nyt(host, QStringLiteral(".html"));
        QVERIFY(side->HtmlBar()->findChild<QMenu*>(QStringLiteral("PUattributter")));
        // The caret stands on the template's empty line inside <body>.
        for (const QChar c : QStringLiteral("<p class=x>tekst"))
            QTest::keyClick(side->plainTekst(), c.toLatin1());
        tast(*side, Qt::Key_K, Qt::ControlModifier);
        QVERIFY2(tekst(*side).contains(QStringLiteral("<p class=x>tekst</p>\n</body>")),
                 qPrintable(tekst(*side)));
        QTest::keyClick(side->plainTekst(), Qt::Key_Home);
        tast(*side, Qt::Key_Right);
        tast(*side, Qt::Key_Right);
        tast(*side, Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(tekst(*side).contains(QStringLiteral("<p id=\"\" class=x>")));
        // One undo step takes the id back.
        tast(*side, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(tekst(*side).contains(QStringLiteral("<p class=x>tekst</p>")));

        const auto script = nyt(host, QStringLiteral(".vbs"));
        for (const QChar c : QStringLiteral("if a then"))
            QTest::keyClick(script->plainTekst(), c.toLatin1());
        tast(*script, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY2(tekst(*script).contains(QStringLiteral("End If")), qPrintable(tekst(*script)));
        QVERIFY(!script->tsVbSlutkoder()->menu()->isEmpty());
    }

    // The four information keys pass the viewer what stands at the caret: the tag between
    // tags, else the attribute whose value holds the caret, else the tag; the CSS and script
    // words. The checker stays bound as it was.
    void informationVedMarkoeren() {
        TestEnvironment env;
        TestHost host;
        laesHtmlLister(env, host.taginf());
        const auto side = nyt(host, QStringLiteral(".html"));
        const auto saet = [&](const QString& tekst) {
            CaretMarkering::saet(*side->plainTekst(), tekst);
            tast(*side, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
        };
        saet(QStringLiteral("<html><body><p class=\"x\">te|kst</p></body></html>"));
        saet(QStringLiteral("<html><body><p class=\"x|\">tekst</p></body></html>"));
        saet(QStringLiteral("<html><body><p cl|ass=\"x\">tekst</p></body></html>"));
        CaretMarkering::saet(*side->plainTekst(),
                             QStringLiteral("<style>p { background-co|lor: red }</style>"));
        tast(*side, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
        CaretMarkering::saet(*side->plainTekst(), QStringLiteral("<script>document.getEle|ment"));
        tast(*side, Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(host.opslag, (QStringList{"HtmlInfo|p", "HtmlInfo|class", "HtmlInfo|p",
                                           "CssInfo|background-color", "JsInfo|getElement"}));
        QCOMPARE(host.taginf().editor(), side->plainTekst());

        // A plain text file has no checker bound, and still finds its word.
        const auto tekstfil = nyt(host, QStringLiteral(".txt"));
        CaretMarkering::saet(*tekstfil->plainTekst(), QStringLiteral("Msg|Box \"hej\""));
        tast(*tekstfil, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(host.opslag.last(), QStringLiteral("VbsInfo|MsgBox"));
        QCOMPARE(host.taginf().editor(), nullptr);
    }

    // Ctrl+W inserts the clipboard's text without formatting and leaves the clipboard as
    // it was.
    void indsaetFraHjemmeside() {
        TestEnvironment env;
        TestHost host;
        const auto vindue = nyt(host, QStringLiteral(".rtf"));
        QVERIFY(vindue->rigTekst());
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<b>fed</b> tekst"));
        data->setText(QStringLiteral("fed tekst"));
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(vindue->handling("pasteFromInfo")->isEnabled());
        tast(*vindue, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(tekst(*vindue), QStringLiteral("fed tekst"));
        QTextCursor c(vindue->dokument().tekst());
        c.setPosition(1);
        QVERIFY(c.charFormat().fontWeight() != QFont::Bold);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
    }

    // Rich text: the second tool bar and the font panel, Ctrl+B on the selection, and a
    // save as plain text that swaps the editor and keeps the text.
    void rigTekst() {
        TestEnvironment env;
        TestHost host;
        env.makeFolder(QStringLiteral("C:\\t"));
        const auto vindue = nyt(host, QStringLiteral(".rtf"));
        QVERIFY(vindue->findChild<QToolBar*>(QStringLiteral("ToolBar2"))->isVisible());
        QVERIFY(!vindue->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isVisible());
        QVERIFY(vindue->findChild<QWidget*>(QStringLiteral("PanelSkrivTop"))->isVisible());
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("ord"));
        tast(*vindue, Qt::Key_A, Qt::ControlModifier);
        tast(*vindue, Qt::Key_B, Qt::ControlModifier);
        QTextCursor c(vindue->dokument().tekst());
        c.setPosition(2);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(vindue->handling("RichEditBold1")->isChecked());
        // The quick size 14 and the heading button.
        QTest::mouseClick(child(*vindue, "Size14"), Qt::LeftButton);
        QCOMPARE(c.charFormat().fontPointSize(), 14.0);
        tast(*vindue, Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(c.charFormat().fontPointSize(), 12.0);
        QCOMPARE(c.charFormat().foreground().color(), QColor(Qt::blue));

        host.dokumentnavn = QStringLiteral("C:\\t\\ord.txt");
        tast(*vindue, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(vindue->plainTekst());
        QVERIFY(!vindue->rigTekst());
        QCOMPARE(tekst(*vindue), QStringLiteral("ord"));
        QVERIFY(vindue->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isVisible());
        QCOMPARE(env.readFile(QStringLiteral("C:\\t\\ord.txt")), QByteArray("ord"));
        // Typing goes on in the new editor.
        vindue->infoTekst()->setFocus();
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("!"));
        QVERIFY(tekst(*vindue).contains(QLatin1Char('!')));
    }

    // The print dialog keeps only what each box can hold and refuses what cannot be
    // printed; "Print" prints each copy inside the margins, read with a decimal comma
    // whatever the locale.
    void udskrivning() {
        TestEnvironment env;
        TestHost host;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto vindue = nyt(host, QStringLiteral(".txt"));
        QTest::keyClicks(vindue->infoTekst(), QStringLiteral("En linje til papiret."));
        QVERIFY(vindue->handling("AprintDokument")->isEnabled());
        Tprintform& form = *vindue->printform();
        QCOMPARE(form.windowTitle(), QStringLiteral("Udskriv dokument"));
        const QString pdf = env.base() + QStringLiteral("/ud.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));

        // Typing into a margin keeps digits and commas; the copy box only digits.
        whenOpen(form, [&] {
            skriv(form.Edit(1), QStringLiteral("1.5a,5"));
            skriv(form.Edit(5), QStringLiteral("2,x"));
            QCOMPARE(form.venstre(), QStringLiteral("15,5"));
            QCOMPARE(form.kopier(), QStringLiteral("2"));
            QTest::mouseClick(child<QPushButton>(form, "standardKnap"), Qt::LeftButton);
            QCOMPARE(form.venstre(), QStringLiteral("2,5"));
            QTest::mouseClick(child<QPushButton>(form, "annullerKnap"), Qt::LeftButton);
        });
        QVERIFY(!vindue->udskrivPaa(printer));

        const auto forsoeg = [&](int felt, const QString& vaerdi, const QString& besked) {
            whenOpen(form, [&] {
                form.standard();
                skriv(form.Edit(felt), vaerdi);
                QTest::mouseClick(child<QPushButton>(form, "printKnap"), Qt::LeftButton);
            });
            env.prompter().expectMessage(besked);
            QVERIFY(!vindue->udskrivPaa(printer));
        };
        forsoeg(3, QString(), QStringLiteral("Der mangler en værdi, prøv igen!"));
        forsoeg(5, QStringLiteral("0"), QStringLiteral("Der skal udskrives mindst 1 kopi."));
        forsoeg(1, QStringLiteral("20"),
                QStringLiteral("Margenerne er så store, at der ikke er plads til tekst på siden."));
        QVERIFY(!QFile::exists(pdf));

        whenOpen(form, [&] {
            form.standard();
            skriv(form.Edit(5), QStringLiteral("3"));
            QTest::mouseClick(child<QPushButton>(form, "printKnap"), Qt::LeftButton);
        });
        QVERIFY(vindue->udskrivPaa(printer));
        QCOMPARE(sider(pdf), 3);
        // Left 2,5 cm and top 2 cm at 1200 dots per inch; right 1 cm and bottom 1,5 cm.
        const QRect side = Udskrivning::sideRektangel(printer, {2.5, 1, 2, 1.5});
        const QRectF papir = printer.paperRect(QPrinter::DevicePixel);
        QCOMPARE(side.left(), 1181);
        QCOMPARE(side.top(), 945);
        QCOMPARE(int(papir.width()) - (side.left() + side.width()), 472);
        QCOMPARE(int(papir.height()) - (side.top() + side.height()), 709);
        QLocale::setDefault(QLocale::system());
    }
};

RAVNSTI_TEST_MAIN(TestTwinform)
#include "tst_twinform.moc"
