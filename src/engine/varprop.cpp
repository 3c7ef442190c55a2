#include "varprop.h"

TVarProp::TVarProp(QObject* owner, EngineHost& host) : TMapper(owner, host) {}

void TVarProp::fireDirectoryChange() const {
    if (FOnDirectoryChange)
        FOnDirectoryChange(FDirmappe, FBibmappe, FGrundmappe, FFilnavn);
}

StrukturVisning* TVarProp::activeTree() const {
    return FAktiveStruktur == 1 ? FStruktur1 : FStruktur2;
}
