// Feeds arbitrary bytes to the structure tree's reader: the tree file up to the first NUL
// byte, the data file after it (no NUL: there is no data file). Whatever loads must save
// into lines that load again unchanged.
#include "engine/struktur.h"
#include "engine/strukturnode.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

namespace {

// Malformed input is expected here; its messages go nowhere.
class SilentPrompter : public Prompter {
public:
    void message(const QString&, MessageKind) override {}
    bool question(const QString&) override { return false; }
};

TStruktur* control = nullptr;

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

// Qt keeps its font engines until the process ends; those are not leaks of the reader.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libfreetype\nleak:libharfbuzz\nleak:libQt6Gui\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_struktur";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    Platform::setPrompter(std::make_unique<SilentPrompter>());
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
    require(TextFile::encode(treeLines, TextEncoding::Windows1252, encoded));
    require(TextFile::encode(savedData, TextEncoding::Windows1252, encoded));
    control->hentFraLinjer(treeLines, savedData);
    require(control->strukturLinjer() == treeLines && control->dataLinjer() == savedData);

    // The first nodes with a key are found by it, at the first node carrying that key.
    for (QTreeWidgetItem* node : control->allNodes().mid(0, 8)) {
        const QString key = TStrukturNode::key(node);
        if (key.isEmpty() || key.contains(QLatin1Char('.')) || key.contains(QLatin1Char('\\')) ||
            key.contains(QLatin1Char('/')) || key.contains(QLatin1Char(':')))
            continue;
        control->getNodeTekst(key + QStringLiteral(".html"));
        require(TStrukturNode::key(control->selectedNode()) == key);
    }
    return 0;
}
