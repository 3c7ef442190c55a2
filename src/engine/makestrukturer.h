#pragma once

#include "grundmetoder.h"

// Building the two trees: the folder tree's roots, the file pane of one folder, the folder
// listings behind them and the folder history.
class TMakeStrukturer : public TGrundMetoder {
    Q_OBJECT

public:
    using TGrundMetoder::TGrundMetoder;

    // Rebuilds the folder tree's roots (drives and private block); returns the first root.
    QString makeStruktur1();
    // Rebuilds the file pane from a folder; insertMSL adds a history entry.
    void makeStruktur2(const QString& aDirectory, bool insertMSL);

    const QStringList& historik() const { return mappeSL; }
    int historikIndex() const { return mappeIndex; }

protected:
    // Lists a folder's visible subfolders into SL and, with files, its files into SLfil.
    void hentMappeIndhold(const QString& aDirectory);
    void hentUndermapper(const QString& aDirectory);
    void addHistorik(const QString& aDirectory);
    // Adds the folders of SL as children of `parent`, with the folder icon.
    void addUndermapper(QTreeWidgetItem* parent);

    QStringList mappeSL;
    int mappeIndex = 0;

private:
    void list(const QString& aDirectory, bool withFiles);
    void makeDrevStruktur();
    void makePrivatStruktur();
};
