#include "handlinger.h"
#include "strukturitem.h"
#include "strukturvisning.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace {

// Fewer lines than this are shown of what went wrong; the rest are counted.
constexpr int kViste = 10;

const QString& ingenDestination() {
    static const QString text = QStringLiteral("Der er ikke valgt destignation.");
    return text;
}

bool erMappe(const QString& path) {
    const auto info = Platform::files().info(path);
    return info && info->kind == EntryKind::Folder;
}

QString grund(const FileResult& r) {
    switch (r.error()) {
    case FileError::NotFound:
    case FileError::PathNotFound:
        return QStringLiteral("findes ikke");
    case FileError::AccessDenied:
        return QStringLiteral("ingen adgang");
    case FileError::AlreadyExists:
        return QStringLiteral("findes allerede");
    case FileError::SameFile:
        return QStringLiteral("er den samme fil");
    case FileError::CrossDevice:
        return QStringLiteral("ligger på et andet drev");
    case FileError::NoSpace:
        return QStringLiteral("der er ikke plads nok");
    case FileError::ReadFailed:
        return QStringLiteral("kunne ikke læses");
    case FileError::WriteFailed:
        return QStringLiteral("kunne ikke skrives");
    case FileError::Unmappable:
        return QStringLiteral("navnet kan ikke bruges");
    case FileError::NotSupported:
        return QStringLiteral("er ikke en almindelig fil eller mappe");
    default:
        return QStringLiteral("ukendt fejl");
    }
}

// The first lines of a list, one per line, the rest counted.
QString forkortet(const QStringList& all) {
    QStringList lines = all.mid(0, kViste);
    if (all.size() > kViste)
        lines.append(QStringLiteral("... og %1 andre.").arg(all.size() - kViste));
    return lines.join(QLatin1Char('\n'));
}

int intetValgt(const QString& text) {
    Platform::prompter().message(text, MessageKind::Information);
    return 0;
}

FileResult fjern(const QString& path, bool folder, bool tilPapirkurv) {
    if (tilPapirkurv)
        return Platform::recycleBin().moveToTrash(path);
    return folder ? Platform::files().removeTree(path) : Platform::files().removeFile(path);
}

} // namespace

// ---------------------------------------------------------------------------------------
// The clipboard

THandlinger::Element THandlinger::elementOf(const StrukturRec& rec) {
    if (rec.ID == NodeKind::SearchHit) {
        // The root of a search list has no path of its own.
        if (rec.filnavn.isEmpty())
            return {};
        return {rec.filnavn, erMappe(rec.filnavn)};
    }
    if (!rec.isFolder()) // a file; one whose name has no logical form has no path
        return {rec.filnavn, false};
    return {rec.mappe, true};
}

QList<StrukturItem*> THandlinger::selectedNodes() const {
    StrukturVisning* tree = activeTree();
    return tree ? tree->selectedItems() : QList<StrukturItem*>();
}

void THandlinger::delValgte(QStringList& mapper, QStringList& filer) const {
    QStringList ubrugelige;
    for (const StrukturItem* node : selectedNodes()) {
        if (node->rec.unusable()) {
            ubrugelige.append(node->text());
            continue;
        }
        const Element e = elementOf(node->rec);
        if (!e.path.isEmpty())
            (e.folder ? mapper : filer).append(e.path);
    }
    afvisUbrugelige(ubrugelige);
}

void THandlinger::afvisUbrugelige(const QStringList& names) {
    if (names.isEmpty())
        return;
    Platform::prompter().message(
        (names.size() == 1 ? QStringLiteral("Dette element kan ikke bruges af programmet, fordi "
                                            "navnet indeholder en omvendt skråstreg, et "
                                            "linjeskift eller tegn, der ikke kan læses:")
                           : QStringLiteral("Disse elementer kan ikke bruges af programmet, fordi "
                                            "navnene indeholder en omvendt skråstreg, et "
                                            "linjeskift eller tegn, der ikke kan læses:")) +
            QStringLiteral("\n\n") + forkortet(names),
        MessageKind::Information);
}

int THandlinger::CopyElementer() {
    FCopyListe1.clear();
    FCopyListe2.clear();
    const QString ingen = QStringLiteral("Der er ikke valgt elementer til kopiering.");
    if (AktiveStruktur() == 1) {
        const StrukturItem* node = selectedNode();
        if (!node)
            return intetValgt(ingen);
        FCopyListe1.append(node->rec.mappe);
        SourceDirectory = node->rec.mappe;
        SourceMappe = getParentDirectory();
        return 1;
    }
    if (AktiveStruktur() != 2)
        return 0;
    delValgte(FCopyListe1, FCopyListe2);
    if (FCopyListe1.isEmpty() && FCopyListe2.isEmpty())
        return selectedNodes().isEmpty() ? intetValgt(ingen) : 0;
    SourceMappe = Grundmappe();
    SourceDirectory = Bibmappe();
    return int(FCopyListe1.size() + FCopyListe2.size());
}

void THandlinger::setUdklip(const Udklip& udklip) {
    FCopyListe1 = udklip.mapper;
    FCopyListe2 = udklip.filer;
    SourceMappe = udklip.sourceMappe;
    SourceDirectory = udklip.sourceDirectory;
}

void THandlinger::InitRegister() {
    FCopyListe1.clear();
    FCopyListe2.clear();
}

bool THandlinger::RegisterElements(const QString& aElement) {
    const QString path = LogicalPath::normalized(aElement);
    if (Platform::files().isFolder(path))
        FCopyListe1.append(path);
    else if (Platform::files().exists(path))
        FCopyListe2.append(path);
    else
        return false;
    SourceMappe = LogicalPath::parent(path);
    SourceDirectory = SourceMappe;
    return true;
}

bool THandlinger::canCopy() const {
    const StrukturItem* node = selectedNode();
    if (AktiveStruktur() == 1)
        return node && node->rec.ID < NodeKind::Drive;
    return AktiveStruktur() == 2 && node && !selectedNodes().isEmpty() &&
           node->rec.ID < NodeKind::SearchHit;
}

bool THandlinger::canDoIt() const {
    const StrukturItem* node = selectedNode();
    if (AktiveStruktur() == 1)
        return node && node->rec.ID < NodeKind::Private;
    return canCopy();
}

bool THandlinger::harValgtFil() const {
    const StrukturVisning* tree = Struktur2();
    if (!tree)
        return false;
    // Row by row through the ranges, so a selection of a whole large folder stops at the
    // first file instead of listing every node.
    for (const QItemSelectionRange& range : tree->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) {
            const StrukturItem* node =
                tree->itemFromIndex(range.model()->index(row, 0, range.parent()));
            if (node && !node->rec.filnavn.isEmpty())
                return true;
        }
    return false;
}

// ---------------------------------------------------------------------------------------
// Paste

void THandlinger::fejl(const QString& path, const QString& handling, const FileResult& r) {
    FFejl.append(path + QStringLiteral(" kunne ikke ") + handling + QStringLiteral(" (") +
                 grund(r) + QStringLiteral(")."));
}

void THandlinger::visFejl(const QString& overskrift) {
    Platform::prompter().message(overskrift + QStringLiteral("\n\n") + forkortet(FFejl),
                                 MessageKind::Information);
}

QString THandlinger::naermesteMappe(const QString& folder) {
    QString existing = LogicalPath::normalized(folder);
    while (!existing.isEmpty() && !Platform::files().isFolder(existing))
        existing = LogicalPath::parent(existing);
    return existing.isEmpty() ? QStringLiteral("C:") : existing;
}

bool THandlinger::kopiFremdrift(qint64 done, qint64 total) {
    filFremdrift(done, total);
    return !stoppet();
}

THandlinger::Udfald THandlinger::kopierFil(const QString& source, const QString& target,
                                           bool overskriv) {
    qint64 size = 0;
    const FileResult r = Platform::files().copyFile(
        source, target, overskriv ? ReplaceMode::Replace : ReplaceMode::Refuse,
        [this, &size](qint64 done, qint64 total) {
            size = total;
            return kopiFremdrift(done, total);
        });
    advance(std::max<qint64>(size, 1));
    return udfaldAf(source, r);
}

THandlinger::Udfald THandlinger::udfaldAf(const QString& source, const FileResult& r) {
    if (r)
        return Udfald::Kopieret;
    if (r.error() == FileError::Cancelled)
        return Udfald::Stoppet; // the partly written copy is gone; the source stays
    if (r.error() == FileError::SameFile)
        return Udfald::Sprunget;
    fejl(source, QStringLiteral("kopieres"), r);
    return Udfald::Fejlet;
}

bool THandlinger::kopierMappe(const OpenFolder& source, const OpenFolder& target) {
    QList<FileInfo> entries;
    if (const FileResult r =
            Platform::files().list(source, entries, ListDetail::Names, ListOrder::ByName);
        !r) {
        fejl(source.path(), QStringLiteral("læses"), r);
        return false;
    }
    bool helt = true;
    QList<FileInfo> filer;
    QStringList mapper;
    for (const FileInfo& e : std::as_const(entries)) {
        if (!e.mappable || e.kind == EntryKind::Other) {
            // Names without a logical form, FIFOs and devices stay where they are.
            fejl(LogicalPath::join(source.path(), e.name), QStringLiteral("kopieres"),
                 FileResult::failure(e.mappable ? FileError::NotSupported : FileError::Unmappable));
            advance(1);
            helt = false;
        } else if (e.kind == EntryKind::Folder) {
            mapper.append(e.name);
        } else {
            filer.append(e);
        }
    }
    helt = kopierFiler(source, filer, target) && helt;
    for (const QString& name : std::as_const(mapper)) {
        if (stoppet())
            return false;
        helt = kopierUndermappe(source, target, name) && helt;
    }
    return helt;
}

bool THandlinger::kopierFiler(const OpenFolder& source, const QList<FileInfo>& filer,
                              const OpenFolder& target) {
    if (filer.isEmpty())
        return true;
    if (stoppet())
        return false;
    // The results are judged in the folder's order once all are in, so that what went wrong
    // is told in that order, whichever copy ended first.
    std::vector<std::optional<FileResult>> resultater(size_t(filer.size()));
    Platform::files().copyFiles(
        source, filer, target, ReplaceMode::Replace,
        [this](qint64 done, qint64 total) { return kopiFremdrift(done, total); },
        [&](qsizetype i, const FileResult& r, qint64 size) {
            advance(std::max<qint64>(size, 1));
            resultater[size_t(i)] = r;
        });
    bool helt = true;
    for (qsizetype i = 0; i < filer.size(); ++i) {
        const std::optional<FileResult>& r = resultater[size_t(i)];
        if (!r) { // never begun: the paste was stopped
            helt = false;
            continue;
        }
        const QString from = LogicalPath::join(source.path(), filer[i].name);
        const Udfald udfald = udfaldAf(from, *r);
        if (udfald == Udfald::Sprunget)
            fejl(from, QStringLiteral("kopieres"), FileResult::failure(FileError::SameFile));
        helt = udfald == Udfald::Kopieret && helt;
    }
    return helt;
}

bool THandlinger::kopierUndermappe(const OpenFolder& source, const OpenFolder& target,
                                   const QString& name) {
    FileSystem& fs = Platform::files();
    // Opened from the folder listed: should a link have taken its place, it is not followed.
    std::unique_ptr<OpenFolder> fra;
    if (const FileResult r = fs.openSubfolder(source, name, false, fra); !r) {
        fejl(LogicalPath::join(source.path(), name), QStringLiteral("læses"), r);
        return false;
    }
    std::unique_ptr<OpenFolder> til;
    if (const FileResult r = fs.openSubfolder(target, name, true, til); !r) {
        fejl(LogicalPath::join(target.path(), name), QStringLiteral("oprettes"), r);
        return false;
    }
    return kopierMappe(*fra, *til);
}

bool THandlinger::indsaetMappe(const QString& folder, const QString& destination, bool kopiMode) {
    const auto info = Platform::files().info(folder);
    if (!info || LogicalPath::isDriveRoot(folder)) {
        fejl(folder, QStringLiteral("kopieres"),
             FileResult::failure(info ? FileError::NotSupported : FileError::NotFound));
        return false;
    }
    QString target = LogicalPath::join(destination, LogicalPath::lastComponent(folder));
    if (kopiMode) {
        target = getNyMappenavn(target, QString());
    } else if (LogicalPath::same(target, folder)) {
        return false; // it lies there already
    } else if (Platform::files().exists(target) && !spmMappeEksisterer()) {
        return false;
    }
    // A link is copied as the link it is.
    const bool helt = info->kind == EntryKind::Folder
                          ? kopierTrae(folder, target)
                          : kopierFil(folder, target, true) == Udfald::Kopieret;
    if (!helt || !deleteAfterCopy)
        return helt;
    sletNote(true);
    const FileResult r = fjern(folder, true, vinduer().sletTilPapirkurv());
    sletNote(false);
    if (!r)
        fejl(folder, QStringLiteral("slettes efter kopieringen"), r);
    return r.ok();
}

bool THandlinger::kopierTrae(const QString& source, const QString& target) {
    FileSystem& fs = Platform::files();
    std::unique_ptr<OpenFolder> fra;
    if (const FileResult r = fs.openFolder(source, false, fra); !r) {
        fejl(source, QStringLiteral("læses"), r);
        return false;
    }
    // Merging into a link would write wherever it points: only a folder itself is used.
    std::unique_ptr<OpenFolder> til;
    if (const FileResult r = fs.openFolder(target, true, til); !r) {
        fejl(target, QStringLiteral("oprettes"), r);
        return false;
    }
    return kopierMappe(*fra, *til);
}

int THandlinger::indsaetFiler(const QStringList& filer, const QString& destination) {
    FileSystem& fs = Platform::files();
    const auto targetOf = [&destination](const QString& path) {
        return LogicalPath::join(destination, LogicalPath::lastComponent(path));
    };
    fList.clear();
    eList.clear();
    for (const QString& path : filer) {
        const QString target = targetOf(path);
        (fs.exists(target) && !fs.isFolder(target) ? eList : fList).append(path);
    }

    QStringList kopieret;
    const auto kopier = [&](const QString& path, const QString& target, bool overskriv) {
        if (!stoppet() && kopierFil(path, target, overskriv) == Udfald::Kopieret)
            kopieret.append(path);
    };
    for (const QString& path : std::as_const(fList))
        kopier(path, targetOf(path), false);
    if (stoppet()) {
        // Nothing more is copied, so nothing is asked about the names that exist.
    } else if (eList.size() == 1) {
        const QString& path = eList.first();
        if (spmOverskrivFil(LogicalPath::lastComponent(path)))
            kopier(path, targetOf(path), true);
    } else if (eList.size() > 1) {
        const int valg = vinduer().filerEksisterer(visteNavne(eList));
        for (const QString& path : std::as_const(eList)) {
            if (valg == 1 || (valg == 2 && spmOverskrivFil(LogicalPath::lastComponent(path))))
                kopier(path, targetOf(path), true);
            else if (valg == 3)
                kopier(path, getNytFilnavn(targetOf(path), QStringLiteral(" Kopi")), false);
        }
    }
    if (!deleteAfterCopy)
        return int(kopieret.size());

    sletNote(true);
    const bool tilPapirkurv = vinduer().sletTilPapirkurv();
    int flyttet = 0;
    for (auto it = kopieret.crbegin(); it != kopieret.crend(); ++it) {
        if (const FileResult r = fjern(*it, false, tilPapirkurv); r)
            ++flyttet;
        else
            fejl(*it, QStringLiteral("slettes efter kopieringen"), r);
    }
    sletNote(false);
    return flyttet;
}

int THandlinger::PasteElementer(bool sletAfterCopy, int sourceStruktur) {
    if (afvistFordiOptaget())
        return 0;
    Optaget optaget(*this);
    // The clipboard may be filled anew while window messages run: paste what it holds now.
    const QStringList mapper = FCopyListe1;
    const QStringList filer = FCopyListe2;
    if (mapper.isEmpty() && filer.isEmpty())
        return 0;
    const int aktiv = AktiveStruktur();
    QString destination;
    if (aktiv == 1) {
        if (const StrukturItem* node = selectedNode())
            destination = node->rec.mappe;
    } else {
        destination = selectedNode() ? Bibmappe() : Grundmappe();
    }
    destination = LogicalPath::normalized(destination);
    if (destination.isEmpty() || !Platform::files().isFolder(destination)) {
        Platform::prompter().message(ingenDestination(), MessageKind::Information);
        return 0;
    }
    deleteAfterCopy = sletAfterCopy;
    if (LogicalPath::same(SourceDirectory, destination)) {
        Platform::prompter().message(
            QStringLiteral("Kildemappe og destignationsmappe er samme mappe."),
            MessageKind::Information);
        return 0;
    }
    for (const QString& folder : mapper) {
        if (Platform::files().isSameOrInside(destination, folder)) {
            Platform::prompter().message(
                QStringLiteral("En mappe kan ikke indsættes i sig selv eller i en af sine "
                               "undermapper.\n") +
                    folder,
                MessageKind::Information);
            return 0;
        }
    }
    bool kopiMode = false;
    if (LogicalPath::same(SourceMappe, destination)) {
        deleteAfterCopy = false;
        if (!spmOpretKopi())
            return 0;
        kopiMode = true;
    }
    const bool flyt = deleteAfterCopy;
    if ((flyt ? vinduer().AskMove() : vinduer().AskInsert()) &&
        !spmKopier(flyt, mapper, filer, SourceMappe, destination))
        return 0;

    FFejl.clear();
    resetKopiering();
    visProgress(int(mapper.size()));
    for (const QString& folder : mapper) {
        if (erMappe(folder)) {
            taelMappe(folder);
        } else {
            totalSize += elementStoerrelse(folder);
            ++antalFiler;
        }
    }
    for (const QString& file : filer) {
        totalSize += elementStoerrelse(file);
        ++antalFiler;
    }
    FVisning.taelleTekst = QString::number(antalMapper);
    FVisning.taelt = FVisning.taelleMaksimum;
    FVisning.info = kopierTekst();
    FVisning.resterende = tal(antalFiler);
    opdaterVisning(true);

    int indsat = 0;
    for (const QString& folder : mapper)
        if (!stoppet() && indsaetMappe(folder, destination, kopiMode))
            ++indsat;
    if (!filer.isEmpty())
        indsat += indsaetFiler(filer, destination);
    nulstilBjaelker();
    lukProgress();
    if (!FFejl.isEmpty())
        visFejl(QStringLiteral("Der er opstået en fejl.\nElementer er muligvist slettede."));

    if (!mapper.isEmpty()) {
        if (flyt) {
            const QString parent = LogicalPath::parent(mapper.first());
            if (Platform::files().isFolder(parent))
                udfoldStruktur1(parent, false);
        }
        if (!(sourceStruktur == 1 && aktiv == 2 && !flyt))
            udfoldStruktur1(destination, false);
    }
    if (!Platform::files().isFolder(Grundmappe()))
        setGrundmappe(naermesteMappe(Grundmappe()));
    if (!(sourceStruktur == 2 && aktiv == 1 && !flyt))
        makeStruktur2(Grundmappe(), false);
    if (flyt)
        InitRegister();
    return FFejl.isEmpty() ? indsat : -1;
}

// ---------------------------------------------------------------------------------------
// Delete

bool THandlinger::sletFil(const QString& aFilename, bool toPapirkurv) {
    if (!Platform::files().exists(aFilename) || erMappe(aFilename))
        return false;
    return fjern(aFilename, false, toPapirkurv).ok();
}

bool THandlinger::sletMappe(const QString& aDirectory, bool toPapirkurv) {
    sletNote(true);
    const FileResult r = fjern(aDirectory, true, toPapirkurv);
    sletNote(false);
    return r.ok();
}

int THandlinger::DeleteElementer(bool tilPapirkurven) {
    if (afvistFordiOptaget())
        return 0;
    Optaget optaget(*this);
    FDeleteListe1.clear();
    FDeleteListe2.clear();
    const QString ingen = QStringLiteral("Der er ikke valgt elementer til sletning.");
    if (AktiveStruktur() == 1) {
        const StrukturItem* node = selectedNode();
        if (!node)
            return intetValgt(ingen);
        if (node->rec.ID > NodeKind::File) { // drives and the private block
            Platform::prompter().message(node->text() + QStringLiteral("\nmå ikke slettes."),
                                         MessageKind::Information);
            return 0;
        }
        FDeleteListe1.append(node->rec.mappe);
    } else {
        delValgte(FDeleteListe1, FDeleteListe2);
        if (FDeleteListe1.isEmpty() && FDeleteListe2.isEmpty())
            return selectedNodes().isEmpty() ? intetValgt(ingen) : 0;
    }
    const QStringList mapper = FDeleteListe1;
    const QStringList filer = FDeleteListe2;
    if (vinduer().AskDelete() && !spmSlet(mapper, filer, getParentDirectory(), tilPapirkurven))
        return 0;

    FFejl.clear();
    resetSletning();
    visProgress(int(mapper.size()));
    QList<qint64> sizes;
    for (const QString& folder : mapper)
        sizes.append(erMappe(folder) ? std::max<qint64>(taelMappe(folder), 1)
                                     : elementStoerrelse(folder));
    for (const QString& file : filer)
        sizes.append(elementStoerrelse(file));
    totalSize = std::accumulate(sizes.cbegin(), sizes.cend(), qint64(0));
    antalFiler = int(mapper.size() + filer.size());
    FVisning.taelleTekst = QString::number(antalMapper);
    FVisning.taelt = FVisning.taelleMaksimum;
    FVisning.info = sletTekst(antalFiler);
    FVisning.resterende = tal(antalFiler);
    opdaterVisning(true);

    int slettet = 0;
    qsizetype i = 0;
    for (const QString& folder : mapper) {
        if (stoppet())
            break;
        sletNote(true);
        if (const FileResult r = fjern(folder, true, tilPapirkurven); r)
            ++slettet;
        else
            fejl(folder, QStringLiteral("slettes"), r);
        sletNote(false);
        advance(sizes.at(i++));
    }
    for (const QString& file : filer) {
        if (stoppet())
            break;
        const FileResult r = Platform::files().exists(file)
                                 ? fjern(file, false, tilPapirkurven)
                                 : FileResult::failure(FileError::NotFound);
        if (r)
            ++slettet;
        else
            fejl(file, QStringLiteral("slettes"), r);
        advance(sizes.at(i++));
    }
    nulstilBjaelker();
    lukProgress();
    if (!FFejl.isEmpty())
        visFejl(QStringLiteral("Der er opstået en fejl."));

    // The walk below reads only the level it ends on; a deleted folder leaves the tree here.
    for (const QString& folder : mapper) {
        StrukturItem* node = findMappeNode(folder);
        if (node && node->parent() && !Platform::files().exists(folder))
            delete node;
    }
    if (!Platform::files().isFolder(Grundmappe()))
        setGrundmappe(naermesteMappe(Grundmappe()));
    if (!mapper.isEmpty())
        udfoldStruktur1(Grundmappe(), false);
    makeStruktur2(Grundmappe(), false);
    return slettet == 0 && !FFejl.isEmpty() ? -1 : slettet;
}

int THandlinger::EmptyRecycleBin(bool Confirm, const QString& aDrive) {
    const QChar letter = LogicalPath::driveLetter(aDrive);
    if (letter.isNull())
        return -1;
    if (Confirm && !Platform::prompter().question(QStringLiteral("Skal papirkurven for drev ") +
                                                  letter + QStringLiteral(": tømmes?")))
        return 1;
    if (!Platform::recycleBin().emptyDrive(letter)) {
        Platform::prompter().message(QStringLiteral("Papirkurven kunne ikke tømmes."),
                                     MessageKind::Information);
        return -1;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------
// New folder and rename

bool THandlinger::NyMappe(const QString& aDirectory) {
    const QString path =
        getNyMappenavn(LogicalPath::join(aDirectory, QStringLiteral("Ny mappe")), QString());
    if (!Platform::files().makeFolder(path)) {
        Platform::prompter().message(
            QStringLiteral("Der kunne ikke oprettes en ny mappe.\nDer opstod en fejl."),
            MessageKind::Information);
        return false;
    }
    udfoldStruktur1(aDirectory, false);
    setAktiveStruktur(2);
    makeStruktur2(aDirectory, false);
    StrukturVisning* tree = Struktur2();
    const QString name = LogicalPath::lastComponent(path);
    for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
        StrukturItem* node = tree->topLevelItem(i);
        if (node->text() == name) {
            tree->clearSelection();
            tree->setCurrentItem(node);
            editSelected();
            return true;
        }
    }
    return false;
}

bool THandlinger::gyldigtNavn(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() < 32 || c.unicode() == 127 || forbidden.contains(c);
    });
}

bool THandlinger::navnOptaget(const QString& oldPath, const QString& newPath) {
    if (!Platform::files().exists(newPath))
        return false;
    if (!LogicalPath::same(oldPath, newPath))
        return true;
    // Only the case differs: on a file system that tells case apart, another element may
    // carry exactly the new name.
    const QString name = LogicalPath::lastComponent(newPath);
    if (name == LogicalPath::lastComponent(oldPath))
        return false;
    QList<FileInfo> entries;
    // A folder that cannot be listed shows no clash; the rename itself then fails and is
    // reported.
    (void)Platform::files().list(LogicalPath::parent(newPath), entries, ListDetail::Names,
                                 ListOrder::AsStored);
    return std::any_of(entries.cbegin(), entries.cend(),
                       [&name](const FileInfo& e) { return e.name == name; });
}

QString THandlinger::RenameNode(StrukturItem* aNode, const QString& oldNodeName,
                                const QString& newNodeName, bool nyMappe) {
    if (!nyMappe && oldNodeName == newNodeName)
        return oldNodeName;
    if (!gyldigtNavn(newNodeName)) {
        Platform::prompter().message(
            QStringLiteral("\"%1\" kan ikke bruges som navn.\nEt navn må ikke være tomt, \".\" "
                           "eller \"..\" og må ikke indeholde tegnene \\ / : * ? \" < > | "
                           "eller styretegn.")
                .arg(newNodeName),
            MessageKind::Information);
        return oldNodeName;
    }
    StrukturItem* node = aNode ? aNode : selectedNode();
    if (!node || node->rec.ID > NodeKind::File)
        return oldNodeName;
    if (node->rec.unusable()) {
        afvisUbrugelige({node->text()});
        return oldNodeName;
    }
    // The element the node stands for, never a path made from the text it shows.
    FileSystem& fs = Platform::files();
    const bool folder = AktiveStruktur() == 1 || node->rec.isFolder();
    const QString oldPath = folder ? node->rec.mappe : node->rec.filnavn;
    QString newPath = LogicalPath::join(LogicalPath::parent(oldPath), newNodeName);
    if (!folder && LogicalPath::extension(newNodeName).isEmpty())
        newPath += LogicalPath::extension(oldPath);
    if (newPath == oldPath)
        return LogicalPath::lastComponent(newPath);
    if (navnOptaget(oldPath, newPath))
        newPath = folder ? getNyMappenavn(newPath, QString()) : getNytFilnavn(newPath, QString());
    if (!fs.rename(oldPath, newPath))
        return oldNodeName;
    if (AktiveStruktur() == 1) {
        setDirmappe(newPath);
        node->rec.mappe = newPath;
        makeStruktur2(newPath, false);
    } else if (folder) {
        node->rec.mappe = newPath;
        setData(oldPath, newPath);
    } else {
        node->rec.filnavn = newPath;
        FFilnavn = newPath;
    }
    return LogicalPath::lastComponent(newPath);
}

// ---------------------------------------------------------------------------------------
// Extension change

void THandlinger::samlFiler(const QString& folder, const QString& ext, QStringList& found) {
    QList<FileInfo> entries;
    // The files of a folder that cannot be read stay as they are, and the folder is named
    // among the failures.
    if (const FileResult r =
            Platform::files().list(folder, entries, ListDetail::Names, ListOrder::ByName);
        !r)
        fejl(folder, QStringLiteral("læses"), r);
    for (const FileInfo& e : std::as_const(entries)) {
        if (!e.mappable)
            continue;
        const QString path = LogicalPath::join(folder, e.name);
        if (e.kind == EntryKind::Folder)
            samlFiler(path, ext, found);
        else if ((e.kind == EntryKind::File || e.kind == EntryKind::Link) &&
                 e.name.endsWith(ext, Qt::CaseInsensitive))
            found.append(path);
    }
    opdaterVisning(false);
}

int THandlinger::RenameExt(const QString& aMappe, const QString& oldExt, const QString& newExt) {
    if (afvistFordiOptaget())
        return -1;
    const QString ny = newExt.startsWith(QLatin1Char('.')) ? newExt : QLatin1Char('.') + newExt;
    const auto gyldig = [](const QString& ext) {
        return ext.size() >= 2 && ext.startsWith(QLatin1Char('.')) && gyldigtNavn(ext);
    };
    if (!gyldig(ny) || !gyldig(oldExt)) {
        Platform::prompter().message(
            QStringLiteral("Filtypen \"%1\" kan ikke bruges.\nEn filtype skal begynde med et "
                           "punktum, må ikke være tom og må ikke indeholde tegnene "
                           "\\ / : * ? \" < > |")
                .arg(gyldig(oldExt) ? newExt : oldExt),
            MessageKind::Information);
        return -1;
    }
    Optaget optaget(*this);
    QStringList found;
    FFejl.clear();
    samlFiler(LogicalPath::normalized(aMappe), oldExt, found);
    int omdoebt = 0;
    for (const QString& path : std::as_const(found)) {
        const QString name = LogicalPath::lastComponent(path);
        const QString newPath = LogicalPath::join(LogicalPath::parent(path),
                                                  name.left(name.size() - oldExt.size()) + ny);
        if (newPath == path || !Platform::files().exists(path) || navnOptaget(path, newPath))
            continue;
        if (const FileResult r = Platform::files().rename(path, newPath); r)
            ++omdoebt;
        else
            fejl(path, QStringLiteral("omdøbes"), r);
        opdaterVisning(false);
    }
    if (!found.isEmpty())
        makeStruktur2(Grundmappe(), false);
    if (FFejl.isEmpty())
        return omdoebt;
    visFejl(QStringLiteral("Der er opstået en fejl."));
    return omdoebt == 0 ? -1 : omdoebt;
}

// ---------------------------------------------------------------------------------------
// Selection in the file pane

void THandlinger::selectFile(const QString& aFilename) {
    StrukturVisning* tree = Struktur2();
    if (!tree)
        return;
    tree->selectWhere([&](const StrukturItem& node) {
        const bool match = node.rec.filnavn.compare(aFilename, Qt::CaseInsensitive) == 0;
        if (match)
            FFilnavn = node.rec.filnavn;
        return match;
    });
}

void THandlinger::SelectMapperFiler(Markering actionNumber) {
    StrukturVisning* tree = Struktur2();
    if (!tree || tree->topLevelItemCount() == 0)
        return;
    QItemSelectionModel& selection = *tree->selectionModel();
    bool allSelected = true;
    tree->forEachItem([&](const StrukturItem& node) {
        allSelected = allSelected && selection.isSelected(tree->indexFromItem(&node));
    });
    if (actionNumber == MarkerAlle) {
        tree->selectAll();
    } else if (actionNumber == MarkerIngen || (actionNumber == MarkerInvers && allSelected)) {
        tree->clearSelection();
        FFilnavn.clear();
    } else if (actionNumber == MarkerInvers) {
        tree->selectWhere([&](const StrukturItem& node) {
            return !selection.isSelected(tree->indexFromItem(&node));
        });
    }
    // The permissions look at the current node, which must be one of the selection; after a
    // click in the folder tree the rebuilt pane has none.
    const StrukturItem* current = tree->currentItem();
    if (!current || !current->isSelected()) {
        const QList<StrukturItem*> chosen = tree->selectedItems();
        if (!chosen.isEmpty())
            tree->setCurrentItem(chosen.first(), QItemSelectionModel::NoUpdate);
    }
}

THandlinger::Situation THandlinger::getStrukturSitNo() const {
    StrukturVisning* tree = Struktur2();
    if (!tree || tree->topLevelItemCount() == 0)
        return TomRude;
    if (!tree->selectionModel()->hasSelection())
        return IntetValgt;
    // The whole selection is listed only when the current node is not part of it.
    StrukturItem* current = tree->currentItem();
    const StrukturRec* rec = StrukturItem::recOf(
        current && current->isSelected() ? current : tree->selectedItems().first());
    return rec && !rec->filnavn.isEmpty() ? FilValgt : MappeValgt;
}
