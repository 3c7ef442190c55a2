// Reads arbitrary bytes as "mappeStier.txt", the user's own paths of the personal folders.
// What is read must save into a file that reads back the same, and the folders the file does
// not name keep the system's.
#include "fuzzsupport.h"

#include "platform/textfile.h"
#include "shared/personligemapper.h"

using FuzzSupport::require;

namespace {

const QString kFil = QStringLiteral("C:\\mappeStier.txt");
const QString kGemt = QStringLiteral("C:\\gemt.txt");

// A path as it is written again: a half of a UTF-16 pair without its other half (which a
// UTF-16 file may hold) has no UTF-8 form and becomes U+FFFD.
QString somGemt(QString sti) {
    for (qsizetype i = 0; i < sti.size(); ++i) {
        if (sti[i].isHighSurrogate() && i + 1 < sti.size() && sti[i + 1].isLowSurrogate())
            ++i;
        else if (sti[i].isSurrogate())
            sti[i] = QChar::ReplacementCharacter;
    }
    return sti;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_mappestier", false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    FuzzSupport::write(kFil, bytes);
    PersonligeMapper laest;
    laest.hent(kFil);
    const qsizetype linjer = TextFile::decode(bytes).size();
    const auto standard = PersonligeMapper::standard();
    for (int i = 0; i < PersonligeMapper::Antal; ++i)
        require(i < linjer || laest.stier[i] == standard[i],
                "a folder the file does not name keeps the system's");

    require(laest.gem(kGemt), "the paths are saved");
    PersonligeMapper igen;
    igen.hent(kGemt);
    for (int i = 0; i < PersonligeMapper::Antal; ++i)
        require(igen.stier[i] == somGemt(laest.stier[i]), "saved paths read back the same");
    return 0;
}
