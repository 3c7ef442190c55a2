#include "information.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

// Between two updates of the progress window: 25 a second at most.
constexpr qint64 kOpdateringMs = 40;

} // namespace

QString TInformation::tal(qint64 number) {
    static const QLocale danish(QLocale::Danish, QLocale::Denmark);
    return danish.toString(number);
}

qint64 TInformation::elementStoerrelse(const QString& path) {
    const auto info = Platform::files().info(path);
    return std::max<qint64>(info ? info->size : 0, 1);
}

int TInformation::procentAf(qint64 done, qint64 total) {
    if (total <= 0)
        return 100;
    return int(std::clamp<qint64>(done * 100 / total, 0, 100));
}

qint64 TInformation::taelMappe(const QString& aDirectory) {
    QList<FileInfo> entries;
    // What cannot be read counts as nothing; the copy or delete that follows reports it.
    (void)Platform::files().list(aDirectory, entries, ListDetail::Sizes, ListOrder::AsStored);
    qint64 bytes = 0;
    for (const FileInfo& e : std::as_const(entries)) {
        if (e.kind == EntryKind::Folder && e.mappable) {
            ++antalMapper;
            FVisning.taelt = antalMapper;
            FVisning.taelleTekst = QString::number(antalMapper);
            opdaterVisning(false);
            bytes += taelMappe(LogicalPath::join(aDirectory, e.name));
        } else {
            const qint64 size = std::max<qint64>(e.size, 1);
            totalSize += size;
            bytes += size;
            ++antalFiler;
        }
    }
    return bytes;
}

QString TInformation::kopierTekst() const {
    return QStringLiteral("Der kopieres ") + tal(antalFiler) +
           (antalFiler == 1 ? QStringLiteral(" fil fra ") : QStringLiteral(" filer fra ")) +
           tal(antalMapper) +
           (antalMapper == 1 ? QStringLiteral(" mappe: ") : QStringLiteral(" mapper: ")) +
           getKortSizeTekst(totalSize);
}

QString TInformation::sletTekst(int elementer) const {
    return QStringLiteral("Der slettes ") + tal(elementer) +
           (elementer == 1 ? QStringLiteral(" element: ") : QStringLiteral(" elementer: ")) +
           getKortSizeTekst(totalSize);
}

void TInformation::opdaterVisning(bool straks) {
    if (!straks && FSidsteOpdatering.isValid() && FSidsteOpdatering.elapsed() < kOpdateringMs)
        return;
    FSidsteOpdatering.start();
    if (FProgressVist)
        vinduer().visProgress(FVisning);
    QCoreApplication::processEvents();
}
