#include "medielister.h"
#include "medieside.h"
#include "strukturitem.h"
#include "strukturvisning.h"

#include "platform/platform.h"
#include "platform/textfile.h"

#include <QUrl>

#include <utility>

namespace {

struct ValgtFil {
    QString tekst;
    QString filnavn;
};

// The selected files of the file pane in tree order; folders and names without a
// logical form are left out.
QList<ValgtFil> valgteFiler(StrukturVisning* tree) {
    QList<ValgtFil> filer;
    if (!tree)
        return filer;
    for (const StrukturItem* node : tree->selectedItems()) {
        const StrukturRec& rec = node->rec;
        if (!rec.filnavn.isEmpty() &&
            (rec.ID == NodeKind::File || !Platform::files().isFolder(rec.filnavn)))
            filer.append({node->text(), rec.filnavn});
    }
    return filer;
}

// The address of a file as the page sees it: relative to the page's folder when it lies
// below it, else absolute; every name percent-encoded.
std::optional<QString> adresse(const QString& filnavn, const QString& mappe) {
    if (LogicalPath::isSameOrBelow(filnavn, mappe) && !LogicalPath::same(filnavn, mappe)) {
        const QString relativ = LogicalPath::normalized(filnavn).mid(
            LogicalPath::join(LogicalPath::normalized(mappe), {}).size());
        QStringList dele;
        for (const QString& del : relativ.split(QLatin1Char('\\')))
            dele << QString::fromLatin1(QUrl::toPercentEncoding(del));
        return dele.join(QLatin1Char('/'));
    }
    const auto host = Platform::hostPath(filnavn);
    if (!host)
        return std::nullopt;
    return QUrl::fromLocalFile(*host).toString(QUrl::FullyEncoded);
}

} // namespace

TMedielister::TMedielister(QObject* owner, EngineHost& host) : TFilMappeInfo(owner, host) {}

TMedielister::~TMedielister() = default;

bool TMedielister::SkrivTekstfil(const QString& aFilename, int aFiltype) {
    const QString mappe = Grundmappe();
    const auto mappeHost = Platform::hostPath(mappe);
    if (mappe.isEmpty() || !mappeHost || !Platform::files().isFolder(mappe)) {
        Platform::prompter().message(QStringLiteral("Der er ikke valgt en mappe at skrive i."),
                                     MessageKind::Information);
        return false;
    }
    // The name is one file of the folder, never a way out of it.
    if (aFilename.isEmpty() || aFilename.contains(QLatin1Char('\\')) ||
        aFilename.contains(QLatin1Char('/')) || aFilename == QLatin1String(".") ||
        aFilename == QLatin1String("..")) {
        Platform::prompter().message(
            QStringLiteral("\"%1\" kan ikke bruges som filnavn.").arg(aFilename),
            MessageKind::Information);
        return false;
    }
    QStringList lines;
    if (aFiltype == MedieSide::NytDokument) {
        lines = MedieSide::skabelon(aFilename);
    } else {
        QList<MedieSide::Indslag> indslag;
        for (const ValgtFil& fil : valgteFiler(Struktur2())) {
            const auto url = adresse(fil.filnavn, mappe);
            if (url && !LogicalPath::extension(fil.tekst).isEmpty())
                indslag.append({fil.tekst, *url});
        }
        if (indslag.isEmpty()) {
            Platform::prompter().message(
                QStringLiteral(
                    "Der er ikke valgt filer med filefternavn.\nSiden blev ikke skrevet."),
                MessageKind::Information);
            return false;
        }
        const QString mappeUrl =
            QUrl::fromLocalFile(*mappeHost + QLatin1Char('/')).toString(QUrl::FullyEncoded);
        lines = MedieSide::side(MedieSide::Slags(aFiltype), mappeUrl, indslag);
    }

    // The page is written whole under a hidden name and then takes a free name, so a
    // failed write leaves nothing half-written and no existing file is ever replaced.
    const QString navn = LogicalPath::join(mappe, aFilename);
    QString target = getNytFilnavn(navn, {});
    const QString midlertidig = getNytFilnavn(
        LogicalPath::join(mappe, QLatin1Char('.') + aFilename + QStringLiteral(".ny")), {});
    FileResult r = TextFile::write(
        midlertidig, lines, lines.isEmpty() ? TextEncoding::Windows1252 : TextEncoding::Utf8Bom);
    for (int forsoeg = 0; r && forsoeg < 100; ++forsoeg) {
        r = Platform::files().rename(midlertidig, target);
        if (r || r.error() != FileError::AlreadyExists)
            break;
        target = getNytFilnavn(navn, {});
    }
    if (!r) {
        // The write failed; a temporary left behind is hidden and is told of below anyway.
        (void)Platform::files().removeFile(midlertidig);
        Platform::prompter().message(
            QStringLiteral("Filen %1 kunne ikke skrives.").arg(LogicalPath::lastComponent(target)),
            MessageKind::Error);
        return false;
    }

    makeStruktur2(mappe, false);
    FFilnavn = target;
    const QString skrevet = LogicalPath::lastComponent(target);
    if (StrukturVisning* tree = Struktur2()) {
        tree->clearSelection();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            StrukturItem* node = tree->topLevelItem(i);
            if (node->text().compare(skrevet, Qt::CaseInsensitive) == 0)
                tree->setCurrentItem(node);
        }
    }
    return true;
}

MediaPlayer& TMedielister::musikPlayer() {
    if (!FPlayer) {
        FPlayer = Platform::newMediaPlayer();
        FPlayer->setVolume(FVolume);
        connect(FPlayer.get(), &MediaPlayer::failed, this, &TMedielister::afspilFejl);
        connect(FPlayer.get(), &MediaPlayer::lengthChanged, this, &TMedielister::musikLaengde);
        // Time passing in a piece shows a device is there again.
        connect(FPlayer.get(), &MediaPlayer::positionChanged, this, [this](qint64 ms) {
            if (ms > 0)
                FEnhedMeldt = false;
        });
    }
    return *FPlayer;
}

QString TMedielister::musikFil() const {
    return FPlayer ? FPlayer->path() : QString();
}

void TMedielister::setMusikVolume(double volume) {
    FVolume = volume;
    if (FPlayer)
        FPlayer->setVolume(volume);
}

void TMedielister::afspilFejl(const QString& message, MediaPlayer::Failure failure) {
    // The queue stays as it is; the user may choose another piece or try again.
    emit playTimerAendret(false);
    if (failure == MediaPlayer::Failure::NoDevice) {
        // No piece is to blame, and one word of it is enough until something has played.
        if (!std::exchange(FEnhedMeldt, true))
            Platform::prompter().message(message, MessageKind::Error);
        return;
    }
    Platform::prompter().message(
        message + QStringLiteral("\nForsøg ikke at spille dette nummer igen."), MessageKind::Error);
}

int TMedielister::makeMusikliste(bool playStraks) {
    QStringList paths;
    for (const ValgtFil& fil : valgteFiler(Struktur2())) {
        const QString ext = LogicalPath::extension(fil.filnavn);
        if (ext == QLatin1String(".mp3") || ext == QLatin1String(".wav"))
            paths << fil.filnavn;
    }
    tilfoej(paths, playStraks);
    return int(paths.size());
}

int TMedielister::makeMusikListeSL(const QStringList& aSL, bool playStraks) {
    tilfoej(aSL, playStraks);
    return int(aSL.size());
}

void TMedielister::tilfoej(const QStringList& paths, bool playStraks) {
    if (paths.isEmpty())
        return;
    musik << paths;
    emit musiklisteAendret();
    if (playStraks) {
        setPlayFilename(0);
        emit playTimerAendret(true);
        musikPlayer().play();
    }
}

void TMedielister::clearMusikliste() {
    musik.clear();
    FmNummer = -1;
    playerMappe.clear();
    if (FPlayer)
        FPlayer->close();
    emit playTimerAendret(false);
    emit musiklisteAendret();
    emit musikIndlaest(-1);
}

int TMedielister::gyldigtNummer(int listeNo) {
    if (musik.isEmpty()) {
        clearMusikliste();
        return -1;
    }
    return listeNo < 0 || listeNo > mIndex() ? 0 : listeNo;
}

void TMedielister::aabn(int listeNo) {
    const QString path = musik[listeNo];
    playerMappe = LogicalPath::parent(path);
    musikPlayer().open(path);
    emit musikIndlaest(listeNo);
}

void TMedielister::setPlayFilename(int listeNo) {
    listeNo = gyldigtNummer(listeNo);
    if (listeNo < 0)
        return;
    FmNummer = listeNo;
    const QString path = musik[listeNo];
    if (!Platform::files().exists(path) || Platform::files().isFolder(path)) {
        if (FPlayer)
            FPlayer->close();
        emit musikIndlaest(listeNo);
        Platform::prompter().message(QStringLiteral("Filen blev ikke fundet!"),
                                     MessageKind::Information);
        return;
    }
    aabn(listeNo);
}

void TMedielister::playNumber(int listeNo) {
    listeNo = gyldigtNummer(listeNo);
    if (listeNo < 0)
        return;
    aabn(listeNo);
    musikPlayer().play();
}

void TMedielister::playAll(bool spilGentag) {
    if (FPlayer)
        FPlayer->stop();
    if (musik.isEmpty()) {
        clearMusikliste();
        return;
    }
    ++FmNummer;
    if (FmNummer <= mIndex()) {
        playNumber(FmNummer);
        return;
    }
    FmNummer = 0;
    if (spilGentag) {
        playNumber(0);
    } else {
        setPlayFilename(0);
        emit playTimerAendret(false);
    }
}

QString TMedielister::getPlayFilename(int listeNo) const {
    return listeNo >= 0 && listeNo < musik.size() ? musik[listeNo] : QString();
}

void TMedielister::deletePlayIndex(int listeNo) {
    if (listeNo < 0 || listeNo > mIndex())
        return;
    musik.removeAt(listeNo);
    if (musik.isEmpty()) {
        clearMusikliste();
        return;
    }
    // The entry after the loaded one stays next: an entry removed before it, or the loaded
    // entry itself, moves the number back by one.
    if (listeNo <= FmNummer)
        --FmNummer;
    emit musiklisteAendret();
}

QString TMedielister::getSpilletid(qint64 aMsek) {
    qint64 s = qMax<qint64>(aMsek, 0) / 1000;
    const qint64 h = s / 3600;
    s -= h * 3600;
    const qint64 m = s / 60;
    s -= m * 60;
    return QStringLiteral("%1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

QString TMedielister::getResttid() const {
    if (!FPlayer)
        return getSpilletid(0);
    return getSpilletid(FPlayer->length() - FPlayer->position());
}

QStringList TMedielister::musikTitler() const {
    QStringList titler;
    for (const QString& path : musik)
        titler << LogicalPath::baseName(path);
    return titler;
}
