// The program's help, "Ravnsti.txt" in the structures folder: every topic a window asks for
// has a node of its own, every node has a page, every link of a page leads somewhere, and the
// page of shortcut keys says what the command table holds.
//
// The page "genvejstaster.html" is made from the main window's actions. After changing a
// command's keys, caption or hint, write it anew and commit it:
//     RAVNSTI_SKRIV_GENVEJSTASTER=1 build/tests/tst_app_hjaelp genvejstasterSomKommandoerne

#include "app/mainform.h"
#include "editor/twinform.h"
#include "engine/struktur.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

namespace {

QString dataFolder() {
    return QDir::cleanPath(qEnvironmentVariable("RAVNSTI_DATA"));
}
QString topicFolder() {
    return dataFolder() + QStringLiteral("/Program/Struktur/Ravnsti");
}
QString pageFolder() {
    return topicFolder() + QStringLiteral("/tekstfiler");
}

QString readUtf8(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return QString::fromUtf8(bytes);
}

// The help tree as the viewer loads it.
struct Hjaelpetrae {
    // The structures folder is drive S: here, as the program sees its own.
    Hjaelpetrae() : env(QStringLiteral("S=") + topicFolder() + QStringLiteral("/..")) {
        tree.setDataOn(true);
        tree.setStrukturfile(QStringLiteral("S:\\Ravnsti\\struktur.txt"));
        tree.setDatafile(QStringLiteral("S:\\Ravnsti\\data.txt"));
        tree.setInfomappe(QStringLiteral("S:\\Ravnsti\\tekstfiler\\"));
        loaded = tree.HentStruktur();
    }
    // The viewer's search for an opener's topic: the first node in display order whose text
    // equals the topic ignoring case; an empty topic stands for the root.
    QTreeWidgetItem* find(const QString& topic) const {
        const QList<QTreeWidgetItem*> nodes = tree.allNodes();
        const QString wanted = topic.isEmpty() ? nodes.value(0)->text(0) : topic;
        for (QTreeWidgetItem* node : nodes)
            if (node->text(0).compare(wanted, Qt::CaseInsensitive) == 0)
                return node;
        return nullptr;
    }
    TestEnvironment env;
    TStruktur tree;
    bool loaded = false;
};

// Text of the argument list of the call whose opening parenthesis is at `open`.
QString argumentsAt(const QString& source, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < source.size(); ++i) {
        if (source[i] == QLatin1Char('('))
            ++depth;
        else if (source[i] == QLatin1Char(')') && --depth == 0)
            return source.mid(open + 1, i - open - 1);
    }
    return source.mid(open + 1);
}

QStringList literals(const QString& text) {
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QStringList found;
    for (const QRegularExpressionMatch& m : literal.globalMatch(text))
        found << m.captured(1);
    return found;
}

// Every help topic the sources pass, with where it is passed. A call whose topic is neither a
// literal nor one of the known ways of handing a topic on fails the test, so that a new
// kind of caller is looked at here rather than passed over.
void topicsInSources(QMultiMap<QString, QString>& topics) {
    const QString src = QDir::cleanPath(dataFolder() + QStringLiteral("/../src"));
    QDirIterator files(src, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    static const QRegularExpression call(
        QStringLiteral("(?<![\\w:])(?:[\\w.>-]*[.>])?(HelpInfo|helpButton|helpRequested)\\s*\\("));
    static const QRegularExpression table(QStringLiteral("(helpItems|topics)\\[\\]\\s*=\\s*\\{"));
    while (files.hasNext()) {
        const QString path = files.next();
        const QString source = readUtf8(path);
        const QString where = QDir(src).relativeFilePath(path);
        for (const QRegularExpressionMatch& m : call.globalMatch(source)) {
            const QString lineStart = source.mid(
                source.lastIndexOf(QLatin1Char('\n'), m.capturedStart()) + 1,
                m.capturedStart() - source.lastIndexOf(QLatin1Char('\n'), m.capturedStart()) - 1);
            const QString args = argumentsAt(source, m.capturedEnd() - 1);
            // Declarations and definitions take parameters, not topics.
            if (lineStart.contains(QLatin1String("void ")) ||
                lineStart.contains(QLatin1String("QAction* ")))
                continue;
            const QString name = m.captured(1);
            const QStringList texts = literals(args);
            if (name == QLatin1String("helpButton")) {
                QVERIFY2(!texts.isEmpty(), qPrintable(where));
                topics.insert(texts.last(), where);
            } else if (!texts.isEmpty()) {
                for (const QString& text : texts)
                    topics.insert(text, where);
            } else if (args.startsWith(QLatin1String("QString()"))) {
                topics.insert(QString(), where);
            } else if (args.startsWith(QLatin1String("topic")) ||
                       args.startsWith(QLatin1String("shownTopic"))) {
                // Hands on the topic of a help item or help button, read from the tables.
            } else if (!args.contains(QLatin1String("topics["))) {
                QTest::qFail(qPrintable(QStringLiteral("a help call whose topic the test does "
                                                       "not know how to read: %1: %2")
                                            .arg(where, args)),
                             __FILE__, __LINE__);
            }
        }
        for (const QRegularExpressionMatch& m : table.globalMatch(source)) {
            const qsizetype end = source.indexOf(QLatin1String("};"), m.capturedEnd());
            const QString body = source.mid(m.capturedEnd(), end - m.capturedEnd());
            if (m.captured(1) == QLatin1String("topics")) {
                for (const QString& text : literals(body))
                    topics.insert(text, where);
                continue;
            }
            // One row per help item: name, caption, hint, topic.
            static const QRegularExpression row(QStringLiteral("\\{([^{}]*)\\}"));
            for (const QRegularExpressionMatch& r : row.globalMatch(body)) {
                const QStringList cells = literals(r.captured(1));
                QVERIFY2(cells.size() == 4,
                         qPrintable(where + QLatin1String(": ") + r.captured(1)));
                topics.insert(cells.last(), where);
            }
        }
    }
}

// Topics of windows that will ask for their help, besides those the sources pass today.
const char* const comingTopics[] = {"Programmer", "Program egenskaber", "Filtyper",
                                    "Genveje",    "Window applets",     "Åben tekstdokument"};

QString keysText(const QAction* action) {
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts())
        keys << QStringLiteral("<kbd>%1</kbd>")
                    .arg(key.toString(QKeySequence::NativeText).toHtmlEscaped());
    return keys.join(QStringLiteral(" eller "));
}

// What a command does, from its caption and hint; a hint's closing key names are left out,
// since the table shows the keys in their own column.
QStringList describe(const QAction* action) {
    static const QRegularExpression keysAtEnd(
        QStringLiteral(":\\s*(Ctrl|Alt|Skift|Shift|F\\d|Del|Ins|Enter|Tryk)[^:]*$"));
    QString caption = action->text().trimmed();
    caption.remove(QRegularExpression(QStringLiteral("\\.\\.\\.$")));
    caption.remove(QLatin1Char('&'));
    QString hint = action->statusTip().trimmed();
    hint.remove(keysAtEnd);
    if (caption.isEmpty())
        caption = hint;
    if (hint.compare(caption, Qt::CaseInsensitive) == 0)
        hint.clear();
    return {caption, hint};
}

QString rows(const QList<QAction*>& actions) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                                  "width=\"100%\">\n<tr><th>Taster</th><th>Kommando</th>"
                                  "<th>Hvad den gør</th></tr>\n");
    for (const QAction* action : actions) {
        if (action->shortcuts().isEmpty())
            continue;
        const QStringList what = describe(action);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(keysText(action), what[0].toHtmlEscaped(), what[1].toHtmlEscaped());
    }
    return html + QStringLiteral("</table>\n");
}

// The shortcut page: the main window's keys, then a web page's document window's.
QString genvejstasterSide(const QList<QAction*>& main, const QList<QAction*>& document) {
    const QString title = QStringLiteral("Genvejstaster");
    return QStringLiteral(
               "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>\n<head>\n"
               "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
               "<title>%1</title>\n<link rel=\"stylesheet\" type=\"text/css\" "
               "href=\"hjaelp.css\">\n</head>\n<body>\n<h1>%1</h1>\n")
               .arg(title) +
           QStringLiteral(
               "<p>Med tasterne på denne side når du programmets kommandoer uden at gå gennem "
               "menuerne. Tasterne i hovedvinduet virker, når kommandoen kan bruges; er en "
               "kommando grå i menuen, går tasten videre til det felt, du skriver i. Mens et "
               "dokument er aktivt, har dokumentvinduets egne taster forrang, så for eksempel "
               "<kbd>Ctrl+S</kbd> gemmer dokumentet i stedet for at åbne mappen.</p>\n"
               "<p>Listen er lavet ud fra programmets egen liste over kommandoer, så den "
               "passer altid til den udgave, du har.</p>\n<h2>Hovedvinduet</h2>\n") +
           rows(main) +
           QStringLiteral(
               "<h2>Dokumentvinduet</h2>\n<p>Tasterne i et dokumentvindue med en webside. "
               "I andre slags dokumenter gælder de taster, der passer til dokumentet; "
               "formateret tekst har desuden taster til fed, kursiv og understreget.</p>\n") +
           rows(document) +
           QStringLiteral("<p class=\"se\">Se også: <a href=\"tekstdokumenter.html\">"
                          "Tekstdokumenter</a>, <a href=\"hvordan.html\">Hvordan gøres "
                          "det</a>.</p>\n</body>\n</html>\n");
}

} // namespace

class TestHjaelp : public QObject {
    Q_OBJECT

private slots:
    void hvertEmneHarSinEgenNode() {
        Hjaelpetrae help;
        QVERIFY(help.loaded);
        QMultiMap<QString, QString> topics;
        topicsInSources(topics);
        if (QTest::currentTestFailed())
            return;
        // The scan finds the callers of every kind, or it would pass on finding nothing.
        for (const char* known : {"Søg i dokumenter", "Genvejstaster", "Redskabslinien", "Fil",
                                  "Gem dokument", "Kopier til"})
            QVERIFY2(topics.contains(QString::fromUtf8(known)), known);
        QVERIFY(topics.contains(QString()));

        QStringList wanted = topics.uniqueKeys();
        for (const char* coming : comingTopics)
            wanted << QString::fromUtf8(coming);
        QTreeWidgetItem* root = help.tree.topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("Information"));
        for (const QString& topic : std::as_const(wanted)) {
            QTreeWidgetItem* node = help.find(topic);
            const QString where = topics.values(topic).join(QStringLiteral(", "));
            QVERIFY2(node, qPrintable(QStringLiteral("no node for \"%1\" (%2)").arg(topic, where)));
            if (!topic.isEmpty() && topic != root->text(0))
                QVERIFY2(node != root, qPrintable(topic));
        }
        // Texts are unique, or an opener could never reach the second node of a text.
        QSet<QString> seen;
        for (QTreeWidgetItem* node : help.tree.allNodes()) {
            const QString text = node->text(0).toLower();
            QVERIFY2(!seen.contains(text), qPrintable(node->text(0)));
            seen.insert(text);
        }
    }

    void hverNodeHarEnSideOgHverSideEnNode() {
        Hjaelpetrae help;
        QVERIFY(help.loaded);
        QSet<QString> named;
        for (const QString& line : help.tree.dataLinjer()) {
            QVERIFY2(line.size() > 1 && line[0].isDigit(), qPrintable(line));
            const QString page = line.mid(1);
            named.insert(page + QStringLiteral(".html"));
            QTextDocument document;
            document.setHtml(readUtf8(pageFolder() + QLatin1Char('/') + page + ".html"));
            // Finished help, not a placeholder: a page says something.
            const qsizetype words =
                document.toPlainText()
                    .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)
                    .size();
            QVERIFY2(words >= 120, qPrintable(QStringLiteral("%1: %2 words").arg(page).arg(words)));
        }
        // No page lies unused, where nobody would ever find or mend it.
        for (const QString& file : QDir(pageFolder()).entryList({"*.html"}, QDir::Files))
            QVERIFY2(named.contains(file), qPrintable(file));
    }

    void hvertLinkFoererTilNoget() {
        static const QRegularExpression reference(
            QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
            QRegularExpression::CaseInsensitiveOption);
        const QString topic = QFileInfo(topicFolder()).canonicalFilePath();
        int relative = 0;
        for (const QFileInfo& file : QDir(pageFolder()).entryInfoList({"*.html"}, QDir::Files)) {
            const QString html = readUtf8(file.filePath());
            QVERIFY2(!html.contains(QLatin1String("<script"), Qt::CaseInsensitive),
                     qPrintable(file.fileName()));
            for (const QRegularExpressionMatch& m : reference.globalMatch(html)) {
                const QUrl url(m.captured(1));
                const QString what = file.fileName() + QLatin1String(": ") + m.captured(1);
                if (!url.isRelative()) {
                    QVERIFY2(url.scheme() == QLatin1String("https") ||
                                 url.scheme() == QLatin1String("http"),
                             qPrintable(what));
                    continue;
                }
                ++relative;
                const QFileInfo target(file.dir(), url.path());
                QVERIFY2(target.isFile() && target.size() > 0, qPrintable(what));
                // Pages and pictures stay inside the topic's own folder.
                QVERIFY2(target.canonicalFilePath().startsWith(topic + QLatin1Char('/')),
                         qPrintable(what));
            }
        }
        QVERIFY(relative > 100);
    }

    void genvejstasterSomKommandoerne() {
        const QString path = pageFolder() + QStringLiteral("/genvejstaster.html");
        QString page;
        {
            TestEnvironment env;
            NamedUser::useDataRoot(env);
            Tmainform form;
            const QList<QAction*> main = form.actions();
            form.m_dokumentExt = QStringLiteral(".html");
            form.openwin(QStringLiteral("Uden navn (.html)"), QString());
            const QList<Twinform*> windows = form.findChildren<Twinform*>();
            QCOMPARE(windows.size(), 1);
            // Text to cut and to paste, so that every command of the editor can be used.
            QApplication::clipboard()->setText(QStringLiteral("tekst"));
            auto* editor = windows.first()->findChild<QPlainTextEdit*>();
            QVERIFY(editor);
            editor->selectAll();
            QApplication::processEvents();
            QList<QAction*> document;
            for (QAction* action : windows.first()->findChildren<QAction*>())
                if (action->isEnabled() && !document.contains(action))
                    document << action;
            page = genvejstasterSide(main, document);
        }
        if (qEnvironmentVariable("RAVNSTI_SKRIV_GENVEJSTASTER") == QLatin1String("1")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write("\xEF\xBB\xBF" +
                      page.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8());
            return;
        }
        QVERIFY2(readUtf8(path).replace(QLatin1String("\r\n"), QLatin1String("\n")) == page,
                 "genvejstaster.html no longer matches the commands; write it anew with "
                 "RAVNSTI_SKRIV_GENVEJSTASTER=1 (see the top of this file)");
    }
};

RAVNSTI_TEST_MAIN(TestHjaelp)
#include "tst_hjaelp.moc"
