#pragma once

#include "engine/handlinger.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

// What the main window's engine holds, which a window that borrows a tree must give back.
struct EngineState {
    explicit EngineState(MainHost& h)
        : struktur1(h.funk().Struktur1()), struktur2(h.funk().Struktur2()),
          grundmappe(h.funk().Grundmappe()), dirmappe(h.funk().Dirmappe()),
          bibmappe(h.funk().Bibmappe()), filnavn(h.funk().Filnavn()), historik(h.funk().historik()),
          historikIndex(h.funk().historikIndex()), lastStruktur(h.funk().LastStruktur()),
          aktiveStruktur(h.funk().AktiveStruktur()), lastStrukturNo(h.opt().lastStrukturNo),
          openLastStruktur(h.opt().openLastStruktur) {}
    bool operator==(const EngineState&) const = default;

    StrukturVisning* struktur1;
    StrukturVisning* struktur2;
    QString grundmappe, dirmappe, bibmappe, filnavn;
    QStringList historik;
    int historikIndex;
    QString lastStruktur;
    int aktiveStruktur, lastStrukturNo;
    bool openLastStruktur;
};
