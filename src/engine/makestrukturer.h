#pragma once

#include "grundmetoder.h"

#include <functional>
#include <optional>

class QMenu;

// Building the two trees: the folder tree's roots, the file pane of one folder, the folder
// listings behind them, the folder history with the history and dot structures, and the
// drive menus.
class TMakeStrukturer : public TGrundMetoder {
    Q_OBJECT

public:
    using TGrundMetoder::TGrundMetoder;

    // Rebuilds the folder tree's roots (drives and private block); returns the first root.
    QString makeStruktur1();
    // Rebuilds the file pane from a folder; insertMSL adds a history entry.
    void makeStruktur2(const QString& aDirectory, bool insertMSL);
    // Fills the file pane with only the files of one type (with or without its dot; all
    // files when empty) of Grundmappe, hidden ones left out; returns how many. The
    // navigation state and the history stay as they are and no change event fires.
    int makeStrukturFil(const QString& aExt);

    const QStringList& historik() const { return mappeSL; }
    int historikIndex() const { return mappeIndex; }

    // Where the folders of the history or dot structure shown are kept ("lastStruktur.txt");
    // empty keeps them nowhere.
    void setLastStruktur(const QString& path) { FLastStruktur = path; }
    const QString& LastStruktur() const { return FLastStruktur; }
    // Puts back a history taken from historik() and historikIndex().
    void setHistorik(const QStringList& folders, int index);

    // Drive menus; each item keeps its drive ("D:") as its data. A click shows the drive in
    // the file pane, with a history entry (makeDrevMenu) or without (makeDrevTekstMenu).
    void makeDrevMenu(QMenu* PUdrive);
    void makeDrevTekstMenu(QMenu* PUdrev);

    // Back and forward through the folder history, skipping folders that vanished; true
    // while further steps remain in that direction.
    bool mappeTilbage();
    bool mappeFrem();
    // The folder tree as chains of the given folders under their drives. False, with nothing
    // changed, when none of the folders exists.
    bool makeHistoryStruktur(QStringList aList);
    // The folder tree as a flat list of the given folders, drives first, captioned by
    // aTekstList or else by each folder's last component. False, with the tree, the saved
    // list and the structure number as they were, when nothing could be built.
    bool makePunktStruktur(QStringList aList, std::optional<QStringList> aTekstList,
                           int aStrukturNo);
    // The history structure of the folder history, which loses its vanished folders.
    bool makeOversigt();
    // Starts the history anew with Dirmappe.
    void clearOversigt();

protected:
    // Lists a folder's visible subfolders into SL and, with files, its files into SLfil.
    void hentMappeIndhold(const QString& aDirectory);
    void hentUndermapper(const QString& aDirectory);
    void addHistorik(const QString& aDirectory);
    // Adds the folders of SL as children of `parent`, with the folder icon.
    void addUndermapper(StrukturItem* parent);
    // Fills a drive menu; a click hands the item's drive to `klik`.
    void fyldDrevMenu(QMenu* menu, const std::function<void(const QString&)>& klik);

    QString FLastStruktur;

private:
    // Each path as the folder it reaches, its "." and ".." parts resolved.
    static void naaedeMapper(QStringList& folders);
    void list(const QString& aDirectory, bool withFiles);
    void makeDrevStruktur();
    void makePrivatStruktur();
    // Adds the drive root of "X:" after the roots placed; false for a drive not shown.
    bool addDrevNode(const QString& aDrive);
    // Tells the host which history steps are possible.
    void visHistorik();
    // Records the structure shown: its number with the host, its folders in the file.
    void gemStruktur(const QStringList& folders, int strukturNo);

    // The folders visited, oldest first, and the place in them of the folder shown.
    QStringList mappeSL;
    int mappeIndex = 0;
};
