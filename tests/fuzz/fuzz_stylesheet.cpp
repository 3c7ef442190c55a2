// Reads a style file of arbitrary bytes (and the shared rules before a NUL byte, when the
// input has one): its palette header, its colours and the "@key" values put into the sheet.
// The style must be offered by its name and applied whatever the file holds.
#include "fuzzsupport.h"

#include "app/stylelibrary.h"

#include <QDir>

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_stylesheet", true);
    QDir().mkpath(FuzzSupport::folder() + QStringLiteral("/Styles"));
    qputenv("RAVNSTI_DATA", QFile::encodeName(FuzzSupport::folder()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    const qsizetype cut = bytes.indexOf('\0');
    const QString styles = FuzzSupport::folder() + QStringLiteral("/Styles/");
    FuzzSupport::writeHost(styles + QStringLiteral("common.qss"),
                           cut < 0 ? QByteArray() : bytes.left(cut));
    FuzzSupport::writeHost(styles + QStringLiteral("Sky.qss"), bytes.mid(cut + 1));
    StyleLibrary library;
    require(library.names() == QStringList{QStringLiteral("Sky")} &&
                library.contains(QStringLiteral("Sky")),
            "the style is offered by its name");
    require(library.apply(QStringLiteral("Sky")), "the style is applied");
    return 0;
}
