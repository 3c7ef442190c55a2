#include "editor/infotag.h"

#include "harness/htmllister.h"
#include "harness/testenvironment.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTextBlock>

// Reading pages into the structure tree, the checks on it, going to a tag and the caret
// analysis.
class TestHtmlKontrol : public QObject {
    Q_OBJECT
private slots:
    void traeerOgFund_data();
    void traeerOgFund();
    void html5SiderMedProgrammetsLister_data();
    void html5SiderMedProgrammetsLister();
    void forMangeSlutkoderVaelgerToTegn();
    void attributter();
    void attributfilLaesesKunForRigtigeTagord();
    void kontrollerGiverSammeFundIAlleRaekkefoelger();
    void utenLaesningEllerEditorIngenStruktur();
    void gaaTilKodeRammerSammeKodePaaLangSide();
    void markoeranalyse_data();
    void markoeranalyse();
    void markoeranalyseGlemmerForrigeDokument();
    void ordVedMarkoeren();
    void daarligSideGiverResultat_data();
    void daarligSideGiverResultat();
    void mangleListefilGiverBesked();
};

namespace {

struct Side {
    explicit Side(const QString& tekst) {
        laesHtmlLister(env, taginf);
        editor.setPlainText(tekst);
        taginf.setEditor(&editor);
    }
    TestEnvironment env;
    QPlainTextEdit editor;
    Tinfotag taginf;
};

// The tree as text: each node's text, its children in braces.
QString tegning(const Kodetrae& trae, int knude = 0) {
    QString ud = trae.tekst(knude);
    if (!trae.boern(knude).isEmpty()) {
        QStringList boern;
        for (int barn : trae.boern(knude))
            boern << tegning(trae, barn);
        ud += QLatin1Char('{') + boern.join(QLatin1Char(' ')) + QLatin1Char('}');
    }
    return ud;
}

int knudeMedTekst(const Kodetrae& trae, const QString& tekst, int nummer = 1) {
    int fundet = -1;
    trae.forHverKnude([&](int knude) {
        if (fundet < 0 && trae.ord(knude) == tekst && --nummer == 0)
            fundet = knude;
    });
    return fundet;
}

} // namespace

void TestHtmlKontrol::traeerOgFund_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("trae");  // after the check for missing end tags
    QTest::addColumn<int>("manglende"); // its count
    QTest::addColumn<int>("forMange");  // end tags too many
    QTest::addColumn<int>("ukendte");   // unknown tags

    QTest::newRow("manglende div")
        << "<html><body><div>tekst</body></html>"
        << "Hjemmeside{html{body{div Mangler slutkode /body}} /html}" << 1 << 0 << 0;
    QTest::newRow("p lukkes af sin foraelders slutkode")
        << "<html><body><p>tekst</body></html>"
        << "Hjemmeside{html{body{p /body}} /html}" << 0 << 0 << 0;
    QTest::newRow("store og smaa bogstaver") << "<P>x</p>"
                                             << "Hjemmeside{P /p}" << 0 << 0 << 0;
    QTest::newRow("kommentar er ingen koder") << "<!-- <div> --><!--><b></b><!-- a -- b --!><i>"
                                              << "Hjemmeside{b{i Ukendt kode} /b}" << 0 << 0 << 1;
    QTest::newRow("script med mindre end") << "<script>if (a<b) { x(); }</script><p></p>"
                                           << "Hjemmeside{script{p /p} /script}" << 0 << 0 << 0;
    QTest::newRow("br med skraastreg") << "<body><br/><p>x</p></body>"
                                       << "Hjemmeside{body{br p /p} /body}" << 0 << 0 << 0;
    QTest::newRow("navn slutter ved linjeskift")
        << "<table\nborder=\"1\"><td></td></table>"
        << "Hjemmeside{table{td /td} /table}" << 0 << 0 << 2;
    QTest::newRow("selvlukket div er aaben")
        << "<div/><p>a</p>"
        << "Hjemmeside{div Mangler slutkode{p /p}}" << 1 << 0 << 0;
    QTest::newRow("selvlukket svg-element") << "<svg><path/><g></g></svg>"
                                            << "Hjemmeside{svg{path g /g} /svg}" << 0 << 0 << 0;
    QTest::newRow("udelukket navn") << "<font><p></p></font>"
                                    << "Hjemmeside{p /p}" << 0 << 0 << 0;
    QTest::newRow("ukendt slutkode") << "<html></foo></html>"
                                     << "Hjemmeside{html{/foo} /html}" << 0 << 1 << 1;
    QTest::newRow("tom side") << ""
                              << "Hjemmeside" << 0 << 0 << 0;
    QTest::newRow("ingen koder") << "bare tekst > og mere"
                                 << "Hjemmeside" << 0 << 0 << 0;
    QTest::newRow("slutkode naar ikke forbi et afsnit")
        << "<div><span><p></span></div>"
        << "Hjemmeside{div{span Mangler slutkode{p{/span} /div}}}" << 1 << 1 << 0;
    QTest::newRow("implicit lukket li") << "<ul><li>a<li>b</ul>"
                                        << "Hjemmeside{ul{li li /ul}}" << 0 << 0 << 0;
    QTest::newRow("tekst i script og title")
        << "<title><b></title><script>a=\"</div>\"</script>"
        << "Hjemmeside{title{script /script} /title}" << 0 << 0 << 0;
}

void TestHtmlKontrol::traeerOgFund() {
    QFETCH(QString, side);
    QFETCH(QString, trae);
    QFETCH(int, manglende);
    QFETCH(int, forMange);
    QFETCH(int, ukendte);
    Side s(side);
    s.taginf.ReadStructure();
    QCOMPARE(s.taginf.EndtagsKontrol(), manglende);
    QCOMPARE(tegning(s.taginf.trae()), trae);
    QCOMPARE(s.taginf.ForMangeEndtag(), forMange);
    QCOMPARE(s.taginf.KodeKontrol(), ukendte);
}

void TestHtmlKontrol::html5SiderMedProgrammetsLister_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("fund"); // every node text a check annotated, sorted

    QTest::newRow("udeladte slutkoder")
        << "<!DOCTYPE html><html lang=\"da\"><head><meta charset=\"utf-8\"><title>t</title>"
           "<body><ul><li>a<li>b</ul><dl><dt>a<dd>b<dt>c</dl><p>x<p>y<div>z</div>"
           "<table><caption>c<thead><tr><th>1<tbody><tr><td>2<td>3<tr><td>4</table>"
           "<select><optgroup label=\"g\"><option>a<option>b</select><p>slut"
        << QStringList();
    QTest::newRow("script og style") << "<script>var s=\"</span>\"; if (a<b) x();</script>"
                                        "<style>p>a:after{content:\"<i>\"}</style>"
                                     << QStringList();
    QTest::newRow("textarea og title")
        << "<title>a <b> c</title><textarea><div></textarea>" << QStringList();
    QTest::newRow("kommentarer") << "<!-- skriv til <a@b.c> --><!--[if gte mso 9]><xml><o:p>"
                                    "</xml><![endif]--><p>x</p>"
                                 << QStringList();
    QTest::newRow("kode i en attributvaerdi")
        << "<a title=\"<b>\" href='<i>'>x</a>" << QStringList();
    QTest::newRow("en overskydende slutkode")
        << "<ul><li>a</ul><ul><li>b</li></li></ul>" << QStringList{"/li Slutkode?"};
    QTest::newRow("attributter") << "<div data-nr=\"1\" aria-label=\"a\" role=\"note\" "
                                    "xmlns=\"http://www.w3.org/1999/xhtml\">x</div>"
                                 << QStringList();
    QTest::newRow("svg")
        << "<svg width=\"10\" height=\"10\" viewBox=\"0 0 10 10\" "
           "xmlns=\"http://www.w3.org/2000/svg\"><g fill=\"red\"><path d=\"M0 0\"/>"
           "<circle cx=\"1\" cy=\"1\" r=\"1\"/></g><foreignObject><p>x</p>"
           "</foreignObject><linearGradient gradientUnits=\"x\"/></svg>"
        << QStringList();
    QTest::newRow("mathml") << "<math display=\"block\"><mfrac linethickness=\"0\"><mi>a</mi>"
                               "<mn>2</mn></mfrac></math>"
                            << QStringList();
    QTest::newRow("blok i afsnit") << "<p>tekst<div>x</div></p>" << QStringList{"/p Slutkode?"};
    QTest::newRow("a i a") << "<a href=\"1\">x<a href=\"2\">y</a></a>"
                           << QStringList{"/a Slutkode?", "a Mangler slutkode"};
    QTest::newRow("mathml uden math")
        << "<p><mfrac>x</mfrac>" << QStringList{"/mfrac Ukendt slutkode", "mfrac Ukendt kode"};
    QTest::newRow("svg uden svg") << "<circle r=\"1\"></circle>"
                                  << QStringList{"/circle Ukendt slutkode", "circle Ukendt",
                                                 "circle Ukendt kode"};
    QTest::newRow("ukendt svg-attribut")
        << "<svg><rect foo=\"1\" width=\"2\"/></svg>" << QStringList{"rect Ukendt: foo"};
    QTest::newRow("slutkoder for underforstaaede elementer")
        << "<table><tr><td>1</td></tr></tbody></table><p>x</body></html>" << QStringList();
    QTest::newRow("span mangler slutkode")
        << "<div><span>x</div>" << QStringList{"span Mangler slutkode"};
}

void TestHtmlKontrol::html5SiderMedProgrammetsLister() {
    QFETCH(QString, side);
    QFETCH(QStringList, fund);
    TestEnvironment env;
    Tinfotag taginf;
    laesProgrammetsHtmlLister(env, taginf);
    QPlainTextEdit editor(side);
    taginf.setEditor(&editor);
    taginf.ReadStructure();
    const Kodetrae& trae = taginf.trae();
    QStringList fundet;
    const QString attributter = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\");
    const QList<std::function<int()>> kontroller = {
        [&] { return taginf.EndtagsKontrol(); }, [&] { return taginf.ForMangeEndtag(); },
        [&] { return taginf.KodeKontrol(); }, [&] { return taginf.AttributeKontrol(attributter); }};
    for (const auto& kontrol : kontroller) {
        QVERIFY(kontrol() >= 0);
        trae.forHverKnude([&](int knude) {
            if (trae.tekst(knude) != trae.ord(knude))
                fundet << trae.tekst(knude);
        });
    }
    fundet.sort();
    QCOMPARE(fundet.join(QLatin1String(" | ")), fund.join(QLatin1String(" | ")));
}

void TestHtmlKontrol::forMangeSlutkoderVaelgerToTegn() {
    Side s(QStringLiteral("<p>a</p></p>"));
    s.taginf.ReadStructure();
    QCOMPARE(tegning(s.taginf.trae()), QStringLiteral("Hjemmeside{p{/p} /p}"));
    s.taginf.setKontrolMode(4);
    QCOMPARE(s.taginf.ForMangeEndtag(), 1);
    const int anden = knudeMedTekst(s.taginf.trae(), QStringLiteral("/p"));
    QCOMPARE(s.taginf.trae().data(anden).TagEnd, quint8(3));
    QCOMPARE(s.taginf.trae().tekst(anden), QStringLiteral("/p Slutkode?"));
    s.taginf.GotoTag(anden);
    QCOMPARE(s.editor.textCursor().selectionStart(), 9);
    QCOMPARE(s.editor.textCursor().selectedText(), QStringLiteral("/p"));
}

void TestHtmlKontrol::attributter() {
    Side s(QStringLiteral("<a href=\"x y\" title=\"t\">a</a><input disabled/>"
                          "<a href=\"x\" foo=\"y\" onclick=\"z()\">b</a><p class=\"c\">q</p>"));
    s.taginf.ReadStructure();
    QCOMPARE(s.taginf.VisAttributter(), 4);
    const Kodetrae& trae = s.taginf.trae();
    QCOMPARE(trae.tekst(knudeMedTekst(trae, "a")), QStringLiteral("a href title  "));
    QCOMPARE(trae.tekst(knudeMedTekst(trae, "input")), QStringLiteral("input disabled "));
    // One unknown attribute of a known tag, and a tag that has no attribute file.
    QCOMPARE(s.taginf.AttributeKontrol(QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\")),
             2);
    QCOMPARE(trae.tekst(knudeMedTekst(trae, "a")), QStringLiteral("a"));
    QCOMPARE(trae.tekst(knudeMedTekst(trae, "a", 2)), QStringLiteral("a Ukendt: foo"));
    QCOMPARE(trae.tekst(knudeMedTekst(trae, "p")), QStringLiteral("p Ukendt"));
}

void TestHtmlKontrol::attributfilLaesesKunForRigtigeTagord() {
    // A file that a tag word leading out of the folder would name.
    Side s(QStringLiteral("<x.. href=\"x\"><x..\\..\\Html\\MedSlutkode href>"));
    s.env.writeFile(QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\x...txt"), "href\r\n");
    s.taginf.ReadStructure();
    QCOMPARE(s.taginf.AttributeKontrol(QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\")),
             2);
    s.taginf.trae().forHverKnude([&](int knude) {
        QVERIFY(s.taginf.trae().tekst(knude).endsWith(QLatin1String(" Ukendt")));
    });
}

void TestHtmlKontrol::kontrollerGiverSammeFundIAlleRaekkefoelger() {
    Side s(QStringLiteral("<html><body class=\"x\"><b>a<div id=\"d\" foo><P>b</p></div>"
                          "</span><blink></blink><br></body></html></html>"));
    s.taginf.ReadStructure();
    const QString dir = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\");
    const QList<std::function<int()>> kontroller = {
        [&] { return s.taginf.EndtagsKontrol(); }, [&] { return s.taginf.ForMangeEndtag(); },
        [&] { return s.taginf.KodeKontrol(); }, [&] { return s.taginf.AttributeKontrol(dir); }};
    auto alle = [&] {
        QStringList tekster;
        s.taginf.trae().forHverKnude([&](int k) { tekster << s.taginf.trae().tekst(k); });
        return tekster;
    };
    QList<std::pair<int, QStringList>> alene;
    for (const auto& kontrol : kontroller) {
        s.taginf.ReadStructure();
        const int antal = kontrol();
        alene.append({antal, alle()});
    }
    for (const auto& [antal, tekster] : alene)
        QVERIFY(antal > 0);
    // Every check after every other check and after the attribute view, on one reading.
    s.taginf.ReadStructure();
    for (int foer = 0; foer < 5; ++foer)
        for (int i = 0; i < kontroller.size(); ++i) {
            if (foer < 4)
                kontroller[foer]();
            else
                s.taginf.VisAttributter();
            QCOMPARE(kontroller[i](), alene[i].first);
            QCOMPARE(alle(), alene[i].second);
        }
}

void TestHtmlKontrol::utenLaesningEllerEditorIngenStruktur() {
    Side s(QStringLiteral("<div>"));
    QCOMPARE(s.taginf.EndtagsKontrol(), -1);
    s.taginf.ReadStructure();
    QCOMPARE(s.taginf.EndtagsKontrol(), 1);
    s.taginf.setEditor(nullptr);
    QCOMPARE(s.taginf.KodeKontrol(), -1);
    QCOMPARE(s.taginf.VisAttributter(), -1);
    QCOMPARE(s.taginf.AttributeKontrol(QString()), -1);
    QCOMPARE(s.taginf.ForMangeEndtag(), -1);
    // Reading without an editor keeps the tree and reports its progress to the end.
    QSignalSpy fremskridt(&s.taginf, &Tinfotag::OnProgress);
    s.taginf.ReadStructure();
    QCOMPARE(fremskridt.size(), 2);
    QCOMPARE(fremskridt.last().first().toInt(), 100);
    QCOMPARE(s.taginf.trae().antal(), 2);
}

void TestHtmlKontrol::gaaTilKodeRammerSammeKodePaaLangSide() {
    QString side = QStringLiteral("<html>\n");
    for (int i = 0; i < 300; ++i)
        side += QStringLiteral("<b>%1</b>\n").arg(i);
    side += QStringLiteral("</html>");
    Side s(side);
    s.taginf.ReadStructure();
    const int knude = knudeMedTekst(s.taginf.trae(), QStringLiteral("b"), 250);
    s.taginf.GotoTag(knude);
    const QTextCursor valg = s.editor.textCursor();
    QCOMPARE(valg.block().blockNumber(), 250);
    QCOMPARE(valg.positionInBlock(), 2);
    QCOMPARE(valg.selectedText(), QStringLiteral("b"));
    QCOMPARE(valg.block().text(), QStringLiteral("<b>249</b>"));
    // The root: an empty selection at the start.
    s.taginf.GotoTag(0);
    QCOMPARE(s.editor.textCursor().position(), 0);
    QVERIFY(!s.editor.textCursor().hasSelection());
}

void TestHtmlKontrol::markoeranalyse_data() {
    QTest::addColumn<QString>("side"); // "|" is the caret
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("curPos");
    QTest::addColumn<QString>("attribut");
    QTest::addColumn<QString>("css");

    QTest::newRow("mellem koder") << "<div><p>te|kst"
                                  << "p" << int(cpBetween) << ""
                                  << "";
    QTest::newRow("lukket element springes over") << "<div><p>a</p><br>t|"
                                                  << "div" << int(cpBetween) << ""
                                                  << "";
    QTest::newRow("i starttag") << "<p class=\"a|\">"
                                << "p" << int(cpInside) << "class"
                                << "";
    QTest::newRow("css-egenskab") << "<p style=\"color: r|ed\">"
                                  << "p" << int(cpInside) << "style"
                                  << "color";
    QTest::newRow("i slutkode") << "<p>a</p|>"
                                << "p" << int(cpInsideEnd) << ""
                                << "";
    QTest::newRow("tom linje foerst") << "\n\n  <p>a|"
                                      << "p" << int(cpBetween) << ""
                                      << "";
    QTest::newRow("byte order mark") << QString(QChar(0xFEFF)) + "<p>a|"
                                     << "p" << int(cpBetween) << ""
                                     << "";
    QTest::newRow("tekst foerst") << "Overskrift\n<p>a|"
                                  << "" << int(cpNone) << ""
                                  << "";
    QTest::newRow("uden element") << "<p>a</p>|"
                                  << "" << int(cpNone) << ""
                                  << "";
    QTest::newRow("ensomt mindre-end") << "<|"
                                       << "" << int(cpInside) << ""
                                       << "";
}

void TestHtmlKontrol::markoeranalyse() {
    QFETCH(QString, side);
    QFETCH(QString, tag);
    QFETCH(int, curPos);
    QFETCH(QString, attribut);
    QFETCH(QString, css);
    const int caret = int(side.indexOf(QLatin1Char('|')));
    Side s(side.remove(QLatin1Char('|')));
    QTextCursor c(s.editor.document());
    c.setPosition(caret);
    s.editor.setTextCursor(c);
    QCOMPARE(s.taginf.GetTag(), tag);
    QCOMPARE(int(s.taginf.PosData().CurPos), curPos);
    QCOMPARE(s.taginf.PosData().Attribut, attribut);
    QCOMPARE(s.taginf.PosData().cssKode, css);
}

void TestHtmlKontrol::markoeranalyseGlemmerForrigeDokument() {
    Side s(QStringLiteral("<p class=\"x\">"));
    QTextCursor c(s.editor.document());
    c.setPosition(10);
    s.editor.setTextCursor(c);
    QCOMPARE(s.taginf.GetTag(), QStringLiteral("p"));
    QPlainTextEdit andet;
    andet.setPlainText(QStringLiteral("ingen koder her"));
    s.taginf.setEditor(&andet);
    QCOMPARE(s.taginf.GetTag(), QString());
    QCOMPARE(s.taginf.PosData().CurPos, cpNone);
    QVERIFY(s.taginf.PosData().Attribut.isEmpty());
}

void TestHtmlKontrol::ordVedMarkoeren() {
    Side s(QStringLiteral("p { font-size: 12px; } my_var2"));
    QTextCursor c(s.editor.document());
    c.setPosition(11);
    s.editor.setTextCursor(c);
    QCOMPARE(s.taginf.FindOrdCSS(), QStringLiteral("font-size"));
    QCOMPARE(s.taginf.FindOrd(), QStringLiteral("size"));
    c.setPosition(27);
    s.editor.setTextCursor(c);
    QCOMPARE(s.taginf.FindOrdJs(), QStringLiteral("my_var2"));
    c.setPosition(4);
    c.setPosition(8, QTextCursor::KeepAnchor);
    s.editor.setTextCursor(c);
    QCOMPARE(s.taginf.FindOrd(), QStringLiteral("font"));
}

void TestHtmlKontrol::daarligSideGiverResultat_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<int>("mindsteAntalKnuder");

    QString stor;
    const QString afsnit =
        QStringLiteral("<div class=\"a\"><p>Tekst med <a href=\"x\">link</a> og <b>fed</b><br>\n"
                       "<ul><li>et<li>to</ul><img src=\"b.png\" alt=\"\"></div>\n") +
        QStringLiteral("Almindelig tekst uden koder, som de fleste sider har meget af. ")
            .repeated(5);
    while (stor.size() < 20 * 1024 * 1024)
        stor += afsnit;
    QTest::newRow("20 MB") << stor << 500000;
    QTest::newRow("100000 indlejrede div")
        << QStringLiteral("<div>").repeated(100000) + QStringLiteral("</div>").repeated(100000)
        << 200001;
    QTest::newRow("uafsluttede div") << QStringLiteral("<div>x").repeated(100000) << 100001;
    QTest::newRow("uafsluttede p i div")
        << QStringLiteral("<body>") + QStringLiteral("<div><p>x</div>").repeated(30000) << 90001;
    QTest::newRow("uafsluttet kommentar") << QStringLiteral("<p><!-- <b>") << 2;
    QTest::newRow("uafsluttet citat")
        << QStringLiteral("<a href=\"x><p>") + QStringLiteral("<b title=\"y\">").repeated(50000)
        << 50000;
    QTest::newRow("ensomt mindre-end til sidst") << QStringLiteral("<p>x<") << 2;
    QTest::newRow("uden mindre-end") << QStringLiteral("bare tekst ").repeated(10000) << 1;
    QString binaer;
    QRandomGenerator tal(17);
    for (int i = 0; i < 200000; ++i)
        binaer += QChar(char16_t(tal.bounded(256)));
    QTest::newRow("binaere tegn") << binaer << 1;
}

void TestHtmlKontrol::daarligSideGiverResultat() {
    QFETCH(QString, side);
    QFETCH(int, mindsteAntalKnuder);
    Side s(side);
    s.taginf.ReadStructure();
    QVERIFY(s.taginf.trae().antal() >= mindsteAntalKnuder);
    QVERIFY(s.taginf.EndtagsKontrol() >= 0);
    QVERIFY(s.taginf.ForMangeEndtag() >= 0);
    QVERIFY(s.taginf.KodeKontrol() >= 0);
    QVERIFY(s.taginf.VisAttributter() >= 0);
    QVERIFY(s.taginf.AttributeKontrol(QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\")) >=
            0);
    QTextCursor c(s.editor.document());
    c.movePosition(QTextCursor::End);
    s.editor.setTextCursor(c);
    s.taginf.GetTag();
    s.taginf.GotoTag(s.taginf.trae().antal() - 1);
}

void TestHtmlKontrol::mangleListefilGiverBesked() {
    TestEnvironment env;
    Tinfotag taginf;
    env.writeFile(QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Html\\MedSlutkode.txt"), "p\r\n");
    for (const char* fil : {"UdenSlutkode.txt", "AlleKoder.txt"})
        env.prompter().expectMessage(
            QStringLiteral("Kodelisten C:\\Ravnsti\\Program\\Dir\\Html\\") + QLatin1String(fil) +
            QStringLiteral(" kunne ikke læses.\nHtml kontrollen arbejder "
                           "uden den."));
    env.prompter().expectMessage(
        QStringLiteral("Kodelisten C:\\Ravnsti\\Program\\Dir\\Attributes\\_undtagelser.txt kunne "
                       "ikke læses.\nHtml kontrollen arbejder uden den."));
    env.prompter().expectMessage(
        QStringLiteral("Kodelisten C:\\Ravnsti\\Program\\Dir\\Html\\Ekskluderet.txt kunne ikke "
                       "læses.\nHtml kontrollen arbejder uden den."));
    for (const char* fil : {"ValgfriSlutkode.txt", "ValgfriStartkode.txt", "Raatekst.txt",
                            "Saerlige.txt", "Omfang.txt", "Gennemsigtige.txt", "Fremmede.txt",
                            "Svg.txt", "MathML.txt", "Integration.txt"})
        env.prompter().expectMessage(
            QStringLiteral("Kodelisten C:\\Ravnsti\\Program\\Dir\\Html\\") + QLatin1String(fil) +
            QStringLiteral(" kunne ikke læses.\nHtml kontrollen arbejder uden den."));
    taginf.LoadLister(QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Html\\"),
                      QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\"));
    QCOMPARE(env.prompter().pending(), 0);
    QVERIFY(taginf.Tagliste().contains(u"P"));
    QCOMPARE(taginf.AlleTagliste().count(), 0);
    // The checker works with what it has.
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("<p>x"));
    taginf.setEditor(&editor);
    taginf.ReadStructure();
    QCOMPARE(taginf.EndtagsKontrol(), 1);
}

RAVNSTI_TEST_MAIN(TestHtmlKontrol)
#include "tst_htmlkontrol.moc"
