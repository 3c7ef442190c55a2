#include "editor/rtflaeser.h"
#include "editor/rtfskriver.h"
#include "harness/testenvironment.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {

// What the window shows of a document, one line per paragraph: alignment, indents in
// points, "•" for a bullet, then each run of text with its effective font, size, styles and
// colour. Formats left to the document's default font count as that font.
QStringList vis(const QTextDocument& d) {
    QStringList linjer;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        const Qt::Alignment a = bf.alignment();
        QString linje = QStringLiteral("%1 %2/%3/%4%5:")
                            .arg(a & Qt::AlignHCenter   ? "C"
                                 : a & Qt::AlignRight   ? "R"
                                 : a & Qt::AlignJustify ? "J"
                                                        : "L")
                            .arg(bf.leftMargin())
                            .arg(bf.rightMargin())
                            .arg(bf.textIndent())
                            .arg(b.textList() ? " •" : "");
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList familier = f.fontFamilies().toStringList();
            const qreal size = f.hasProperty(QTextFormat::FontPointSize)
                                   ? f.fontPointSize()
                                   : d.defaultFont().pointSizeF();
            linje += QStringLiteral(" [%1 %2%3%4%5%6%7]%8")
                         .arg(familier.isEmpty() ? d.defaultFont().family() : familier.first())
                         .arg(size)
                         .arg(f.fontWeight() >= QFont::DemiBold ? " b" : "")
                         .arg(f.fontItalic() ? " i" : "")
                         .arg(f.fontUnderline() ? " u" : "")
                         .arg(f.fontStrikeOut() ? " s" : "")
                         .arg(f.hasProperty(QTextFormat::ForegroundBrush)
                                  ? QStringLiteral(" ") + f.foreground().color().name()
                                  : QString())
                         .arg(it.fragment().text());
        }
        linjer << linje;
    }
    return linjer;
}

QByteArray fixtur(const char* navn) {
    QFile f(QFINDTESTDATA(QStringLiteral("../data/rtf/") + QLatin1String(navn)));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("fixture %s missing", navn);
    return f.readAll();
}

QString laestTekst(const QByteArray& rtf) {
    QTextDocument d;
    RtfLaeser::laes(rtf, d);
    return d.toRawText();
}

void afsnit(QTextCursor& c, Qt::Alignment a, qreal venstre, qreal hoejre, qreal foerste) {
    QTextBlockFormat bf;
    bf.setAlignment(a);
    bf.setLeftMargin(venstre);
    bf.setRightMargin(hoejre);
    bf.setTextIndent(foerste);
    c.setBlockFormat(bf);
}

QTextCharFormat format(const QString& font, qreal size, bool fed = false, bool kursiv = false,
                       bool understreg = false, bool overstreg = false, QColor farve = {}) {
    QTextCharFormat f;
    f.setFontFamilies({font});
    f.setFontPointSize(size);
    f.setFontWeight(fed ? QFont::Bold : QFont::Normal);
    f.setFontItalic(kursiv);
    f.setFontUnderline(understreg);
    f.setFontStrikeOut(overstreg);
    if (farve.isValid())
        f.setForeground(farve);
    return f;
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    // Everything the window can give a text comes back from the file as it was, and the file
    // written from what was read is the same file.
    void rundtur() {
        QTextDocument d;
        QTextCursor c(&d);
        afsnit(c, Qt::AlignLeft, 0, 0, 0);
        c.insertText(QStringLiteral("Almindelig "));
        c.insertText(QStringLiteral("fed"), format("DejaVu Sans", 12, true));
        c.insertText(QStringLiteral(" kursiv"), format("DejaVu Serif", 10.5, false, true));
        c.insertText(QStringLiteral(" under"), format("Fønt Æ\\{x}", 8, false, false, true));
        c.insertText(QStringLiteral(" over"), format("Arial", 72, false, false, false, true));
        c.insertText(QStringLiteral(" alt"),
                     format("Arial", 14, true, true, true, true, QColor(0x12, 0x34, 0x56)));
        c.insertBlock();
        afsnit(c, Qt::AlignHCenter, 0, 5, 4);
        c.insertText(QStringLiteral("Blå overskrift"),
                     format("Arial", 14, false, false, false, false, Qt::blue));
        c.insertBlock();
        afsnit(c, Qt::AlignRight, 12.5, 0, -6);
        c.insertText(QStringLiteral("Tegn: \\{}\tæøå ÆØÅ € ‰ Ł ŋ 中文 😀 ­\u00A0"
                                    "\u2028næste linje\u0001"));
        c.insertBlock();
        afsnit(c, Qt::AlignJustify, 0, 0, 0);
        c.insertBlock(); // an empty paragraph
        afsnit(c, Qt::AlignLeft, 0, 0, 0);
        c.insertText(QStringLiteral("prik ét"), format("Arial", 11));
        QTextListFormat prik;
        prik.setStyle(QTextListFormat::ListDisc);
        c.createList(prik);
        c.insertBlock();
        c.insertText(QStringLiteral("prik to"));
        c.insertBlock(QTextBlockFormat()); // out of the list
        c.insertText(QStringLiteral("imellem"));
        c.insertBlock();
        c.createList(prik);
        c.insertText(QStringLiteral("ny liste"));
        c.insertBlock(QTextBlockFormat()); // the document ends in an empty paragraph

        const QByteArray rtf = RtfSkriver::skriv(d);
        QVERIFY(!rtf.contains(char(0x80))); // plain ASCII
        QTextDocument laest;
        RtfLaeser::laes(rtf, laest);
        QCOMPARE(vis(laest), vis(d));
        QCOMPARE(laest.begin().next().next().next().next().textList(),
                 laest.begin().next().next().next().next().next().textList());
        QVERIFY(laest.lastBlock().previous().textList() !=
                laest.begin().next().next().next().next().textList());
        QCOMPARE(RtfSkriver::skriv(laest), rtf);

        QTextDocument tom;
        QTextDocument tomLaest;
        RtfLaeser::laes(RtfSkriver::skriv(tom), tomLaest);
        QCOMPARE(vis(tomLaest), vis(tom));
    }

    // Files other word processors wrote open with their text and formats.
    void andreProgrammer() {
        QTextDocument pandoc;
        RtfLaeser::laes(fixtur("pandoc.rtf"), pandoc);
        QCOMPARE(
            pandoc.toRawText().split(QChar::ParagraphSeparator),
            QStringList({QStringLiteral("Skibet sejler"),
                         QStringLiteral("Æbler, øl og fed tekst med kursiv og overstreget."),
                         QStringLiteral("•\tFørste punkt"), QStringLiteral("•\tAndet punkt med €"),
                         QStringLiteral("Sidste afsnit: 100 °C — “citat” 😀")}));
        const QStringList p = vis(pandoc);
        QVERIFY2(p.at(1).contains(QStringLiteral("[Helvetica 12 b]fed tekst")),
                 qPrintable(p.at(1)));
        QVERIFY(p.at(1).contains(QStringLiteral("[Helvetica 12 i]kursiv")));
        QVERIFY(p.at(1).contains(QStringLiteral("[Helvetica 12 s]overstreget")));
        QVERIFY2(p.at(2).startsWith(QStringLiteral("L 18/0/-18:")), qPrintable(p.at(2)));

        QTextDocument lo;
        RtfLaeser::laes(fixtur("libreoffice.rtf"), lo);
        const QStringList l = vis(lo);
        QCOMPARE(l.size(), 6);
        QCOMPARE(l.at(0), QStringLiteral("C 0/0/0: [DejaVu Serif 18 b]Overskrift på dansk"));
        QVERIFY2(l.at(1).startsWith(QStringLiteral("R 0/0/0: [")), qPrintable(l.at(1)));
        QVERIFY(l.at(1).endsWith(QStringLiteral(" #ff0000]Rød tekst til højre")));
        QVERIFY2(l.at(2).startsWith(QStringLiteral("L 56.7/28.35/28.35: [DejaVu Sans Mono 10]"
                                                   "Indrykket  [DejaVu Sans Mono 10 u]"
                                                   "understreget")),
                 qPrintable(l.at(2)));
        QVERIFY(l.at(2).contains(QStringLiteral("[DejaVu Sans Mono 10 s]overstreget")));
        QVERIFY(l.at(2).contains(QStringLiteral("[DejaVu Sans Mono 10 i]kursiv")));
        QVERIFY2(l.at(3).contains(QStringLiteral(" •: [")) && l.at(3).endsWith("]Punkt ét"),
                 qPrintable(l.at(3)));
        QVERIFY(l.at(4).contains(QStringLiteral(" •: [")) && l.at(4).endsWith("]Punkt to"));
        QCOMPARE(lo.begin().next().next().next().textList(),
                 lo.begin().next().next().next().next().textList());
        QVERIFY(l.at(5).endsWith(QStringLiteral("]Linje et\u2028linje to med tabulator og "
                                                "æøå ÆØÅ €")));

        // What was read is written and read again unchanged.
        for (QTextDocument* d : {&pandoc, &lo}) {
            QTextDocument igen;
            RtfLaeser::laes(RtfSkriver::skriv(*d), igen);
            QCOMPARE(vis(igen), vis(*d));
        }
    }

    // What the editor cannot show is passed over without losing the text around it.
    void springerOver_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("ukendt destination")
            << QByteArray("{\\rtf1 a{\\*\\ukendt {b}c}d{\\*\\generator x;}e}") << "ade";
        QTest::newRow("billede") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47}b}") << "ab";
        QTest::newRow("billede i shppict")
            << QByteArray("{\\rtf1 a{\\*\\shppict{\\pict 00ff}}{\\nonshppict{\\pict 11}}b}")
            << "ab";
        QTest::newRow("felt") << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}"
                                            "{\\fldrslt Link}} efter}")
                              << "Link efter";
        QTest::newRow("binære data") << QByteArray("{\\rtf1 a\\bin4 }{\\}b}") << "ab";
        QTest::newRow("bin forbi slutningen") << QByteArray("{\\rtf1 a\\bin999 xyz") << "a";
        QTest::newRow("uc2 og uc0")
            << QByteArray("{\\rtf1\\uc2 \\u20013\\'d6\\'d0x{\\uc0\\u25991 y}\\u-10179\\'3f\\'3f"
                          "\\u-8704??}")
            << QStringLiteral("中x文y😀");
        QTest::newRow("kodeside 1250")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}") << QStringLiteral("šč");
        QTest::newRow("fonts tegnsæt")
            << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                          "\\'e6{\\f1 \\'e4\\'e0}}")
            << QStringLiteral("æда");
        QTest::newRow("skjult tekst") << QByteArray("{\\rtf1 a{\\v skjult}b\\v c\\v0 d}") << "abd";
        QTest::newRow("tabeller og symboler")
            << QByteArray("{\\rtf1 a\\cell b\\row c\\~d\\-e\\_f\\{\\}\\\\}")
            << QStringLiteral("a\tb\u2029c\u00A0de\u2011f{}\\");
        QTest::newRow("nummereret liste")
            << QByteArray("{\\rtf1{\\listtext 1.\\tab}Et\\par{\\pntext\\'b7\\tab}To}")
            << QStringLiteral("1.\tEt\u2029To");
        QTest::newRow("manglende slutparentes") << QByteArray("{\\rtf1 a{\\b b") << "ab";
        QTest::newRow("for mange slutparenteser") << QByteArray("{\\rtf1 a}}}b") << "a";
        QTest::newRow("dyb indlejring")
            << QByteArray(100000, '{') + "x" + QByteArray(100000, '}') << "x";
        QTest::newRow("tom") << QByteArray() << "";
        QTest::newRow("ikke rtf") << QByteArray("bare tekst") << "bare tekst";
        QTest::newRow("afsluttende afsnit")
            << QByteArray("{\\rtf1 a\\par b\\par}") << QStringLiteral("a\u2029b");
        QTest::newRow("afsnit efter skift")
            << QByteArray("{\\rtf1 a\\par\\par\\par}") << QStringLiteral("a\u2029\u2029");
        QTest::newRow("rammetegn")
            << QByteArray("{\\rtf1 a\\u65020?\\u64976?b}") << QStringLiteral("a\uFDFCb");
    }
    void springerOver() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, tekst);
        QCOMPARE(laestTekst(rtf), tekst);
    }

    // A bulleted paragraph from a list's mark; the formats of the paragraph come from the
    // state at its \par, also when a group around it closed before.
    void afsnitsformat() {
        QTextDocument d;
        RtfLaeser::laes("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}"
                        "{\\listtext\\pard\\plain \\u8226\\'95\\tab}\\ls1\\qc\\li720\\fi-360 "
                        "{\\cf1\\b\\fs28 r\\'f8d}\\par\\pard\\qr\\ri567 slut}",
                        d);
        QCOMPARE(d.blockCount(), 2);
        const QStringList v = vis(d);
        QCOMPARE(
            v.at(0),
            QStringLiteral("C 36/0/-18 •: [%1 14 b #ff0000]rød").arg(d.defaultFont().family()));
        QCOMPARE(v.at(1), QStringLiteral("R 0/28.35/0: [%1 12]slut").arg(d.defaultFont().family()));
    }
};

RAVNSTI_TEST_MAIN(TestRtf)
#include "tst_rtf.moc"
