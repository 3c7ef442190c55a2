#include "filmappeinfo.h"
#include "filinfovisning.h"
#include "strukturitem.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>

namespace {

// An icon file larger than this is no icon.
constexpr qint64 kLargestIcon = 4 << 20;
// How often a running folder count shows its figures.
constexpr qint64 kRefreshMs = 100;

const QLocale& danish() {
    static const QLocale locale(QLocale::Danish, QLocale::Denmark);
    return locale;
}

const QStringList kVideo = {"mp4", "m4v", "avi", "mov", "wmv", "mpg", "ts"};
const QStringList kMusik = {"mp3", "m4a"};
const QStringList kBilleder = {"bmp",  "jpg", "ico",  "gif", "png",
                               "jpeg", "tif", "tiff", "emf", "wmf"};

QString drevTypeTekst(int type) {
    switch (type) {
    case DrevType::Flytbar:
        return QStringLiteral("Flytbar disk");
    case DrevType::Fast:
        return QStringLiteral("Lokal disk");
    case DrevType::Netvaerk:
        return QStringLiteral("Fjern disk");
    case DrevType::CdRom:
        return QStringLiteral("CD ROM disk");
    case DrevType::RamDisk:
        return QStringLiteral("RAM disk");
    default:
        return {};
    }
}

// "3 mapper kunne ikke læses"
QString ulaesteTekst(int antal) {
    return danish().toString(antal) +
           (antal == 1 ? QStringLiteral(" mappe") : QStringLiteral(" mapper")) +
           QStringLiteral(" kunne ikke læses");
}

} // namespace

QString TFilMappeInfo::filtypeTekst(const QString& aFilename) {
    static const QList<QPair<QStringList, const char*>> prefixes = {
        {kVideo, "Videofil: "},
        {kMusik, "Musikfil: "},
        {kBilleder, "Billedfil: "},
        {{"txt"}, "Tekstfil: "},
        {{"html", "htm", "asp"}, "Webfil: "},
        {{"js", "vbs"}, "Scriptfil: "},
        {{"css"}, "Stylesheet: "},
        {{"wsf"}, "Window script fil: "},
        {{"inc"}, "Includefil: "},
        {{"bat"}, "Batchfil: "},
        {{"pas"}, "Delphi/Pascalfil: "},
        {{"lnk"}, "Genvej: "}};
    const QString ext = LogicalPath::extension(aFilename).mid(1).toLower();
    QString prefix;
    for (const auto& [extensions, text] : prefixes) {
        if (extensions.contains(ext)) {
            prefix = QString::fromUtf8(text);
            break;
        }
    }
    return prefix + ext.toUpper() + QStringLiteral("-fil (.") + ext + QLatin1Char(')');
}

QString TFilMappeInfo::datoTekst(const QDateTime& time) {
    return time.isValid() ? danish().toString(time, QStringLiteral("dd-MM-yyyy HH:mm:ss"))
                          : QString();
}

void TFilMappeInfo::showDriveInfo(const QString& aDriveTekst) {
    if (!Ffilinfoform)
        return;
    const QChar x = aDriveTekst.isEmpty() ? QChar() : aDriveTekst.at(0).toUpper();
    const auto volume = x.isLetter() ? Platform::volumes().info(x) : std::nullopt;
    if (!volume) {
        Ffilinfoform->luk();
        Platform::prompter().message(QStringLiteral("Der opstod en fejl."), MessageKind::Error);
        return;
    }
    const QString drive = QString(x) + QLatin1Char(':');
    const qint64 capacity = qMax<qint64>(0, volume->totalBytes);
    const qint64 free = qMax<qint64>(0, volume->freeBytes);
    const qint64 used = qMax<qint64>(0, capacity - free);
    DrevEgenskaber d;
    d.EditDisknavn = volume->drive.label + QStringLiteral(" (") + drive + QLatin1Char(')');
    d.LabelType = drevTypeTekst(getDrevType(drive));
    d.LabelFilsystem =
        volume->drive.fileSystem.isEmpty() ? QStringLiteral("Ukendt") : volume->drive.fileSystem;
    d.LabelAnvendtSpace = getSizeTekst(used);
    d.LabelFreeSpace = getSizeTekst(free);
    d.LabelKapasitet = getSizeTekst(capacity);
    d.ProgressBar = capacity > 0 ? qRound(double(used) * 100.0 / double(capacity)) : 100;
    Ffilinfoform->visDrev(d);
}

void TFilMappeInfo::showMappeInfo() {
    if (!Ffilinfoform)
        return;
    const StrukturItem* node = selectedNode();
    if (!node) {
        Platform::prompter().message(QStringLiteral("Der er ikke valgt en mappe."),
                                     MessageKind::Information);
        return;
    }
    const QString path = node->rec.mappe;
    if (!Platform::files().isFolder(path)) {
        Platform::prompter().message(QStringLiteral("Mappen blev ikke fundet."),
                                     MessageKind::Error);
        return;
    }
    const int request = ++FRequest;
    FBytes = 0;
    FFiler = FMapper = FUlaeste = 0;
    MappeEgenskaber m;
    m.EditMappenavn = node->text();
    m.LabelPlacering = LogicalPath::parent(path);
    m.LabelMappeSize = getSizeTekst(0);
    m.LabelMappeIndhold = QStringLiteral("0 filer, 0 mapper");
    if (const auto info = Platform::files().info(path))
        m.LabeloprettelsesDato = datoTekst(info->created);
    Ffilinfoform->visMappe(m);
    if (taelMappeTilVisning(path, request))
        visTaelling();
}

bool TFilMappeInfo::taelMappeTilVisning(const QString& path, int request) {
    QElapsedTimer sinceRefresh;
    sinceRefresh.start();
    return walk(path, true, ListDetail::Sizes, FUlaeste, [&](const QString&, const FileInfo& e) {
        // A link to a folder counts as a folder but is not entered, so a link that leads
        // back up the tree cannot make the count endless.
        if (!e.isFolder() && !(e.kind == EntryKind::Link && e.linkTarget == EntryKind::Folder)) {
            ++FFiler;
            FBytes += e.size;
            return true;
        }
        ++FMapper;
        if (sinceRefresh.elapsed() < kRefreshMs)
            return true;
        visTaelling();
        QCoreApplication::processEvents();
        sinceRefresh.restart();
        return request == FRequest && Ffilinfoform->erVist();
    });
}

void TFilMappeInfo::visTaelling() {
    QString indhold = danish().toString(FFiler) + QStringLiteral(" filer, ") +
                      danish().toString(FMapper) + QStringLiteral(" mapper");
    if (FUlaeste > 0)
        indhold += QStringLiteral(" (") + ulaesteTekst(FUlaeste) + QLatin1Char(')');
    Ffilinfoform->visMappeTaelling(getSizeTekst(FBytes), indhold);
}

QIcon TFilMappeInfo::loadIkon(const QString& key) const {
    QByteArray bytes;
    if (!Platform::files().readFile(FIkonDir + key + QStringLiteral("_ikon.ico"), bytes,
                                    kLargestIcon))
        return {};
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    QIcon icon;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon TFilMappeInfo::filTypeIkon(const QString& aFilename) const {
    const QString ext = LogicalPath::extension(aFilename).mid(1).toLower();
    if (!ext.isEmpty()) {
        const QIcon own = loadIkon(ext);
        if (!own.isNull())
            return own;
    }
    // Files here carry no icons of their own, so every other type shows "ukendt".
    const char* key = kVideo.contains(ext)      ? "film"
                      : kMusik.contains(ext)    ? "musik"
                      : kBilleder.contains(ext) ? "billeder"
                                                : "ukendt";
    return loadIkon(QLatin1String(key));
}

void TFilMappeInfo::showFileInfo(const QString& aFilename) {
    if (!Ffilinfoform)
        return;
    const QIcon ikon = filTypeIkon(aFilename);
    const auto info = ikon.isNull() ? std::nullopt : Platform::files().info(aFilename);
    if (!info) {
        Ffilinfoform->luk();
        Platform::prompter().message(
            QStringLiteral("Der opstod en fejl.\nFilen er muligvist i brug."), MessageKind::Error);
        return;
    }
    FilEgenskaber f;
    f.filnavn = aFilename;
    f.EditFilnavn = LogicalPath::lastComponent(aFilename);
    f.EditPath = LogicalPath::parent(LogicalPath::normalized(aFilename)) + QLatin1Char('\\');
    f.LabelFiltype = filtypeTekst(aFilename);
    f.LabelSize = getSizeTekst(info->size);
    f.LabelOprettet = datoTekst(info->created);
    f.LabelForandret = datoTekst(info->modified);
    f.LabelAabnet = datoTekst(info->accessed);
    f.cbReadOnly = info->readOnly;
    f.cbHidden = info->hidden;
    f.ikon = ikon;
    Ffilinfoform->visFil(f);
}
