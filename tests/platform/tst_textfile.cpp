#include "harness/filesizelimit.h"
#include "harness/testenvironment.h"
#include "platform/textfile.h"

#include <QDir>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    // Text whose first characters spell a byte-order mark in Windows-1252 reads back as it was.
    void textThatSpellsAMarkReadsBack() {
        TestEnvironment env;
        for (const QString& first :
             {QStringLiteral("ï»¿mappe"), QStringLiteral("ÿþ"), QStringLiteral("þÿx")}) {
            QVERIFY(TextFile::write(QStringLiteral("C:\\liste.txt"), {first, QStringLiteral("b")}));
            QStringList lines;
            QVERIFY(TextFile::read(QStringLiteral("C:\\liste.txt"), lines));
            QCOMPARE(lines, QStringList({first, QStringLiteral("b")}));
        }
    }

    void everyWindows1252ByteSurvives() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = TextFile::fromWindows1252(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xE6), QChar(u'æ'));
        QCOMPARE(*TextFile::toWindows1252(text), all);

        // Through a file: every byte but the line ends stays where it was.
        TestEnvironment env;
        QByteArray line = all;
        line.replace('\r', "").replace('\n', "");
        env.writeFile(QStringLiteral("C:\\bytes.txt"), line + "\r\n" + line + "\r\n");
        QStringList lines;
        TextEncoding encoding = TextEncoding::Utf8Bom;
        QVERIFY(TextFile::read(QStringLiteral("C:\\bytes.txt"), lines, &encoding));
        QCOMPARE(encoding, TextEncoding::Windows1252);
        QCOMPARE(lines.size(), 2);
        QVERIFY(TextFile::write(QStringLiteral("C:\\copy.txt"), lines));
        QCOMPARE(env.readFile(QStringLiteral("C:\\copy.txt")), line + "\r\n" + line + "\r\n");
    }

    void byteOrderMarksAndLineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        const QString text = QStringLiteral("Rødgrød\nŁódź");
        QTest::newRow("utf-8") << QByteArray("\xEF\xBB\xBF") + text.toUtf8()
                               << int(TextEncoding::Utf8Bom);
        QByteArray le("\xFF\xFE"), be("\xFE\xFF");
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QTest::newRow("utf-16 le") << le << int(TextEncoding::Utf16LE);
        QTest::newRow("utf-16 be") << be << int(TextEncoding::Utf16BE);
    }
    void byteOrderMarksAndLineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        TextEncoding found = TextEncoding::Windows1252;
        const QStringList lines = TextFile::decode(bytes, &found);
        QCOMPARE(int(found), encoding);
        QCOMPARE(lines, QStringList({QStringLiteral("Rødgrød"), QStringLiteral("Łódź")}));
    }

    // A value may begin with U+FEFF (a zero-width no-break space): only the file's own
    // byte-order mark is no character. Found by fuzzing.
    void characterAfterTheByteOrderMarkIsKept() {
        const QString value = QStringLiteral("\uFEFFŁ");
        for (const TextEncoding encoding :
             {TextEncoding::Utf8Bom, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
            QByteArray bytes;
            QVERIFY(TextFile::encode({value, value}, encoding, bytes));
            QCOMPARE(TextFile::decode(bytes), QStringList({value, value}));
        }
    }

    void lineEndsOfEveryKind() {
        QCOMPARE(TextFile::decode("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(TextFile::decode("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
        QCOMPARE(TextFile::decode(""), QStringList());
        QByteArray bytes;
        QVERIFY(TextFile::encode({"a", "", "b"}, TextEncoding::Windows1252, bytes));
        QCOMPARE(bytes, QByteArray("a\r\n\r\nb\r\n"));
    }

    void characterOutsideWindows1252WritesUtf8() {
        TestEnvironment env;
        const QStringList lines = {QStringLiteral("C:\\Łódź"), QStringLiteral("😀 æ")};
        QVERIFY(TextFile::write(QStringLiteral("C:\\m.txt"), lines));
        const QByteArray bytes = env.readFile(QStringLiteral("C:\\m.txt"));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!bytes.contains('?'));
        QStringList back;
        QVERIFY(TextFile::read(QStringLiteral("C:\\m.txt"), back));
        QCOMPARE(back, lines);

        // Plain Danish text stays Windows-1252, without a byte-order mark.
        QVERIFY(TextFile::write(QStringLiteral("C:\\d.txt"), {QStringLiteral("blåbær")}));
        QCOMPARE(env.readFile(QStringLiteral("C:\\d.txt")), QByteArray("bl\xE5"
                                                                       "b\xE6r\r\n"));
    }

    void valueWithLineBreakIsRefused() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\s.txt"), "old\r\n");
        const FileResult r =
            TextFile::write(QStringLiteral("C:\\s.txt"), {QStringLiteral("a"), "b\nc"});
        QCOMPARE(r.error(), FileError::InvalidData);
        QCOMPARE(env.readFile(QStringLiteral("C:\\s.txt")), QByteArray("old\r\n"));
    }

    void failedSaveLeavesOldFile() {
        TestEnvironment env;
        const QByteArray old = "line 1\r\nline 2\r\n";
        env.writeFile(QStringLiteral("C:\\Egenskaber\\mainform.txt"), old);
        const QStringList big(2000, QStringLiteral("a fairly long settings value"));
        FileResult r;
        {
            FileSizeLimit limit(4096);
            r = TextFile::write(QStringLiteral("C:\\Egenskaber\\mainform.txt"), big);
        }
        QVERIFY(!r.ok());
        QCOMPARE(env.readFile(QStringLiteral("C:\\Egenskaber\\mainform.txt")), old);
        QCOMPARE(QDir(env.host(QStringLiteral("C:\\Egenskaber"))).entryList(QDir::Files),
                 QStringList({QStringLiteral("mainform.txt")}));

        // A folder that is missing, or a path with no host form, is a failure too.
        QVERIFY(!TextFile::write(QStringLiteral("C:\\mangler\\x.txt"), {"a"}));
        QCOMPARE(TextFile::write(QStringLiteral("Q:\\x.txt"), {"a"}).error(),
                 FileError::Unmappable);
        QStringList lines;
        QCOMPARE(TextFile::read(QStringLiteral("C:\\mangler.txt"), lines).error(),
                 FileError::NotFound);
    }

    // A FIFO or a device in a settings file's place is refused at once; nothing waits on it
    // or reads it without end, and the lines asked for stay empty.
    void onlyRegularFilesAreRead() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\Egenskaber\\x"), "");
        const QString fifo = env.host(QStringLiteral("C:\\Egenskaber\\mainform.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"),
                            env.host(QStringLiteral("C:\\Egenskaber\\typeliste.txt"))));
        for (const char* name : {"mainform.txt", "typeliste.txt"}) {
            QStringList lines;
            const FileResult r =
                TextFile::read(QStringLiteral("C:\\Egenskaber\\") + QLatin1String(name), lines);
            QVERIFY2(!r.ok(), name);
            QVERIFY(lines.isEmpty());
        }
    }

    // Only temporaries of our own making whose process has gone are removed; the user's own
    // A save killed at any moment leaves the old file or the new one, and at most a
    // temporary of its own that the next save into the folder takes away.
    void aKilledSaveLeavesNothingBehind() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\Doks\\stor.txt"), "gammel");
        const QString host = env.host(QStringLiteral("C:\\Doks\\stor.txt"));
        const QByteArray big(8 << 20, 'x');
        for (int round = 1; round <= 6; ++round) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (;;)
                    (void)TextFile::writeHostFileAtomically(host, big);
            }
            ::usleep(useconds_t(round) * 7000);
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
        const QByteArray left = env.readFile(QStringLiteral("C:\\Doks\\stor.txt"));
        QVERIFY(left == "gammel" || left == big);
        QVERIFY(TextFile::write(QStringLiteral("C:\\Doks\\lille.txt"), {QStringLiteral("x")}));
        QCOMPARE(QDir(env.host(QStringLiteral("C:\\Doks"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("lille.txt"), QStringLiteral("stor.txt")}));
    }

    // copies beside the settings and data files stay, whatever their names.
    void staleTemporariesAreRemoved() {
        TestEnvironment env;
        const QString folder = QStringLiteral("C:\\Egenskaber\\");
        const QString running =
            QStringLiteral(".ravnsti-%1-3-k2.tmp").arg(QCoreApplication::applicationPid());
        const QStringList usersOwn = {QStringLiteral("favoritmapper.txt.gammel"),
                                      QStringLiteral("mainform.txt"),
                                      QStringLiteral("mainform.txt.a1B2c3"),
                                      QStringLiteral("mainform.txt.kopi01"),
                                      QStringLiteral(".mainform.txt.999999999-3f.tmp"),
                                      QStringLiteral("reopen.txt.backup")};
        for (const QString& name : usersOwn)
            env.writeFile(folder + name, "x");
        env.writeFile(folder + running, "x");
        env.writeFile(folder + QStringLiteral(".ravnsti-999999999-1-3f.tmp"), "x");
        QCOMPARE(TextFile::removeStaleTemporaries(QStringLiteral("C:\\Egenskaber")), 1);
        QStringList left = usersOwn;
        left << running;
        left.sort();
        QStringList found =
            QDir(env.host(QStringLiteral("C:\\Egenskaber"))).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QCOMPARE(found, left);

        // A save leaves no temporary, keeps the file's permissions and writes through a link.
        const QString settings = env.host(folder + QStringLiteral("mainform.txt"));
        QVERIFY(QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(settings, env.host(QStringLiteral("C:\\genvej.txt"))));
        QVERIFY(TextFile::write(QStringLiteral("C:\\genvej.txt"), {QStringLiteral("ny")}));
        QCOMPARE(env.readFile(folder + QStringLiteral("mainform.txt")), QByteArray("ny\r\n"));
        QVERIFY(QFileInfo(env.host(QStringLiteral("C:\\genvej.txt"))).isSymLink());
        QVERIFY(!(QFile::permissions(settings) & (QFile::ReadGroup | QFile::ReadOther)));
        QCOMPARE(QDir(env.host(QStringLiteral("C:\\Egenskaber")))
                     .entryList(QDir::Files | QDir::Hidden)
                     .size(),
                 left.size());

        // The first save into a document's folder takes away what a killed save of ours left.
        env.writeFile(QStringLiteral("C:\\Web\\.ravnsti-999999998-7-zz.tmp"), "halv");
        env.writeFile(QStringLiteral("C:\\Web\\side.html.kopi"), "x");
        QVERIFY(TextFile::write(QStringLiteral("C:\\Web\\side.html"), {QStringLiteral("ny")}));
        QCOMPARE(QDir(env.host(QStringLiteral("C:\\Web"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("side.html"), QStringLiteral("side.html.kopi")}));
    }
};

RAVNSTI_TEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
