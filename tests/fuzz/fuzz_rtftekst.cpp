// Feeds arbitrary bytes to the reader of rich text: whole, in parts whose sizes the input
// chooses, and byte by byte, it must give the same text.
#include "fuzzsupport.h"

#include "engine/rtftekst.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_rtftekst", false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte seeds the part sizes; the rest is the document.
    const uint8_t seed = data[0];
    const QByteArrayView rtf(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    QString whole;
    RtfTekst().feed(rtf, whole);

    QString parts;
    RtfTekst inParts;
    for (qsizetype at = 0, n = 0; at < rtf.size(); at += n) {
        n = qMin<qsizetype>(rtf.size() - at, 1 + (seed + at * 7) % 23);
        inParts.feed(rtf.sliced(at, n), parts);
        inParts.feed(QByteArrayView(), parts); // an empty part changes nothing
    }
    require(parts == whole, "text read in parts is the text read whole");

    QString bytes;
    RtfTekst oneByOne;
    for (const char c : rtf)
        oneByOne.feed(QByteArrayView(&c, 1), bytes);
    require(bytes == whole, "text read byte by byte is the text read whole");
    return 0;
}
