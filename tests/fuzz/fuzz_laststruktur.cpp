// Reads a "lastStruktur.txt" of arbitrary bytes and rebuilds the history structure (first
// byte odd) or a dot structure from it, as the program does at start. Every node of the
// folder tree must stand for a folder that exists.
#include "fuzzsupport.h"

#include "engine/enginehost.h"
#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "engine/strukturvisning.h"
#include "platform/platform.h"

#include <QDir>

using FuzzSupport::require;

namespace {

class Host : public EngineHost {
public:
    int lastStrukturNo() const override { return strukturNo; }
    void setLastStrukturNo(int number) override { strukturNo = number; }
    void makeSpecialStruktur() override {}
    bool visBillede() const override { return false; }
    void historyChanged(bool, bool, bool) override {}
    void showPicture(const QImage&, const QString&) override {}

    int strukturNo = 1;
};

Host* host = nullptr;
THandlinger* funk = nullptr;
StrukturVisning* dirbox = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_laststruktur", true, true);
    for (const char* folder : {"/C/a/b", "/C/Æble/kerne", "/D/x"})
        QDir().mkpath(FuzzSupport::folder() + QLatin1String(folder));
    static Host theHost;
    static StrukturVisning tree1, tree2;
    static THandlinger engine(nullptr, theHost);
    engine.setStruktur1(&tree1);
    engine.setStruktur2(&tree2);
    engine.setMedtagPrivat(false);
    engine.setLastStruktur(QStringLiteral("C:\\lastStruktur.txt"));
    host = &theHost;
    funk = &engine;
    dirbox = &tree1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    host->strukturNo = 1 + data[0] % 3;
    FuzzSupport::writeHost(*Platform::hostPath(QStringLiteral("C:\\lastStruktur.txt")),
                           FuzzSupport::bytesOf(data + 1, size - 1));
    funk->genopbygSpecialStruktur();
    dirbox->forEachItem([](StrukturItem& node) {
        // Nodes without a folder only wait for their parent to be opened.
        require(node.rec.mappe.isEmpty() || Platform::files().isFolder(node.rec.mappe),
                "every node stands for an existing folder");
    });
    return 0;
}
