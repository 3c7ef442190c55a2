#include "editor/dokument.h"
#include "editor/infotag.h"
#include "editor/twinform.h"
#include "editor/vbskommandoer.h"
#include "engine/struktur.h"
#include "platform/textfile.h"

#include "harness/caretmarkering.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"

#include <QApplication>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// The reference topics the information viewer shows, as the generator wrote them into the
// program folder: read with the tree control, looked up as the viewer looks up the word the
// caret analysis passes, and their pages and links checked on disk.
class TestReferencer : public QObject {
    Q_OBJECT
private slots:
    void hvertEmnesTraeOgSider_data();
    void hvertEmnesTraeOgSider();
    void hvertElementOgHverAttributHarSinSide();
    void hvertBeskrevetNavnHarSinSide_data();
    void hvertBeskrevetNavnHarSinSide();
    void markoerenLanderPaaSiden_data();
    void markoerenLanderPaaSiden();
    void abcStaverEfterDetGenereredeScriptemne();
    void abcKnappenIDokumentvinduet();
    void generatorenGiverDeSammeFilerHverGang();
};

namespace {

const QString kData = qEnvironmentVariable("RAVNSTI_DATA");
const QString kStruktur = kData + QStringLiteral("/Program/Struktur/");
const QString kTekster = kData + QStringLiteral("/../scripts/reference/tekster/");
const QStringList kEmner = {QStringLiteral("information"), QStringLiteral("Eksempler"),
                            QStringLiteral("CSS"), QStringLiteral("JavaScript"),
                            QStringLiteral("VBS")};

QStringList linjer(const QString& hostPath) {
    QFile fil(hostPath);
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return TextFile::decode(fil.readAll());
}

// A topic loaded as the viewer loads it: the program folder is drive R:.
struct Emne {
    explicit Emne(const QString& navn)
        : env(QStringLiteral("R=") + kData + QStringLiteral("/Program")), navn(navn) {
        const QString mappe = QStringLiteral("R:\\Struktur\\") + navn;
        trae.setDataOn(true);
        trae.setStrukturfile(mappe + QStringLiteral("\\struktur.txt"));
        trae.setDatafile(mappe + QStringLiteral("\\data.txt"));
        trae.setInfomappe(mappe + QStringLiteral("\\tekstfiler\\"));
        hentet = trae.HentStruktur();
    }
    // The first node in display order whose text is `ord` when case is ignored.
    QTreeWidgetItem* find(const QString& ord) const {
        for (QTreeWidgetItem* node : trae.allNodes())
            if (node->text(0).compare(ord, Qt::CaseInsensitive) == 0)
                return node;
        return nullptr;
    }
    QString side(QTreeWidgetItem* node) {
        trae.setCurrentItem(node);
        return kStruktur + navn + QStringLiteral("/tekstfiler/") + trae.SelectedData() +
               QStringLiteral(".html");
    }
    QString tekst(QTreeWidgetItem* node) {
        QFile fil(side(node));
        return fil.open(QIODevice::ReadOnly) ? QString::fromUtf8(fil.readAll()) : QString();
    }
    TestEnvironment env;
    QString navn;
    TStruktur trae;
    bool hentet = false;
};

// Every name of a description file, in its order.
QStringList beskrevneNavne(const QString& fil) {
    QStringList navne;
    for (const QString& linje : linjer(kTekster + fil))
        if (linje.startsWith(QLatin1String("@ ")))
            navne.append(linje.mid(2).trimmed());
    return navne;
}

// Each file of a folder tree by its path inside it, with its bytes.
QMap<QString, QByteArray> filer(const QString& mappe) {
    QMap<QString, QByteArray> ud;
    QDirIterator it(mappe, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        QFile fil(sti);
        if (fil.open(QIODevice::ReadOnly))
            ud.insert(sti.mid(mappe.size()), fil.readAll());
    }
    return ud;
}

} // namespace

void TestReferencer::hvertEmnesTraeOgSider_data() {
    QTest::addColumn<QString>("navn");
    for (const QString& navn : kEmner)
        QTest::newRow(qPrintable(navn)) << navn;
}

void TestReferencer::hvertEmnesTraeOgSider() {
    QFETCH(QString, navn);
    QVERIFY(QFile::exists(kStruktur + navn + QStringLiteral(".txt")));
    Emne emne(navn);
    QVERIFY(emne.hentet);
    QVERIFY(emne.env.prompter().shown().isEmpty());
    QVERIFY(emne.trae.topLevelItemCount() == 1);

    // The lines end in CR LF; a byte-order mark exactly where Windows-1252 does not do.
    QFile trae(kStruktur + navn + QStringLiteral("/struktur.txt"));
    QVERIFY(trae.open(QIODevice::ReadOnly));
    const QByteArray bytes = trae.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const bool maerke = bytes.startsWith("\xEF\xBB\xBF");
    const QString tekst = TextFile::decode(bytes).join(QLatin1Char('\n'));
    QCOMPARE(maerke, !TextFile::toWindows1252(tekst).has_value());

    QSet<QString> set;
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)[\"#]"));
    const QString mappe = kStruktur + navn + QStringLiteral("/tekstfiler/");
    for (QTreeWidgetItem* node : emne.trae.allNodes()) {
        const QString noegle = node->text(0).toLower();
        QVERIFY2(!set.contains(noegle), qPrintable(node->text(0) + QStringLiteral(" twice")));
        set.insert(noegle);
        const QString side = emne.tekst(node);
        QVERIFY2(side.contains(QLatin1String("<h1>")), qPrintable(emne.side(node)));
        for (const QRegularExpressionMatch& m : link.globalMatch(side)) {
            const QString maal = QUrl::fromPercentEncoding(m.captured(1).toUtf8());
            QVERIFY2(QFile::exists(mappe + maal), qPrintable(emne.side(node) + " -> " + maal));
        }
    }
}

void TestReferencer::hvertElementOgHverAttributHarSinSide() {
    Emne emne(QStringLiteral("information"));
    QVERIFY(emne.hentet);
    const QStringList tags = linjer(kData + QStringLiteral("/Program/Dir/Html/AlleKoder.txt"));
    QVERIFY(tags.size() > 100);
    for (const QString& tag : tags) {
        QTreeWidgetItem* node = emne.find(tag);
        QVERIFY2(node, qPrintable(tag));
        QVERIFY(emne.tekst(node).contains(QStringLiteral("<h1>&lt;%1&gt;</h1>").arg(tag)));
    }
    QSet<QString> attributter;
    QDirIterator it(kData + QStringLiteral("/Program/Dir/Attributes"), QDir::Files);
    while (it.hasNext())
        // "_forstavelser.txt" holds prefixes ("data-"), not names.
        if (const QString fil = it.next(); !fil.endsWith(QStringLiteral("/_forstavelser.txt")))
            for (const QString& navn : linjer(fil))
                attributter.insert(navn);
    QVERIFY(attributter.contains(QStringLiteral("aria-label")));
    for (const QString& navn : std::as_const(attributter)) {
        QTreeWidgetItem* node = emne.find(navn);
        QVERIFY2(node, qPrintable(navn));
        // An attribute named like an element is told on the element's page.
        const QString side = emne.tekst(node);
        QVERIFY2(side.contains(QStringLiteral("<h1>%1</h1>").arg(navn)) ||
                     side.contains(QStringLiteral("<h2>Attributten %1</h2>").arg(navn)),
                 qPrintable(navn));
    }
}

void TestReferencer::hvertBeskrevetNavnHarSinSide_data() {
    QTest::addColumn<QString>("emne");
    QTest::addColumn<QString>("fil");
    QTest::addColumn<int>("mindst");
    QTest::newRow("css") << "CSS"
                         << "css.txt" << 400;
    QTest::newRow("javascript") << "JavaScript"
                                << "javascript.txt" << 200;
    QTest::newRow("vbs") << "VBS"
                         << "vbs.txt" << 200;
}

void TestReferencer::hvertBeskrevetNavnHarSinSide() {
    QFETCH(QString, emne);
    QFETCH(QString, fil);
    QFETCH(int, mindst);
    Emne e(emne);
    QVERIFY(e.hentet);
    const QStringList navne = beskrevneNavne(fil);
    QVERIFY(navne.size() >= mindst);
    for (const QString& navn : navne) {
        QTreeWidgetItem* node = e.find(navn);
        QVERIFY2(node, qPrintable(navn));
        const QString side = e.tekst(node);
        QVERIFY2(side.contains(QStringLiteral("<p>")), qPrintable(navn));
        QVERIFY2(!side.contains(QLatin1String("class=\"mangler\"")), qPrintable(navn));
    }
}

void TestReferencer::markoerenLanderPaaSiden_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("emne");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("side");
    QTest::newRow("attributvaerdi") << "<table border=\"1|\">"
                                    << "information"
                                    << "border"
                                    << "attribut-border";
    QTest::newRow("mellem koder") << "<TABLE><tr>te|kst"
                                  << "information"
                                  << "tr"
                                  << "element-tr";
    QTest::newRow("attribut som et element") << "<p title=\"x|y\">"
                                             << "information"
                                             << "title"
                                             << "element-title";
    QTest::newRow("css") << "p { col|or: red; }"
                         << "CSS"
                         << "color"
                         << "color";
    QTest::newRow("css med bindestreg") << "div { background-co|lor: red }"
                                        << "CSS"
                                        << "background-color"
                                        << "background-color";
    QTest::newRow("javascript") << "docu|ment.title = 'x';"
                                << "JavaScript"
                                << "document"
                                << "js-document";
    QTest::newRow("javascript med to stavemaader") << "new Func|tion('a')"
                                                   << "JavaScript"
                                                   << "function"
                                                   << "js-function";
    QTest::newRow("vbs") << "msg|box \"Hej\""
                         << "VBS"
                         << "MsgBox"
                         << "vbs-msgbox";
}

void TestReferencer::markoerenLanderPaaSiden() {
    QFETCH(QString, tekst);
    QFETCH(QString, emne);
    QFETCH(QString, node);
    QFETCH(QString, side);
    Emne e(emne);
    QPlainTextEdit editor;
    Tinfotag taginf;
    taginf.setEditor(&editor);
    CaretMarkering::saet(editor, tekst);
    QString ord;
    if (emne == QLatin1String("information")) {
        // The attribute whose value holds the caret, else the tag.
        const QString tag = taginf.GetTag();
        ord = taginf.PosData().Attribut.isEmpty() ? tag : taginf.PosData().Attribut;
    } else {
        ord = emne == QLatin1String("CSS")          ? taginf.FindOrdCSS()
              : emne == QLatin1String("JavaScript") ? taginf.FindOrdJs()
                                                    : taginf.FindOrd();
    }
    QTreeWidgetItem* fundet = e.find(ord);
    QVERIFY2(fundet, qPrintable(ord));
    QCOMPARE(fundet->text(0).toLower(), node.toLower());
    e.trae.setCurrentItem(fundet);
    QCOMPARE(e.trae.SelectedData(), side);
}

namespace {

// A test host whose program folder holds the generated script topic.
struct MedScriptemne {
    MedScriptemne() {
        QFile trae(kStruktur + QStringLiteral("VBS/struktur.txt"));
        if (trae.open(QIODevice::ReadOnly))
            env.writeFile(host.mapper().strukturDir + QStringLiteral("\\VBS\\struktur.txt"),
                          trae.readAll());
    }
    TestEnvironment env;
    TestHost host;
};

} // namespace

void TestReferencer::abcStaverEfterDetGenereredeScriptemne() {
    MedScriptemne s;
    QPlainTextEdit editor;
    s.host.taginf().setEditor(&editor);
    VbsKommandoer kommandoer(s.host, nullptr);
    CaretMarkering::saet(editor, QStringLiteral("dim s: s = inputbox(\"Navn\")\nmsgbox s|\n"
                                                "wscript.QUIT"));
    kommandoer.tsVbAbc(QStringLiteral(".vbs"));
    QCOMPARE(CaretMarkering::vis(editor),
             QStringLiteral("Dim s: s = InputBox(\"Navn\")\nMsgBox s|\nWScript.Quit"));
    QVERIFY(s.host.info.isEmpty());
}

void TestReferencer::abcKnappenIDokumentvinduet() {
    MedScriptemne s;
    Twinform vindue(s.host);
    vindue.InfoCap(1, QStringLiteral("Uden navn (.vbs)"), {}, QStringLiteral(".vbs"));
    vindue.show();
    QApplication::setActiveWindow(&vindue);
    vindue.infoTekst()->setFocus();
    QTest::keyClicks(vindue.infoTekst(), QStringLiteral("if svar = vbyes then msgbox \"ja\""));
    QTest::keyClick(vindue.infoTekst(), Qt::Key_Home);
    auto* knap = vindue.findChild<QWidget*>(QStringLiteral("tsVbAbc"));
    QVERIFY(knap && knap->isVisible());
    QTest::mouseClick(knap, Qt::LeftButton);
    QCOMPARE(vindue.dokument().tekst()->toPlainText(),
             QStringLiteral("If svar = vbYes Then MsgBox \"ja\""));
    QCOMPARE(vindue.plainTekst()->textCursor().position(), 0);
}

void TestReferencer::generatorenGiverDeSammeFilerHverGang() {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    const QString script = kData + QStringLiteral("/../scripts/reference/make-reference.mjs");
    if (node.isEmpty() ||
        !QFile::exists(kData + QStringLiteral("/../scripts/reference/node_modules")))
        QSKIP("needs Node.js and `npm ci --prefix scripts/reference`");
    QTemporaryDir foerste, anden;
    for (const QTemporaryDir* ud : {&foerste, &anden}) {
        QProcess koersel;
        koersel.start(node, {script, QStringLiteral("--ud"), ud->path()});
        QVERIFY(koersel.waitForFinished(-1));
        QVERIFY2(koersel.exitCode() == 0, koersel.readAllStandardError().constData());
    }
    const QMap<QString, QByteArray> foersteFiler = filer(foerste.path());
    QVERIFY(foersteFiler.size() > 1000);
    QVERIFY(foersteFiler == filer(anden.path()));
    // The committed files are those the generator writes today, no more and no fewer.
    for (const QString& navn : kEmner) {
        const QString foran = QLatin1Char('/') + navn + QLatin1Char('/');
        QMap<QString, QByteArray> nye;
        for (auto it = foersteFiler.cbegin(); it != foersteFiler.cend(); ++it)
            if (it.key().startsWith(foran))
                nye.insert(it.key().mid(foran.size() - 1), it.value());
        QVERIFY2(nye == filer(kStruktur + navn), qPrintable(navn));
    }
}

RAVNSTI_TEST_MAIN(TestReferencer)
#include "tst_referencer.moc"
