#pragma once

#include "varprop.h"

class StrukturItem;
class StrukturVisning;

// Drive kinds as the engine classifies them.
namespace DrevType {
constexpr int Ukendt = 0;
constexpr int Flytbar = 1;
constexpr int Fast = 2;
constexpr int CdRom = 3;
constexpr int RamDisk = 4;
constexpr int Netvaerk = 5;
} // namespace DrevType

// Node and path utilities, the size text and the extension classes.
class TGrundMetoder : public TVarProp {
    Q_OBJECT

public:
    using TVarProp::TVarProp;

    QString getSelectedDirectory() const;
    QString getSelectedFile() const;
    bool IsSelectedDirectory() const;
    void setSelectedDataMappe(const QString& aDirectory);
    void setSelectedDataFilnavn(const QString& aFilename);
    QString getFocusDirectory(int X, int Y);
    QString getFocusFilDirectory(int X, int Y);
    int getIndexLevelNul(const QString& aNodeTekst) const;
    QString getParentDirectory() const;
    StrukturItem* findDrevNode(const QString& aDrive) const;
    // The loaded folder tree node of a folder under its drive root, or nullptr.
    StrukturItem* findMappeNode(const QString& aDirectory) const;
    // The selected files of the file pane, as logical paths in the pane's order; selected
    // folders are left out. A program started on them gets each as one argument.
    QStringList makeParamListe() const;

    static QString getLastDirectory(const QString& aDirectory);
    static bool erDetEnTekstfil(const QString& extS);
    static bool erDetEnBilledfil(const QString& extS);
    static int getDrevType(const QString& path);
    static QString getDrevNavn(QChar drive);
    static QString getSizeTekst(qint64 bytes);
    // The short size of the progress window: the size text's units without TB and
    // without the exact count ("1,50 MB", "500 bytes").
    static QString getKortSizeTekst(qint64 bytes);
    static QString getNyMappenavn(const QString& path, const QString& suffix);
    static QString getNytFilnavn(const QString& path, const QString& suffix);
    // Icon slot of a file in the file pane, by its extension.
    static int filIkonPlads(const QString& fileName);

    int antalGrundmapper() const { return FAntalGrundmapper; }
    int antalGrundfiler() const { return FAntalGrundfiler; }

protected:
    StrukturItem* selectedNode() const;
    // The first child whose text is `name`, ignoring case.
    static StrukturItem* childNamed(StrukturItem* parent, const QString& name);
    // A new node with its record and icon slot, under `parent` or at the top of `tree`.
    StrukturItem* addNode(StrukturVisning* tree, StrukturItem* parent, const QString& text,
                          const StrukturRec& rec, int slot) const;

    int FAntalGrundmapper = 0;
    int FAntalGrundfiler = 0;
};
