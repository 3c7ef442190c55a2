#pragma once

#include "findchild.h"

#include "engine/handlinger.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

#include <QDialog>
#include <QPushButton>

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

// The main window's change event: counts how often the engine fired it from now on.
struct SkiftTaeller {
    explicit SkiftTaeller(MainHost& h) {
        h.funk().setOnDirectoryChange(
            [this](const QString&, const QString&, const QString&, const QString&) { ++antal; });
    }
    SkiftTaeller(const SkiftTaeller&) = delete;
    SkiftTaeller& operator=(const SkiftTaeller&) = delete;

    int antal = 0;
};

// Ends a dialog that borrows a tree the way `how` names: "ok" and "luk" click the buttons of
// those names ("openKnap", "lukKnap"), "lukkeboks" is the title bar's close box, anything
// else Escape.
inline void slut(QDialog& dialog, const QString& how) {
    if (how == QLatin1String("ok"))
        QTest::mouseClick(child<QPushButton>(dialog, "openKnap"), Qt::LeftButton);
    else if (how == QLatin1String("luk"))
        QTest::mouseClick(child<QPushButton>(dialog, "lukKnap"), Qt::LeftButton);
    else if (how == QLatin1String("lukkeboks"))
        dialog.close();
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
}
