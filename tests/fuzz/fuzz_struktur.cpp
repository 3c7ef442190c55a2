// Feeds arbitrary bytes to the structure tree's reader: the tree file up to the first NUL
// byte, the data file after it (no NUL: there is no data file). Whatever loads must save
// into lines that load again unchanged.
#include "fuzzsupport.h"

#include "engine/struktur.h"
#include "engine/strukturnode.h"
#include "platform/textfile.h"

using FuzzSupport::require;

namespace {

TStruktur* control = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_struktur", true);
    static TStruktur tree;
    tree.setDataOn(true);
    control = &tree;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype cut = bytes.indexOf('\0');
    std::optional<QStringList> dataLines;
    if (cut >= 0)
        dataLines = TextFile::decode(bytes.mid(cut + 1));
    control->hentFraLinjer(TextFile::decode(cut < 0 ? bytes : bytes.left(cut)), dataLines);

    const QStringList treeLines = control->strukturLinjer();
    const QStringList savedData = control->dataLinjer();
    QByteArray encoded;
    require(TextFile::encode(treeLines, TextEncoding::Windows1252, encoded),
            "the tree's lines can be saved");
    require(TextFile::encode(savedData, TextEncoding::Windows1252, encoded),
            "the data lines can be saved");
    control->hentFraLinjer(treeLines, savedData);
    require(control->strukturLinjer() == treeLines && control->dataLinjer() == savedData,
            "saved lines load again unchanged");

    // The first nodes with a key are found by it, at the first node carrying that key.
    for (QTreeWidgetItem* node : control->allNodes().mid(0, 8)) {
        const QString key = TStrukturNode::key(node);
        if (key.isEmpty() || key.contains(QLatin1Char('.')) || key.contains(QLatin1Char('\\')) ||
            key.contains(QLatin1Char('/')) || key.contains(QLatin1Char(':')))
            continue;
        control->getNodeTekst(key + QStringLiteral(".html"));
        require(TStrukturNode::key(control->selectedNode()) == key,
                "a key finds the first node carrying it");
    }
    return 0;
}
