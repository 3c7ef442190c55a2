#include "reopencommands.h"
#include "commandtable.h"
#include "mainform.h"
#include "mainmenus.h"

#include "engine/handlinger.h"
#include "engine/ikonplads.h"
#include "engine/strukturvisning.h"
#include "lists/reopenfiler.h"
#include "lists/reopenfilerx.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/imagelists.h"

#include <QAction>
#include <QMenu>

ReopenCommands::ReopenCommands(Tmainform& window, CommandTable& commands)
    : w(window), c(commands), m_reopenFiler(new TReopenFiler(TItemtype::itFil, &window)),
      m_reopenDir(new TReopenFiler(TItemtype::itBibliotek, &window)),
      m_favDir(new TReopenFilerX(&window)) {
    const QString optDir = w.mapper().optDir;
    const bool medFiler = !optDir.isEmpty();
    const QString slet = QStringLiteral("Slet listen");
    const QString nyListe = QStringLiteral("Start en ny liste");
    m_reopenFiler->setDeleteItem(slet, nyListe);
    m_reopenFiler->setMainItem(w.menus().menu(QStringLiteral("MReopen")));
    m_reopenFiler->setIkon([](const TReopenRec& rec) {
        return ImageLists::filliste().value(THandlinger::filIkonPlads(rec.Filnavn));
    });
    m_reopenDir->setDeleteItem(slet, nyListe);
    m_reopenDir->setMainItem(w.menus().menu(QStringLiteral("MReopendir")));
    const auto mappeIkon = [](const TReopenRec&) {
        return ImageLists::dirliste().value(IkonPlads::Mappe);
    };
    m_reopenDir->setIkon(mappeIkon);
    m_favDir->setMainItem(w.menus().menu(QStringLiteral("mFavoritMapper")));
    m_favDir->setIkon(mappeIkon);
    m_favDir->setFilantal(w.opt().favoritAntal);
    if (medFiler) {
        m_reopenFiler->setItemfile(optDir + QStringLiteral("reopen.txt"));
        m_reopenDir->setItemfile(optDir + QStringLiteral("reopendir.txt"));
        m_favDir->setItemfile(optDir + QStringLiteral("favoritmapper.txt"));
    }
    m_reopenFiler->HentReopenFiler();
    m_reopenDir->HentReopenFiler();
    wireMenus();

    c.setEffect(QStringLiteral("AInsertInSenesteFiler"), [this] {
        const QString file = w.funk().Filnavn();
        if (Platform::files().isFile(file))
            m_reopenFiler->InsertItem(file, LogicalPath::lastComponent(file));
    });
    c.setEffect(QStringLiteral("AInsertInSenesteMapper"), [this] {
        const QString folder = w.funk().Grundmappe();
        if (Platform::files().isFolder(folder))
            m_reopenDir->InsertItem(
                folder, folder.size() <= 3 ? folder.left(2) : LogicalPath::lastComponent(folder));
    });
    QObject::connect(m_reopenFiler, &TReopenFiler::OnKlik, &w,
                     [this](const QString& path) { visFil(path); });
    QObject::connect(m_reopenDir, &TReopenFiler::OnKlik, &w,
                     [this](const QString& path) { visMappe(path); });
    QObject::connect(m_favDir, &TReopenFilerX::OnKlik, &w,
                     [this](const QString&, const QString& path) { visMappe(path); });
    QObject::connect(m_favDir, &TReopenFilerX::OnDblListeKlik, &w,
                     [this](const QString&, const QString& path) { visMappe(path); });
    QObject::connect(m_favDir, &TReopenFilerX::OnListeKlik, &w,
                     [this](const QString&, const QString& path) { w.Info(path); });
}

void ReopenCommands::wireMenus() {
    struct Liste {
        TReopenFiler* liste;
        const char* header;
        const char* medIndhold;
        const char* tom;
    };
    for (const Liste& l : {Liste{m_reopenFiler, "MFiles", "Filliste", "Ingen dokumenter"},
                           Liste{m_reopenDir, "Mdir", "Mappeliste", "Ingen mapper"}}) {
        QAction* header = c(QString::fromLatin1(l.header));
        QObject::connect(l.liste->MainItem(), &QMenu::aboutToShow, &w, [l, header] {
            header->setText(QString::fromUtf8(l.liste->Antal() > 0 ? l.medIndhold : l.tom));
            l.liste->MakeMenu();
        });
    }
    QObject::connect(m_favDir->MainItem(), &QMenu::aboutToShow, &w,
                     [this] { m_favDir->MakeMenu(); });
}

void ReopenCommands::firstShow() {
    m_favDir->HentReopenFiler();
}

bool ReopenCommands::gem() {
    const bool gemt = m_reopenFiler->GemReopenFiler() && m_reopenDir->GemReopenFiler();
    if (!gemt)
        Platform::prompter().message(
            QStringLiteral("Listerne over seneste filer og mapper kunne ikke gemmes.\nDe gamle "
                           "lister er bevaret."),
            MessageKind::Error);
    return gemt;
}

void ReopenCommands::visFil(const QString& path) {
    if (path.isEmpty())
        return;
    THandlinger& funk = w.funk();
    funk.setAktiveStruktur(2);
    funk.makeStruktur2(LogicalPath::parent(path), true);
    StrukturVisning* pane = funk.Struktur2();
    for (int i = 0; i < pane->topLevelItemCount(); ++i)
        if (LogicalPath::same(pane->topLevelItem(i)->rec.filnavn, path)) {
            pane->setCurrentItem(pane->topLevelItem(i));
            funk.infoStruktur2();
            w.refreshMay();
            break;
        }
}

void ReopenCommands::visMappe(const QString& path) {
    if (path.isEmpty())
        return;
    w.funk().setAktiveStruktur(2);
    w.funk().makeStruktur2(path, true);
}
