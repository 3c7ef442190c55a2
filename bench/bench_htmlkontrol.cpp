// The HTML checker on a 5 MiB real page, made by joining the HTML pages Debian installs under
// /usr/share/doc: reading it into the structure tree and running the four checks, against
// `tidy -q -e` on the same page, in turn (goal: at most tidy's time). Both sides must find
// the same each round: our counts never change, and tidy must end with its codes for a
// page it read (0 clean, 1 warnings, 2 errors) and write its findings.
// Usage: bench_htmlkontrol [rounds] (default 5).
#include "benchtools.h"

#include "editor/infotag.h"
#include "platform/installation.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr qsizetype kSideStoerrelse = 5 << 20;

QByteArray lavSide() {
    QStringList filer;
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        filer << it.next();
    std::sort(filer.begin(), filer.end());
    QByteArray side;
    while (!filer.isEmpty() && side.size() < kSideStoerrelse)
        for (const QString& fil : filer) {
            QFile f(fil);
            if (f.open(QIODevice::ReadOnly))
                side += f.readAll();
            if (side.size() >= kSideStoerrelse)
                break;
        }
    return side;
}

QString logisk(const QString& host) {
    return Platform::logicalPath(host).value_or(QString()) + QLatin1Char('\\');
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int rounds = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 5;

    const QByteArray side = lavSide();
    if (side.size() < kSideStoerrelse) {
        std::printf("too few HTML pages under /usr/share/doc\n");
        return 1;
    }
    QTemporaryDir mappe;
    const QString sti = mappe.filePath(QStringLiteral("side.html"));
    QFile ud(sti);
    if (!ud.open(QIODevice::WriteOnly) || ud.write(side) != side.size())
        return 1;
    ud.close();

    const QString data = Installation::dataFolder() + QStringLiteral("/Program/Dir/");
    Tinfotag taginf;
    taginf.LoadLister(logisk(data + QStringLiteral("Html")),
                      logisk(data + QStringLiteral("Attributes")));
    const QString attributter = logisk(data + QStringLiteral("Attributes"));
    if (taginf.AlleTagliste().count() == 0) {
        std::printf("the tag lists were not found under %s\n", qPrintable(data));
        return 1;
    }
    QPlainTextEdit editor;
    editor.setPlainText(TextFile::fromUtf8(side));
    taginf.setEditor(&editor);

    QList<int> forventet;
    auto ours = [&] {
        QList<int> fund;
        const double sekunder = Bench::timed([&] {
            taginf.ReadStructure();
            fund = {taginf.trae().antal(), taginf.EndtagsKontrol(), taginf.ForMangeEndtag(),
                    taginf.KodeKontrol(), taginf.AttributeKontrol(attributter)};
            return true;
        });
        if (forventet.isEmpty()) {
            forventet = fund;
            std::printf("nodes %d, missing end tags %d, end tags too many %d, unknown tags %d, "
                        "unknown attributes %d\n",
                        fund[0], fund[1], fund[2], fund[3], fund[4]);
        }
        return fund == forventet && fund[0] > 1 && !fund.contains(-1) ? sekunder : -1;
    };
    // tidy writes its findings to a file, as we keep ours in the tree.
    const QString tidyFund = mappe.filePath(QStringLiteral("tidy.txt"));
    auto tidy = [&] {
        const Bench::Run r =
            Bench::run({QStringLiteral("tidy"), QStringLiteral("-q"), QStringLiteral("-e"),
                        QStringLiteral("-f"), tidyFund, sti});
        return r.exitCode >= 0 && r.exitCode <= 2 && QFileInfo(tidyFund).size() > 0 ? r.seconds
                                                                                    : -1;
    };
    const QString work = QStringLiteral("Html kontrol af 5 MiB side");
    const auto m = Bench::alternate(qPrintable(work), rounds, tidy, ours);
    if (!m)
        return 1;
    Bench::reportTimes(work, *m, Bench::Goal::AtMost, 1.0);
    return 0;
}
