#include "engine/rtftekst.h"
#include "engine/tegnblokke.h"
#include "engine/tegntaeller.h"
#include "engine/tekstsoegning.h"
#include "harness/testenvironment.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kTekst = QStringLiteral("Æblegrød og rødgrød\r\nmed fløde\r\n");

QList<TekstFund> soeg(const QString& path, const QString& text, bool heleOrd = false,
                      bool forskel = false, bool* read = nullptr) {
    QList<TekstFund> fund;
    const bool ok = TekstSoegning(text, heleOrd, forskel).soegFil(path, fund);
    if (read)
        *read = ok;
    return fund;
}

// "position:line" of each hit.
QStringList rows(const QList<TekstFund>& fund) {
    QStringList r;
    for (const TekstFund& f : fund)
        r << QStringLiteral("%1:%2").arg(f.position).arg(f.tekst);
    return r;
}

QByteArray utf16(const QString& text, QStringEncoder::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

class TestTekstSoegning : public QObject {
    Q_OBJECT

private slots:
    void charactersAreCountedAndCheckedInPartsOfAnySize() {
        // Bytes built from pieces that meet at every offset of a 16-byte block: ASCII, line
        // breaks, two- to four-byte characters, and now and then a byte no UTF-8 may hold.
        const QList<QByteArray> pieces{"abc",
                                       "\r\n",
                                       "\r",
                                       "\n",
                                       "\xC3\xB8",
                                       "\xE2\x82\xAC",
                                       "\xF0\x9F\x98\x80",
                                       "0123456789abcdef"};
        const QList<QByteArray> faults{"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80",
                                       "\xC3"};
        QRandomGenerator random(11);
        for (int round = 0; round < 2200; ++round) {
            // First each piece at every place of a block, then pieces at random.
            QByteArray bytes;
            const bool placed = round < 5 * 80;
            if (placed) {
                const QByteArray& piece = pieces.at(round % 5 == 0 ? 1 : 3 + round % 5);
                bytes = QByteArray(round / 5, 'a') + piece + QByteArray(80, 'b');
            } else {
                const int count = int(random.bounded(60));
                for (int i = 0; i < count; ++i)
                    bytes += pieces.at(random.bounded(int(pieces.size())));
            }
            if (round % 4 == 0 && !placed)
                bytes.insert(random.bounded(int(bytes.size()) + 1),
                             faults.at(random.bounded(int(faults.size()))));
            QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString text = decoder.decode(bytes);
            const bool valid = !decoder.hasError();
            for (const bool utf8 : {true, false}) {
                Tegntaeller taeller(utf8);
                bool ok = true;
                for (qsizetype at = 0; at < bytes.size() && ok;) {
                    const qsizetype n = qMin<qsizetype>(
                        placed ? bytes.size() : random.bounded(round % 2 ? 24 : 200),
                        bytes.size() - at);
                    ok = taeller.feed(QByteArrayView(bytes).sliced(at, n));
                    at += n;
                }
                const QString expected = utf8 ? text : QString::fromLatin1(bytes);
                QCOMPARE(ok && taeller.complete(), !utf8 || valid);
                if (!utf8 || valid)
                    QCOMPARE(taeller.tegn(),
                             QString(expected)
                                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                 .size());
            }
        }
    }

    void theBlockKernelsCountAlike() {
#ifdef __SSE2__
        if (!TegnBlokke::harAvx2())
            QSKIP("This processor has no AVX2, so only the SSE2 kernel runs here.");
        // Runs of ASCII with line breaks, two-byte characters, and now and then one of three
        // bytes or a stray continuation, so that blocks are taken whole, cut short or refused.
        const QList<QByteArray> pieces{"tekst ",       "\r\n",     "\r",
                                       "\n",           "\xC3\xB8", "\xC3\xA6",
                                       "\xE2\x82\xAC", "\x80",     "0123456789abcdefghij"};
        QRandomGenerator random(5);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            const int count = int(random.bounded(120));
            for (int i = 0; i < count; ++i) {
                const int piece = int(random.bounded(int(pieces.size())));
                // The rarer pieces now and then only.
                if (piece >= 6 && random.bounded(8) != 0)
                    continue;
                bytes += pieces.at(piece);
            }
            const auto* at = reinterpret_cast<const uchar*>(bytes.constData());
            const auto* end = at + bytes.size();
            for (const bool utf8 : {true, false}) {
                for (const bool afterCr : {false, true}) {
                    qint64 tegn1 = 7, tegn2 = 7;
                    bool cr1 = afterCr, cr2 = afterCr;
                    const uchar* stop1 = TegnBlokke::sse2(at, end, utf8, tegn1, cr1);
                    const uchar* stop2 = TegnBlokke::avx2(at, end, utf8, tegn2, cr2);
                    QCOMPARE(stop2 - at, stop1 - at);
                    QCOMPARE(tegn2, tegn1);
                    QCOMPARE(cr2, cr1);
                }
            }
        }
#else
        QSKIP("The block kernels are for x86 processors.");
#endif
    }

    void encodingsAndPositions_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << *TextFile::toWindows1252(kTekst);
        QTest::newRow("UTF-8") << kTekst.toUtf8();
        QTest::newRow("UTF-8 med BOM") << QByteArray("\xEF\xBB\xBF") + kTekst.toUtf8();
        QTest::newRow("UTF-16 LE") << utf16(kTekst, QStringEncoder::Utf16LE);
        QTest::newRow("UTF-16 BE") << utf16(kTekst, QStringEncoder::Utf16BE);
        QTest::newRow("LF") << QString(kTekst).remove(QLatin1Char('\r')).toUtf8();
        QTest::newRow("CR") << QString(kTekst).remove(QLatin1Char('\n')).toUtf8();
    }
    void encodingsAndPositions() {
        QFETCH(QByteArray, bytes);
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\t\\f.txt"), bytes);
        const QString path = QStringLiteral("C:\\t\\f.txt");
        const QList<TekstFund> fund = soeg(path, QStringLiteral("GRØD"));
        // Every line break counts as one character.
        QCOMPARE(rows(fund), QStringList({"4:Æblegrød og rødgrød", "15:Æblegrød og rødgrød"}));
        QCOMPARE(fund.first().dokument, path);
        QCOMPARE(rows(soeg(path, QStringLiteral("fløde"))), QStringList({"24:med fløde"}));
        QVERIFY(soeg(path, QStringLiteral("GRØD"), false, true).isEmpty());
        QCOMPARE(rows(soeg(path, QStringLiteral("ø"), false, true)).size(), 4);
        // Whole words: a letter next to the hit rules it out.
        QVERIFY(soeg(path, QStringLiteral("grød"), true).isEmpty());
        QCOMPARE(rows(soeg(path, QStringLiteral("og"), true)),
                 QStringList({"9:Æblegrød og rødgrød"}));
    }

    void richTextIsSearchedAsText() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\t\\r.rtf"),
                      "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}}"
                      "{\\*\\generator Skriver;}\\f0\\fs20 R\\'f8dgr\\'f8d med \\u230?ble"
                      "\\par Linje\\tab to \\{ok\\}\\par}");
        const QString path = QStringLiteral("C:\\t\\r.rtf");
        QCOMPARE(rows(soeg(path, QStringLiteral("æble"))), QStringList({"12:Rødgrød med æble"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("{ok}"))), QStringList({"26:Linje\tto {ok}"}));
        QVERIFY(soeg(path, QStringLiteral("Arial")).isEmpty());
        QVERIFY(soeg(path, QStringLiteral("Skriver")).isEmpty());
        QVERIFY(soeg(path, QStringLiteral("fs20")).isEmpty());

        // Read in parts of any size, the text is the same.
        const QByteArray rtf = env.readFile(path);
        QString whole, parts;
        RtfTekst().feed(rtf, whole);
        RtfTekst reader;
        for (const char c : rtf)
            reader.feed(QByteArrayView(&c, 1), parts);
        QCOMPARE(parts, whole);
        QCOMPARE(whole, QStringLiteral("Rødgrød med æble\nLinje\tto {ok}\n"));
    }

    void textsAreLiteral() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\t\\m.txt"), "a.*b axxb [x] (y)\n");
        const QString path = QStringLiteral("C:\\t\\m.txt");
        QCOMPARE(rows(soeg(path, QStringLiteral("a.*b"))), QStringList({"0:a.*b axxb [x] (y)"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("[x]"))), QStringList({"10:a.*b axxb [x] (y)"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("(y)"))), QStringList({"14:a.*b axxb [x] (y)"}));
        QVERIFY(soeg(path, QStringLiteral("?")).isEmpty());
    }

    void largeFilesAreReadInParts() {
        TestEnvironment env;
        constexpr qsizetype kPart = 1 << 20;
        // A CR LF split between two parts, and a hit across the boundary of the next two.
        QByteArray bytes(kPart - 1, 'a');
        bytes += "\r\nnål";
        bytes += QByteArray(2 * kPart - bytes.size() - 3, 'b') + "nål" + QByteArray(10, 'c');
        env.writeFile(QStringLiteral("C:\\t\\stor.txt"), bytes);
        const QList<TekstFund> fund =
            soeg(QStringLiteral("C:\\t\\stor.txt"), QStringLiteral("NÅL"));
        QCOMPARE(fund.size(), 2);
        QCOMPARE(fund.at(0).position, kPart);
        // A line too long to show whole is shown around the hit.
        QCOMPARE(fund.at(0).tekst, QStringLiteral("nål") + QString(TekstSoegning::kKontekst, 'b'));
        QCOMPARE(fund.at(1).position, 2 * kPart - 5);
        QCOMPARE(fund.at(1).tekst,
                 QString(TekstSoegning::kKontekst, 'b') + QStringLiteral("nål") + QString(10, 'c'));

        // Not valid UTF-8 far into the file: the whole file is Windows-1252.
        QByteArray mixed = "nål i starten\n" + QByteArray(3 * kPart, 'x') + "\nsl\xF8jfe\n";
        env.writeFile(QStringLiteral("C:\\t\\blandet.txt"), mixed);
        QCOMPARE(rows(soeg(QStringLiteral("C:\\t\\blandet.txt"), QStringLiteral("slø"))),
                 QStringList({QStringLiteral("%1:sløjfe").arg(3 * kPart + 16)}));
        QCOMPARE(rows(soeg(QStringLiteral("C:\\t\\blandet.txt"), QStringLiteral("nÃ¥l"))),
                 QStringList({"0:nÃ¥l i starten"}));
        // A UTF-8 sequence cut off at the end is not UTF-8 either.
        env.writeFile(QStringLiteral("C:\\t\\kort.txt"), "abc\xC3");
        QCOMPARE(rows(soeg(QStringLiteral("C:\\t\\kort.txt"), QStringLiteral("Ã"), false, true)),
                 QStringList({"3:abcÃ"}));
    }

    // Where a part of the file ends decides nothing: a UTF-8 sequence cut there (after an
    // invalid one) and a line break whose CR and LF lie parts apart count as in the whole.
    void partEdgesKeepPositions() {
        TestEnvironment env;
        constexpr qsizetype kPart = 1 << 20;
        for (const qsizetype shift : {0, 1}) {
            const QByteArray bytes =
                "\xEF\xBB\xBF" + QByteArray(kPart - 5 + shift, 'x') + "\xD8\xD8NEEDLE\r\n";
            env.writeFile(QStringLiteral("C:\\t\\bom.txt"), bytes);
            const QString whole = QString::fromUtf8(bytes.mid(3));
            QCOMPARE(rows(soeg(QStringLiteral("C:\\t\\bom.txt"), QStringLiteral("needle"))),
                     QStringList({QStringLiteral("%1:%2")
                                      .arg(whole.indexOf(u"NEEDLE"))
                                      .arg(whole.trimmed().right(TekstSoegning::kKontekst + 6))}));
        }

        // A U+FEFF opening the second part is a character like any other.
        env.writeFile(QStringLiteral("C:\\t\\feff.txt"),
                      "\xEF\xBB\xBF" + QByteArray(kPart, 'x') + "\xEF\xBB\xBFNEEDLE");
        QCOMPARE(
            soeg(QStringLiteral("C:\\t\\feff.txt"), QStringLiteral("NEEDLE")).value(0).position,
            kPart + 1);

        // The CR ends the first part, the second lies wholly in an ignored group.
        const QByteArray head = "{\\rtf1 ";
        QByteArray rtf = head + QByteArray(kPart - head.size() - 4, 'a') + "\\'0d";
        rtf += "{\\*\\x " + QByteArray(kPart - 6, 'b') + "}\\par NEEDLE}";
        env.writeFile(QStringLiteral("C:\\t\\del.rtf"), rtf);
        const QList<TekstFund> fund =
            soeg(QStringLiteral("C:\\t\\del.rtf"), QStringLiteral("NEEDLE"));
        QCOMPARE(fund.size(), 1);
        QCOMPARE(fund.first().position, kPart - head.size() - 4 + 1);
        QCOMPARE(fund.first().tekst, QStringLiteral("NEEDLE"));
    }

    // Hits at the very start and end of a file, in every encoding and with every kind of
    // line break, as the decoded text has them.
    void startsEndsAndLineBreaks_data() {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("lineBreak");
        for (const char* encoding :
             {"UTF-8", "UTF-8 med BOM", "Windows-1252", "UTF-16 LE", "UTF-16 BE"})
            for (const char* lineBreak : {"\r\n", "\n", "\r"})
                QTest::addRow("%s %s", encoding,
                              lineBreak[1]           ? "CRLF"
                              : lineBreak[0] == '\n' ? "LF"
                                                     : "CR")
                    << QString::fromLatin1(encoding) << QString::fromLatin1(lineBreak);
    }
    void startsEndsAndLineBreaks() {
        QFETCH(QString, encoding);
        QFETCH(QString, lineBreak);
        const QString text = QStringLiteral("Ærø ærø%1midt ÆRØ, rø%1slut ærø").arg(lineBreak);
        QByteArray bytes = text.toUtf8();
        if (encoding == QLatin1String("UTF-8 med BOM"))
            bytes.prepend("\xEF\xBB\xBF");
        else if (encoding == QLatin1String("Windows-1252"))
            bytes = *TextFile::toWindows1252(text);
        else if (encoding.startsWith(QLatin1String("UTF-16")))
            bytes = utf16(text, encoding.endsWith(QLatin1String("LE")) ? QStringEncoder::Utf16LE
                                                                       : QStringEncoder::Utf16BE);
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\t\\f.txt"), bytes);
        const QString path = QStringLiteral("C:\\t\\f.txt");
        QCOMPARE(rows(soeg(path, QStringLiteral("ærø"))),
                 QStringList({"0:Ærø ærø", "4:Ærø ærø", "13:midt ÆRØ, rø", "26:slut ærø"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("ærø"), false, true)),
                 QStringList({"4:Ærø ærø", "26:slut ærø"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("RØ"), true)), QStringList({"18:midt ÆRØ, rø"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("ø\u00A0"))), QStringList());
    }

    // Characters whose other case takes more or fewer bytes in UTF-8 (KELVIN SIGN for k,
    // ANGSTROM SIGN for å, LONG S for s) match as the editor matches them.
    void formsOfOtherLengths() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\t\\u.txt"),
                      QStringLiteral("\u212Aage på \u212Bse\nhu\u017F og Hus\n").toUtf8());
        const QString path = QStringLiteral("C:\\t\\u.txt");
        QCOMPARE(rows(soeg(path, QStringLiteral("kage"))),
                 QStringList({"0:\u212Aage på \u212Bse"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("Å"))),
                 QStringList({"6:\u212Aage på \u212Bse", "8:\u212Aage på \u212Bse"}));
        QCOMPARE(
            rows(soeg(path, QStringLiteral("s"))),
            QStringList({"9:\u212Aage på \u212Bse", "14:hu\u017F og Hus", "21:hu\u017F og Hus"}));
        QCOMPARE(rows(soeg(path, QStringLiteral("hus"), true)),
                 QStringList({"12:hu\u017F og Hus", "19:hu\u017F og Hus"}));
        QVERIFY(soeg(path, QStringLiteral("Å"), false, true).isEmpty());
    }

    // A text cut by the edge between two parts, inside a character too; a file where the
    // places to look at run into one another all through it.
    void textsAcrossPartEdges() {
        TestEnvironment env;
        constexpr qsizetype kPart = 1 << 20;
        const QByteArray utf8 = QByteArray(kPart - 2, 'x') + " n\xC3\xB8gle " + QByteArray(9, 'y');
        env.writeFile(QStringLiteral("C:\\t\\kant.txt"), utf8);
        QCOMPARE(soeg(QStringLiteral("C:\\t\\kant.txt"), QStringLiteral("NØGLE"), true)
                     .value(0)
                     .position,
                 kPart - 1);
        const QByteArray wide = utf16(QString(kPart / 2 - 2, u'x') + QStringLiteral(" nøgle\r\n"),
                                      QStringEncoder::Utf16LE);
        env.writeFile(QStringLiteral("C:\\t\\kant16.txt"), wide);
        const QList<TekstFund> fund =
            soeg(QStringLiteral("C:\\t\\kant16.txt"), QStringLiteral("nøgle"));
        QCOMPARE(fund.size(), 1);
        QCOMPARE(fund.first().position, kPart / 2 - 1);
        QCOMPARE(fund.first().tekst,
                 QString(TekstSoegning::kKontekst - 1, u'x') + QStringLiteral(" nøgle"));

        QByteArray tight;
        for (int i = 0; i < 60000; ++i)
            tight += "ene " + QByteArray(39, 'x') + "\r\n";
        env.writeFile(QStringLiteral("C:\\t\\taet.txt"), tight);
        const QList<TekstFund> many =
            soeg(QStringLiteral("C:\\t\\taet.txt"), QStringLiteral("ENE"), true);
        QCOMPARE(many.size(), 60000);
        QCOMPARE(many.last().position, 59999 * 44);
    }

    void aSearchCanBeStopped() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\t\\a.txt"), "nål\n");
        TekstSoegning soegning(QStringLiteral("nål"), false, false);
        int asked = 0;
        soegning.setFortsaet([&] { return ++asked < 2; });
        QList<TekstFund> fund;
        QVERIFY(soegning.soegFil(QStringLiteral("C:\\t\\a.txt"), fund));
        QCOMPARE(fund.size(), 1);
        QVERIFY(!soegning.soegFil(QStringLiteral("C:\\t\\a.txt"), fund));
        QCOMPARE(fund.size(), 1);
    }

    void hitsAreCapped() {
        TestEnvironment env;
        QByteArray many;
        for (qsizetype i = 0; i < TekstSoegning::kMaxFund + 5; ++i)
            many += "x\n";
        env.writeFile(QStringLiteral("C:\\t\\mange.txt"), many);
        const TekstSoegning soegning(QStringLiteral("x"), false, false);
        QList<TekstFund> fund;
        QVERIFY(soegning.soegFil(QStringLiteral("C:\\t\\mange.txt"), fund));
        QCOMPARE(fund.size(), TekstSoegning::kMaxFund);
        QCOMPARE(fund.last().position, 2 * (TekstSoegning::kMaxFund - 1));
        QVERIFY(soegning.soegFil(QStringLiteral("C:\\t\\mange.txt"), fund));
        QCOMPARE(fund.size(), TekstSoegning::kMaxFund);
    }

    void onlyRegularFilesAreOpened() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\t\\mappe"));
        QCOMPARE(::mkfifo(QFile::encodeName(env.host(QStringLiteral("C:\\t\\fifo"))), 0600), 0);
        // Also when a listing said each was a file: what is there when it is opened decides,
        // and a FIFO does not keep the search waiting.
        for (const EntryKind art : {EntryKind::Other, EntryKind::File}) {
            const TekstSoegning soegning(QStringLiteral("x"), false, false);
            QList<TekstFund> fund;
            for (const char* path : {"C:\\t\\fifo", "C:\\t\\findes ikke", "C:\\t\\mappe"})
                QVERIFY2(!soegning.soegFil(QString::fromLatin1(path), fund, art), path);
            QVERIFY(fund.isEmpty());
        }
    }

    // Many files searched at once on helper threads give the hits one file after another
    // would, in the files' order, with the unreadable ones counted; the cap holds across
    // files, and a stop keeps the hits of exactly the files done.
    void manyFilesAtOnce() {
        TestEnvironment env;
        QList<SoegeFil> filer;
        for (int i = 0; i < 300; ++i) {
            const QString path =
                QStringLiteral("C:\\m%1\\f%2.txt").arg(i / 100).arg(i, 3, 10, QLatin1Char('0'));
            QString text;
            for (int hit = 0; hit < i % 4; ++hit)
                text += QStringLiteral("linje %1 med ravn nr. %2\n").arg(i).arg(hit);
            env.writeFile(path, i % 7 == 3 ? utf16(text, QStringEncoder::Utf16LE) : text.toUtf8());
            filer.append({path, EntryKind::File});
        }
        QCOMPARE(::mkfifo(QFile::encodeName(env.host(QStringLiteral("C:\\m1\\fifo"))), 0600), 0);
        filer.insert(150, {QStringLiteral("C:\\m1\\fifo"), EntryKind::File});
        filer.insert(10, {QStringLiteral("C:\\m0\\væk.txt"), EntryKind::File});

        const TekstSoegning soegning(QStringLiteral("ravn"), false, false);
        QList<TekstFund> expected;
        for (const SoegeFil& fil : std::as_const(filer))
            soegning.soegFil(fil.sti, expected, fil.art);
        QList<TekstFund> fund;
        int ulaeste = 0;
        QList<int> told;
        QCOMPARE(soegning.soegFiler(filer, fund, ulaeste,
                                    [&](int soegt) {
                                        told.append(soegt);
                                        return true;
                                    }),
                 302);
        QCOMPARE(ulaeste, 2);
        QCOMPARE(told.size(), 302);
        QCOMPARE(told.last(), 302);
        QCOMPARE(rows(fund), rows(expected));
        for (qsizetype k = 0; k < fund.size(); ++k)
            QCOMPARE(fund[k].dokument, expected[k].dokument);

        // Stopped: the hits of the files done, each whole, in order.
        QList<SoegeFil> eenHver;
        for (int i = 0; i < 300; ++i) {
            const QString path = QStringLiteral("C:\\e\\%1.txt").arg(i, 3, 10, QLatin1Char('0'));
            env.writeFile(path, "en ravn");
            eenHver.append({path, EntryKind::File});
        }
        fund.clear();
        ulaeste = 0;
        const int soegt = soegning.soegFiler(eenHver, fund, ulaeste, [](int n) { return n < 10; });
        // (A helper may have searched the rest before the stop was heard.)
        QVERIFY(soegt >= 10);
        QCOMPARE(fund.size(), soegt);
        for (qsizetype k = 1; k < fund.size(); ++k)
            QVERIFY(fund[k - 1].dokument < fund[k].dokument);

        // The cap counts the hits of all the files together.
        QByteArray many;
        for (qsizetype i = 0; i < TekstSoegning::kMaxFund / 2 + 1; ++i)
            many += "x\n";
        QList<SoegeFil> store;
        for (const char* name : {"C:\\s\\1.txt", "C:\\s\\2.txt", "C:\\s\\3.txt"}) {
            env.writeFile(QString::fromLatin1(name), many);
            store.append({QString::fromLatin1(name), EntryKind::File});
        }
        const TekstSoegning x(QStringLiteral("x"), false, false);
        fund.clear();
        x.soegFiler(store, fund, ulaeste, [](int) { return true; });
        QCOMPARE(fund.size(), TekstSoegning::kMaxFund);
        QCOMPARE(fund.last().dokument, QStringLiteral("C:\\s\\2.txt"));
        QCOMPARE(fund.last().position, 2 * (TekstSoegning::kMaxFund / 2 - 2));
    }

    void linksAreFollowedAndEachFolderIsLookedUpAfresh() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\a\\fil.txt"), "ravn");
        env.makeFolder(QStringLiteral("C:\\b"));
        QCOMPARE(::symlink("../a/fil.txt",
                           QFile::encodeName(env.host(QStringLiteral("C:\\b\\link.txt")))),
                 0);
        QCOMPARE(::symlink("a", QFile::encodeName(env.host(QStringLiteral("C:\\c")))), 0);
        // One search over files of several folders, a folder reached through a link among
        // them, and a folder left and come back to after it was replaced.
        const TekstSoegning soegning(QStringLiteral("ravn"), false, false);
        QList<TekstFund> fund;
        for (const char* path : {"C:\\a\\fil.txt", "C:\\b\\link.txt", "C:\\c\\fil.txt"})
            QVERIFY(soegning.soegFil(QString::fromLatin1(path), fund));
        // A file that became a link since it was listed is followed all the same.
        QVERIFY(soegning.soegFil(QStringLiteral("C:\\b\\link.txt"), fund, EntryKind::File));
        QCOMPARE(fund.size(), 4);
        QVERIFY(QDir(env.host(QStringLiteral("C:\\a"))).removeRecursively());
        env.writeFile(QStringLiteral("C:\\a\\fil.txt"), "ny ravn");
        QVERIFY(soegning.soegFil(QStringLiteral("C:\\a\\fil.txt"), fund));
        QCOMPARE(fund.last().position, 3);
    }
};

RAVNSTI_TEST_MAIN(TestTekstSoegning)
#include "tst_tekstsoegning.moc"
