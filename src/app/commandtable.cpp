#include "commandtable.h"

#include "shared/lazyiconengine.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QFile>
#include <QIcon>
#include <QWidget>

namespace {

// Keys are in portable text, several separated by ';', the first being the main one.
// Captions keep their trailing blanks: the menus align on them.
struct Command {
    const char* name;
    const char* caption;
    const char* keys;
    const char* hint;
};

constexpr Command catalogue[] = {
    // Files and folders
    {"aCopy", "Kopier ", "Ctrl+C", "Kopier valgte elementer: Ctrl+C"},
    {"aKlip", "Klip", "Ctrl+X", "Klip: Ctrl+X"},
    {"aPaste", "Sæt ind", "Ctrl+V", "Indsæt kopierede elementer: Ctrl+V"},
    {"aKopier32", "Kopier til", "", "Kopier valgte elementer og bestem destignation"},
    {"aMove32", "Flyt til", "", "Klip valgte elementer og bestem destignation"},
    {"aDelete", "Slet", "Ctrl+D;Del", "Slet valgte elementer: Ctrl+D"},
    {"aDeletePermanent", "Slet permanent", "Shift+Del",
     "Slet valgte elementer permanent: Shift+Del"},
    {"aRename", "Omdøb", "F2", "Omdøb valgte element: F2"},
    {"aRenameExt", "Omdøb filtype...", "Ctrl+U",
     "Omdøb filtyper i aktuelle mappe samt alle dens undermapper"},
    {"aNyMappe", "Mappe", "Ctrl+M;Shift+Ctrl+N", "Opret ny mappe: Ctrl+M"},
    {"aNyTekstfil", "Tekstfil", "Ctrl+T", "Ny tekstfil: Ctrl+T"},
    {"aMarkerAlt", "Marker alt   ", "Ctrl+A", "Vælg alle elementer i listen: Ctrl+A"},
    {"aMarkerIngen", "Marker ingen", "Ctrl+I", "Fravælg alle elementer i listen: Ctrl+I"},
    {"aMarkerInvers", "Inverter      ", "", "Inverter valgte elementer"},
    {"aEmptyRB", "", "", "Tøm papirkurv på valgte drev"},
    // Running and opening
    {"aRun", "Aktiver scriptet", "Ctrl+K;F9",
     "Kør. Åbner filen i andet program, hvis et sådant er associeret til filtypen: Ctrl+K "
     "eller F9"},
    {"aRedigerFil", "Rediger tekstdokument", "Ctrl+R",
     "Åben filen til redigering i andet program, hvis muligt: Ctrl+R"},
    {"aRedigerHtml", "Rediger tekstdokument", "Ctrl+H",
     "Åben valgte tekstdokument til redigering i den interne editor: Ctrl+H"},
    {"aOpen", "Åben ved valgte program", "Ctrl+P",
     "Åben program eventuelt med valgt/valgte filer: Ctrl+P"},
    {"aHTMLfilmliste", "", "", "Skriver en hjemmeside hvorfra de valgte film kan afspilles"},
    {"aHTMLmusikliste", "", "", "Skriver en hjemmeside hvorfra den valgte musik kan afspilles"},
    {"aHTMLbilledliste", "", "", "Skriver en hjemmeside hvorfra de valgte billeder kan vises"},
    {"aVisValgteBillede", "Vis billede", "Ctrl+B",
     "Vis billedet i den interne billedfremviser (jpg, png, gif, bmp samt ico filer)"},
    {"aVisBillede", "Vis billede", "Ctrl+Ins", ""},
    {"aGenvej", "", "Ctrl+G", "Opret genvej til fil/program: Ctrl+G"},
    {"aOpenAktuelleMappe", "", "Ctrl+S", "Åben mappen i Windows Stifinder: Ctrl+S"},
    // Information
    {"aDrevinfo", "Drev   ", "", "Vis drev egenskaber"},
    {"aMappeInfo", "Mappe", "", "Vis mappe egenskaber"},
    {"aFilinfo", "Fil        ", "", "Vis fil egenskaber"},
    {"aEleEgenskaber", "Egenskaber", "Alt+Return", "Vis egenskaber for valgte element: Alt+Enter"},
    {"aInformation", "Information", "F1", "Program information: F1"},
    // Refreshing
    {"aOpdaterAll", "Opdater", "Ctrl+O;F5", "Opdater begge strukturer: Ctrl+O eller F5"},
    {"aOpdaterLeft", "Opdater", "", "Opdater primærstrukturen med eksisterende normal drev"},
    {"aOpdaterRight", "Opdater", "", "Opdater strukturen"},
    // Windows and views
    {"aRedskabslinjen", "Redskabslinjen", "",
     "Vis eller skjul redskabslinjen med fil og mappe funktioner"},
    {"aProgramspalte", "Programspalte", "", "Vis programspalten"},
    {"aFavoritspalte", "Vis Favoritspalten", "", "Vis favoritspalten"},
    {"aEgenskaber", "Egenskaber    ", "Ctrl+E", "Bestem egenskaber for programmet"},
    {"aInsertProgram", "Indfør program...", "", "Indfør, rediger eller fjern program"},
    {"aWindowApplets", "Window applets...", "",
     "Åben Window applets med genveje til forskellige styresystemelementer"},
    {"aMusikafspiller", "Musikafspiller...", "", "Åben musikafspilleren"},
    {"aNyStruktur", "Mappestrukturer...", "", "Mappestrukturer til primærstrukturen"},
    {"Action22", "Søg...", "", "Find eller fremvis filtyepe"},
    {"aFindtekst", "Find tekst     ", "Ctrl+F", "Find tekst i tekstdokumenter"},
    {"Action18", "Bestem stier for mapper", "", "Bestem stier for mapper"},
    {"Action19", "Funktioner", "", "Mappe og fil funktioner"},
    {"Action20", "Mapper", "", "Mapper der vises i struktur 2"},
    {"Action21", "Alarmer og kalender", "", "Alarmer og kalenderfunktioner"},
    {"Action23", "Specialfunktioner", "",
     "Activringsfunktioner samt hjemmesidefunktioner med film, musik eller billeder"},
    // Documents
    {"aNytDokument", "Nyt dokument    ", "Ctrl+N", "Nyt tekstdokument: Ctrl+N"},
    {"aOpenDokument", "Åben dokument", "", "Åben eksisterende tekstdokument"},
    {"aLuk", "Luk aktuelle", "Ctrl+L", "Lukker aktuelle dokument: Ctrl+L"},
    {"aLukAlle", "Luk alle      ", "Ctrl+Alt+L", "Lukker alle åbne dokumenter: Ctrl+Alt+L"},
    {"WindowCascade1", "På stribe    ", "", "Arranger på stribe"},
    {"WindowTileHorizontal1", "Horisontalt", "", "Arranger horisontalt"},
    {"WindowTileVertical1", "Vertikalt    ", "", "Arranger vertikalt"},
    // Calendar and alarms
    {"aOpenKalender", "Kalenderen", "Ctrl+Alt+K", "Åben kalenderen: Ctrl+Alt+K"},
    {"aAlarmNy", "Ny alarm    ", "", "Indfør ny alarm"},
    {"aAlarmSe", "Se alarmer", "", "Liste med indførte alarmer"},
    {"aLukKalender", "Luk kalender", "", "Lukker kalenderen"},
    // The search window's buttons
    {"aSearch", "Søg", "", "Start søgningen: Tryk Enter"},
    {"aClearSearchListe", "Ryd listen", "", "Fjern alle søgetekster fra rulned listen"},
    // The folder-structure window's buttons
    {"aStrukturmappe", "Vis struktur      ", "", "Konstruer struktur som punktstruktur"},
    {"aRedigerMappestruktur", "Rediger valgte", "", "Rediger valgte strukturfil"},
    // Favourites, recent lists and music
    {"aInsertFavoritmappe", "", "", "Indfør aktuelle mappe i favoritmapper"},
    {"aFjernMappe", "Fjern mappe", "", ""},
    {"aFjernAlleMapper", "Fjern alle mapper", "", ""},
    {"aFlytOp", "Flyt op", "", "Flyt valgte element op"},
    {"aFlytNed", "Flyt ned", "", "Flyt valgte element ned"},
    {"aGemFlyt", "Gem", "", "Gem ændringer i listen"},
    {"AInsertInSenesteFiler", "Indsæt i Seneste filer", "", "Indsæt aktuelle fil i Seneste filer"},
    {"AInsertInSenesteMapper", "Indsæt i Seneste mapper", "",
     "Indsæt sekundærstrukturens bibliotek i Seneste mapper"},
    {"aAnvend", "Tilføj valgte  ", "", "Indfør valgte mp3 filer i afspilningslisten"},
    {"aAnvendStraks", "Tilføj valgte og afspil", "",
     "Indfør valgte mp3 filer i afspilningslisten og afspil"},
    {"aFjern", "Helt ny liste     ", "", "Start på en helt ny liste"},
    {"aGemMusikliste", "Gem musiklisten...", "", "Gem aktuelle musikliste til senere afspilning"},
    {"aHentMusikliste", "Vælg musikliste...", "", "Vælg hvilken musikliste der skal afspilles"},
    {"aFjernFraListe", "Fjern fra liste", "",
     "Fjern valgte musikstykke fra listen: Husk eventuelt at gemme listen"},
    // Special folders in the file pane: the list commands and the action bar's buttons
    {"Adesktopdir", "Skrivebord", "", "Åben skrivebordsmappen"},
    {"Adokudir", "Dokumenter", "", "Åben dokumentmappen"},
    {"aFavoritmappe", "Favoritter", "", "Åben favoritmappen"},
    {"Apicdir", "Billeder", "", "Åben billedmappe"},
    {"Amusikdir", "Musik", "", "Åben musikmappe"},
    {"Avideodir", "Videoer", "", "Åben videomappen"},
    {"aStartMappe", "Startmenu", "", "Åbner startmenumappen"},
    {"Aprogdir", "AppData", "", "Åben AppData mappen"},
    {"Aalldocu", "Dokumenter", "", "Åben alle brugeres dokumentmappe"},
    {"AallPic", "Billeder", "", "Åben alle brugeres billedmappe"},
    {"AallVideo", "Videoer", "", "Åben alle brugeres videomappe"},
    {"Action1", "Skrivebord", "", "Hurtig adgang til Skrivebord"},
    {"Action2", "Dokumenter", "", "Hurtig adgang til Dokumenter"},
    {"Action3", "Favoritter", "", "Hurtig adgang til Favoritter"},
    {"Action4", "Billeder", "", "Hurtig adgang til Billeder"},
    {"Action5", "Musik", "", "Hurtig adgang til Musik"},
    {"Action6", "Videoer", "", "Hurtig adgang til Videoer"},
    {"Action7", "OneDrive", "", "Hurtig adgang til OneDrive mappen på computeren"},
    {"Action8", "Kontakter", "", "Hurtig adgang til Kontakter"},
    {"Action9", "Overførsler", "", "Hurtig adgang til Downloads"},
    {"Action10", "Startmenu", "", "Hurtig adgang til Startmenuen"},
    {"Action11", "AppData", "", "Hurtig adgang til AppData mappen"},
    {"Action12", "Alle brugere", "", "Hurtig adgang til Alle brugere"},
    {"Action13", "Kamera billeder", "",
     "Hurtig adgang til kamera billedmappe, hvis indført i egenskaber"},
    {"Action14", "Kamera film", "",
     "Hurtig adgang til kamera filmmappe, hvis indført i egenskaber"},
    {"Action15", "Info", "", "Information"},
    {"Action16", "Struktur", "", "Konstruer mapperne som struktur"},
    {"Action17", "Punktstruktur", "", "Konstruer mapperne som punktstruktur"},
    // Internet
    {"hjemmesideURL", "Besøg www.ravnsti.dk...", "", "Hjemmeside med flere programmer"},
    {"kritikURL", "Send forslag og kritik...", "", "Send ideer, forbedringsforslag og kritik"},
};

QList<QKeySequence> parseKeys(const char* keys) {
    QList<QKeySequence> result;
    for (const QString& key : QString::fromUtf8(keys).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        result.append(QKeySequence::fromString(key, QKeySequence::PortableText));
    return result;
}

// The picture of a command: its own, or that of the action bar button showing the same kind
// of folder, so the special-folder menus show a picture on every item.
QString iconFile(const QString& name) {
    static const QHash<QString, QString> shared = {
        {"Adesktopdir", "Action1"},  {"Adokudir", "Action2"},  {"aFavoritmappe", "Action3"},
        {"Apicdir", "Action4"},      {"Amusikdir", "Action5"}, {"Avideodir", "Action6"},
        {"aStartMappe", "Action10"}, {"Aprogdir", "Action11"}, {"Aalldocu", "Action2"},
        {"AallPic", "Action4"},      {"AallVideo", "Action6"}};
    return QStringLiteral(":/icons/cmd-%1.svg").arg(shared.value(name, name));
}

// Evaluating every rule costs little, but the loop may wait a thousand times a second while
// a copy runs; this is the shortest time between two evaluations.
constexpr int minimumIntervalMs = 40;

} // namespace

CommandTable::CommandTable(QWidget* window) : QObject(window) {
    for (const Command& command : catalogue) {
        const QString name = QString::fromLatin1(command.name);
        auto* action = new QAction(QString::fromUtf8(command.caption), window);
        action->setObjectName(name);
        const QString hint = QString::fromUtf8(command.hint);
        action->setStatusTip(hint);
        action->setToolTip(hint.isEmpty() ? action->text().trimmed() : hint);
        if (const QString icon = iconFile(name); QFile::exists(icon))
            action->setIcon(LazyIconEngine::icon(icon));
        m_keys.insert(action, parseKeys(command.keys));
        applyKeys(action);
        connect(action, &QAction::triggered, this, [this, action] {
            const auto effect = m_effects.constFind(action);
            if (effect != m_effects.constEnd())
                (*effect)();
            else if (m_unfinished)
                m_unfinished(action);
        });
        m_actions.append(action);
        m_byName.insert(name, action);
    }
    window->addActions(m_actions);

    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &CommandTable::evaluate);
    m_sinceEvaluation.start();
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::awake, this,
                [this] { m_eventsSince = true; });
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CommandTable::idle);
    }
}

QAction* CommandTable::operator()(const QString& name) const {
    QAction* action = m_byName.value(name);
    if (!action)
        unknownName("handling", name);
    return action;
}

bool CommandTable::isCommand(const QString& name) const {
    QAction* action = m_byName.value(name);
    return action && m_keys.contains(action);
}

void CommandTable::addNamed(QAction* action) {
    const QString name = action->objectName();
    if (name.isEmpty() || m_byName.contains(name))
        qFatal("Ravnsti: the action name \"%s\" is empty or taken twice", qPrintable(name));
    m_byName.insert(name, action);
}

void CommandTable::unknownName(const char* kind, const QString& name) {
    qFatal("Ravnsti: there is no %s named \"%s\"", kind, qPrintable(name));
}

void CommandTable::setRule(const QString& name, Rule rule) {
    m_rules.insert((*this)(name), std::move(rule));
}

void CommandTable::setEffect(const QString& name, Effect effect) {
    m_effects.insert((*this)(name), std::move(effect));
}

void CommandTable::evaluate() {
    for (auto rule = m_rules.cbegin(); rule != m_rules.cend(); ++rule)
        rule.key()->setEnabled(rule.value()());
    m_sinceEvaluation.restart();
    m_eventsSince = false;
}

void CommandTable::idle() {
    // Waking up for nothing but our own evaluation changes nothing worth a new one.
    if (!m_eventsSince)
        return;
    if (m_sinceEvaluation.elapsed() >= minimumIntervalMs)
        evaluate();
    else if (!m_pending.isActive())
        m_pending.start(minimumIntervalMs);
}

void CommandTable::setYieldedKeys(const QList<QKeySequence>& keys) {
    if (keys == m_yielded)
        return;
    m_yielded = keys;
    for (QAction* action : std::as_const(m_actions))
        applyKeys(action);
}

QList<QKeySequence> CommandTable::declaredKeys(const QString& name) const {
    return m_keys.value((*this)(name));
}

void CommandTable::applyKeys(QAction* action) {
    QList<QKeySequence> keys = m_keys.value(action);
    keys.removeIf([this](const QKeySequence& key) { return m_yielded.contains(key); });
    action->setShortcuts(keys);
}
