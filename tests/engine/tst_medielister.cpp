#include "engine/medieside.h"
#include "harness/faultpoints.h"
#include "harness/testengine.h"
#include "harness/testenvironment.h"
#include "platform/platform.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QUrl>

namespace {

QStringList linesOf(const QByteArray& bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF") || !bytes.endsWith("\r\n"))
        return {};
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QString folderUrl(const TestEnvironment& env, const QString& logical) {
    return QUrl::fromLocalFile(env.host(logical) + QLatin1Char('/')).toString(QUrl::FullyEncoded);
}

// The text between the quotes of every `eleSrc="..."` line, its escapes undone.
QStringList scriptStrings(const QStringList& lines) {
    QStringList found;
    static const QRegularExpression line(
        QStringLiteral("^eleSrc=\"([^\"\\\\]|\\\\u[0-9a-f]{4})*\";$"));
    static const QRegularExpression escape(QStringLiteral("\\\\u([0-9a-f]{4})"));
    for (const QString& l : lines) {
        if (!l.startsWith(QLatin1String("eleSrc=")))
            continue;
        if (!line.match(l).hasMatch())
            return {QStringLiteral("badly quoted: ") + l};
        QString text = l.mid(8, l.size() - 10);
        QRegularExpressionMatch m;
        while ((m = escape.match(text)).hasMatch())
            text.replace(m.capturedStart(), m.capturedLength(),
                         QChar(char16_t(m.captured(1).toUShort(nullptr, 16))));
        found << QUrl::fromPercentEncoding(text.toUtf8());
    }
    return found;
}

// Every element the page opens, by name, in order.
QStringList elements(const QString& page) {
    QStringList names;
    static const QRegularExpression tag(QStringLiteral("<([A-Za-z!][A-Za-z0-9]*)"));
    for (auto it = tag.globalMatch(page); it.hasNext();)
        names << it.next().captured(1).toLower();
    return names;
}

} // namespace

class TestMedielister : public QObject {
    Q_OBJECT

private slots:
    void filmListPage() {
        TestEnvironment env;
        for (const char* name : {"a.mp4", "b.mp4", "c.mp4", "README"})
            env.writeFile(QStringLiteral("C:\\Film\\") + QLatin1String(name), "x");
        env.makeFolder(QStringLiteral("C:\\Film\\Ekstra.d"));
        TestEngine e;
        e.vis(QStringLiteral("C:\\Film"), {"a.mp4", "Ekstra.d", "README", "b.mp4", "c.mp4"});

        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("Film_afspilningsliste.html"), 1));
        const QString page = QStringLiteral("C:\\Film\\Film_afspilningsliste.html");
        QCOMPARE(e.funk.Filnavn(), page);
        QCOMPARE(e.filbox.selectedItems().size(), 1);
        QCOMPARE(e.filbox.selectedItems().first()->text(),
                 QStringLiteral("Film_afspilningsliste.html"));
        const QStringList lines = linesOf(env.readFile(page));
        QCOMPARE(lines[4], QStringLiteral("<base href=\"%1\">").arg(folderUrl(env, "C:\\Film")));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^case \\d:$"))),
                 QStringList({"case 0:", "case 1:", "case 2:"}));
        QCOMPARE(scriptStrings(lines), QStringList({"a.mp4", "b.mp4", "c.mp4"}));
        QVERIFY(lines.contains(QStringLiteral("<source src=\"a.mp4\">")));
        QVERIFY(lines.contains(QStringLiteral(
            " <td><input type=\"radio\" name=\"aktuel\" id=\"melodi0\" disabled checked></td>")));
        QVERIFY(lines.contains(QStringLiteral(
            " <td><input type=\"radio\" name=\"aktuel\" id=\"melodi2\" disabled></td>")));
        QCOMPARE(lines.count(QStringLiteral("<tr>")), 3);

        // A second page never replaces the first.
        e.vis(QStringLiteral("C:\\Film"), {"a.mp4"});
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("Film_afspilningsliste.html"), 1));
        QCOMPARE(e.funk.Filnavn(), QStringLiteral("C:\\Film\\Film_afspilningsliste (1).html"));
        QCOMPARE(linesOf(env.readFile(page)), lines);

        // Nothing with an extension selected: no page, and Filnavn is left alone.
        e.vis(QStringLiteral("C:\\Film"), {"README", "Ekstra.d"});
        env.prompter().expectMessage(
            QStringLiteral("Der er ikke valgt filer med filefternavn.\nSiden blev ikke skrevet."));
        QVERIFY(!e.funk.SkrivTekstfil(QStringLiteral("Musik_afspilningsliste.html"), 2));
        QVERIFY(!Platform::files().exists(QStringLiteral("C:\\Film\\Musik_afspilningsliste.html")));
        QCOMPARE(env.prompter().pending(), 0);
    }

    void musicAndPicturePagesAndTemplates() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\M\\sang.mp3"), "x");
        env.writeFile(QStringLiteral("C:\\M\\foto.jpg"), "x");
        TestEngine e;
        e.vis(QStringLiteral("C:\\M"), {"sang.mp3"});
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("Musik_afspilningsliste.html"), 2));
        QStringList lines =
            linesOf(env.readFile(QStringLiteral("C:\\M\\Musik_afspilningsliste.html")));
        QVERIFY(lines.contains(QStringLiteral("<source src=\"sang.mp3\">")));

        e.vis(QStringLiteral("C:\\M"), {"foto.jpg"});
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("Billed_afspilningsliste.html"), 3));
        lines = linesOf(env.readFile(QStringLiteral("C:\\M\\Billed_afspilningsliste.html")));
        QCOMPARE(lines.filter(QStringLiteral("name=\"bredde\"")).size(), 10);
        QVERIFY(lines.contains(
            QStringLiteral("<td><input type=\"radio\" name=\"bredde\" checked=\"true\" "
                           "onclick=\"setProcent(100)\">100%</td>")));
        QVERIFY(lines.contains(QStringLiteral(
            "<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" src=\"foto.jpg\">")));

        // New documents: the extension decides, compared exactly.
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("brev.HTML"), 0));
        QCOMPARE(env.readFile(QStringLiteral("C:\\M\\brev.HTML")), QByteArray());
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("side.asp"), 0));
        lines = linesOf(env.readFile(QStringLiteral("C:\\M\\side.asp")));
        QCOMPARE(lines.size(), 10);
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("job.wsf"), 0));
        QCOMPARE(linesOf(env.readFile(QStringLiteral("C:\\M\\job.wsf"))).size(), 5);
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("brev.HTML"), 0));
        QCOMPARE(e.funk.Filnavn(), QStringLiteral("C:\\M\\brev (1).HTML"));
        env.prompter().expectMessage(
            QStringLiteral("\"..\\ud.html\" kan ikke bruges som filnavn."));
        QVERIFY(!e.funk.SkrivTekstfil(QStringLiteral("..\\ud.html"), 0));
        QVERIFY(!Platform::files().exists(QStringLiteral("C:\\ud.html")));
        // A write that fails leaves nothing behind, not even its temporary.
        {
            FaultPoints faults;
            faults.fail(FaultOp::Rename, QStringLiteral("C:\\M"));
            env.prompter().expectMessage(
                QStringLiteral("Filen Musik_afspilningsliste (1).html kunne ikke skrives."));
            e.vis(QStringLiteral("C:\\M"), {"sang.mp3"});
            QVERIFY(!e.funk.SkrivTekstfil(QStringLiteral("Musik_afspilningsliste.html"), 2));
            QCOMPARE(env.prompter().lastKind(), MessageKind::Error);
        }
        QVERIFY(
            !Platform::files().exists(QStringLiteral("C:\\M\\Musik_afspilningsliste (1).html")));
        // No temporary is left behind.
        QList<FileInfo> entries;
        QVERIFY(Platform::files().list(QStringLiteral("C:\\M"), entries));
        for (const FileInfo& entry : entries)
            QVERIFY2(!entry.name.startsWith(QLatin1Char('.')), qPrintable(entry.name));
    }

    void hostileNamesShowAsWritten() {
        TestEnvironment env;
        const QStringList names = {"a\"b.mp3", "it's.mp3", "<img src=x onerror=alert(1)>.mp3",
                                   "R&B #1 100%.mp3", "æøå ü.mp3"};
        for (const QString& name : names)
            env.writeFile(QStringLiteral("C:\\Mix\\") + name, "x");
        TestEngine e;
        e.vis(QStringLiteral("C:\\Mix"), names);
        QVERIFY(e.funk.SkrivTekstfil(QStringLiteral("Musik_afspilningsliste.html"), 2));
        const QByteArray bytes =
            env.readFile(QStringLiteral("C:\\Mix\\Musik_afspilningsliste.html"));
        const QStringList lines = linesOf(bytes);
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QStringList shown = scriptStrings(lines);
        std::sort(shown.begin(), shown.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(shown, sorted);
        for (const QString& name : names)
            QVERIFY2(lines.contains(QStringLiteral(" <td>%1</td>").arg(MedieSide::html(name))),
                     qPrintable(name));

        // A name that would end the script element stays inside its string.
        const QStringList page =
            MedieSide::side(MedieSide::Filmliste, QStringLiteral("file:///x/"),
                            {{QStringLiteral("</script><script>alert(1)</script>"),
                              QStringLiteral("%3C%2Fscript%3E")},
                             {QStringLiteral("\\\"';"), QStringLiteral("a\\\"b")}});
        const QStringList opened = elements(page.join(QLatin1Char('\n')));
        QCOMPARE(opened.count(QStringLiteral("script")), 1);
        QCOMPARE(page.filter(QStringLiteral("</script>")).size(), 1);
        QVERIFY(page.contains(QStringLiteral("eleSrc=\"a\\u005c\\u0022b\";")));

        // The only elements are the page's own.
        const QStringList own = {"!doctype", "html",  "head",    "title",    "base",
                                 "script",   "style", "body",    "audio",    "source",
                                 "br",       "table", "caption", "colgroup", "col",
                                 "tr",       "th",    "td",      "input",    "button"};
        const QString text = QString::fromUtf8(bytes);
        for (const QString& name : elements(text))
            QVERIFY2(own.contains(name), qPrintable(name));
        QCOMPARE(elements(text).count(QStringLiteral("script")), 1);

        // Where a browser engine is installed, it must find the same: one script, no image.
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty())
            return;
        QProcess browser;
        browser.start(
            chromium,
            {"--headless", "--no-sandbox", "--disable-gpu", "--dump-dom",
             QUrl::fromLocalFile(env.host("C:\\Mix\\Musik_afspilningsliste.html")).toString()});
        QVERIFY(browser.waitForFinished(-1));
        const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
        QVERIFY(dom.contains(QLatin1String("<table>")));
        QCOMPARE(elements(dom).count(QStringLiteral("script")), 1);
        QCOMPARE(elements(dom).count(QStringLiteral("img")), 0);
        QVERIFY(dom.contains(QLatin1String("&lt;img src=x onerror=alert(1)&gt;")));
    }

    void queueFromSelection() {
        TestEnvironment env;
        for (const char* name : {"a.mp3", "b.MP3", "c.wav", "d.txt"})
            env.writeFile(QStringLiteral("C:\\Musik\\") + QLatin1String(name), "x");
        TestEngine e;
        QSignalSpy timer(&e.funk, &TMedielister::playTimerAendret);
        e.vis(QStringLiteral("C:\\Musik"), {"a.mp3", "b.MP3", "c.wav", "d.txt"});
        QCOMPARE(e.funk.makeMusikliste(false), 2);
        QCOMPARE(e.funk.musikTitler(), QStringList({"a", "c"}));
        QCOMPARE(e.funk.mIndex(), 1);
        QCOMPARE(e.funk.mNummer(), -1);
        QVERIFY(timer.isEmpty());

        // Added and played at once: the first entry of the queue starts.
        e.vis(QStringLiteral("C:\\Musik"), {"a.mp3"});
        QCOMPARE(e.funk.makeMusikliste(true), 1);
        FakeMediaPlayer* player = env.mediaPlayers().last();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\a.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QCOMPARE(timer.last().first().toBool(), true);
        QCOMPARE(e.funk.playerMappe, QStringLiteral("C:\\Musik"));

        e.vis(QStringLiteral("C:\\Musik"), {"d.txt"});
        QCOMPARE(e.funk.makeMusikliste(false), 0);
        QCOMPARE(e.funk.mIndex(), 2);

        // A file that is gone is told of, and the player lets go of the one it had.
        QVERIFY(Platform::files().removeFile(QStringLiteral("C:\\Musik\\c.wav")));
        env.prompter().expectMessage(QStringLiteral("Filen blev ikke fundet!"));
        e.funk.setPlayFilename(1);
        QCOMPARE(player->path(), QString());
        QCOMPARE(e.funk.mNummer(), 1);
    }

    void times() {
        QCOMPARE(TMedielister::getSpilletid(0), QStringLiteral("00:00:00"));
        QCOMPARE(TMedielister::getSpilletid(59999), QStringLiteral("00:00:59"));
        QCOMPARE(TMedielister::getSpilletid(125000), QStringLiteral("00:02:05"));
        QCOMPARE(TMedielister::getSpilletid(3723000), QStringLiteral("01:02:03"));
        QCOMPARE(TMedielister::getSpilletid(qint64(360000) * 1000), QStringLiteral("100:00:00"));
        QCOMPARE(TMedielister::getSpilletid(-5), QStringLiteral("00:00:00"));
    }

    void removingEntries() {
        TestEnvironment env;
        for (const char* name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3"})
            env.writeFile(QStringLiteral("C:\\M\\") + QLatin1String(name), "x");
        TestEngine e;
        const QString m = QStringLiteral("C:\\M\\%1.mp3");
        e.funk.makeMusikListeSL({m.arg(1), m.arg(2), m.arg(3)}, false);
        e.funk.deletePlayIndex(1);
        QCOMPARE(e.funk.mIndex(), 1);
        e.funk.deletePlayIndex(7);
        QCOMPARE(e.funk.mIndex(), 1);
        e.funk.makeMusikListeSL({m.arg(4)}, false);
        QCOMPARE(e.funk.getPlayFilename(2), m.arg(4));
        QCOMPARE(e.funk.getPlayFilename(3), QString());

        // Queue 1, 3, 4 playing 3: removing 1 keeps 4 next.
        e.funk.setPlayFilename(1);
        FakeMediaPlayer* player = env.mediaPlayers().last();
        player->play();
        e.funk.deletePlayIndex(0);
        QCOMPARE(e.funk.mNummer(), 0);
        player->reachEnd();
        e.funk.playAll(false);
        QCOMPARE(player->path(), m.arg(4));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);

        // Removing the last entries while one plays: the queue is empty, the player closed.
        QSignalSpy loaded(&e.funk, &TMedielister::musikIndlaest);
        QSignalSpy timer(&e.funk, &TMedielister::playTimerAendret);
        e.funk.deletePlayIndex(1);
        e.funk.deletePlayIndex(0);
        QCOMPARE(e.funk.mIndex(), -1);
        QCOMPARE(e.funk.mNummer(), -1);
        QCOMPARE(player->path(), QString());
        QCOMPARE(loaded.last().first().toInt(), -1);
        QCOMPARE(timer.last().first().toBool(), false);
        // Nothing of an empty queue is read.
        e.funk.setPlayFilename(0);
        e.funk.playNumber(3);
        e.funk.playAll(true);
        QCOMPARE(player->plays(), 2);
        QCOMPARE(e.funk.getPlayFilename(0), QString());
    }
};

RAVNSTI_TEST_MAIN(TestMedielister)
#include "tst_medielister.moc"
