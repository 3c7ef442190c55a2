#include "editor/dokumenthandlinger.h"
#include "editor/htmlmenuer.h"
#include "editor/infotag.h"

#include "harness/caretmarkering.h"
#include "harness/htmllister.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

// The HTML bar's insert menus, the end-tag command and the attribute commands, as a person
// uses them on a page: the exact text written, where the caret ends, one undo step each.
class TestHtmlIndsaet : public QObject {
    Q_OBJECT
private slots:
    void menupunkter_data();
    void menupunkter();
    void valgtTekstErstattes();
    void blokErEtFortrydTrin();
    void menuerneOgDeresKnapper();
    void slutkode_data();
    void slutkode();
    void attributter_data();
    void attributter();
    void ubundetSkriverIntet();
};

namespace {

struct Bar {
    Bar() {
        editor.resize(600, 400);
        laesHtmlLister(env, host.taginf());
        host.taginf().setEditor(&editor);
        menuer.fyld(&bar, handlinger);
        // As in a web page's window, where Ctrl+Alt+O is the onclick command's.
        handlinger("Aoverskrift")->setEnabled(false);
    }
    // Text with "|" for the caret.
    void saet(const QString& tekst) { CaretMarkering::saet(editor, tekst); }
    QString vist() const { return CaretMarkering::vis(editor); }
    QAction* punkt(const QString& menu, const QStringList& sti) {
        QMenu* her = menuer.menu(menu);
        for (const QString& caption : sti) {
            QAction* fundet = nullptr;
            for (QAction* a : her->actions())
                if (a->text() == caption)
                    fundet = a;
            if (!fundet)
                return nullptr;
            if (fundet->menu())
                her = fundet->menu();
            else
                return fundet;
        }
        return nullptr;
    }

    TestEnvironment env;
    TestHost host;
    // The editor in a window with the document window's commands, whose keys act in it.
    QWidget vindue;
    QPlainTextEdit editor{&vindue};
    DokumentHandlinger handlinger{&vindue};
    QToolBar bar;
    HtmlMenuer menuer{host, nullptr};
};

} // namespace

void TestHtmlIndsaet::menupunkter_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("sti");
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");

    QTest::newRow("par") << "PUstrukturkoder" << QStringList{"<aside></aside>"} << "x|y"
                         << "x<aside>|</aside>y";
    QTest::newRow("blok paa tom linje")
        << "PUstrukturkoder" << QStringList{"<article></article>"} << "<body>\n|\n</body>"
        << "<body>\n<article>\n|\n</article>\n</body>";
    QTest::newRow("blok paa linje med tekst beholder teksten")
        << "PUstrukturkoder" << QStringList{"<main></main>"} << "te|kst\nmere"
        << "tekst\n<main>\n|\n</main>\nmere";
    QTest::newRow("blok med indre par")
        << "PUstrukturkoder" << QStringList{"<details><summary></summary></details>"} << "|"
        << "<details>\n<summary>|</summary>\n</details>";
    QTest::newRow("figure med figcaption")
        << "PUstrukturkoder" << QStringList{"<figure><figcaption></figcaption><figure>"} << "|"
        << "<figure>\n<figcaption>|</figcaption>\n</figure>";
    QTest::newRow("overskrift") << "PUtekstkoder" << QStringList{"Overskrifter", "<h3></h3>"} << "|"
                                << "<h3>|</h3>";
    QTest::newRow("fed") << "PUtekstkoder" << QStringList{"Formatering", " <b></b>"} << "|"
                         << "<b>|</b>";
    QTest::newRow("bdo") << "PUtekstkoder" << QStringList{"Indhold", "<bdo dir=\"\"></bdo>"} << "|"
                         << "<bdo dir=\"\">|</bdo>";
    QTest::newRow("enkelt") << "PUtekstkoder" << QStringList{"<br>"} << "a|b"
                            << "a<br>|b";
    QTest::newRow("vaerdi") << "PUformkoder"
                            << QStringList{"Form", "<form action=\"\" method=\"post\"></form>"}
                            << "|"
                            << "<form action=\"|\" method=\"post\"></form>";
    QTest::newRow("input") << "PUformkoder"
                           << QStringList{"Input", "<input type=\"datetime-local\">"} << "|"
                           << "<input type=\"datetime-local\">|";
    QTest::newRow("textarea enkelt") << "PUformkoder" << QStringList{"<textarea></textarea>"} << "|"
                                     << "<textarea></textarea>|";
    QTest::newRow("textarea vaerdi")
        << "PUformkoder" << QStringList{"Textarea", "<textarea rows=\"\" cols=\"\"></textarea>"}
        << "|"
        << "<textarea rows=\"|\" cols=\"\"></textarea>";
    QTest::newRow("audio blok") << "PUmultimedieKoder"
                                << QStringList{"Audio", "<audio controls></audio>"} << "|"
                                << "<audio controls>\n|\n</audio>";
    QTest::newRow("img usemap") << "PUmultimedieKoder"
                                << QStringList{"Img", "<img src=\"\" alt=\"\" usemap=\"#\">"} << "|"
                                << "<img src=\"|\" alt=\"\" usemap=\"#\">";
    QTest::newRow("colgroup col") << "PUskemakoder"
                                  << QStringList{"Colgroup",
                                                 "<colgroup><col span=\"\" style=\"\"></colgroup>"}
                                  << "|"
                                  << "<colgroup><col span=\"|\" style=\"\"></colgroup>";
    QTest::newRow("tr") << "PUskemakoder" << QStringList{"<tr></tr>"} << "|"
                        << "<tr>|</tr>";
    QTest::newRow("ol start") << "PUlistekoder"
                              << QStringList{"Ordnet liste", "<ol type=\"\" start=\"\"></ol>"}
                              << "|"
                              << "<ol type=\"|\" start=\"\"></ol>";
    QTest::newRow("mellemrum") << "PUspecialtegn" << QStringList{"Mellemrum"} << "a|b"
                               << "a&nbsp;|b";
    QTest::newRow("ampersant") << "PUspecialtegn" << QStringList{"Ampersant"} << "|"
                               << "&amp;|";
    QTest::newRow("style-koder") << "PUattributter" << QStringList{"Style-koder"} << "|"
                                 << "<style>\n|\n</style>";
}

void TestHtmlIndsaet::menupunkter() {
    QFETCH(QString, menu);
    QFETCH(QStringList, sti);
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    Bar b;
    b.saet(foer);
    QAction* punkt = b.punkt(menu, sti);
    QVERIFY(punkt);
    QSignalSpy skrevet(&b.menuer, &HtmlMenuer::kodeSkrevet);
    punkt->trigger();
    QCOMPARE(b.vist(), efter);
    QVERIFY(b.editor.document()->isModified());
    QCOMPARE(skrevet.size(), menu == QLatin1String("PUattributter") ? 0 : 1);
}

void TestHtmlIndsaet::valgtTekstErstattes() {
    Bar b;
    b.saet(QStringLiteral("Hej verden"));
    b.editor.setFocus();
    QTest::keyClick(&b.editor, Qt::Key_End);
    QTest::keyClick(&b.editor, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(b.editor.textCursor().selectedText(), QStringLiteral("verden"));
    b.punkt(QStringLiteral("PUtekstkoder"),
            {QStringLiteral("Formatering"), QStringLiteral(" <b></b>")})
        ->trigger();
    QCOMPARE(b.vist(), QStringLiteral("Hej <b>|</b>"));
}

void TestHtmlIndsaet::blokErEtFortrydTrin() {
    Bar b;
    b.saet(QStringLiteral("tekst|"));
    b.punkt(QStringLiteral("PUstrukturkoder"),
            {QStringLiteral("<details><summary></summary></details>")})
        ->trigger();
    QCOMPARE(b.editor.toPlainText(),
             QStringLiteral("tekst\n<details>\n<summary></summary>\n</details>"));
    QTest::keyClick(&b.editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b.editor.toPlainText(), QStringLiteral("tekst"));
}

void TestHtmlIndsaet::menuerneOgDeresKnapper() {
    Bar b;
    const QList<QToolButton*> knapper = b.bar.findChildren<QToolButton*>();
    QStringList hints;
    for (QToolButton* knap : knapper)
        if (knap->menu() && !knap->objectName().startsWith(QLatin1String("qt_")))
            hints << knap->toolTip();
    QCOMPARE(hints, (QStringList{"Strukturkoder", "Tekstkoder", "Formkoder", "Multimediekoder",
                                 "Skemakoder", "Listekoder", "Specialtegn",
                                 "Nogle attributter og koder"}));
    QCOMPARE(b.menuer.menu("PUstrukturkoder")->actions().size(), 11);
    QCOMPARE(b.punkt("PUformkoder", {"Input"}), nullptr);
    QAction* input = nullptr;
    for (QAction* a : b.menuer.menu("PUformkoder")->actions())
        if (a->text() == QLatin1String("Input"))
            input = a;
    QVERIFY(input && input->menu());
    QCOMPARE(input->menu()->actions().size(), 23);
    QCOMPARE(input->toolTip(), QStringLiteral("Input typer"));
    QCOMPARE(b.punkt("PUstrukturkoder", {"<aside></aside>"})->toolTip(),
             QStringLiteral(" aside-koden kan have et indhold, der ikke er helt centralt for det "
                            "indhold koden er placeret i"));
    QStringList attributter;
    for (QAction* a : b.menuer.menu("PUattributter")->actions())
        attributter << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(attributter, (QStringList{"Indsæt style-attribut", "-", "Indsæt class-attribut",
                                       "Indsæt id-attribut", "-", "Indsæt onclick-event", "-",
                                       "Style-koder", "Script-koder"}));
    QCOMPARE(b.handlinger("AclassAttribut")->toolTip(),
             QStringLiteral("Indsæt class-attribut i aktuelle kode: Ctrl+Alt+B"));
}

void TestHtmlIndsaet::slutkode_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("besked");

    QTest::newRow("i aabent element") << "<body><p>tekst|"
                                      << "<body><p>tekst|</p>"
                                      << ""
                                      << "";
    QTest::newRow("efter lukket barn") << "<ul><li>a</li>|"
                                       << "<ul><li>a</li>|</ul>"
                                       << ""
                                       << "";
    QTest::newRow("i starttag") << "<p cl|ass>"
                                << "<p cl|ass>"
                                << ""
                                << "";
    QTest::newRow("tekst foerst") << "tekst <p>a|"
                                  << "tekst <p>a|"
                                  << "Der er ingen aktuel kode"
                                  << "";
    QTest::newRow("ukendt kode") << "<foo>a|"
                                 << "<foo>a|"
                                 << ""
                                 << "Koden blev ikke fundet";
    QTest::newRow("ingen kode") << "<p>a</p>|"
                                << "<p>a</p>|"
                                << "Der er ingen aktuel kode"
                                << "";
}

void TestHtmlIndsaet::slutkode() {
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    QFETCH(QString, info);
    QFETCH(QString, besked);
    Bar b;
    b.saet(foer);
    if (!besked.isEmpty())
        b.env.prompter().expectMessage(besked);
    b.menuer.Slutkode();
    QCOMPARE(b.vist(), efter);
    QCOMPARE(b.host.info.join(QString()), info);
    QCOMPARE(b.env.prompter().pending(), 0);
}

void TestHtmlIndsaet::attributter_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<int>("tast");
    QTest::addColumn<QString>("efter");

    QTest::newRow("class") << "<p|>" << int(Qt::Key_B) << "<p class=\"|\">";
    QTest::newRow("style efter mellemrum") << "<div |>" << int(Qt::Key_A) << "<div style=\"|\">";
    QTest::newRow("id") << "<body><p>\n <span|>" << int(Qt::Key_I) << "<body><p>\n <span id=\"|\">";
    QTest::newRow("onclick") << "<a href=\"x\"|>" << int(Qt::Key_O)
                             << "<a href=\"x\" onclick=\"|\">";
    QTest::newRow("foerste to kolonner") << "<|p>" << int(Qt::Key_B) << "<|p>";
    QTest::newRow("mellem koder") << "<p>x|" << int(Qt::Key_B) << "<p>x|";
}

void TestHtmlIndsaet::attributter() {
    QFETCH(QString, foer);
    QFETCH(int, tast);
    QFETCH(QString, efter);
    Bar b;
    b.vindue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.vindue));
    b.editor.setFocus();
    b.saet(foer);
    QTest::keyClick(&b.editor, Qt::Key(tast), Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(b.vist(), efter);
}

void TestHtmlIndsaet::ubundetSkriverIntet() {
    Bar b;
    b.saet(QStringLiteral("<input|>"));
    // A value-less attribute is written bare.
    b.host.taginf().udskrivAttribut(QStringLiteral("disabled"));
    QCOMPARE(b.vist(), QStringLiteral("<input disabled|>"));
    b.host.taginf().setEditor(nullptr);
    b.punkt(QStringLiteral("PUtekstkoder"), {QStringLiteral("<div></div>")})->trigger();
    b.handlinger("AclassAttribut")->trigger();
    b.menuer.Slutkode();
    QCOMPARE(b.vist(), QStringLiteral("<input disabled|>"));
}

RAVNSTI_TEST_MAIN(TestHtmlIndsaet)
#include "tst_htmlindsaet.moc"
