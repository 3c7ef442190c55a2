// Runs the HTML checker over the pages it is given and prints, for each page, one line of
// JSON: the file, the seconds of reading and the four checks, and every finding with its
// line (counted from 1) and the name it concerns. bench/html/htmlnoejagtighed.mjs judges
// these findings. Usage: htmlfund page.html...
#include "editor/infotag.h"
#include "platform/installation.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>

#include <cstdio>

namespace {

QString logisk(const QString& host) {
    return Platform::logicalPath(host).value_or(QString()) + QLatin1Char('\\');
}

// The findings of the check just run (0 missing end tags, 1 end tags too many, 2 unknown
// tags, 3 unknown attributes): every node whose text it annotated.
void samle(const Kodetrae& trae, const QString& tekst, int kontrol, QJsonArray& fund) {
    trae.forHverKnude([&](int knude) {
        const QString note = trae.tekst(knude).mid(trae.ord(knude).size());
        if (note.isEmpty())
            return;
        const int linje = int(QStringView(tekst).left(trae.data(knude).Index).count(u'\n')) + 1;
        fund.append(QJsonObject{{QStringLiteral("linje"), linje},
                                {QStringLiteral("kode"), trae.ord(knude)},
                                {QStringLiteral("note"), note.trimmed()},
                                {QStringLiteral("kontrol"), kontrol}});
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString data = Installation::dataFolder() + QStringLiteral("/Program/Dir/");
    const QString attributter = logisk(data + QStringLiteral("Attributes"));
    Tinfotag taginf;
    taginf.LoadLister(logisk(data + QStringLiteral("Html")), attributter);
    QPlainTextEdit editor;
    taginf.setEditor(&editor);
    for (const QString& fil : QCoreApplication::arguments().mid(1)) {
        QFile f(fil);
        if (!f.open(QIODevice::ReadOnly))
            return 1;
        // Lines end in LF alone, as the editor and the HTML parser count them.
        const QString tekst =
            TextFile::fromUtf8(f.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        editor.setPlainText(tekst);
        const QString laest = editor.document()->toPlainText();
        QJsonArray fund;
        QElapsedTimer ur;
        ur.start();
        taginf.ReadStructure();
        qint64 nanosekunder = ur.nsecsElapsed();
        const std::function<int()> kontroller[] = {
            [&] { return taginf.EndtagsKontrol(); }, [&] { return taginf.ForMangeEndtag(); },
            [&] { return taginf.KodeKontrol(); },
            [&] { return taginf.AttributeKontrol(attributter); }};
        for (int k = 0; k < 4; ++k) {
            ur.restart();
            kontroller[k]();
            nanosekunder += ur.nsecsElapsed();
            samle(taginf.trae(), laest, k, fund);
        }
        const QJsonObject side{{QStringLiteral("fil"), fil},
                               {QStringLiteral("sekunder"), double(nanosekunder) / 1e9},
                               {QStringLiteral("fund"), fund}};
        std::printf("%s\n", QJsonDocument(side).toJson(QJsonDocument::Compact).constData());
    }
    return 0;
}
