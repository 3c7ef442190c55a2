// Reads arbitrary bytes as a picture file of the user's that the preview shows; the first
// byte chooses its extension. Decoding is held to an allocation limit, as the preview's is
// by Qt's default, here lower so that a run stays within the fuzzer's memory. A picture that
// loads is shown, whole and not empty; one that does not is not shown.
#include "fuzzsupport.h"

#include "engine/enginehost.h"
#include "engine/handlinger.h"

#include <QImage>
#include <QImageReader>

using FuzzSupport::require;

namespace {

class Host : public EngineHost {
public:
    int lastStrukturNo() const override { return 0; }
    void setLastStrukturNo(int) override {}
    void makeSpecialStruktur() override {}
    bool visBillede() const override { return true; }
    void historyChanged(bool, bool, bool) override {}
    void showPicture(const QImage& picture, const QString& name) override {
        vist = picture;
        navn = name;
        ++antal;
    }

    QImage vist;
    QString navn;
    int antal = 0;
};

Host* host = nullptr;
THandlinger* funk = nullptr;
const char* const kExt[] = {".png", ".jpg", ".gif", ".bmp", ".ico", ".svg", ".xpm", ".ppm"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_billede", true, true);
    QImageReader::setAllocationLimit(32); // MB
    static Host theHost;
    static THandlinger engine(nullptr, theHost);
    host = &theHost;
    funk = &engine;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QString navn = QStringLiteral("billede") + QLatin1String(kExt[data[0] % std::size(kExt)]);
    FuzzSupport::write(QStringLiteral("C:\\") + navn, FuzzSupport::bytesOf(data + 1, size - 1));
    const int foer = host->antal;
    const bool vist = funk->LoadPicture(QStringLiteral("C:\\") + navn);
    require(host->antal == foer + (vist ? 1 : 0), "a picture is shown once when it loads");
    require(!vist || (!host->vist.isNull() && host->vist.width() > 0 && host->vist.height() > 0 &&
                      host->navn == navn),
            "a picture shown is whole, under its own name");
    return 0;
}
