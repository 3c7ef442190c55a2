// Reads arbitrary bytes as rich text into a document and writes it back: the reading must
// end, and what is written must be read back to the same document, so that a file the
// editor wrote is written the same again.
#include "fuzzsupport.h"

#include "editor/rtflaeser.h"
#include "editor/rtfskriver.h"

#include <QTextDocument>

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_rtflaeser", true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument laest;
    RtfLaeser::laes(FuzzSupport::bytesOf(data, size), laest);
    const QByteArray skrevet = RtfSkriver::skriv(laest);

    QTextDocument igen;
    RtfLaeser::laes(skrevet, igen);
    require(igen.toRawText() == laest.toRawText(), "the text written is read back");
    require(RtfSkriver::skriv(igen) == skrevet, "the formats written are read back");
    return 0;
}
