#pragma once

#include "filmappeinfo.h"

#include "platform/mediaplayer.h"

#include <memory>

// The pages that play or show the files selected in the file pane, new documents from
// their templates, and the music player's play queue.
class TMedielister : public TFilMappeInfo {
    Q_OBJECT

public:
    TMedielister(QObject* owner, EngineHost& host);
    ~TMedielister() override;

    // Writes aFilename into Grundmappe under the first free " (n)" name, as a list page of
    // the selected files (aFiltype 1 films, 2 music, 3 pictures, MedieSide::Slags) or as a
    // new document (0). Afterwards the file pane shows the new file selected as Filnavn.
    // False, the user having been told why, when nothing was written.
    bool SkrivTekstfil(const QString& aFilename, int aFiltype);

    // The player the queue plays through, made on first use.
    MediaPlayer& musikPlayer();
    // The file loaded in the player; empty when none.
    QString musikFil() const;
    // 0.0 to 1.0, for the player now and for one made later.
    void setMusikVolume(double volume);
    // Appends the selected ".mp3" and ".wav" files of the file pane; with playStraks the
    // first entry of the queue starts. The number appended.
    int makeMusikliste(bool playStraks);
    // Appends every line as it stands; the number appended.
    int makeMusikListeSL(const QStringList& aSL, bool playStraks);
    void clearMusikliste();
    // Loads an entry without playing it; a number past the last entry loads entry 0.
    void setPlayFilename(int listeNo);
    // Loads an entry and plays it; the caller sets mNummer.
    void playNumber(int listeNo);
    // Moves on after an entry has ended: the next one plays; after the last one entry 0
    // plays again with spilGentag, else it is loaded and the timer stops.
    void playAll(bool spilGentag);
    // The path of an entry; empty when there is none.
    QString getPlayFilename(int listeNo) const;
    void deletePlayIndex(int listeNo);
    // Milliseconds as "hh:mm:ss"; the hours are not limited to two digits.
    static QString getSpilletid(qint64 aMsek);
    // The time left of the loaded entry.
    QString getResttid() const;

    // The index of the last entry; -1 when the queue is empty.
    int mIndex() const { return int(musik.size()) - 1; }
    // The entry loaded in the player; -1 when none.
    int mNummer() const { return FmNummer; }
    // What the player's list shows: each entry's name without folder and extension.
    QStringList musikTitler() const;
    // The folder of the file loaded in the player.
    QString playerMappe;

signals:
    // Entries were added or removed, or the queue was emptied.
    void musiklisteAendret();
    // An entry (-1: none) was loaded: the list selects its row and the times start afresh.
    void musikIndlaest(int listeNo);
    // The player window's timer is to run or stop.
    void playTimerAendret(bool koerer);
    // The length of the loaded file became known.
    void musikLaengde(qint64 ms);

private:
    void tilfoej(const QStringList& paths, bool playStraks);
    // The entry to load: listeNo, or 0 past the last entry; -1, the queue cleared, when
    // there is none.
    int gyldigtNummer(int listeNo);
    // Gives the player the entry's file.
    void aabn(int listeNo);
    void afspilFejl(const QString& message, MediaPlayer::Failure failure);

    QStringList musik; // full paths, in play order
    int FmNummer = -1;
    double FVolume = 1.0;
    std::unique_ptr<MediaPlayer> FPlayer;
    // The missing audio device was told of, and no piece has played since.
    bool FEnhedMeldt = false;
};
