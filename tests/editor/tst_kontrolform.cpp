#include "editor/infotag.h"
#include "editor/kodekontrol.h"
#include "editor/kontrolform.h"

#include "harness/htmllister.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

// The check window "Html kontrol" driven as a person does: its buttons, clicks and Enter on
// the tree, its place in "kontrol.txt".
class TestKontrolform : public QObject {
    Q_OBJECT
private slots:
    void knapperneSkriverDeresSaetninger();
    void klikOgEnterGaarTilKoden();
    void traeetHoererTilSidenDerBlevLaest();
    void pladsGemmesOgHentes();
};

namespace {

const QString kSide =
    QStringLiteral("<html>\n<body>\n<div>\n<p>tekst\n<p>mere</p></p></p></p>\n<foo>\n"
                   "<a href=\"x\" bar=\"y\">l</a>\n</body>\n</html>");

struct Vindue {
    Vindue() {
        laesHtmlLister(env, host.taginf());
        editor.setPlainText(kSide);
        host.taginf().setEditor(&editor);
        host.kodekontrol().visKontrol();
        form = &host.kodekontrol().kontrolform();
    }
    void klikKnap(const char* navn) {
        auto* handling = form->findChild<QAction*>(QLatin1String(navn));
        QVERIFY(handling);
        QToolButton* knap = nullptr;
        for (QToolBar* bar : form->findChildren<QToolBar*>())
            if (auto* w = qobject_cast<QToolButton*>(bar->widgetForAction(handling)))
                knap = w;
        QVERIFY(knap);
        QTest::mouseClick(knap, Qt::LeftButton);
    }
    QModelIndex index(const QString& ord, int nummer = 1) {
        Kodetrae& trae = host.taginf().trae();
        int fundet = -1;
        trae.forHverKnude([&](int k) {
            if (fundet < 0 && trae.ord(k) == ord && --nummer == 0)
                fundet = k;
        });
        return trae.indexAf(fundet);
    }
    void klikPaa(const QModelIndex& index) {
        QTreeView* tree = form->tree();
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    }

    TestEnvironment env;
    TestHost host;
    QPlainTextEdit editor;
    Tkontrolform* form = nullptr;
};

} // namespace

void TestKontrolform::knapperneSkriverDeresSaetninger() {
    Vindue v;
    QCOMPARE(v.form->windowTitle(), QStringLiteral("Html kontrol"));
    QVERIFY(v.form->isVisible());
    QCOMPARE(v.form->status(), QStringLiteral("100%"));
    QCOMPARE(v.form->findChild<QProgressBar*>("pBar")->value(), 100);

    const std::pair<const char*, QString> knapper[] = {
        {"msKnap", "Der mangler 1 slutkode"},
        {"fmSlutkoderKnap", "Der er 3 slutkoder for meget"},
        {"ukendteKoderKnap", "1 ukendt kode"},
        {"ukendteAttributterKnap", "1 ukendt attribut"},
        {"readAttributterKnap", "1 kode med attributter"},
    };
    for (const auto& [knap, saetning] : knapper) {
        v.klikKnap(knap);
        QCOMPARE(v.form->status(), saetning);
    }
    QCOMPARE(v.host.taginf().KontrolMode(), 0);

    v.klikKnap("infoKnap");
    QCOMPARE(v.host.help, QStringList{QString()});

    v.klikKnap("treeUdfoldKnap");
    QVERIFY(v.form->tree()->isExpanded(v.index("div")));
    v.klikKnap("treeSammenfoldKnap");
    QVERIFY(!v.form->tree()->isExpanded(v.host.taginf().trae().indexAf(0)));

    // A page without tags: the check finds nothing; no page bound: nothing read.
    v.editor.setPlainText(QStringLiteral("<html></html>"));
    v.klikKnap("readHtmlKnap");
    v.klikKnap("msKnap");
    QCOMPARE(v.form->status(), QStringLiteral("Der mangler ikke slutkoder"));
    v.host.taginf().setEditor(nullptr);
    v.klikKnap("readHtmlKnap");
    QCOMPARE(v.form->status(), QString());
    v.klikKnap("ukendteKoderKnap");
    QCOMPARE(v.form->status(), QStringLiteral("Der er ikke indlæst struktur"));
}

void TestKontrolform::klikOgEnterGaarTilKoden() {
    Vindue v;
    v.klikKnap("fmSlutkoderKnap");
    v.klikKnap("treeUdfoldKnap");
    // The second p of the page, on line 4.
    v.klikPaa(v.index("p", 2));
    QTextCursor valg = v.editor.textCursor();
    QCOMPARE(valg.block().blockNumber(), 4);
    QCOMPARE(valg.selectedText(), QStringLiteral("p"));
    QCOMPARE(valg.selectionStart() - valg.block().position(), 1);

    // Enter on an end tag too many: two characters of it.
    QTreeView* tree = v.form->tree();
    tree->setCurrentIndex(v.index("/p", 3));
    QVERIFY(tree->currentIndex().data().toString().endsWith(QLatin1String("Slutkode?")));
    QTest::keyClick(tree, Qt::Key_Return);
    valg = v.editor.textCursor();
    QCOMPARE(valg.selectedText(), QStringLiteral("/p"));
    QCOMPARE(valg.selectionStart() - valg.block().position(), 16);

    // The root: the start of the page.
    v.klikPaa(v.host.taginf().trae().indexAf(0));
    QCOMPARE(v.editor.textCursor().position(), 0);
}

void TestKontrolform::traeetHoererTilSidenDerBlevLaest() {
    Vindue v;
    QPlainTextEdit andet;
    andet.setPlainText(QStringLiteral("<p>helt\n\n\n\n\nandet</p>"));
    v.host.taginf().setEditor(&andet);
    v.klikKnap("treeUdfoldKnap");
    v.klikPaa(v.index("a"));
    // The node belongs to the page read: the checker goes back to it.
    QCOMPARE(v.host.taginf().editor(), &v.editor);
    QCOMPARE(v.editor.textCursor().selectedText(), QStringLiteral("a"));
    QVERIFY(!andet.textCursor().hasSelection());
}

void TestKontrolform::pladsGemmesOgHentes() {
    {
        Vindue v;
        v.env.makeFolder(QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber"));
        QCOMPARE(v.form->pos(), QPoint(100, 100));
        QCOMPARE(v.form->minimumSize(), QSize(285, 361));
        v.form->move(120, 90);
        v.form->resize(300, 400);
        v.form->close();
        QCOMPARE(QString::fromLatin1(v.env.readFile("C:\\Ravnsti\\anna\\Egenskaber\\kontrol.txt"))
                     .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
                 (QStringList{"90", "120", "300", "400"}));
    }
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Ravnsti\\anna\\Egenskaber\\kontrol.txt"),
                  "50\r\n70\r\n320\r\n420\r\n");
    TestHost host;
    Tkontrolform& form = host.kodekontrol().kontrolform();
    QCOMPARE(form.pos(), QPoint(70, 50));
    QCOMPARE(form.size(), QSize(320, 420));
}

RAVNSTI_TEST_MAIN(TestKontrolform)
#include "tst_kontrolform.moc"
