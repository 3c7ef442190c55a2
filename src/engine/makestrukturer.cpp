#include "makestrukturer.h"
#include "enginehost.h"
#include "strukturitem.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QTreeWidget>

namespace {

// Folder tree icon slots.
constexpr int kSlotDriveC = 1;
constexpr int kSlotDrive = 2;
constexpr int kSlotFolder = 3;
constexpr int kSlotCdRom = 12;
constexpr int kSlotUser = 11;
// File pane icon slot of a folder.
constexpr int kSlotPaneFolder = 1;

} // namespace

void TMakeStrukturer::list(const QString& aDirectory, bool withFiles) {
    SL.clear();
    SLfil.clear();
    QList<FileInfo> entries;
    // A listing that fails part-way keeps what was collected; an unreadable folder is empty.
    Platform::files().listNames(aDirectory, entries);
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

void TMakeStrukturer::addUndermapper(QTreeWidgetItem* parent) {
    for (const ListEntry& e : std::as_const(SL))
        addNode(Struktur1(), parent, e.text, e.rec, kSlotFolder, ImageDirliste);
}

QString TMakeStrukturer::makeStruktur1() {
    host.setLastStrukturNo(0);
    StartNo = 0;
    FFilnavn.clear();
    if (QTreeWidget* tree = Struktur1())
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
    QTreeWidget* tree = Struktur1();
    const StrukturRec* first = tree && tree->topLevelItemCount() > 0
                                   ? StrukturItem::recOf(tree->topLevelItem(0))
                                   : nullptr;
    setDirmappe(first ? first->mappe : QString());
    return Dirmappe();
}

void TMakeStrukturer::makeDrevStruktur() {
    for (const VolumeInfo& v : Platform::volumes().list()) {
        const QString drive = QString(v.drive.letter) + QLatin1Char(':');
        if (!Platform::files().isFolder(drive))
            continue;
        QString text;
        int slot = kSlotDrive;
        switch (getDrevType(drive)) {
        case DrevType::Flytbar:
            text = v.drive.label + QStringLiteral(" (") + drive + QLatin1Char(')');
            break;
        case DrevType::Fast:
            text = v.drive.label + QStringLiteral(" (") + drive + QLatin1Char(')');
            slot = v.drive.letter == QLatin1Char('C') ? kSlotDriveC : kSlotDrive;
            break;
        case DrevType::CdRom:
            text = QStringLiteral("Diskdrev(") + drive + QLatin1Char(')');
            slot = kSlotCdRom;
            break;
        default:
            continue; // unknown, RAM disks and network drives are not shown
        }
        addNode(Struktur1(), nullptr, text, {drive, QString(), NodeKind::Drive}, slot,
                ImageDirliste);
        ++StartNo;
    }
}

void TMakeStrukturer::makePrivatStruktur() {
    const QString profile = GetMyProfile();
    StrukturItem* user = addNode(Struktur1(), nullptr, Brugernavn(),
                                 {profile, QString(), NodeKind::Private}, kSlotUser, ImageDirliste);
    ++StartNo;
    const struct {
        const char* text;
        std::optional<QString> folder;
        int slot;
    } personal[] = {{"Skrivebord", GetMyDesktop(), 9}, {"Dokumenter", GetMyDocuments(), 6},
                    {"Billeder", GetMyPictures(), 5},  {"Musik", GetMyMusic(), 7},
                    {"Videoer", GetMyVideo(), 8},      {"Favoritter", GetMyFavorit(), 10}};
    for (const auto& p : personal)
        if (p.folder)
            addNode(Struktur1(), user, QString::fromUtf8(p.text),
                    {*p.folder, QString(), NodeKind::Private}, p.slot, ImageDirliste);
    user->setExpanded(true);
}

void TMakeStrukturer::addHistorik(const QString& aDirectory) {
    mappeSL.append(aDirectory);
    mappeIndex = int(mappeSL.size()) - 1;
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
    host.historyChanged(mappeIndex > 0, mappeIndex < mappeSL.size() - 1, !mappeSL.isEmpty());

    QTreeWidget* tree = Struktur2();
    hentMappeIndhold(aDirectory);
    if (tree) {
        tree->clear();
        QList<QTreeWidgetItem*> nodes;
        nodes.reserve(SL.size() + SLfil.size());
        for (const ListEntry& e : std::as_const(SL))
            nodes.append(newNode(e.text, e.rec, kSlotPaneFolder, ImageFilliste));
        for (const ListEntry& e : std::as_const(SLfil))
            nodes.append(newNode(e.text, e.rec, filIkon(e.text), ImageFilliste));
        tree->addTopLevelItems(nodes);
    }
    FAntalGrundmapper = int(SL.size());
    FAntalGrundfiler = int(SLfil.size());
    // The nodes hold the entries now; the work lists would only double the memory.
    SL = {};
    SLfil = {};
    fireDirectoryChange();
}
