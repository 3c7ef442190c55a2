#include "makestrukturer.h"
#include "enginehost.h"
#include "ikonplads.h"
#include "strukturitem.h"
#include "strukturvisning.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QMenu>

namespace {

// Folder tree icon slots.
// File pane icon slot of a folder.

// How the folder tree and the drive menus show a drive.
struct DrevVisning {
    QString drive; // "X:"
    QString text;
    int slot;
};

// Nullopt for a drive they leave out: one whose root cannot be read (a CD-ROM drive without
// a disc), and unknown, RAM and network drives.
std::optional<DrevVisning> drevVisning(const VolumeInfo& v) {
    const QString drive = QString(v.drive.letter) + QLatin1Char(':');
    if (!Platform::files().isFolder(drive))
        return std::nullopt;
    const QString labelled = v.drive.label + QStringLiteral(" (") + drive + QLatin1Char(')');
    switch (TGrundMetoder::getDrevType(drive)) {
    case DrevType::Flytbar:
        return DrevVisning{drive, labelled, IkonPlads::Drev};
    case DrevType::Fast:
        return DrevVisning{drive, labelled,
                           v.drive.letter == QLatin1Char('C') ? IkonPlads::DrevC : IkonPlads::Drev};
    case DrevType::CdRom:
        return DrevVisning{drive, QStringLiteral("Diskdrev(") + drive + QLatin1Char(')'),
                           IkonPlads::CdRom};
    default:
        return std::nullopt;
    }
}

bool isFolder(const QString& path) {
    return Platform::files().isFolder(path);
}

// The shorter icon classification of a filtered listing: every file of the text class
// shows the text icon, and the web and script types without their own icon there.
int kortFilIkon(const QString& fileName) {
    if (TGrundMetoder::erDetEnTekstfil(LogicalPath::extension(fileName)))
        return IkonPlads::Tekst;
    const int slot = TGrundMetoder::filIkonPlads(fileName);
    return slot == IkonPlads::Tekst || slot >= IkonPlads::Rtf ? IkonPlads::AndenFil : slot;
}

} // namespace

void TMakeStrukturer::list(const QString& aDirectory, bool withFiles) {
    SL.clear();
    SLfil.clear();
    QList<FileInfo> entries;
    // A listing that fails part-way keeps what was collected; an unreadable folder is empty.
    (void)Platform::files().list(aDirectory, entries, ListDetail::Names, ListOrder::ByName);
    SL.reserve(entries.size());
    if (withFiles)
        SLfil.reserve(entries.size());
    for (const FileInfo& e : entries) {
        if (e.hidden)
            continue;
        const bool folder = e.kind == EntryKind::Folder ||
                            (e.kind == EntryKind::Link && e.linkTarget == EntryKind::Folder);
        if (!e.mappable) {
            // A name with no logical form is shown but stands for nothing the program can
            // act on: its record has no file path and points at the listed folder.
            if (withFiles)
                SLfil.append({e.name, {aDirectory, QString(), NodeKind::File}});
            continue;
        }
        const QString path = LogicalPath::join(aDirectory, e.name);
        if (folder)
            SL.append({e.name, {path, QString(), NodeKind::Folder}});
        else if (withFiles && (e.kind != EntryKind::Link || e.linkTarget == EntryKind::File))
            SLfil.append({e.name, {aDirectory, path, NodeKind::File}});
    }
}

void TMakeStrukturer::hentMappeIndhold(const QString& aDirectory) {
    list(aDirectory, true);
}

void TMakeStrukturer::hentUndermapper(const QString& aDirectory) {
    list(aDirectory, false);
}

void TMakeStrukturer::addUndermapper(StrukturItem* parent) {
    for (const ListEntry& e : std::as_const(SL))
        addNode(Struktur1(), parent, e.text, e.rec, IkonPlads::Mappe);
}

QString TMakeStrukturer::makeStruktur1() {
    host.setLastStrukturNo(DrevStruktur);
    StartNo = 0;
    FFilnavn.clear();
    if (StrukturVisning* tree = Struktur1())
        tree->clear();
    if (!MedtagPrivat()) {
        makeDrevStruktur();
    } else if (PrivatTop()) {
        makePrivatStruktur();
        makeDrevStruktur();
    } else {
        makeDrevStruktur();
        makePrivatStruktur();
    }
    StrukturVisning* tree = Struktur1();
    const StrukturRec* first = tree && tree->topLevelItemCount() > 0
                                   ? StrukturItem::recOf(tree->topLevelItem(0))
                                   : nullptr;
    setDirmappe(first ? first->mappe : QString());
    return Dirmappe();
}

void TMakeStrukturer::makeDrevStruktur() {
    for (const VolumeInfo& v : Platform::volumes().list()) {
        if (const auto shown = drevVisning(v)) {
            addNode(Struktur1(), nullptr, shown->text, {shown->drive, QString(), NodeKind::Drive},
                    shown->slot);
            ++StartNo;
        }
    }
}

bool TMakeStrukturer::addDrevNode(const QString& aDrive) {
    for (const VolumeInfo& v : Platform::volumes().list()) {
        const auto shown = drevVisning(v);
        if (shown && LogicalPath::same(shown->drive, aDrive)) {
            addNode(Struktur1(), nullptr, shown->text, {shown->drive, QString(), NodeKind::Drive},
                    shown->slot);
            ++StartNo;
            return true;
        }
    }
    return false;
}

void TMakeStrukturer::makePrivatStruktur() {
    const QString profile = GetMyProfile();
    StrukturItem* user = addNode(Struktur1(), nullptr, Brugernavn(),
                                 {profile, QString(), NodeKind::Private}, IkonPlads::Bruger);
    ++StartNo;
    const struct {
        const char* text;
        std::optional<QString> folder;
        int slot;
    } personal[] = {
        {"Skrivebord", existingFolder(SpecialFolder::Desktop), IkonPlads::Skrivebord},
        {"Dokumenter", existingFolder(SpecialFolder::Documents), IkonPlads::Dokumenter},
        {"Billeder", existingFolder(SpecialFolder::Pictures), IkonPlads::Billeder},
        {"Musik", existingFolder(SpecialFolder::Music), IkonPlads::Musik},
        {"Videoer", existingFolder(SpecialFolder::Videos), IkonPlads::Videoer},
        {"Favoritter", existingFolder(SpecialFolder::Favorites), IkonPlads::Favoritter}};
    for (const auto& p : personal)
        if (p.folder)
            addNode(Struktur1(), user, QString::fromUtf8(p.text),
                    {*p.folder, QString(), NodeKind::Private}, p.slot);
    user->setExpanded(true);
}

void TMakeStrukturer::addHistorik(const QString& aDirectory) {
    mappeSL.append(aDirectory);
    mappeIndex = int(mappeSL.size()) - 1;
}

void TMakeStrukturer::setHistorik(const QStringList& folders, int index) {
    mappeSL = folders;
    mappeIndex = index;
    visHistorik();
}

void TMakeStrukturer::makeStruktur2(const QString& aDirectory, bool insertMSL) {
    if (!Platform::files().isFolder(aDirectory))
        return;
    setOldGrundmappe(Grundmappe());
    FFilnavn.clear();
    setGrundmappe(aDirectory);
    setBibmappe(aDirectory);
    if (insertMSL)
        addHistorik(aDirectory);
    visHistorik();

    StrukturVisning* tree = Struktur2();
    hentMappeIndhold(aDirectory);
    if (tree) {
        tree->clear();
        QList<StrukturItem*> nodes;
        nodes.reserve(SL.size() + SLfil.size());
        for (ListEntry& e : SL)
            nodes.append(
                new StrukturItem(std::move(e.text), std::move(e.rec), IkonPlads::FilMappe));
        for (ListEntry& e : SLfil) {
            const int slot = filIkonPlads(e.text);
            nodes.append(new StrukturItem(std::move(e.text), std::move(e.rec), slot));
        }
        tree->addTopLevelItems(nodes);
    }
    FAntalGrundmapper = int(SL.size());
    FAntalGrundfiler = int(SLfil.size());
    // The nodes hold the entries now; the work lists would only double the memory.
    SL = {};
    SLfil = {};
    fireDirectoryChange();
}

int TMakeStrukturer::makeStrukturFil(const QString& aExt) {
    const QString ext =
        aExt.isEmpty() || aExt.startsWith(QLatin1Char('.')) ? aExt : QLatin1Char('.') + aExt;
    StrukturVisning* tree = Struktur2();
    if (!tree)
        return 0;
    list(Grundmappe(), true);
    SL = {};
    tree->clear();
    QList<StrukturItem*> nodes;
    for (const ListEntry& e : std::as_const(SLfil))
        if (ext.isEmpty() || LogicalPath::extension(e.text).compare(ext, Qt::CaseInsensitive) == 0)
            nodes.append(new StrukturItem(e.text, e.rec, kortFilIkon(e.text)));
    SLfil = {};
    tree->addTopLevelItems(nodes);
    return int(nodes.size());
}

void TMakeStrukturer::visHistorik() {
    const bool canGoForward = mappeIndex < mappeSL.size() - 1;
    host.historyChanged(mappeIndex > 0, canGoForward, mappeSL.size() > 1);
}

bool TMakeStrukturer::mappeTilbage() {
    while (mappeIndex > 0) {
        const QString previous = mappeSL.at(mappeIndex - 1);
        if (isFolder(previous)) {
            --mappeIndex;
            makeStruktur2(previous, false);
            break;
        }
        // A folder deleted since it was visited is dropped; the one before it is next.
        mappeSL.removeAt(--mappeIndex);
    }
    visHistorik();
    return mappeIndex > 0;
}

bool TMakeStrukturer::mappeFrem() {
    while (mappeIndex < mappeSL.size() - 1) {
        const QString next = mappeSL.at(mappeIndex + 1);
        if (isFolder(next)) {
            ++mappeIndex;
            makeStruktur2(next, false);
            break;
        }
        mappeSL.removeAt(mappeIndex + 1);
    }
    visHistorik();
    return mappeIndex < mappeSL.size() - 1;
}

void TMakeStrukturer::gemStruktur(const QStringList& folders, int strukturNo) {
    host.setLastStrukturNo(strukturNo);
    if (!FLastStruktur.isEmpty() && !TextFile::write(FLastStruktur, folders))
        Platform::prompter().message(
            QStringLiteral("Strukturen kunne ikke gemmes til næste start.\nDen vises nu, men "
                           "ikke efter en genstart."),
            MessageKind::Error);
}

// A path read from a file may go up with ".."; each node stands for the folder reached.
void TMakeStrukturer::naaedeMapper(QStringList& folders) {
    for (QString& folder : folders)
        folder = LogicalPath::withoutDots(folder);
}

bool TMakeStrukturer::makeHistoryStruktur(QStringList aList) {
    naaedeMapper(aList);
    aList.removeIf([](const QString& folder) { return !isFolder(folder); });
    StrukturVisning* tree = Struktur1();
    if (aList.isEmpty() || !tree)
        return false;
    tree->clear();
    FFilnavn.clear();
    StartNo = 0;
    QList<QStringList> chains;
    for (const QString& folder : std::as_const(aList))
        chains.append(LogicalPath::normalized(folder).split(QLatin1Char('\\'), Qt::SkipEmptyParts));
    // The drives in the order of their last visits, the latest first.
    for (auto chain = chains.crbegin(); chain != chains.crend(); ++chain)
        if (!findDrevNode(chain->first()))
            addDrevNode(chain->first());
    // Each folder becomes a chain of nodes under its drive; common beginnings share nodes.
    for (const QStringList& chain : std::as_const(chains)) {
        StrukturItem* node = findDrevNode(chain.first());
        QString path = node ? StrukturItem::recOf(node)->mappe : QString();
        for (qsizetype i = 1; node && i < chain.size(); ++i) {
            path = LogicalPath::join(path, chain.at(i));
            StrukturItem* child = childNamed(node, chain.at(i));
            node = child ? child
                         : addNode(tree, node, chain.at(i), {path, QString(), NodeKind::Folder},
                                   IkonPlads::Mappe);
        }
    }
    tree->expandAll();
    const StrukturRec* first =
        tree->topLevelItemCount() > 0 ? StrukturItem::recOf(tree->topLevelItem(0)) : nullptr;
    setDirmappe(first ? first->mappe : QString());
    gemStruktur(aList, HistorikStruktur);
    return true;
}

bool TMakeStrukturer::makePunktStruktur(QStringList aList, std::optional<QStringList> aTekstList,
                                        int aStrukturNo) {
    naaedeMapper(aList);
    QStringList captions;
    if (aTekstList) {
        captions = *aTekstList;
    } else {
        for (const QString& folder : std::as_const(aList))
            captions.append(getLastDirectory(folder));
    }
    // Captions that do not pair with the folders would name the wrong ones.
    if (captions.size() != aList.size())
        return false;
    for (qsizetype i = aList.size() - 1; i >= 0; --i) {
        if (!isFolder(aList.at(i))) {
            aList.removeAt(i);
            captions.removeAt(i);
        }
    }
    StrukturVisning* tree = Struktur1();
    if (aList.isEmpty() || !tree)
        return false;
    tree->clear();
    StartNo = 0;
    for (const QString& folder : std::as_const(aList))
        if (LogicalPath::isDriveRoot(folder))
            addDrevNode(folder);
    for (qsizetype i = 0; i < aList.size(); ++i) {
        if (LogicalPath::isDriveRoot(aList.at(i)))
            continue;
        addNode(tree, nullptr, captions.at(i),
                {LogicalPath::normalized(aList.at(i)), QString(), NodeKind::Folder},
                IkonPlads::Mappe);
        ++StartNo;
    }
    gemStruktur(aList, aStrukturNo);
    return true;
}

bool TMakeStrukturer::makeOversigt() {
    // The shown folder keeps its place; when it vanished, the one visited before it takes it.
    int keptUpToShown = 0;
    QStringList kept;
    for (qsizetype i = 0; i < mappeSL.size(); ++i) {
        if (!isFolder(mappeSL.at(i)))
            continue;
        kept.append(mappeSL.at(i));
        if (i <= mappeIndex)
            ++keptUpToShown;
    }
    mappeSL = kept;
    mappeIndex = std::max(0, keptUpToShown - 1);
    visHistorik();
    return makeHistoryStruktur(mappeSL);
}

void TMakeStrukturer::clearOversigt() {
    mappeSL.clear();
    mappeIndex = 0;
    makeStruktur2(Dirmappe(), true);
    visHistorik();
}

void TMakeStrukturer::fyldDrevMenu(QMenu* menu, const std::function<void(const QString&)>& klik) {
    if (!menu)
        return;
    menu->clear();
    for (const VolumeInfo& v : Platform::volumes().list()) {
        const auto shown = drevVisning(v);
        if (!shown)
            continue;
        // The drive goes with the item, so a label is only ever shown; its "&" stays an "&"
        // instead of marking an accelerator key.
        QString caption = shown->text;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu->addAction(caption);
        if (shown->slot < ImageDirliste.size())
            item->setIcon(ImageDirliste.at(shown->slot));
        item->setData(shown->drive);
        connect(item, &QAction::triggered, this, [klik, item] { klik(item->data().toString()); });
    }
}

void TMakeStrukturer::makeDrevMenu(QMenu* PUdrive) {
    fyldDrevMenu(PUdrive, [this](const QString& drive) { makeStruktur2(drive, true); });
}

void TMakeStrukturer::makeDrevTekstMenu(QMenu* PUdrev) {
    fyldDrevMenu(PUdrev, [this](const QString& drive) { makeStruktur2(drive, false); });
}
