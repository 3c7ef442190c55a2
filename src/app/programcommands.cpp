#include "programcommands.h"
#include "commandtable.h"
#include "mainform.h"
#include "mainmenus.h"
#include "programpanel.h"

#include "engine/handlinger.h"
#include "lists/menuexefiler.h"
#include "tools/progform.h"

#include <QMenu>

ProgramCommands::ProgramCommands(Tmainform& window, CommandTable& commands,
                                 FavoritPanel& favoritter)
    : w(window), m_menuExe(new TMenuExeFiler(&window)),
      m_panel(new ProgramPanel(window, commands, *m_menuExe, favoritter)),
      m_progform([this] { return new TProgform(w, *m_menuExe); }) {
    if (!w.mapper().optDir.isEmpty())
        m_menuExe->setItemfile(w.mapper().optDir + QStringLiteral("ProgItem.txt"));
    QMenu* mProg = w.menus().menu(QStringLiteral("mProg"));
    m_menuExe->setMainItem(mProg);
    // Opened, the menu leaves out programs whose files went during the run.
    QObject::connect(mProg, &QMenu::aboutToShow, m_menuExe, &TMenuExeFiler::MakeMenu);
    QObject::connect(m_menuExe, &TMenuExeFiler::listeAendret, m_panel, &ProgramPanel::fyld);
    QObject::connect(m_menuExe, &TMenuExeFiler::OnParam, &w,
                     [this](int index) { MenuExeParam(index); });
    m_menuExe->HentProgrammer();
    commands.setEffect(QStringLiteral("aInsertProgram"), [this] { m_progform->exec(); });
}

void ProgramCommands::firstShow() {
    m_menuExe->setAktuelleProgram(w.opt().exeProgram);
    w.InfoProg(m_menuExe->getAktuelleCaption());
}

void ProgramCommands::MenuExeParam(int index) {
    w.opt().exeProgram = m_menuExe->GetFilnavn(index);
    w.InfoProg(m_menuExe->GetCaption(index));
    w.launcher().OpenFilMedProgram(w.opt().exeProgram, w.funk().makeParamListe());
}
