#include "editor/infotag.h"
#include "editor/vbskommandoer.h"

#include "harness/caretmarkering.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

// The script commands: completing a block, the block templates and the keyword spelling.
class TestVbsKommandoer : public QObject {
    Q_OBJECT
private slots:
    void fuldfoerBlok_data();
    void fuldfoerBlok();
    void skabeloner_data();
    void skabeloner();
    void stavning_data();
    void stavning();
    void stavningErEtFortrydTrinOgFlytterIkkeMarkoeren();
    void stavningUdenScriptemne();
};

namespace {

// The script topic's tree as the viewer reads it: a root, a group and the words, one of them
// twice (the first spelling counts) and one that is no word at all.
const char kVbsTrae[] = "VBScript og WScript\r\n"
                        "\tAlle ord\r\n"
                        "\t\tIf\r\n\t\tThen\r\n\t\tEnd\r\n\t\tNext\r\n\t\tDim\r\n"
                        "\t\tMsgBox\r\n\t\tMSGBOX\r\n\t\tWScript\r\n\t\tEcho\r\n"
                        "\t\tResponse\r\n\t\tWrite\r\n\t\tEnd If\r\n";

struct Script {
    explicit Script(bool medEmne = true) {
        if (medEmne)
            env.writeFile(host.mapper().strukturDir + QStringLiteral("\\VBS\\struktur.txt"),
                          kVbsTrae);
        host.taginf().setEditor(&editor);
    }
    // Text with "|" for the caret.
    void saet(const QString& tekst) { CaretMarkering::saet(editor, tekst); }
    QString vist() const { return CaretMarkering::vis(editor); }
    TestEnvironment env;
    TestHost host;
    QPlainTextEdit editor;
    VbsKommandoer kommandoer{host, nullptr};
};

} // namespace

void TestVbsKommandoer::fuldfoerBlok_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");

    QTest::newRow("if med indrykning") << "  If x > 1 The|n\nmere"
                                       << "  If x > 1 The|n\n  End If\nmere";
    QTest::newRow("function") << "function f(a)|"
                              << "function f(a)|\nEnd function";
    QTest::newRow("sub") << "Sub Vis|"
                         << "Sub Vis|\nEnd Sub";
    QTest::newRow("class") << "Class K|"
                           << "Class K|\nEnd Class";
    QTest::newRow("for") << "  for i = 1 to 3|"
                         << "  for i = 1 to 3|\n  Next";
    QTest::newRow("for each") << "For Each x In y|"
                              << "For Each x In y|\nNext";
    QTest::newRow("do") << "Do While x|"
                        << "Do While x|\nLoop";
    QTest::newRow("select") << "|Select Case v"
                            << "|Select Case v\nEnd Select";
    QTest::newRow("private sub") << "Private Sub X|"
                                 << "Private Sub X|";
    QTest::newRow("kommentar") << "' if x then|"
                               << "' if x then|";
    QTest::newRow("apostrof efter if") << "if' x|"
                                       << "if' x|";
    QTest::newRow("tom linje") << "|"
                               << "|";
    QTest::newRow("andet ord") << "Dim x|"
                               << "Dim x|";
}

void TestVbsKommandoer::fuldfoerBlok() {
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    Script s;
    s.saet(foer);
    s.kommandoer.CompleteScriptBlock();
    QCOMPARE(s.vist(), efter);
    if (foer != efter) {
        s.editor.undo();
        QCOMPARE(s.editor.toPlainText(), QString(foer).remove(QLatin1Char('|')));
    }
}

void TestVbsKommandoer::skabeloner_data() {
    QTest::addColumn<QStringList>("sti");
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");

    QTest::newRow("if") << QStringList{"If ... End If"} << "|"
                        << "If BETINGELSE Then\n|\nEnd If";
    QTest::newRow("select case") << QStringList{"Select Case ... End Select"} << "|"
                                 << "Select Case VARIABEL\nCase VALUE\n|\nEnd Select";
    QTest::newRow("loop until") << QStringList{"Do ... Loop Until"} << "|"
                                << "Do\n|\nLoop Until BETINGELSE";
    QTest::newRow("linje med tekst bevares") << QStringList{"For ... To ... Next"} << "Dim a|"
                                             << "Dim a\nFor VAR = VALUE to VALUE\n|\nNext";
    QTest::newRow("private") << QStringList{"Private", "Sub ... End Sub"} << "|"
                             << "Private Sub PROCEDURENAVN\n|\nEnd Sub";
    QTest::newRow("public property")
        << QStringList{"Public", "Property Let ... End Property"} << "|"
        << "Public Property Let PROPERTYNAVN(VALUE)\n|\nEnd Property";
}

void TestVbsKommandoer::skabeloner() {
    QFETCH(QStringList, sti);
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    Script s;
    s.saet(foer);
    QMenu* menu = s.kommandoer.lavPUvbs(&s.editor);
    QAction* punkt = nullptr;
    for (const QString& caption : sti) {
        for (QAction* a : menu->actions())
            if (a->text() == caption)
                punkt = a;
        QVERIFY(punkt);
        if (punkt->menu())
            menu = punkt->menu();
    }
    punkt->trigger();
    QCOMPARE(s.vist(), efter);
}

void TestVbsKommandoer::stavning_data() {
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");

    QTest::newRow("vbs") << ".vbs"
                         << "if x then msgbox \"if then\" ' if end\nend if\nMSGBOX y"
                         << "If x Then MsgBox \"if then\" ' if end\nEnd If\nMsgBox y";
    QTest::newRow("rem og dobbelte anfoerselstegn")
        << ".vbs"
        << "rem if x\ndim s: s = \"a \"\"if\"\" b\" : rem end\nnext"
        << "rem if x\nDim s: s = \"a \"\"if\"\" b\" : rem end\nNext";
    QTest::newRow("ukendt ord og navne med tal") << ".vbs"
                                                 << "minIf = if2 + msgboxx"
                                                 << "minIf = if2 + msgboxx";
    QTest::newRow("javascript roeres ikke")
        << ".html"
        << "<script>if (a) { msgbox(); }</script>\n"
           "<script language=\"VBScript\">if a then msgbox \"if\"</script>\n"
           "<p>if then</p>"
        << "<script>if (a) { msgbox(); }</script>\n"
           "<script language=\"VBScript\">If a Then MsgBox \"if\"</script>\n"
           "<p>if then</p>";
    QTest::newRow("wsf") << ".wsf"
                         << "<job><script language=\"JScript\">if (x) {}</script>"
                            "<script language=\"VBScript\">wscript.echo 1</script></job>"
                         << "<job><script language=\"JScript\">if (x) {}</script>"
                            "<script language=\"VBScript\">WScript.Echo 1</script></job>";
    QTest::newRow("asp") << ".asp"
                         << "<p>if</p><% if x then response.write \"if\" %>"
                         << "<p>if</p><% If x Then Response.Write \"if\" %>";
    QTest::newRow("asp med jscript") << ".asp"
                                     << "<%@ Language=\"JScript\" %><% if (x) {} %>"
                                     << "<%@ Language=\"JScript\" %><% if (x) {} %>";
    QTest::newRow("html uden script") << ".html"
                                      << "<% if x %> if"
                                      << "<% if x %> if";
}

void TestVbsKommandoer::stavning() {
    QFETCH(QString, ext);
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    Script s;
    s.saet(foer);
    s.kommandoer.tsVbAbc(ext);
    QCOMPARE(s.editor.toPlainText(), efter);
}

void TestVbsKommandoer::stavningErEtFortrydTrinOgFlytterIkkeMarkoeren() {
    Script s;
    s.saet(QStringLiteral("dim a\nif a th|en\nend if"));
    s.kommandoer.tsVbAbc(QStringLiteral(".vbs"));
    QCOMPARE(s.vist(), QStringLiteral("Dim a\nIf a Th|en\nEnd If"));
    s.editor.undo();
    QCOMPARE(s.editor.toPlainText(), QStringLiteral("dim a\nif a then\nend if"));
}

void TestVbsKommandoer::stavningUdenScriptemne() {
    Script s(false);
    s.saet(QStringLiteral("if a then msgbox 1|"));
    s.kommandoer.tsVbAbc(QStringLiteral(".vbs"));
    QCOMPARE(s.vist(), QStringLiteral("if a then msgbox 1|"));
    QCOMPARE(s.host.info.size(), 1);
    QVERIFY(s.host.info.first().contains(QStringLiteral("\"VBS.txt\" mangler")));
    QVERIFY(s.env.prompter().shown().isEmpty());
}

RAVNSTI_TEST_MAIN(TestVbsKommandoer)
#include "tst_vbskommandoer.moc"
