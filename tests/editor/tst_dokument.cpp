#include "editor/dokument.h"
#include "harness/faultpoints.h"
#include "harness/testenvironment.h"

#include <QFile>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kFil = QStringLiteral("C:\\t\\fil.txt");

QByteArray utf16(const QString& tekst, QStringEncoder::Encoding kodning) {
    QStringEncoder encoder(kodning, QStringConverter::Flag::WriteBom);
    return encoder.encode(tekst);
}

void tilfoej(TDokument& d, const QString& tekst) {
    QTextCursor c(d.tekst());
    c.movePosition(QTextCursor::End);
    c.insertText(tekst);
}

} // namespace

class TestDokument : public QObject {
    Q_OBJECT

private slots:
    // Each encoding and line end is found, kept through an unchanged save byte for byte, and
    // used for what is typed.
    void tegnsaetOgLinjeskift_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Tegnsaet>("tegnsaet");
        QTest::addColumn<Linjeskift>("linjeskift");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("tilfoejet"); // the file after "ø€" is typed at the end

        const QString t = QStringLiteral("æble\nø");
        QTest::newRow("utf-8 lf") << QByteArray("\xC3\xA6"
                                                "ble\n\xC3\xB8")
                                  << Tegnsaet::Utf8 << Linjeskift::LF << t
                                  << QByteArray("\xC3\xA6"
                                                "ble\n\xC3\xB8\xC3\xB8\xE2\x82\xAC");
        QTest::newRow("utf-8 bom crlf") << QByteArray("\xEF\xBB\xBF\xC3\xA6"
                                                      "ble\r\n\xC3\xB8\r\n")
                                        << Tegnsaet::Utf8Bom << Linjeskift::CRLF << t + "\n"
                                        << QByteArray("\xEF\xBB\xBF\xC3\xA6"
                                                      "ble\r\n\xC3\xB8\r\n\xC3\xB8\xE2\x82\xAC");
        QTest::newRow("windows-1252 crlf") << QByteArray("\xE6"
                                                         "ble\r\n\xF8\r\n")
                                           << Tegnsaet::Windows1252 << Linjeskift::CRLF << t + "\n"
                                           << QByteArray("\xE6"
                                                         "ble\r\n\xF8\r\n\xF8\x80");
        QTest::newRow("ugyldig utf-8 er windows-1252")
            << QByteArray("\xC3\xA6 \xC3") << Tegnsaet::Windows1252 << Linjeskift::LF
            << QStringLiteral("Ã¦ Ã") << QByteArray("\xC3\xA6 \xC3\xF8\x80");
        QTest::newRow("alle bytes")
            << QByteArray("\x80\x81\x8D\x8F\x90\x9D\xFF\t\x01\n") << Tegnsaet::Windows1252
            << Linjeskift::LF << QStringLiteral("€\u0081\u008D\u008F\u0090\u009Dÿ\t\u0001\n")
            << QByteArray("\x80\x81\x8D\x8F\x90\x9D\xFF\t\x01\n\xF8\x80");
        QTest::newRow("utf-16le crlf")
            << utf16(QStringLiteral("æble\r\nø"), QStringEncoder::Utf16LE) << Tegnsaet::Utf16LE
            << Linjeskift::CRLF << t
            << utf16(QStringLiteral("æble\r\nøø€"), QStringEncoder::Utf16LE);
        QTest::newRow("utf-16be lf")
            << utf16(QStringLiteral("æble\nø"), QStringEncoder::Utf16BE) << Tegnsaet::Utf16BE
            << Linjeskift::LF << t << utf16(QStringLiteral("æble\nøø€"), QStringEncoder::Utf16BE);
        QTest::newRow("cr") << QByteArray("a\rb\r") << Tegnsaet::Utf8 << Linjeskift::CR
                            << QStringLiteral("a\nb\n") << QByteArray("a\rb\r\xC3\xB8\xE2\x82\xAC");
        QTest::newRow("tom fil") << QByteArray() << Tegnsaet::Utf8 << Linjeskift::LF << QString()
                                 << QByteArray("\xC3\xB8\xE2\x82\xAC");
        QTest::newRow("rtf i en txt-fil")
            << QByteArray("{\\rtf1 {\\b fed}\\par}\n") << Tegnsaet::Utf8 << Linjeskift::LF
            << QStringLiteral("{\\rtf1 {\\b fed}\\par}\n")
            << QByteArray("{\\rtf1 {\\b fed}\\par}\n\xC3\xB8\xE2\x82\xAC");
        QTest::newRow("særlige tegn")
            << QByteArray("a\xE2\x80\xA8"
                          "b\xC2\xA0"
                          "c\n")
            << Tegnsaet::Utf8 << Linjeskift::LF << QStringLiteral("a\u2028b\u00A0c\n")
            << QByteArray("a\xE2\x80\xA8"
                          "b\xC2\xA0"
                          "c\n\xC3\xB8\xE2\x82\xAC");
    }
    void tegnsaetOgLinjeskift() {
        QFETCH(QByteArray, bytes);
        QFETCH(Tegnsaet, tegnsaet);
        QFETCH(Linjeskift, linjeskift);
        QFETCH(QString, tekst);
        QFETCH(QByteArray, tilfoejet);
        TestEnvironment env;
        env.writeFile(kFil, bytes);
        TDokument d;
        QVERIFY(d.hent(kFil).hentet);
        QCOMPARE(d.tegnsaet(), tegnsaet);
        QCOMPARE(d.linjeskift(), linjeskift);
        QCOMPARE(d.tekst()->toPlainText(), tekst.replace(QChar(0xA0), QLatin1Char(' '))
                                               .replace(QChar::LineSeparator, QLatin1Char('\n')));
        QVERIFY(!d.erAendret());
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(kFil), bytes);
        tilfoej(d, QStringLiteral("ø€"));
        QVERIFY(d.erAendret());
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QVERIFY(!d.erAendret());
        QCOMPARE(env.readFile(kFil), tilfoejet);
    }

    // A file marked as UTF-8 that also holds bytes that are not UTF-8 keeps every byte the
    // user did not change, wherever the edit is.
    void utf8MedMaerkeBevarerFremmedeBytes() {
        TestEnvironment env;
        const QByteArray gammel("\xEF\xBB\xBF"
                                "a\xFF\xC3(b\n\xED\xA0\x80\xF0\x9F\x98\x80\xC3");
        env.writeFile(kFil, gammel);
        TDokument d;
        QVERIFY(d.hent(kFil).hentet);
        QCOMPARE(d.tegnsaet(), Tegnsaet::Utf8Bom);
        QVERIFY(d.tekst()->toPlainText().contains(QStringLiteral("\U0001F600")));
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(kFil), gammel);
        QTextCursor c(d.tekst());
        c.insertText(QStringLiteral("ø"));
        tilfoej(d, QStringLiteral("€"));
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(kFil), QByteArray("\xEF\xBB\xBF\xC3\xB8"
                                                "a\xFF\xC3(b\n\xED\xA0\x80\xF0\x9F\x98\x80\xC3"
                                                "\xE2\x82\xAC"));
    }

    // Mixed line ends are written as the first of them.
    void blandedeLinjeskift() {
        TestEnvironment env;
        env.writeFile(kFil, "a\r\nb\nc\rd");
        TDokument d;
        QVERIFY(d.hent(kFil).hentet);
        QCOMPARE(d.linjeskift(), Linjeskift::CRLF);
        QCOMPARE(d.tekst()->blockCount(), 4);
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(kFil), QByteArray("a\r\nb\r\nc\r\nd"));
    }

    // A character Windows-1252 lacks is never written as "?": the document becomes UTF-8
    // with a byte-order mark, keeps its line ends, and the user is told.
    void windows1252BliverUtf8() {
        TestEnvironment env;
        env.writeFile(kFil, "\xE6\r\n");
        TDokument d;
        QVERIFY(d.hent(kFil).hentet);
        tilfoej(d, QStringLiteral("Łódź"));
        env.prompter().expectMessage(
            QStringLiteral("Dokumentet indeholder tegn, som tegnsættet Windows-1252 ikke har.\n"
                           "Det er derfor gemt som UTF-8."));
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(kFil), QByteArray("\xEF\xBB\xBF\xC3\xA6\r\n\xC5\x81\xC3\xB3"
                                                "d\xC5\xBA"));
        QCOMPARE(d.tegnsaet(), Tegnsaet::Utf8Bom);
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt); // told once
    }

    // A save that fails leaves the old file byte for byte, says why and keeps the document
    // modified; a read-only file is not replaced behind its owner's back.
    void gemningFejler_data() {
        QTest::addColumn<FileError>("fejl");
        QTest::addColumn<QString>("grund");
        QTest::newRow("fuld disk")
            << FileError::NoSpace << QStringLiteral("Der er ikke plads nok på drevet.");
        QTest::newRow("ingen adgang")
            << FileError::AccessDenied << QStringLiteral("Du har ikke adgang til at skrive filen.");
        QTest::newRow("i/o-fejl") << FileError::WriteFailed
                                  << QStringLiteral("Der opstod en fejl, mens filen blev skrevet.");
    }
    void gemningFejler() {
        QFETCH(FileError, fejl);
        QFETCH(QString, grund);
        TestEnvironment env;
        FaultPoints faults;
        env.writeFile(kFil, "gammel\n");
        TDokument d;
        QVERIFY(d.hent(kFil).hentet);
        tilfoej(d, QStringLiteral("ny"));
        faults.fail(FaultOp::Write, kFil, fejl);
        env.prompter().expectMessage(QStringLiteral("Dokumentet kunne ikke gemmes i\n") + kFil +
                                     "\n" + grund + QStringLiteral("\nFilen er, som den var."));
        QCOMPARE(d.gem(), TDokument::Gemning::Fejlet);
        QCOMPARE(env.readFile(kFil), QByteArray("gammel\n"));
        QVERIFY(d.erAendret());
        QCOMPARE(d.filnavn(), kFil);

        // Save as fails the same way and leaves the name and kind as they were.
        faults.fail(FaultOp::Write, QStringLiteral("C:\\t\\ny.rtf"), fejl);
        env.prompter().expectMessage(
            QStringLiteral("Dokumentet kunne ikke gemmes i\nC:\\t\\ny.rtf\n") + grund +
            QStringLiteral("\nFilen er, som den var."));
        QCOMPARE(d.gemSom(QStringLiteral("C:\\t\\ny.rtf")), TDokument::Gemning::Fejlet);
        QCOMPARE(d.filnavn(), kFil);
        QCOMPARE(d.art(), DokumentArt::Tekst);
        QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\t\\ny.rtf"))));
    }

    // The real file system: a read-only file and a folder in the file's place are refused,
    // permissions are kept, and a link is saved through to the file it names.
    void filsystemet() {
        TestEnvironment env;
        env.writeFile(kFil, "x\n");
        const QByteArray host = QFile::encodeName(env.host(kFil));
        QCOMPARE(::chmod(host.constData(), 0640), 0);
        TDokument d;
        QVERIFY(d.hent(kFil).hentet);
        tilfoej(d, QStringLiteral("y"));
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        struct stat st {};
        QCOMPARE(::stat(host.constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));

        const QString link = QStringLiteral("C:\\t\\link.txt");
        QCOMPARE(::symlink("fil.txt", QFile::encodeName(env.host(link)).constData()), 0);
        TDokument l;
        QVERIFY(l.hent(link).hentet);
        tilfoej(l, QStringLiteral("z"));
        QCOMPARE(l.gem(), TDokument::Gemning::Gemt);
        QVERIFY(QFileInfo(env.host(link)).isSymLink());
        QCOMPARE(env.readFile(kFil), QByteArray("x\nyz"));

        env.makeFolder(QStringLiteral("C:\\t\\mappe.txt"));
        env.prompter().expectMessage(QStringLiteral(
            "Dokumentet kunne ikke gemmes i\nC:\\t\\mappe.txt\nDer ligger noget andet end en "
            "fil under det navn.\nFilen er, som den var."));
        QCOMPARE(l.gemSom(QStringLiteral("C:\\t\\mappe.txt")), TDokument::Gemning::Fejlet);

        if (::geteuid() != 0) { // root may write anything
            QCOMPARE(::chmod(host.constData(), 0444), 0);
            tilfoej(d, QStringLiteral("!"));
            env.prompter().expectMessage(QStringLiteral(
                "Dokumentet kunne ikke gemmes i\nC:\\t\\fil.txt\nDu har ikke adgang til at "
                "skrive filen.\nFilen er, som den var."));
            QCOMPARE(d.gem(), TDokument::Gemning::Fejlet);
            QCOMPARE(env.readFile(kFil), QByteArray("x\nyz"));
        }
    }

    // Files that cannot be edited give a clear message and an empty document without a file
    // name, which a later save never writes to: the window asks for a name instead.
    void kanIkkeHentes_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QString>("besked");
        QTest::newRow("findes ikke") << QByteArray() << QStringLiteral("Filen findes ikke.");
        QTest::newRow("binær") << QByteArray("\x7F"
                                             "ELF\x02\x01\x01\x00\x00",
                                             9)
                               << QStringLiteral(
                                      "Filen er ikke en tekstfil og kan ikke redigeres.");
    }
    void kanIkkeHentes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, besked);
        TestEnvironment env;
        if (!bytes.isEmpty())
            env.writeFile(kFil, bytes);
        TDokument d;
        env.prompter().expectMessage(besked + "\n" + kFil);
        const TDokument::Indlaesning i = d.hent(kFil);
        QVERIFY(!i.hentet);
        QCOMPARE(i.besked, besked + "\n" + kFil);
        QVERIFY(!d.harFilnavn());
        QCOMPARE(d.ext(), QStringLiteral(".txt"));
        QVERIFY(d.tekst()->isEmpty());
        QCOMPARE(d.gem(), TDokument::Gemning::SkalHaveNavn);
        if (!bytes.isEmpty())
            QCOMPARE(env.readFile(kFil), bytes);
    }

    void ulaeseligeFiler() {
        TestEnvironment env;
        // 200 MB that take no room: refused before a byte is read.
        env.writeFile(kFil, "");
        QVERIFY(QFile::resize(env.host(kFil), 200 * 1024 * 1024));
        TDokument d;
        env.prompter().expectMessage(
            QStringLiteral("Filen er for stor til at blive åbnet i editoren (over 64 MB).\n") +
            kFil);
        QVERIFY(!d.hent(kFil).hentet);

        const QString fifo = QStringLiteral("C:\\t\\fifo.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(env.host(fifo)).constData(), 0600), 0);
        env.prompter().expectMessage(QStringLiteral("Det er ikke en almindelig fil.\n") + fifo);
        QVERIFY(!d.hent(fifo).hentet);

        FaultPoints faults;
        const QString laast = QStringLiteral("C:\\t\\laast.txt");
        env.writeFile(laast, "hemmelig");
        faults.fail(FaultOp::Read, laast);
        env.prompter().expectMessage(QStringLiteral("Du har ikke adgang til at læse filen.\n") +
                                     laast);
        QVERIFY(!d.hent(laast).hentet);
        faults.fail(FaultOp::Read, kFil, FileError::ReadFailed);
        env.writeFile(kFil, "kort");
        env.prompter().expectMessage(QStringLiteral("Filen bruges muligvist af et andet program.\n"
                                                    "Luk filen uden at gemme\nog prøv igen "
                                                    "senere.\n") +
                                     kFil);
        QVERIFY(!d.hent(kFil).hentet);
        QCOMPARE(env.readFile(laast), QByteArray("hemmelig"));
    }

    // Only ".rtf" is rich text: it is read formatted and written as RTF; a ".rtf" that holds
    // no RTF opens as its text. Saving under another extension changes the kind.
    // An ".rtf" file that holds plain text stays plain text through a save.
    void rtfFilMedAlmindeligTekst() {
        TestEnvironment env;
        const QString rtf = QStringLiteral("C:\\t\\noter.rtf");
        env.writeFile(rtf, "bare tekst\n");
        TDokument d;
        QVERIFY(d.hent(rtf).hentet);
        tilfoej(d, QStringLiteral("!"));
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(rtf), QByteArray("bare tekst\n!"));
        // Saved under another ".rtf" name it is the same plain text; a text file saved as
        // ".rtf" becomes rich text.
        QCOMPARE(d.gemSom(QStringLiteral("C:\\t\\ny.rtf")), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(QStringLiteral("C:\\t\\ny.rtf")), QByteArray("bare tekst\n!"));
        env.writeFile(kFil, "tekst\n");
        QVERIFY(d.hent(kFil).hentet);
        QCOMPARE(d.gemSom(QStringLiteral("C:\\t\\rig.rtf")), TDokument::Gemning::Gemt);
        QVERIFY(env.readFile(QStringLiteral("C:\\t\\rig.rtf")).startsWith("{\\rtf1"));
    }

    void rigTekst() {
        TestEnvironment env;
        const QString rtf = QStringLiteral("C:\\t\\brev.RTF");
        env.writeFile(rtf, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\qc {\\b Fed} tekst\\par}");
        TDokument d;
        QSignalSpy aendret(&d, &TDokument::aendretSkift);
        QVERIFY(d.hent(rtf).hentet);
        QCOMPARE(d.art(), DokumentArt::RigTekst);
        QCOMPARE(d.tekst()->toPlainText(), QStringLiteral("Fed tekst"));
        QVERIFY(d.tekst()->begin().blockFormat().alignment() & Qt::AlignHCenter);
        tilfoej(d, QStringLiteral("!"));
        QCOMPARE(aendret.size(), 1);
        QCOMPARE(d.gem(), TDokument::Gemning::Gemt);
        QCOMPARE(aendret.size(), 2);
        TDokument igen;
        QVERIFY(igen.hent(rtf).hentet);
        QCOMPARE(igen.tekst()->toPlainText(), QStringLiteral("Fed tekst!"));
        QVERIFY(igen.tekst()->begin().begin().fragment().charFormat().fontWeight() >= QFont::Bold);

        QSignalSpy navn(&d, &TDokument::filnavnSkift);
        const QString txt = QStringLiteral("C:\\t\\brev.txt");
        QCOMPARE(d.gemSom(txt), TDokument::Gemning::Gemt);
        QCOMPARE(navn.size(), 1);
        QCOMPARE(d.filnavn(), txt);
        QCOMPARE(d.art(), DokumentArt::Tekst);
        QCOMPARE(env.readFile(txt), QByteArray("Fed tekst!"));

        const QString falsk = QStringLiteral("C:\\t\\falsk.rtf");
        env.writeFile(falsk, "bare tekst\\par\n");
        QVERIFY(d.hent(falsk).hentet);
        QCOMPARE(d.tekst()->toPlainText(), QStringLiteral("bare tekst\\par\n"));
    }

    // A new document has no file until it is saved under a name; it is written as UTF-8
    // without a mark, with LF.
    void nytDokument() {
        TestEnvironment env;
        TDokument d;
        d.nyt(QStringLiteral(".html"));
        QCOMPARE(d.art(), DokumentArt::Hjemmeside);
        tilfoej(d, QStringLiteral("<p>æ</p>\n"));
        QCOMPARE(d.gem(), TDokument::Gemning::SkalHaveNavn);
        const QString side = QStringLiteral("C:\\t\\side.css");
        env.makeFolder(QStringLiteral("C:\\t"));
        QCOMPARE(d.gemSom(side), TDokument::Gemning::Gemt);
        QCOMPARE(env.readFile(side), QByteArray("<p>\xC3\xA6</p>\n"));
        QCOMPARE(d.ext(), QStringLiteral(".css"));
        QCOMPARE(d.art(), DokumentArt::Tekst);
        QVERIFY(!d.erAendret());
    }

    void art_data() {
        QTest::addColumn<QString>("filnavn");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<DokumentArt>("art");
        QTest::newRow("html") << "C:\\a\\b.html"
                              << ".html" << DokumentArt::Hjemmeside;
        QTest::newRow("HTML") << "C:\\a\\b.HTML"
                              << ".HTML" << DokumentArt::Hjemmeside;
        QTest::newRow("asa") << "C:\\a\\b.asa"
                             << ".asa" << DokumentArt::Hjemmeside;
        QTest::newRow("rtf") << "C:\\a\\b.Rtf"
                             << ".Rtf" << DokumentArt::RigTekst;
        QTest::newRow("css") << "C:\\a\\b.c.css"
                             << ".css" << DokumentArt::Tekst;
        QTest::newRow("punktum i mappen") << "C:\\a.rtf\\noter"
                                          << "" << DokumentArt::Tekst;
        QTest::newRow("skjult fil") << "C:\\a\\.bashrc"
                                    << "" << DokumentArt::Tekst;
    }
    void art() {
        QFETCH(QString, filnavn);
        QFETCH(QString, ext);
        QFETCH(DokumentArt, art);
        QCOMPARE(TDokument::extAf(filnavn), ext);
        QCOMPARE(TDokument::artAf(ext), art);
    }
};

RAVNSTI_TEST_MAIN(TestDokument)
#include "tst_dokument.moc"
