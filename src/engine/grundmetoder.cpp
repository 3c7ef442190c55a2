#include "grundmetoder.h"

#include "ikonplads.h"
#include "strukturitem.h"
#include "strukturvisning.h"
#include <QHash>

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QHash>
#include <QLocale>

namespace {

const QLocale& danish() {
    static const QLocale locale(QLocale::Danish, QLocale::Denmark);
    return locale;
}

} // namespace

StrukturItem* TGrundMetoder::selectedNode() const {
    StrukturVisning* tree = activeTree();
    return tree ? tree->currentItem() : nullptr;
}

StrukturItem* TGrundMetoder::childNamed(StrukturItem* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text().compare(name, Qt::CaseInsensitive) == 0)
            return parent->child(i);
    return nullptr;
}

StrukturItem* TGrundMetoder::addNode(StrukturVisning* tree, StrukturItem* parent,
                                     const QString& text, const StrukturRec& rec, int slot) const {
    auto* node = new StrukturItem(text, rec, slot);
    if (parent)
        parent->addChild(node);
    else
        tree->addTopLevelItem(node);
    return node;
}

QString TGrundMetoder::getSelectedDirectory() const {
    const StrukturItem* node = selectedNode();
    return node ? node->rec.mappe : QString();
}

QString TGrundMetoder::getSelectedFile() const {
    const StrukturItem* node = selectedNode();
    return node ? node->rec.filnavn : QString();
}

bool TGrundMetoder::IsSelectedDirectory() const {
    const StrukturItem* node = selectedNode();
    return node && node->rec.isFolder();
}

void TGrundMetoder::setSelectedDataMappe(const QString& aDirectory) {
    if (StrukturItem* node = selectedNode())
        node->rec.mappe = aDirectory;
}

void TGrundMetoder::setSelectedDataFilnavn(const QString& aFilename) {
    StrukturItem* node = selectedNode();
    if (!node)
        return;
    node->rec.filnavn = aFilename;
    if (AktiveStruktur() != 1)
        FFilnavn = aFilename;
}

QString TGrundMetoder::getFocusDirectory(int X, int Y) {
    StrukturVisning* tree = Struktur1();
    StrukturItem* node = tree ? tree->itemAt(X, Y) : nullptr;
    if (!node || !Platform::files().isFolder(node->rec.mappe))
        return {};
    tree->setCurrentItem(node);
    return node->rec.mappe;
}

QString TGrundMetoder::getFocusFilDirectory(int X, int Y) {
    StrukturVisning* tree = Struktur2();
    StrukturItem* node = tree ? tree->itemAt(X, Y) : nullptr;
    if (!node || !Platform::files().isFolder(node->rec.mappe))
        return Grundmappe();
    tree->setCurrentItem(node);
    setBibmappe(node->rec.mappe);
    return node->rec.mappe;
}

int TGrundMetoder::getIndexLevelNul(const QString& aNodeTekst) const {
    StrukturVisning* tree = Struktur1();
    for (int i = 0; tree && i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text().compare(aNodeTekst, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TGrundMetoder::getParentDirectory() const {
    const StrukturItem* node = selectedNode();
    if (!node)
        return {};
    if (AktiveStruktur() == 1 || node->rec.isFolder())
        return LogicalPath::parent(node->rec.mappe);
    return LogicalPath::normalized(node->rec.mappe);
}

StrukturItem* TGrundMetoder::findDrevNode(const QString& aDrive) const {
    StrukturVisning* tree = Struktur1();
    for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
        const StrukturRec* rec = StrukturItem::recOf(tree->topLevelItem(i));
        // The user node may hold "C:" too when the profile folder is missing; it is no drive.
        if (rec && rec->ID == NodeKind::Drive &&
            rec->mappe.compare(aDrive, Qt::CaseInsensitive) == 0)
            return tree->topLevelItem(i);
    }
    return nullptr;
}

StrukturItem* TGrundMetoder::findMappeNode(const QString& aDirectory) const {
    const QStringList parts = LogicalPath::normalized(aDirectory).split(QLatin1Char('\\'));
    StrukturItem* node = findDrevNode(parts.first());
    for (qsizetype depth = 1; node && depth < parts.size(); ++depth)
        node = childNamed(node, parts.at(depth));
    return node;
}

QStringList TGrundMetoder::makeParamListe() const {
    StrukturVisning* tree = Struktur2();
    QStringList files;
    for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
        const StrukturItem* item = tree->topLevelItem(i);
        if (!item->isSelected())
            continue;
        const QString path = LogicalPath::join(Grundmappe(), item->text());
        if (Platform::files().isFile(path))
            files.append(path);
    }
    return files;
}

QString TGrundMetoder::getLastDirectory(const QString& aDirectory) {
    if (aDirectory.size() <= 3)
        return aDirectory.left(2);
    return aDirectory.mid(aDirectory.lastIndexOf(QLatin1Char('\\')) + 1);
}

bool TGrundMetoder::erDetEnTekstfil(const QString& extS) {
    static const QStringList text = {".asp", ".bat", ".html", ".inc", ".js",  ".vbs",
                                     ".css", ".txt", ".wsf",  ".xml", ".rtf", ".asa"};
    return text.contains(extS.toLower());
}

bool TGrundMetoder::erDetEnBilledfil(const QString& extS) {
    static const QStringList pictures = {".jpg", ".png", ".bmp", ".ico", ".gif"};
    return pictures.contains(extS.toLower());
}

int TGrundMetoder::getDrevType(const QString& path) {
    const auto volume = Platform::volumes().info(LogicalPath::driveLetter(path));
    if (!volume)
        return DrevType::Ukendt;
    switch (volume->drive.type) {
    case DriveType::Removable:
        return DrevType::Flytbar;
    case DriveType::Fixed:
        return DrevType::Fast;
    case DriveType::CdRom:
        return DrevType::CdRom;
    case DriveType::RamDisk:
        return DrevType::RamDisk;
    case DriveType::Network:
        return DrevType::Netvaerk;
    case DriveType::Unknown:
        break;
    }
    return DrevType::Ukendt;
}

QString TGrundMetoder::getDrevNavn(QChar drive) {
    const auto volume = Platform::volumes().info(drive);
    return volume ? volume->drive.label : QString();
}

namespace {

// The size in the unit its number of decimal digits chooses (TB only `withTerabytes`),
// with two decimals; the plain count and " bytes" below four digits.
QString sizeInUnit(qint64 bytes, bool withTerabytes) {
    const int digits = int(QString::number(bytes).size());
    const struct {
        int digits;
        double divisor;
        const char* unit;
    } units[] = {{13, 1024.0 * 1024 * 1024 * 1024, " TB"},
                 {10, 1024.0 * 1024 * 1024, " GB"},
                 {7, 1024.0 * 1024, " MB"},
                 {4, 1024.0, " KB"}};
    for (const auto& u : units) {
        if (u.digits == 13 && !withTerabytes)
            continue;
        if (digits >= u.digits)
            return danish().toString(double(bytes) / u.divisor, 'f', 2) + QLatin1String(u.unit);
    }
    return danish().toString(bytes) + QStringLiteral(" bytes");
}

} // namespace

QString TGrundMetoder::getSizeTekst(qint64 bytes) {
    return sizeInUnit(bytes, true) + QStringLiteral(" (") + danish().toString(bytes) +
           QStringLiteral(" bytes)");
}

QString TGrundMetoder::getKortSizeTekst(qint64 bytes) {
    return sizeInUnit(bytes, false);
}

QString TGrundMetoder::getNyMappenavn(const QString& path, const QString& suffix) {
    QString candidate = path;
    for (int i = 1; Platform::files().exists(candidate); ++i)
        candidate = path + suffix + QStringLiteral(" (%1)").arg(i);
    return candidate;
}

QString TGrundMetoder::getNytFilnavn(const QString& path, const QString& suffix) {
    const QString folder = LogicalPath::parent(path);
    const QString base = LogicalPath::baseName(path);
    const QString ext = LogicalPath::extension(path);
    QString candidate = path;
    for (int i = 1; Platform::files().exists(candidate); ++i)
        candidate = LogicalPath::join(folder, base + suffix + QStringLiteral(" (%1)").arg(i) + ext);
    return candidate;
}

int TGrundMetoder::filIkonPlads(const QString& fileName) {
    static const QHash<QString, int> byExtension = [] {
        const QList<QPair<QStringList, int>> groups = {
            {{".rtf"}, IkonPlads::Rtf},
            {{".vbs", ".wsf"}, IkonPlads::Vbs},
            {{".js"}, IkonPlads::Js},
            {{".html", ".asp", ".inc", ".asa"}, IkonPlads::Html},
            {{".css"}, IkonPlads::Css},
            {{".bat"}, IkonPlads::Bat},
            {{".ps1"}, IkonPlads::Ps1},
            {{".txt", ".xml", ".xsd"}, IkonPlads::Tekst},
            {{".jpg", ".png", ".bmp", ".ico", ".gif"}, IkonPlads::Billede},
            {{".mp3"}, IkonPlads::Mp3},
            {{".m4a"}, IkonPlads::M4a},
            {{".mp4"}, IkonPlads::Mp4},
            {{".m4v"}, IkonPlads::M4v},
            {{".avi"}, IkonPlads::Avi},
            {{".mpg"}, IkonPlads::Mpg},
            {{".wav"}, IkonPlads::Wav},
            {{".exe"}, IkonPlads::Exe},
            {{".lnk"}, IkonPlads::Genvej},
            {{".iss"}, IkonPlads::Iss},
            {{".pas"}, IkonPlads::Pas}};
        QHash<QString, int> hash;
        for (const auto& [extensions, slot] : groups)
            for (const QString& ext : extensions)
                hash.insert(ext, slot);
        return hash;
    }();
    return byExtension.value(LogicalPath::extension(fileName).toLower(), IkonPlads::AndenFil);
}
