// Reads arbitrary bytes as each of the recent lists, "reopen.txt" (files), "reopendir.txt"
// (folders), and as "favoritmapper.txt". A list holds no more than its capacity, shows every
// entry in its menu (and the favourites in their list box), and saves into a file that loads
// the same list again.
#include "fuzzsupport.h"

#include "lists/reopenfiler.h"
#include "lists/reopenfilerx.h"

#include <QListWidget>
#include <QMenu>

using FuzzSupport::require;

namespace {

const QString kFil = QStringLiteral("C:\\liste.txt");
const QString kGemt = QStringLiteral("C:\\gemt.txt");

// Loads the list from `kFil`, checks it, saves it to `kGemt` and loads that into `igen`.
void proev(ReopenListe& liste, ReopenListe& igen) {
    QMenu menu;
    menu.addAction(QStringLiteral("fast"));
    liste.setMainItem(&menu);
    liste.setItemfile(kFil);
    liste.HentReopenFiler();
    require(liste.Antal() <= liste.Filantal(), "a list holds no more than its capacity");
    liste.MakeMenu();
    int poster = 0;
    for (const QAction* action : menu.actions())
        poster += !action->isSeparator() && action->menu() == nullptr;
    // The menu ends at the first entry without a path.
    int mulige = 0;
    while (mulige < liste.Antal() && !liste.GetFilnavn(mulige).isEmpty())
        ++mulige;
    require(poster >= mulige, "every entry up to one without a path is in the menu");

    liste.setItemfile(kGemt);
    require(liste.GemReopenFiler(), "the list is saved");
    igen.setItemfile(kGemt);
    igen.HentReopenFiler();
    require(igen.Filantal() >= liste.Antal() && igen.entries().size() == liste.entries().size(),
            "a saved list loads again in full");
    for (int i = 0; i < liste.Antal(); ++i)
        require(igen.GetCaption(i) == liste.GetCaption(i) &&
                    igen.GetFilnavn(i) == liste.GetFilnavn(i),
                "a saved entry loads again the same");
    liste.setMainItem(nullptr);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_reopen", true, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::write(kFil, FuzzSupport::bytesOf(data, size));
    for (const TItemtype type : {TItemtype::itFil, TItemtype::itBibliotek}) {
        TReopenFiler liste(type), igen(type);
        proev(liste, igen);
        require(igen.Filantal() == liste.Filantal(), "the capacity is saved");
    }
    TReopenFilerX favoritter, igen;
    QListWidget boks;
    favoritter.setListeBoks(&boks);
    proev(favoritter, igen);
    require(boks.count() == favoritter.Antal(), "the list box shows every favourite");
    return 0;
}
