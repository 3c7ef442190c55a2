// Feeds arbitrary bytes to the reader of the settings and list files. Whatever they decode
// to must encode (in the encoding found, or UTF-8 where Windows-1252 cannot hold it) into
// bytes that decode to the same lines, and a second round must give the same bytes.
#include "fuzzsupport.h"

#include "platform/textfile.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_textfile", false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextEncoding found = TextEncoding::Windows1252;
    const QStringList lines = TextFile::decode(FuzzSupport::bytesOf(data, size), &found);
    for (const QString& line : lines)
        require(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')),
                "no decoded line holds a line break");

    QByteArray encoded;
    TextEncoding used = found;
    require(TextFile::encode(lines, found, encoded, &used), "decoded lines can be encoded");
    TextEncoding again = TextEncoding::Windows1252;
    require(TextFile::decode(encoded, &again) == lines, "encoded lines decode unchanged");
    require(again == used || lines.isEmpty(), "the encoding used is the one read back");
    QByteArray twice;
    require(TextFile::encode(TextFile::decode(encoded), used, twice) && twice == encoded,
            "a second round gives the same bytes");
    return 0;
}
