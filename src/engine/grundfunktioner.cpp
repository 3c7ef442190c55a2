#include "grundfunktioner.h"
#include "enginehost.h"
#include "ikonplads.h"
#include "strukturitem.h"
#include "strukturvisning.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"

namespace {

bool isVisibleFolder(const QString& path) {
    const auto info = Platform::files().info(path);
    return info && !info->hidden && Platform::files().isFolder(path);
}

} // namespace

void TGrundfunktioner::genindlaesStrukturer() {
    Platform::prompter().message(
        QStringLiteral("Mappen eller drevet eksisterer ikke.\nStrukturene vil blive genindlæst."),
        MessageKind::Information);
    setGrundmappe(makeStruktur1());
    makeStruktur2(Grundmappe(), false);
}

QString TGrundfunktioner::getDirectory() {
    FFilnavn.clear();
    StrukturVisning* tree = Struktur1();
    StrukturItem* node = tree ? tree->currentItem() : nullptr;
    if (!node)
        return {};
    if (Platform::files().isFolder(node->rec.mappe)) {
        setDirmappe(node->rec.mappe);
    } else if (getDrevType(node->rec.mappe) == DrevType::CdRom) {
        Platform::prompter().message(
            QStringLiteral("Indsæt en disk i drevet.\nOpdater derefter strukturen."),
            MessageKind::Information);
        delete node;
        setDirmappe(QStringLiteral("C:"));
        if (StrukturItem* c = findDrevNode(QStringLiteral("C:")))
            tree->setCurrentItem(c);
    } else {
        genindlaesStrukturer();
        return Dirmappe();
    }
    fireDirectoryChange();
    return Dirmappe();
}

bool TGrundfunktioner::reloadChildren(StrukturItem* node) {
    Struktur1()->setCurrentItem(node);
    node->deleteChildren();
    const StrukturRec* rec = StrukturItem::recOf(node);
    if (!rec)
        return false;
    hentUndermapper(rec->mappe);
    if (SL.isEmpty())
        return false;
    addUndermapper(node);
    node->setExpanded(true);
    return true;
}

QString TGrundfunktioner::udfoldDirectory() {
    FFilnavn.clear();
    StrukturVisning* tree = Struktur1();
    if (!tree || tree->topLevelItemCount() == 0)
        return Dirmappe();
    if (!tree->currentItem())
        tree->setCurrentItem(tree->topLevelItem(0));
    StrukturItem* node = tree->currentItem();
    if (!node)
        return Dirmappe();
    if (node->childCount() > 0) {
        setDirmappe(node->rec.mappe);
        return Dirmappe();
    }
    hentUndermapper(node->rec.mappe);
    if (SL.isEmpty()) {
        if (getDrevType(node->rec.mappe) == DrevType::CdRom) {
            if (!node->isDisabled()) {
                node->setText(node->text() + QStringLiteral(" TOM"));
                node->setDisabled(true);
            }
            return Dirmappe();
        }
        setDirmappe(node->rec.mappe);
        return Dirmappe();
    }
    addUndermapper(node);
    setDirmappe(node->rec.mappe);
    node->setExpanded(true);
    return Dirmappe();
}

QString TGrundfunktioner::udfoldStruktur1(const QString& aDirectory, bool opfrisk) {
    if (host.lastStrukturNo() != DrevStruktur) {
        host.makeSpecialStruktur();
        return {};
    }
    FKontrolDelete = false;
    FFilnavn.clear();
    QString target = aDirectory;
    if (target.endsWith(QLatin1Char('\\')))
        target.chop(1);
    const QStringList parts = target.split(QLatin1Char('\\'));
    StrukturItem* root = findDrevNode(parts.first());
    if (!root)
        return {};
    StrukturVisning* tree = Struktur1();
    QString result = StrukturItem::recOf(root)->mappe;
    if ((opfrisk && !reloadChildren(root)) || parts.size() == 1 || root->childCount() == 0) {
        tree->setCurrentItem(root);
        return result;
    }

    StrukturItem* level = root;
    StrukturItem* reached = root;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        StrukturItem* match = childNamed(level, parts.at(i));
        const QString wanted = LogicalPath::join(result, parts.at(i));
        // A visible folder made since this level was read: read the level again.
        if (!match && isVisibleFolder(wanted) && reloadChildren(level))
            match = childNamed(level, parts.at(i));
        if (!match) {
            // A folder the tree does not show (a hidden one) ends the walk where it is;
            // only a folder that is really gone rebuilds the trees.
            if (Platform::files().isFolder(target))
                break;
            genindlaesStrukturer();
            return {};
        }
        result = LogicalPath::join(result, match->text());
        reached = match;
        if ((opfrisk && !reloadChildren(match)) || i == parts.size() - 1 ||
            match->childCount() == 0)
            break;
        level = match;
    }
    tree->setCurrentItem(reached);
    if (opfrisk)
        reached->setExpanded(true);
    else if (reached->childCount() > 0)
        reloadChildren(reached);
    return result;
}

QString TGrundfunktioner::udfoldFilDirectory() {
    StrukturVisning* tree = Struktur2();
    StrukturItem* node = tree ? tree->currentItem() : nullptr;
    if (!node)
        return {};
    if (node->rec.ID == NodeKind::Folder || node->rec.ID == NodeKind::SearchHit) {
        if (!Platform::files().isFolder(node->rec.mappe)) {
            genindlaesStrukturer();
            return Dirmappe();
        }
        setGrundmappe(node->rec.mappe);
        if (node->childCount() == 0)
            makeStruktur2(node->rec.mappe, true);
        return Grundmappe();
    }
    if (node->rec.filnavn.isEmpty() || !Platform::files().exists(node->rec.filnavn) ||
        Platform::files().isFolder(node->rec.filnavn))
        return {};
    FFilnavn = node->rec.filnavn;
    fireDirectoryChange();
    return Grundmappe();
}

void TGrundfunktioner::deleteSelected(bool onlyChildren) {
    StrukturVisning* tree = activeTree();
    StrukturItem* node = tree ? tree->currentItem() : nullptr;
    if (!node)
        return;
    if (onlyChildren)
        node->deleteChildren();
    else
        delete node;
}

void TGrundfunktioner::editSelected() {
    StrukturVisning* tree = activeTree();
    StrukturItem* node = tree ? tree->currentItem() : nullptr;
    if (!node) {
        Platform::prompter().message(
            QStringLiteral("Der er ikke valgt element,\nder skal omdøbes."),
            MessageKind::Information);
        return;
    }
    if (node->rec.ID > NodeKind::File) {
        const QString refusal = AktiveStruktur() == 1 ? QStringLiteral("må ikke omdøbes.")
                                                      : QStringLiteral("må ikke omdøbes");
        Platform::prompter().message(node->text() + QLatin1Char('\n') + refusal,
                                     MessageKind::Information);
        return;
    }
    tree->editItem(node);
}

void TGrundfunktioner::infoStruktur2() {
    StrukturVisning* tree = Struktur2();
    const StrukturItem* node = tree ? tree->currentItem() : nullptr;
    if (!node) {
        setBibmappe(Grundmappe());
        FFilnavn.clear();
    } else if (node->rec.isFolder()) {
        FFilnavn.clear();
        setBibmappe(node->rec.mappe);
    } else {
        setBibmappe(Grundmappe());
        FFilnavn = node->rec.filnavn;
        if (host.visBillede() && erDetEnBilledfil(LogicalPath::extension(FFilnavn)))
            LoadPicture(FFilnavn);
    }
    fireDirectoryChange();
}

bool TGrundfunktioner::LoadPicture(const QString& fName) {
    // Pictures larger than this are no preview matter.
    constexpr qint64 kLargestPicture = 256 * 1024 * 1024;
    QByteArray bytes;
    QImage picture;
    if (!Platform::files().readFile(fName, bytes, kLargestPicture) || !picture.loadFromData(bytes))
        return false;
    host.showPicture(picture, LogicalPath::lastComponent(fName));
    return true;
}

int TGrundfunktioner::fremvisFiltype(const QString& aExt) {
    // File pane slot of a search hit, which also marks the files of the type shown.
    StrukturVisning* tree = Struktur2();
    if (aExt.isEmpty() || !tree)
        return 0;
    const QString ext = aExt.startsWith(QLatin1Char('.')) ? aExt : QLatin1Char('.') + aExt;
    int count = 0;
    tree->clearSelection();
    tree->forEachItem([&](StrukturItem& node) {
        if (node.rec.filnavn.isEmpty() ||
            LogicalPath::extension(node.rec.filnavn).compare(ext, Qt::CaseInsensitive) != 0)
            return;
        node.imageIndex = IkonPlads::Fund;
        ++count;
    });
    tree->viewport()->update();
    return count;
}

void TGrundfunktioner::setData(const QString& oldDirectory, const QString& newDirectory) {
    if (host.lastStrukturNo() != DrevStruktur) {
        host.makeSpecialStruktur();
        return;
    }
    StrukturItem* node = findMappeNode(oldDirectory);
    if (!node || !node->parent())
        return;
    node->setText(getLastDirectory(newDirectory));
    if (StrukturRec* rec = StrukturItem::recOf(node))
        rec->mappe = newDirectory;
}

void TGrundfunktioner::makeDrevMappeMenu(QMenu* PUdrevene) {
    fyldDrevMenu(PUdrevene, [this](const QString& drive) {
        setAktiveStruktur(1);
        if (makePunktStruktur({drive}, std::nullopt, PunktStruktur))
            udfoldDirectory();
    });
}

void TGrundfunktioner::genopbygSpecialStruktur() {
    const int strukturNo = host.lastStrukturNo();
    QStringList folders;
    bool built = false;
    if (strukturNo >= HistorikStruktur && strukturNo <= MappePunktStruktur &&
        !FLastStruktur.isEmpty() && TextFile::read(FLastStruktur, folders))
        built = strukturNo == HistorikStruktur
                    ? makeHistoryStruktur(folders)
                    : makePunktStruktur(folders, std::nullopt, strukturNo);
    if (!built) {
        // A missing or empty list, or folders that all vanished: the drives are shown.
        setGrundmappe(makeStruktur1());
        return;
    }
    if (strukturNo == MappePunktStruktur)
        udfoldDirectory();
}
