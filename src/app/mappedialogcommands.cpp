#include "mappedialogcommands.h"
#include "commandtable.h"
#include "mainform.h"

#include "dialogs/mappeform.h"
#include "dialogs/stiform.h"
#include "engine/handlinger.h"

MappeDialogCommands::MappeDialogCommands(Tmainform& window)
    : w(window), m_mappeform([this] { return new Tmappeform(w); }),
      m_stiform([this] { return new Tstiform(w); }) {
    Tstiform::hent(w);
    w.commands().setEffect(QStringLiteral("Action18"), [this] { visStiform(); });
    w.commands().setEffect(QStringLiteral("aKopier32"), [this] { kopierTil(true); });
    w.commands().setEffect(QStringLiteral("aMove32"), [this] { kopierTil(false); });
}

void MappeDialogCommands::visStiform() {
    m_stiform->show();
    m_stiform->raise();
    m_stiform->activateWindow();
}

void MappeDialogCommands::kopierTil(bool kopier) {
    THandlinger& funk = w.funk();
    const int aktive = funk.AktiveStruktur();
    // In the file pane the selected folder, else the folder the pane shows.
    m_mappeform->kopierTil = kopier;
    m_mappeform->setKilde(aktive == 1 ? funk.Dirmappe() : funk.Bibmappe());
    if (m_mappeform->exec() != QDialog::Accepted)
        return;
    w.klipAfterCopy = !kopier;
    funk.setAktiveStruktur(aktive);
    funk.CopyElementer();
    funk.setAktiveStruktur(2);
    funk.makeStruktur2(m_mappeform->destination(), true);
    const int count = funk.PasteElementer(!kopier, 0);
    w.refreshMay();
    w.HandlingsInfo(kopier ? StatusTekster::Indsat : StatusTekster::Flyttet, count);
}
