#include "editor/infobrowser.h"
#include "editor/infoform.h"
#include "editor/urlform.h"
#include "engine/struktur.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/imagelists.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Records the addresses handed to the browser.
class RecordingShell : public Shell {
public:
    explicit RecordingShell(QStringList& urls) : m_urls(urls) {}
    int open(const QString&, ShellVerb, const QStringList&, const QString&) override {
        return ShellResult::Success;
    }
    int startProgram(const QString&, const QStringList&, const QString&) override {
        return ShellResult::Success;
    }
    int runScript(const QString&, const QStringList&, const QString&) override {
        return ShellResult::Success;
    }
    int openUrl(const QString& url) override {
        m_urls << url;
        return ShellResult::Success;
    }

private:
    QStringList& m_urls;
};

const QString kStruktur = QStringLiteral("C:\\Ravnsti\\Program\\Struktur");

QByteArray side(const QString& titel, const QString& krop = {}) {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                          "<body><h1>%1</h1>%2</body></html>")
        .arg(titel, krop)
        .toUtf8();
}

// A small program help: Ravnsti with the chapters Kopier (child Kopier til) and Søg, and the
// pages a, b, c, d (the node texts A, B, C, D) below Søg.
const QStringList kTrae = {QStringLiteral("Ravnsti"),        QStringLiteral("\tKopier"),
                           QStringLiteral("\t\tKopier til"), QStringLiteral("\tSøg"),
                           QStringLiteral("\t\tA"),          QStringLiteral("\t\tB"),
                           QStringLiteral("\t\tC"),          QStringLiteral("\t\tD")};
const QStringList kData = {QStringLiteral("0forside"),   QStringLiteral("1kopier"),
                           QStringLiteral("3kopiertil"), QStringLiteral("1soeg"),
                           QStringLiteral("3a"),         QStringLiteral("3b"),
                           QStringLiteral("3c"),         QStringLiteral("3d")};

struct Viewer {
    explicit Viewer(bool medEmne = true) {
        Platform::setShell(std::make_unique<RecordingShell>(browser));
        if (medEmne) {
            emne(QStringLiteral("Ravnsti"), kTrae, kData);
            for (const char* navn : {"forside", "kopier", "kopiertil", "soeg", "b", "c", "d"})
                sideFil(QStringLiteral("Ravnsti"), QLatin1String(navn) + QStringLiteral(".html"),
                        side(QLatin1String(navn)));
            sideFil(QStringLiteral("Ravnsti"), QStringLiteral("a.html"),
                    side(QStringLiteral("a"),
                         QStringLiteral("<p><a href=\"b.html\">Til b</a> "
                                        "<a href=\"https://example.org/x?y=1\">Ude</a> "
                                        "<a href=\"file:///etc/passwd\">Kodeord</a> "
                                        "<a href=\"../../Ravnsti.txt\">Emnefil</a> "
                                        "<a href=\"mangler.html\">Mangler</a></p>"
                                        "<p><a href=\"c.html\"><img src=\"../Billeder/p.png\" "
                                        "width=\"40\" height=\"30\"></a></p>")));
            QImage billede(40, 30, QImage::Format_RGB32);
            billede.fill(Qt::red);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            billede.save(&buffer, "PNG");
            env.writeFile(kStruktur + QStringLiteral("\\Ravnsti\\Billeder\\p.png"), png);
        }
        form = new Tinfoform(host, &host.window);
    }
    ~Viewer() { delete form; }

    void emne(const QString& navn, const QStringList& trae, const QStringList& data) {
        env.writeFile(kStruktur + QLatin1Char('\\') + navn + QStringLiteral(".txt"), "emne");
        const QString mappe = kStruktur + QLatin1Char('\\') + navn;
        env.makeFolder(mappe);
        QVERIFY(TextFile::write(mappe + QStringLiteral("\\struktur.txt"), trae));
        QVERIFY(TextFile::write(mappe + QStringLiteral("\\data.txt"), data));
    }
    void sideFil(const QString& emne, const QString& navn, const QByteArray& html) {
        env.writeFile(
            kStruktur + QLatin1Char('\\') + emne + QStringLiteral("\\tekstfiler\\") + navn, html);
    }
    QString sti(const QString& navn) const {
        return kStruktur + QStringLiteral("\\Ravnsti\\tekstfiler\\") + navn;
    }

    QTreeWidgetItem* node(const QString& tekst) const {
        for (QTreeWidgetItem* n : form->Struktur()->allNodes())
            if (n->text(0) == tekst)
                return n;
        qFatal("no node %s", qPrintable(tekst));
    }
    void klik(const QString& tekst) {
        TStruktur* trae = form->Struktur();
        QTreeWidgetItem* n = node(tekst);
        trae->scrollToItem(n);
        QTest::mouseClick(trae->viewport(), Qt::LeftButton, {}, trae->visualItemRect(n).center());
    }
    void knap(const char* navn) {
        auto* k = form->findChild<QToolButton*>(QLatin1String(navn));
        QVERIFY(k);
        QVERIFY(k->isEnabled());
        QTest::mouseClick(k, Qt::LeftButton);
    }
    // The page shown: its file name in the info folder.
    QString vist() const { return form->Web()->sidenavn(form->Web()->side()); }
    QStringList liste() const {
        QStringList navne;
        const QListWidget* l = form->urlform()->urlListe();
        for (int i = 0; i < l->count(); ++i)
            navne << l->item(i)->text();
        return navne;
    }
    void adresse(const QString& tekst) {
        QLineEdit* boks = form->Edit();
        boks->setFocus();
        boks->selectAll();
        QTest::keyClicks(boks, tekst);
        QTest::keyClick(boks, Qt::Key_Return);
    }
    // The middle of the first character of `tekst` in the page, in viewport coordinates.
    QPoint punkt(const QString& tekst) const {
        const QTextCursor fundet = form->Web()->document()->find(tekst);
        QTextCursor c(form->Web()->document());
        c.setPosition(fundet.selectionStart());
        return form->Web()->cursorRect(c).center() + QPoint(3, 0);
    }
    // The middle of the page's first picture, in viewport coordinates.
    QPoint billedpunkt() const {
        QTextDocument* doc = form->Web()->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    QTextCursor c(doc);
                    c.setPosition(it.fragment().position());
                    const QRect r = form->Web()->cursorRect(c);
                    return QPoint(r.left() + 20, r.bottom() - 10);
                }
        return {};
    }

    TestEnvironment env;
    TestHost host;
    QStringList browser;
    Tinfoform* form = nullptr;
};

} // namespace

// The information viewer and its list of the pages visited, driven with clicks and keys.
class TestInfoform : public QObject {
    Q_OBJECT
private slots:
    void aabnereFinderDeresNode();
    void etManglendeEmneSigesOgGiverEtTomtTrae();
    void udenProgramhjaelp();
    void traeetMedMusOgTaster();
    void soegningGaarGennemFundene();
    void besoegteSiderOgNavigation();
    void rensOgSletListen();
    void adresseboksen();
    void links();
    void menuOgRediger();
    void hjaelpOverEnModalDialog();
    void pladsOgStoerrelse();
    void sidensTekstKanKopieres();
};

void TestInfoform::aabnereFinderDeresNode() {
    Viewer v;
    QCOMPARE(v.form->windowTitle(), QStringLiteral("Ravnsti"));
    QVERIFY(!v.form->isVisible());

    v.form->aabn(InfoEmne::Program, QStringLiteral("kopier TIL"));
    QVERIFY(v.form->isVisible());
    QCOMPARE(v.form->sEdit()->text(), QStringLiteral("kopier TIL"));
    QCOMPARE(v.form->Struktur()->selectedNode(), v.node(QStringLiteral("Kopier til")));
    QCOMPARE(v.vist(), QStringLiteral("kopiertil.html"));
    QCOMPARE(v.form->Edit()->text(), QStringLiteral("kopiertil.html"));
    QVERIFY(v.form->Web()->toPlainText().contains(QStringLiteral("kopiertil")));

    // The same topic again is only searched: the tree and the pages visited stay.
    QTreeWidgetItem* rod = v.node(QStringLiteral("Ravnsti"));
    v.form->aabn(InfoEmne::Program, QString());
    QCOMPARE(v.node(QStringLiteral("Ravnsti")), rod);
    QCOMPARE(v.form->Struktur()->selectedNode(), rod);
    QCOMPARE(v.liste(), (QStringList{"kopiertil.html", "forside.html"}));

    // A text no node has opens the first page and says so.
    v.form->aabn(InfoEmne::Program, QStringLiteral("Ukendt"));
    QCOMPARE(v.form->Struktur()->selectedNode(), rod);
    QCOMPARE(v.vist(), QStringLiteral("forside.html"));
    QVERIFY(v.form->status().contains(QStringLiteral("\"Ukendt\"")));

    // Another topic is loaded with its own images, and the visited list starts again.
    v.emne(QStringLiteral("CSS"), {QStringLiteral("CSS"), QStringLiteral("\tColor")},
           {QStringLiteral("0css"), QStringLiteral("5color")});
    v.sideFil(QStringLiteral("CSS"), QStringLiteral("css.html"), side(QStringLiteral("css")));
    v.sideFil(QStringLiteral("CSS"), QStringLiteral("color.html"), side(QStringLiteral("color")));
    v.form->aabn(InfoEmne::Css, QStringLiteral("color"));
    QCOMPARE(v.form->strukturnavn, QStringLiteral("CSS.txt"));
    QCOMPARE(v.form->windowTitle(), QStringLiteral("CSS"));
    QCOMPARE(v.form->Struktur()->selectedNode()->text(0), QStringLiteral("Color"));
    QCOMPARE(v.liste(), QStringList{"color.html"});
    QCOMPARE(v.form->Struktur()->images().at(5).cacheKey(),
             ImageLists::htmlListe().at(5).cacheKey());
}

void TestInfoform::etManglendeEmneSigesOgGiverEtTomtTrae() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("Søg"));
    v.form->aabn(InfoEmne::Vbs, QStringLiteral("MsgBox"));
    QCOMPARE(v.form->strukturnavn, QStringLiteral("VBS.txt"));
    QCOMPARE(v.form->newNavn, QStringLiteral("VBS.txt"));
    QCOMPARE(v.form->windowTitle(), QStringLiteral("VBS"));
    QCOMPARE(v.form->Struktur()->topLevelItemCount(), 0);
    QVERIFY(v.form->Web()->toPlainText().isEmpty());
    QVERIFY(v.liste().isEmpty());
    QCOMPARE(v.form->urlIndex, -1);
    QVERIFY(v.form->status().startsWith(QStringLiteral("Emnet \"VBS\" er ikke installeret.")));
    // The search box and the address box find nothing of the old topic.
    QCOMPARE(v.form->Edit()->text(), QString());
    QVERIFY(!v.form->goToInfo(QStringLiteral("Søg")));

    // The program help comes back whole.
    v.form->aabn(InfoEmne::Program, QStringLiteral("Søg"));
    QCOMPARE(v.form->Struktur()->selectedNode()->text(0), QStringLiteral("Søg"));
    QCOMPARE(v.vist(), QStringLiteral("soeg.html"));
}

void TestInfoform::udenProgramhjaelp() {
    // Without the program help at all the viewer opens empty, with the same sentence.
    Viewer tom(false);
    QCOMPARE(tom.form->Struktur()->topLevelItemCount(), 0);
    QVERIFY(
        tom.form->status().startsWith(QStringLiteral("Emnet \"Ravnsti\" er ikke installeret.")));
    QVERIFY(!tom.form->goToInfo(QString()));
}

void TestInfoform::traeetMedMusOgTaster() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QString());
    v.klik(QStringLiteral("Kopier"));
    QCOMPARE(v.vist(), QStringLiteral("kopier.html"));

    // The arrow keys move the selection; Enter and space open the page.
    TStruktur* trae = v.form->Struktur();
    trae->setFocus();
    QTest::keyClick(trae, Qt::Key_Right);
    QTest::keyClick(trae, Qt::Key_Down);
    QCOMPARE(trae->selectedNode(), v.node(QStringLiteral("Kopier til")));
    QCOMPARE(v.vist(), QStringLiteral("kopier.html"));
    QTest::keyClick(trae, Qt::Key_Return);
    QCOMPARE(v.vist(), QStringLiteral("kopiertil.html"));
    QTest::keyClick(trae, Qt::Key_Down);
    QTest::keyClick(trae, Qt::Key_Space);
    QCOMPARE(v.vist(), QStringLiteral("soeg.html"));

    v.knap("collapseKnap");
    QVERIFY(!v.node(QStringLiteral("Ravnsti"))->isExpanded());
    v.knap("expandKnap");
    QVERIFY(v.node(QStringLiteral("Søg"))->isExpanded());
    QVERIFY(v.node(QStringLiteral("Kopier"))->isExpanded());

    // A data line whose page name leads out of the info folder is refused.
    v.emne(QStringLiteral("Ravnsti"), {QStringLiteral("Ravnsti"), QStringLiteral("\tUd")},
           {QStringLiteral("0forside"), QStringLiteral("3../../x")});
    v.env.writeFile(kStruktur + QStringLiteral("\\x.html"), side(QStringLiteral("x")));
    v.form->startForfra();
    v.klik(QStringLiteral("Ud"));
    QVERIFY(v.form->status().contains(QStringLiteral("uden for emnets mappe")));
    QCOMPARE(v.form->Web()->side(), QString());
    QVERIFY(v.form->Web()->toPlainText().isEmpty());
}

void TestInfoform::soegningGaarGennemFundene() {
    Viewer v;
    v.emne(QStringLiteral("Ravnsti"),
           {QStringLiteral("Ravnsti"), QStringLiteral("\tKopier"), QStringLiteral("\t\tStart"),
            QStringLiteral("\tSøg"), QStringLiteral("\t\tSTART")},
           {QStringLiteral("0forside"), QStringLiteral("1kopier"), QStringLiteral("3a"),
            QStringLiteral("1soeg"), QStringLiteral("3b")});
    v.form->startForfra();
    v.form->aabn(InfoEmne::Program, QString());
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("aSearch"))->isEnabled());
    QApplication::setActiveWindow(v.form);

    QLineEdit* boks = v.form->sEdit();
    boks->setFocus();
    QTest::keyClicks(boks, QStringLiteral("start"));
    QTest::keyClick(boks, Qt::Key_Return);
    QCOMPARE(v.form->Struktur()->selectedNode()->text(0), QStringLiteral("Start"));
    QCOMPARE(v.vist(), QStringLiteral("a.html"));
    v.knap("aSearch");
    QCOMPARE(v.form->Struktur()->selectedNode()->text(0), QStringLiteral("START"));
    QCOMPARE(v.vist(), QStringLiteral("b.html"));
    // The first match is folded away again.
    QVERIFY(!v.node(QStringLiteral("Kopier"))->isExpanded());
    // Past the last match the root is selected and nothing is opened.
    QTest::keyClick(v.form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(v.form->Struktur()->selectedNode()->text(0), QStringLiteral("Ravnsti"));
    QCOMPARE(v.vist(), QStringLiteral("b.html"));

    v.form->sEdit()->setText(QStringLiteral("intet"));
    QTest::keyClick(boks, Qt::Key_Return);
    QCOMPARE(v.form->status(), QStringLiteral("Der er intet punkt ved navn \"intet\"."));
}

void TestInfoform::besoegteSiderOgNavigation() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("A"));
    v.klik(QStringLiteral("B"));
    v.klik(QStringLiteral("C"));
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html", "c.html"}));
    QCOMPARE(v.form->urlIndex, 2);
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Aforward"))->isEnabled());
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Alast"))->isEnabled());

    v.knap("Aback");
    v.knap("Aback");
    QCOMPARE(v.form->urlIndex, 0);
    QCOMPARE(v.vist(), QStringLiteral("a.html"));
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html", "c.html"}));
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Aback"))->isEnabled());
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Afirst"))->isEnabled());
    QCOMPARE(v.form->urlform()->urlListe()->currentRow(), 0);

    // A page opened from the tree goes in after the current entry; the later ones stay.
    v.klik(QStringLiteral("D"));
    QCOMPARE(v.liste(), (QStringList{"a.html", "d.html", "b.html", "c.html"}));
    QCOMPARE(v.form->urlIndex, 1);

    v.knap("Alast");
    QCOMPARE(v.vist(), QStringLiteral("c.html"));
    QCOMPARE(v.form->urlIndex, 3);
    v.knap("Afirst");
    QCOMPARE(v.vist(), QStringLiteral("a.html"));
    v.knap("Aforward");
    QCOMPARE(v.vist(), QStringLiteral("d.html"));
    QApplication::setActiveWindow(v.form);
    QTest::keyClick(v.form->Web(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(v.vist(), QStringLiteral("b.html"));
    QCOMPARE(v.liste().size(), 4);

    // The list box: its button shows it, a double click or Enter goes to the entry.
    v.knap("urlListeKnap");
    Turlform* boks = v.form->urlform();
    QVERIFY(boks->isVisible());
    QCOMPARE(boks->windowTitle(), QStringLiteral("Urlboks"));
    QListWidget* liste = boks->urlListe();
    QCOMPARE(liste->currentRow(), 2);
    const QRect raekke = liste->visualItemRect(liste->item(3));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, raekke.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, raekke.center());
    QCOMPARE(v.vist(), QStringLiteral("c.html"));
    QCOMPARE(v.form->urlIndex, 3);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Up);
    QTest::keyClick(liste, Qt::Key_Up);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(v.vist(), QStringLiteral("d.html"));
    QCOMPARE(v.form->urlIndex, 1);
    QCOMPARE(v.liste().size(), 4);

    // An entry whose page is gone says so and leaves the page shown.
    QVERIFY(QFile::remove(v.env.host(v.sti(QStringLiteral("a.html")))));
    v.knap("Afirst");
    QCOMPARE(v.vist(), QStringLiteral("d.html"));
    QCOMPARE(v.form->status(), QStringLiteral("Siden \"a.html\" findes ikke længere."));
    QVERIFY(!v.form->naviKlikket);
}

void TestInfoform::rensOgSletListen() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("A"));
    for (const char* n : {"B", "A", "C"})
        v.klik(QLatin1String(n));
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html", "a.html", "c.html"}));
    Turlform* boks = v.form->urlform();
    boks->show();
    auto* rens = boks->findChild<QPushButton*>(QStringLiteral("ArensDobbeltKnap"));
    auto* slet = boks->findChild<QPushButton*>(QStringLiteral("AsletAlleKnap"));
    QTest::mouseClick(rens, Qt::LeftButton);
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html", "c.html"}));
    QCOMPARE(boks->status(), QStringLiteral("Der blev slettet 1 dobbeltgænger"));
    QCOMPARE(v.form->urlIndex, 2);
    QCOMPARE(boks->urlListe()->currentRow(), 2);
    QTest::mouseClick(rens, Qt::LeftButton);
    QCOMPARE(boks->status(), QStringLiteral("Der var ingen dobbeltgængere"));

    // The current entry keeps its name when it was a later twin; names match in any case.
    boks->urlListe()->addItem(QStringLiteral("B.HTML"));
    boks->urlListe()->addItem(QStringLiteral("c.html"));
    v.form->urlIndex = 4;
    QTest::mouseClick(rens, Qt::LeftButton);
    QCOMPARE(boks->status(), QStringLiteral("Der blev slettet 2 dobbeltgængere"));
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html", "c.html"}));
    QCOMPARE(v.form->urlIndex, 2);
    // Back and forward follow the new index.
    QVERIFY(v.form->findChild<QToolButton*>(QStringLiteral("Aback"))->isEnabled());
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Aforward"))->isEnabled());

    QTest::mouseClick(slet, Qt::LeftButton);
    QVERIFY(v.liste().isEmpty());
    QCOMPARE(v.form->urlIndex, -1);
    QVERIFY(!rens->isEnabled());
    QVERIFY(!slet->isEnabled());
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Aback"))->isEnabled());
    // The next page starts the list again.
    v.klik(QStringLiteral("B"));
    QCOMPARE(v.liste(), QStringList{"b.html"});
    QVERIFY(slet->isEnabled());
    QVERIFY(!rens->isEnabled());

    QTest::mouseClick(boks->findChild<QPushButton*>(QStringLiteral("lukKnap")), Qt::LeftButton);
    QVERIFY(!boks->isVisible());
}

void TestInfoform::adresseboksen() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("A"));
    v.adresse(QStringLiteral("b.html"));
    QCOMPARE(v.vist(), QStringLiteral("b.html"));
    v.adresse(QStringLiteral("c"));
    QCOMPARE(v.vist(), QStringLiteral("c.html"));
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html", "c.html"}));

    // Names that leave the info folder are refused, whatever the file they name.
    for (const QString& ud : {QStringLiteral("../../x"), QStringLiteral("..\\..\\Ravnsti.txt"),
                              QStringLiteral("C:\\Ravnsti\\Program\\Struktur\\Ravnsti.txt"),
                              QStringLiteral("/etc/passwd")}) {
        v.adresse(ud);
        QCOMPARE(v.vist(), QStringLiteral("c.html"));
        QVERIFY2(v.form->status().contains(QStringLiteral("uden for emnets mappe")),
                 qPrintable(ud));
    }
    v.adresse(QStringLiteral("file:///etc/passwd"));
    QCOMPARE(v.vist(), QStringLiteral("c.html"));
    QVERIFY(v.form->status().contains(QStringLiteral("kun http- og https-adresser")));
    QVERIFY(v.browser.isEmpty());

    // A web address opens in the browser; any other text is searched for there.
    v.adresse(QStringLiteral("https://example.org/side"));
    v.adresse(QStringLiteral("farver & tal+1 #2"));
    QCOMPARE(v.browser,
             (QStringList{"https://example.org/side",
                          "https://www.google.com/search?q=farver%20%26%20tal%2B1%20%232"}));
    QCOMPARE(v.vist(), QStringLiteral("c.html"));
    QCOMPARE(v.liste().size(), 3);

    // The button does what Enter does; with an empty box it cannot be clicked.
    v.form->Edit()->setText(QStringLiteral("a.html"));
    v.knap("Ago");
    QCOMPARE(v.vist(), QStringLiteral("a.html"));
    v.form->Edit()->clear();
    QVERIFY(!v.form->findChild<QToolButton*>(QStringLiteral("Ago"))->isEnabled());
}

void TestInfoform::links() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("A"));
    v.form->resize(1000, 700);
    QApplication::processEvents();
    QWidget* flade = v.form->Web()->viewport();

    // Under the mouse: a link's page, a web address, the link of a picture inside a link.
    QTest::mouseMove(flade, v.punkt(QStringLiteral("Til b")));
    QCOMPARE(v.form->status(), QStringLiteral("b.html"));
    QTest::mouseMove(flade, v.punkt(QStringLiteral("Ude")));
    QCOMPARE(v.form->status(), QStringLiteral("https://example.org/x?y=1"));
    QTest::mouseMove(flade, v.billedpunkt());
    QCOMPARE(v.form->status(), QStringLiteral("c.html"));

    // The picture came from the topic's picture folder.
    const QVariant billede = v.form->Web()->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("../Billeder/p.png")));
    QVERIFY(billede.isValid());

    QTest::mouseClick(flade, Qt::LeftButton, {}, v.punkt(QStringLiteral("Ude")));
    QCOMPARE(v.browser, QStringList{"https://example.org/x?y=1"});
    QCOMPARE(v.vist(), QStringLiteral("a.html"));

    QTest::mouseClick(flade, Qt::LeftButton, {}, v.punkt(QStringLiteral("Kodeord")));
    QCOMPARE(v.vist(), QStringLiteral("a.html"));
    QVERIFY(
        v.form->status().startsWith(QStringLiteral("Linket \"file:///etc/passwd\" åbnes ikke")));
    QTest::mouseClick(flade, Qt::LeftButton, {}, v.punkt(QStringLiteral("Emnefil")));
    QCOMPARE(v.vist(), QStringLiteral("a.html"));
    QCOMPARE(v.form->status(), QStringLiteral("Linket fører uden for emnets mappe og åbnes ikke."));
    QTest::mouseClick(flade, Qt::LeftButton, {}, v.punkt(QStringLiteral("Mangler")));
    QCOMPARE(v.form->status(), QStringLiteral("Siden \"mangler.html\" findes ikke."));
    QCOMPARE(v.browser.size(), 1);

    QTest::mouseClick(flade, Qt::LeftButton, {}, v.punkt(QStringLiteral("Til b")));
    QCOMPARE(v.vist(), QStringLiteral("b.html"));
    QCOMPARE(v.liste(), (QStringList{"a.html", "b.html"}));

    // A link on the disk that leads out of the info folder is no page of the topic.
    const QString ude = v.env.base() + QStringLiteral("/hemmelig.html");
    QFile hemmelig(ude);
    QVERIFY(hemmelig.open(QIODevice::WriteOnly));
    hemmelig.write(side(QStringLiteral("hemmelig")));
    hemmelig.close();
    QVERIFY(QFile::link(ude, v.env.host(v.sti(QStringLiteral("genvej.html")))));
    v.adresse(QStringLiteral("genvej.html"));
    QCOMPARE(v.vist(), QStringLiteral("b.html"));
    QVERIFY(v.form->status().contains(QStringLiteral("uden for emnets mappe")));
}

void TestInfoform::menuOgRediger() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("B"));
    QStringList tekster;
    for (QAction* a : v.form->PUstrukturer()->actions())
        if (!a->isSeparator()) {
            tekster << a->text();
            a->trigger();
        }
    QCOMPARE(tekster,
             (QStringList{"Html information", "Html eksempler", "Css information",
                          "JavaScript information", "Script information", "Program information"}));
    QCOMPARE(v.host.opslag,
             (QStringList{"HtmlInfo|", "HtmlEksemplerInfo|", "CssInfo|", "JsInfo|", "VbsInfo|"}));
    QCOMPARE(v.host.help, QStringList{QString()});

    // "Rediger" opens the page last opened from the tree in a document window.
    v.adresse(QStringLiteral("c.html"));
    v.knap("redigerButton");
    QCOMPARE(v.host.dokumenter, QStringList{"b.html|" + v.sti(QStringLiteral("b.html"))});
}

void TestInfoform::hjaelpOverEnModalDialog() {
    Viewer v;
    QDialog dialog(&v.host.window);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    v.form->aabn(InfoEmne::Program, QStringLiteral("Kopier"));
    // The viewer belongs to the dialog while it is open, so the dialog does not block it.
    QCOMPARE(v.form->parentWidget(), &dialog);
    QVERIFY(v.form->isVisible());
    QVERIFY(v.form->isWindow());
    v.klik(QStringLiteral("Søg"));
    QCOMPARE(v.vist(), QStringLiteral("soeg.html"));

    dialog.hide();
    QCOMPARE(v.form->parentWidget(), &v.host.window);
    QVERIFY(v.form->isVisible());
    QCOMPARE(v.vist(), QStringLiteral("soeg.html"));
}

void TestInfoform::pladsOgStoerrelse() {
    Viewer v;
    v.env.makeFolder(v.host.folders.optDir);
    const QString fil = v.host.folders.optDir + QStringLiteral("information.txt");
    v.form->aabn(InfoEmne::Program, QString());
    // Without a file: centred, at least the minimum size, not in the corner.
    QVERIFY(v.form->width() >= 760 && v.form->height() >= 500);
    QVERIFY(v.form->pos() != QPoint(0, 0));
    v.form->resize(780, 520);
    v.form->move(10, 20);
    v.form->close();
    QStringList linjer;
    QVERIFY(TextFile::read(fil, linjer));
    QCOMPARE(linjer.mid(0, 4), (QStringList{"20", "10", "780", "520"}));
    QCOMPARE(linjer.size(), 5);

    // A new viewer takes the place, the size and the tree's width.
    QVERIFY(TextFile::write(fil, {QStringLiteral("30"), QStringLiteral("15"), QStringLiteral("790"),
                                  QStringLiteral("510"), QStringLiteral("250")}));
    Tinfoform andet(v.host, &v.host.window);
    andet.show();
    QCOMPARE(andet.pos(), QPoint(15, 30));
    QCOMPARE(andet.size(), QSize(790, 510));
    QCOMPARE(andet.findChild<QSplitter*>()->sizes().value(0), 250);

    // The list box keeps its width and height.
    Turlform* boks = andet.urlform();
    boks->show();
    boks->resize(333, 222);
    boks->close();
    QVERIFY(TextFile::read(v.host.folders.optDir + QStringLiteral("urlboks.txt"), linjer));
    QCOMPARE(linjer, (QStringList{"333", "222"}));
    Tinfoform tredje(v.host, &v.host.window);
    QCOMPARE(tredje.urlform()->size(), QSize(333, 222));

    // Starting afresh reads the place again and empties the visited list.
    andet.aabn(InfoEmne::Program, QStringLiteral("B"));
    andet.move(100, 100);
    andet.startForfra();
    QCOMPARE(andet.pos(), QPoint(15, 30));
    QCOMPARE(andet.urlform()->urlListe()->count(), 0);
    QCOMPARE(andet.strukturnavn, QStringLiteral("Ravnsti.txt"));
}

void TestInfoform::sidensTekstKanKopieres() {
    Viewer v;
    v.form->aabn(InfoEmne::Program, QStringLiteral("B"));
    QApplication::setActiveWindow(v.form);
    v.form->Web()->setFocus();
    QTest::keyClick(v.form->Web(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(v.form->Web(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b"));
}

RAVNSTI_TEST_MAIN(TestInfoform)
#include "tst_infoform.moc"
