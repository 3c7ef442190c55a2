// Feeds arbitrary text to the parser of RAVNSTI_DRIVES and walks paths through the table it
// gives: every drive must be reachable by its logical path, and a host path must come back
// to itself through its logical form.
//
// Input: the drive table text, a NUL byte, then names for paths below each drive.
#include "fuzzsupport.h"

#include "platform/drivetable.h"
#include "platform/logicalpath.h"

#include <QDir>

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_drives", false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    const qsizetype cut = bytes.indexOf('\0');
    const DriveTable table = DriveTable::fromSpec(QString::fromUtf8(bytes.left(cut)));
    const QStringList names =
        cut < 0 ? QStringList() : QString::fromUtf8(bytes.mid(cut + 1)).split(QLatin1Char('/'));

    for (const Drive& d : table.drives()) {
        const QString root = QString(d.letter) + QLatin1Char(':');
        require(LogicalPath::hasDrive(root) && LogicalPath::driveLetter(root) == d.letter,
                "a drive's letter makes a logical path");
        require(table.drive(d.letter.toLower()) == table.drive(d.letter),
                "letters are found ignoring case");
        require(d.hostRoot.startsWith(QLatin1Char('/')) &&
                    QDir::cleanPath(d.hostRoot) == d.hostRoot,
                "a drive's host folder is absolute and clean");
        require(table.toHost(root) == d.hostRoot, "a drive's root is its host folder");

        QString logical = root;
        for (const QString& name : names) {
            logical = LogicalPath::join(logical, name);
            const std::optional<QString> host = table.toHost(logical);
            if (!host)
                continue;
            require(DriveTable::isInside(d.hostRoot, *host),
                    "a path below a drive stays inside its host folder");
            const std::optional<QString> back = table.toLogical(*host);
            if (back)
                require(table.toHost(*back) == host, "a host path comes back to itself");
        }
    }
    return 0;
}
