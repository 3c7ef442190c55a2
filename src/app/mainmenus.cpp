#include "mainmenus.h"
#include "commandtable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

struct MainMenus::Entry {
    QString what;    // a command or item name, "-", or the caption of a submenu
    QString caption; // another caption for a command; empty keeps the command's
    QString hint;    // another hint for the view, or the submenu's hint
    QList<Entry> sub;
    QString name; // object name of a submenu
    bool isSubmenu = false;
};

namespace {

using Entry = MainMenus::Entry;

Entry sep() {
    return {QStringLiteral("-"), {}, {}, {}, {}, false};
}

Entry cmd(const char* name, const char* caption = "", const char* hint = "") {
    return {QString::fromUtf8(name),
            QString::fromUtf8(caption),
            QString::fromUtf8(hint),
            {},
            {},
            false};
}

Entry sub(const char* caption, QList<Entry> entries, const char* hint = "", const char* name = "") {
    return {QString::fromUtf8(caption), {},  QString::fromUtf8(hint), std::move(entries),
            QString::fromUtf8(name),    true};
}

// Items without a command: name, caption, hint, keys.
struct Item {
    const char* name;
    const char* caption;
    const char* hint;
    const char* keys;
};

constexpr Item items[] = {
    {"mLukProgram", "Luk program", "Luk programmet", "Ctrl+Q"},
    {"miOmFinder", "Om Ravnsti...", "Om programmet", ""},
    {"sbCopyPath", "Kopier sti", "", ""},
    {"sbCopyPathWithFilename", "Kopier filnavn", "", ""},
    {"Mdir", "Mappeliste", "Listen kan rumme 10 mapper: Først ind først ud", ""},
    {"MFiles", "Filer", "Listen kan rumme 10 filer: Først ind først ud", ""},
    {"mFavoritMapperTitel", "Favoritmapper", "", ""},
    {"mOversigt", "Ny oversigt", "Fjern nuværende oversigt og begynd en ny", ""},
    {"mPrivatmapper", "Vis privatmapper", "", ""},
    {"mMusiklistemappeVis", "Vis musiklistemappen",
     "Vis mappen som musiklistefilerne er placerede i", ""},
    {"mOpdaterMmappe", "Opdater musiklisterne",
     "Kan anvendes hvis for eksempel en registreret musikliste bliver slettes", ""},
    {"mAktiveAlarmer", "0 aktive alarmer", "", ""},
    {"mKonstruerFavoritstruktur", "Konstruer favoritstruktur",
     "Konstrueres som punktstruktur i primærstrukturen", ""},
    {"mFavoritstruktur", "Favoritstruktur", "Punktstruktur med privat indførte mapper", ""},
    {"mMapperUdvidet", "Mapper udvidet struktur",
     "Struktur med sti til mapperne: Som Mapper i Menubogen", ""},
    {"mMapperPunkt", "Mapper punktstruktur",
     "Struktur uden sti til mapperne: Som Mapper i Menubogen", ""},
    {"mMapper01", "OneDrive", "Åben OneDrive mappen", ""},
    {"mMapper02", "Skrivebord", "Åben skrivebordsmappen", ""},
    {"mMapper03", "Dokumenter", "Åben dokumentmappen", ""},
    {"mMapper04", "Billeder", "Åben billedmappe", ""},
    {"mMapper05", "Musik", "Åben musikmappe", ""},
    {"mMapper06", "Videoer", "Åben videomappen", ""},
    {"mMapper11", "Favoritter", "Åben favoritmappen", ""},
    {"mMapper12", "Kontakter", "Åben kontaktmappen", ""},
    {"mMapper13", "Overførsler", "Gå til mappen downloads", ""},
    {"mMapper14", "Startmenu", "Åbner startmenumappen", ""},
    {"mMapper15", "AppData", "Åben AppData mappen", ""},
    {"mMapper21", "Billeder", "Åben kamera billedmappe", ""},
    {"mMapper22", "Film", "Åben kamera filmmappe", ""},
    {"mMapper31", "Dokumenter", "Åben alle brugeres dokumentmappe", ""},
    {"mMapper32", "Billeder", "Åben alle brugeres billedmappe", ""},
    {"mMapper33", "Musik", "Åben alle brugeres musikmappe", ""},
    {"mMapper34", "Videoer", "Åben alle brugeres videomappe", ""},
};

// Help items: name, caption, hint, topic.
struct HelpItem {
    const char* name;
    const char* caption;
    const char* hint;
    const char* topic;
};

constexpr HelpItem helpItems[] = {
    {"miGenvejstaster", "Genvejstaster...", "Information om genvejstasterne", "Genvejstaster"},
    {"miHvordan", "Hvordan gøres det...", "Eksempler på hvordan forskelligt kan gøres",
     "Hvordan gøres det"},
    {"miProgramElementer", "Program elementer...", "", "Program elementer"},
    {"sbTekstinfo", "Information       ", "Information om tekstdokumenter og indbygget editor",
     "Tekstdokumenter"},
    {"mi01", "Kopier...", "", "Kopier"},
    {"mi02", "Sæt ind...", "", "Sæt ind"},
    {"mi03", "Klip...", "", "Klip"},
    {"mi04", "Sti...", "", "Sti"},
    {"mi05", "Kopier til...", "", "Kopier til"},
    {"mi06", "Flyt til...", "", "Flyt til"},
    {"mi07", "Slet element...", "", "Slet element"},
    {"mi08", "Omdøb element...", "", "Omdøb element"},
    {"mi09", "Tekstfil...", "", "Tekstfil"},
    {"mi10", "Mappe...", "", "Ny mappe"},
    {"mi11", "Marker alt...", "", "Marker alt"},
    {"mi12", "Marker ingen...", "", "Marker ingen"},
    {"mi13", "Inverter...", "", "Inverter"},
    {"mi14", "Kør...", "", "Kør"},
    {"mi15", "Rediger...", "", "Rediger"},
    {"mi16", "Program...", "", "Program"},
    {"mi17", "Opret filmliste...", "", "Opret filmliste"},
    {"mi18", "Opret musikliste...", "", "Opret musikliste"},
    {"mi19", "Opret billedliste...", "", "Opret billedliste"},
    {"mi20", "Drev...", "", "Drev"},
    {"mi21", "Mappe...", "", "Mappe"},
    {"mi22", "Fil...", "", "Fil"},
};

} // namespace

MainMenus::MainMenus(QMainWindow& window, CommandTable& commands)
    : QObject(&window), m_commands(commands) {
    makeItems(window);
    buildMainMenu(window);
    buildContextMenus();
}

MainMenus::~MainMenus() = default;

QMenu* MainMenus::menu(const QString& name) {
    if (QMenu* owner = m_owners.value(name))
        realize(owner);
    QMenu* found = m_menus.value(name);
    if (!found)
        CommandTable::unknownName("menu", name);
    realize(found);
    return found;
}

QList<QMenu*> MainMenus::menus() {
    while (!m_pending.isEmpty())
        realize(m_pending.constBegin().key());
    return m_menus.values();
}

void MainMenus::defer(QMenu* menu, const QList<Entry>& entries) {
    m_pending.insert(menu, entries);
    claimNames(menu, entries);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { realize(menu); });
}

void MainMenus::claimNames(QMenu* owner, const QList<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (!entry.isSubmenu)
            continue;
        if (!entry.name.isEmpty())
            m_owners.insert(entry.name, owner);
        claimNames(owner, entry.sub);
    }
}

void MainMenus::realize(QMenu* menu) {
    if (m_pending.contains(menu))
        fill(menu, m_pending.take(menu));
}

void MainMenus::makeItems(QMainWindow& window) {
    auto add = [&](const char* name, const char* caption, const char* hint) {
        auto* action = new QAction(QString::fromUtf8(caption), &window);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(QString::fromUtf8(hint));
        m_commands.addNamed(action);
        return action;
    };
    for (const Item& item : items) {
        QAction* action = add(item.name, item.caption, item.hint);
        if (*item.keys) {
            action->setShortcut(QKeySequence::fromString(QString::fromLatin1(item.keys)));
            window.addAction(action);
        }
    }
    for (const HelpItem& help : helpItems) {
        QAction* action = add(help.name, help.caption, help.hint);
        const QString topic = QString::fromUtf8(help.topic);
        connect(action, &QAction::triggered, this, [this, topic] { emit helpRequested(topic); });
    }
}

QAction* MainMenus::view(const QString& command, const QString& caption, const QString& hint,
                         QObject* parent) {
    QAction* original = m_commands(command);
    if (caption.isEmpty() && hint.isEmpty())
        return original;
    auto* shown =
        new QAction(original->icon(), caption.isEmpty() ? original->text() : caption, parent);
    shown->setObjectName(command + QStringLiteral("View"));
    // The keys belong to the command; the view only shows them.
    if (!original->shortcut().isEmpty())
        shown->setText(shown->text() + QLatin1Char('\t') +
                       original->shortcut().toString(QKeySequence::NativeText));
    auto follow = [shown, original, hint] {
        shown->setEnabled(original->isEnabled());
        shown->setStatusTip(hint.isEmpty() ? original->statusTip() : hint);
    };
    follow();
    connect(original, &QAction::changed, shown, follow);
    connect(shown, &QAction::triggered, original, &QAction::trigger);
    return shown;
}

void MainMenus::fill(QMenu* menu, const QList<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (entry.isSubmenu) {
            QMenu* child = menu->addMenu(entry.what);
            if (!entry.name.isEmpty()) {
                child->setObjectName(entry.name);
                m_menus.insert(entry.name, child);
            }
            child->menuAction()->setStatusTip(entry.hint);
            fill(child, entry.sub);
        } else if (entry.what == QLatin1String("-")) {
            menu->addSeparator();
        } else if (!m_commands.isCommand(entry.what)) {
            menu->addAction(m_commands(entry.what));
        } else {
            menu->addAction(view(entry.what, entry.caption, entry.hint, menu));
        }
    }
}

QMenu* MainMenus::makeMenu(const QString& name, const QList<Entry>& entries) {
    auto* created = new QMenu(qobject_cast<QWidget*>(parent()));
    created->setObjectName(name);
    m_menus.insert(name, created);
    defer(created, entries);
    return created;
}

void MainMenus::buildMainMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    auto top = [&](const char* caption, const QList<Entry>& entries) {
        defer(bar->addMenu(QString::fromUtf8(caption)), entries);
    };
    top("Program",
        {sub("Seneste mapper", {cmd("Mdir"), sep()}, "", "MReopendir"),
         cmd("AInsertInSenesteMapper"), sep(),
         sub("Seneste filer", {cmd("MFiles"), sep()}, "", "MReopen"), cmd("AInsertInSenesteFiler"),
         sep(), cmd("aEgenskaber", "Egenskaber..."), sep(), cmd("mLukProgram")});
    top("Handlinger",
        {cmd("aCopy"),
         cmd("aPaste"),
         cmd("aKlip"),
         sep(),
         cmd("aKopier32", "Kopier til..."),
         cmd("aMove32", "Flyt til..."),
         sep(),
         cmd("aDelete"),
         cmd("aRename"),
         cmd("aRenameExt"),
         sep(),
         cmd("aNyTekstfil", "Ny tekstfil..."),
         cmd("aNyMappe", "Ny mappe"),
         sep(),
         cmd("aMarkerAlt"),
         cmd("aMarkerIngen"),
         cmd("aMarkerInvers"),
         sep(),
         sub("Filfunktioner",
             {cmd("aRun", "Kør"), cmd("aOpen", "Åben med program"), sep(),
              cmd("aRedigerFil", "Rediger fil"), cmd("aRedigerHtml"), sep(),
              cmd("aHTMLfilmliste", "Html filmliste"), cmd("aHTMLmusikliste", "Html musikliste"),
              cmd("aHTMLbilledliste", "Html billedliste")}),
         sub("Egenskaber",
             {cmd("aDrevinfo", "Drevinformation"), cmd("aMappeInfo", "Mappeinformation"),
              cmd("aFilinfo", "Filinformation")}),
         sep(),
         cmd("sbCopyPath"),
         cmd("sbCopyPathWithFilename")});
    top("Filfunktioner", {cmd("aRun"), cmd("aOpen"), sep(), cmd("aRedigerHtml"), cmd("aRedigerFil"),
                          sep(), cmd("aFindtekst", "Find tekst..."), cmd("Action22")});
    top("Programelementer",
        {cmd("aRedskabslinjen"), sep(), cmd("aNyStruktur"), cmd("aInsertProgram"),
         sub("Favoritter og programmer",
             {cmd("aFavoritspalte"), cmd("mKonstruerFavoritstruktur"), sep(),
              cmd("aProgramspalte", "Vis Programspalten")},
             "Gør programelementer synlige således at de kan anvendes"),
         sep(), cmd("aWindowApplets"), sep(), cmd("aMusikafspiller"),
         sub("Musik", {cmd("aAnvendStraks"), sep(), cmd("aGemMusikliste"), cmd("aHentMusikliste"),
                       sep(), cmd("mMusiklistemappeVis"), cmd("mOpdaterMmappe")}),
         sep(), cmd("aOpenKalender", "Kalenderen..."),
         sub("Kalender", {cmd("mAktiveAlarmer"), sep(), cmd("aAlarmNy", "Ny alarm..."),
                          cmd("aAlarmSe", "Se alarmer..."), sep(), cmd("aLukKalender")})});
    top("Tekstdokumenter", {cmd("sbTekstinfo"), sep(), cmd("aNytDokument", "Nyt dokument..."),
                            cmd("aOpenDokument", "Åben dokument..."), sep(), cmd("WindowCascade1"),
                            cmd("WindowTileHorizontal1"), cmd("WindowTileVertical1"), sep(),
                            cmd("aLuk"), cmd("aLukAlle")});
    top("Information",
        {cmd("aInformation", "Information..."), sep(), cmd("miGenvejstaster"),
         sub("Handlinger",
             {sub("Udklipsholder",
                  {cmd("mi01"), cmd("mi03"), sep(), cmd("mi02"), sep(), cmd("mi04")}),
              sub("Organiser", {cmd("mi05"), cmd("mi06"), sep(), cmd("mi07"), cmd("mi08")}),
              sub("Ny", {cmd("mi09"), cmd("mi10")}),
              sub("Vælg", {cmd("mi11"), cmd("mi12"), cmd("mi13")}),
              sub("Fil funktioner", {cmd("mi14"), cmd("mi15"), cmd("mi16"), sep(), cmd("mi17"),
                                     cmd("mi18"), cmd("mi19")}),
              sub("Egenskaber", {cmd("mi20"), cmd("mi21"), cmd("mi22")})}),
         cmd("miProgramElementer"), cmd("miHvordan"), sep(), cmd("hjemmesideURL"), cmd("kritikURL"),
         sep(), cmd("miOmFinder")});
}

void MainMenus::buildContextMenus() {
    const QList<Entry> clipboard = {cmd("aKlip"),
                                    cmd("aCopy"),
                                    cmd("aPaste"),
                                    sep(),
                                    cmd("aKopier32", "Kopier til..."),
                                    cmd("aMove32", "Flyt til..."),
                                    sep(),
                                    cmd("aDelete"),
                                    cmd("aRename"),
                                    cmd("aDeletePermanent"),
                                    sep()};
    const QList<Entry> selection = {cmd("aMarkerAlt"), cmd("aMarkerIngen"), cmd("aMarkerInvers")};
    const QList<Entry> newItems = {cmd("aNyMappe", "Ny mappe"), cmd("aNyTekstfil", "Ny tekstfil")};

    makeMenu(QStringLiteral("PUdirbox"),
             clipboard +
                 QList<Entry>{cmd("aMappeInfo", "Mappe egenskaber..."), sep(), cmd("mOversigt")});
    makeMenu(QStringLiteral("PUdirboxDrev"),
             {cmd("aDrevinfo", "Drev information..."), sep(), cmd("mPrivatmapper"), sep(),
              sub("Konstruer struktur",
                  {cmd("mMapperUdvidet"), cmd("mMapperPunkt"), sep(), cmd("mFavoritstruktur")})});
    makeMenu(QStringLiteral("PUfilbox"),
             clipboard + selection +
                 QList<Entry>{
                     sep(), sub("Ny", {cmd("aNyTekstfil"), cmd("aNyMappe")}),
                     sub("Fil funktioner",
                         {cmd("aRun", "Kør"), cmd("aOpen", "Åben med program"), sep(),
                          cmd("aRedigerFil", "Rediger"), cmd("aRedigerHtml"), sep(),
                          cmd("aHTMLfilmliste", "Filmliste"), cmd("aHTMLmusikliste", "Musikliste"),
                          cmd("aHTMLbilledliste", "Billedliste")},
                         "", "mFilfunktioner"),
                     sep(), cmd("aEleEgenskaber")});
    makeMenu(QStringLiteral("PUfilbox2"), QList<Entry>{cmd("aPaste"), sep()} + newItems);
    makeMenu(QStringLiteral("PUfilbox3"),
             QList<Entry>{cmd("aPaste"), sep()} + selection + QList<Entry>{sep()} + newItems);
    makeMenu(QStringLiteral("PUprogrammer"),
             {sub("Programmer", {}, "Indførte programmer", "mProg"), sep(),
              cmd("aOpen", "Åben valgte program"), sep(), cmd("aInsertProgram")});
    makeMenu(QStringLiteral("PUfavoritliste"),
             {cmd("aFjernMappe"), sep(), cmd("aFjernAlleMapper")});
    makeMenu(QStringLiteral("PUmapper"),
             {cmd("mMapper01"), cmd("mMapper02"), sep(), cmd("mMapper03"), cmd("mMapper04"),
              cmd("mMapper05"), cmd("mMapper06"), sep(),
              sub("Andre mapper", {cmd("mMapper11"), cmd("mMapper12"), cmd("mMapper13"), sep(),
                                   cmd("mMapper14"), cmd("mMapper15")}),
              sep(),
              sub("Kameramapper", {cmd("mMapper21"), cmd("mMapper22")},
                  "Billed og fil mapper for kamera"),
              sub("Alle brugere",
                  {cmd("mMapper31"), cmd("mMapper32"), cmd("mMapper33"), cmd("mMapper34")},
                  "Delte mapper for alle brugere")});
    makeMenu(QStringLiteral("FavoritterPU"),
             {sub("Favoritmapper", {cmd("mFavoritMapperTitel"), sep()}, "", "mFavoritMapper"),
              sep(), cmd("Adesktopdir"), cmd("Adokudir"), cmd("Apicdir"), cmd("Amusikdir"),
              cmd("Avideodir"), cmd("aFavoritmappe"), sep(),
              cmd("Action7", "OneDrive", "Åben OneDrive mappen"),
              cmd("Action8", "Kontakter", "Åben kontaktmappen"),
              cmd("Action9", "Overførsler", "Gå til mappen downloads"), sep(), cmd("aStartMappe"),
              cmd("Aprogdir"), sep(),
              sub("Kameramapper",
                  {cmd("Action13", "Billeder", "Åben kamera billedmappe"),
                   cmd("Action14", "Film", "Åben kamera filmmappe")},
                  "Billed og fil mapper for kamera"),
              sub("Alle brugere", {cmd("Aalldocu"), cmd("AallPic"), cmd("AallVideo")},
                  "Delte mapper for alle brugere")});
    makeMenu(QStringLiteral("PuAM"),
             {cmd("Action19"), cmd("Action20"), cmd("Action21"), sep(), cmd("Action23")});
    makeMenu(QStringLiteral("PUdrive"), {});
}
