// Reads arbitrary bytes as a document of the editor; the first byte chooses its extension.
// A document that opens saves, and what it saved opens to the same text, encoding and line
// ends and saves again to the same bytes.
#include "fuzzsupport.h"

#include "editor/dokument.h"
#include "platform/platform.h"

#include <QFile>
#include <QTextDocument>

using FuzzSupport::require;

namespace {

const char* const kExt[] = {".txt", ".html", ".css", ".rtf", ""};

QByteArray indhold(const QString& logicalPath) {
    QFile file(*Platform::hostPath(logicalPath));
    require(file.open(QIODevice::ReadOnly), "a saved document can be read");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_dokument", true, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QString ext = QLatin1String(kExt[data[0] % std::size(kExt)]);
    const QString fil = QStringLiteral("C:\\dokument") + ext;
    const QString gemt = QStringLiteral("C:\\gemt") + ext;
    const QString igen = QStringLiteral("C:\\igen") + ext;
    FuzzSupport::write(fil, FuzzSupport::bytesOf(data + 1, size - 1));

    TDokument dokument;
    if (!dokument.hent(fil).hentet)
        return 0;
    require(!dokument.erAendret(), "a document opened is not changed");
    require(dokument.gemSom(gemt) == TDokument::Gemning::Gemt, "an opened document saves");
    const QByteArray foerste = indhold(gemt);

    TDokument laest;
    require(laest.hent(gemt).hentet, "a saved document opens");
    require(laest.tekst()->toPlainText() == dokument.tekst()->toPlainText(),
            "a saved document opens to the same text");
    require(laest.tegnsaet() == dokument.tegnsaet() && laest.linjeskift() == dokument.linjeskift(),
            "a saved document keeps its encoding and line ends");
    require(laest.gemSom(igen) == TDokument::Gemning::Gemt && indhold(igen) == foerste,
            "a saved document saves again to the same bytes");
    return 0;
}
