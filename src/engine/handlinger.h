#pragma once

#include "medielister.h"

#include "platform/fileresult.h"
#include "platform/filesystem.h"

class StrukturItem;

// The file operations: the engine's own clipboard, paste, delete, rename, new folder,
// extension change and the selection commands of the file pane.
class THandlinger : public TMedielister {
    Q_OBJECT

public:
    using TMedielister::TMedielister;

    // The clipboard: copied folders and files, both as full paths.
    const QStringList& CopyListe1() const { return FCopyListe1; }
    const QStringList& CopyListe2() const { return FCopyListe2; }
    const QStringList& DeleteListe1() const { return FDeleteListe1; }
    const QStringList& DeleteListe2() const { return FDeleteListe2; }

    // The clipboard as a whole, so that a drag can register its elements and give the user's
    // copied elements back afterwards.
    struct Udklip {
        QStringList mapper, filer;
        QString sourceMappe, sourceDirectory;
    };
    Udklip udklip() const { return {FCopyListe1, FCopyListe2, SourceMappe, SourceDirectory}; }
    void setUdklip(const Udklip& udklip);

    // Fills the clipboard from the active tree's selection; the number of elements.
    int CopyElementer();
    void InitRegister();
    // Adds one path dropped from another program; false when it is no file or folder.
    bool RegisterElements(const QString& aElement);
    bool canCopy() const;
    bool canDoIt() const;
    // Whether the file pane's selection holds a file, wherever its current node stands.
    bool harValgtFil() const;
    // Pastes the clipboard into the destination, moving with `sletAfterCopy`;
    // `sourceStruktur` is the tree a drag came from (0 without a drag). The number of
    // elements pasted, 0 when nothing was done, -1 after a failure the user was told of.
    int PasteElementer(bool sletAfterCopy, int sourceStruktur);

    // Deletes the active tree's selection: the number of elements deleted, 0 when nothing
    // was done, -1 when every delete failed.
    int DeleteElementer(bool tilPapirkurven);
    bool sletFil(const QString& aFilename, bool toPapirkurv);
    bool sletMappe(const QString& aDirectory, bool toPapirkurv);
    // Empties the trash of the drive of `aDrive`: 0 done, 1 declined, -1 failed.
    int EmptyRecycleBin(bool Confirm, const QString& aDrive);
    // Makes a free "Ny mappe" in the folder and starts renaming it in the file pane.
    bool NyMappe(const QString& aDirectory);
    // Ends an in-place rename: renames the element behind the node and returns the text
    // the node shows.
    QString RenameNode(StrukturItem* aNode, const QString& oldNodeName, const QString& newNodeName,
                       bool nyMappe);
    // Changes the extension of every file of one type in a folder and below it; the
    // number of files renamed; -1 when every rename failed or the types were refused, the
    // user having been told why.
    int RenameExt(const QString& aMappe, const QString& oldExt, const QString& newExt);
    void selectFile(const QString& aFilename);
    // 1 select all, 2 none, 3 invert, in the file pane.
    // The selection commands of the file pane.
    enum Markering : int { MarkerAlle = 1, MarkerIngen = 2, MarkerInvers = 3 };
    void SelectMapperFiler(Markering actionNumber);
    // 0 empty file pane, 1 nothing selected, 2 a folder selected, 3 a file.
    // What the file pane shows and has selected, which chooses its context menu.
    enum Situation : int { TomRude = 0, IntetValgt = 1, MappeValgt = 2, FilValgt = 3 };
    Situation getStrukturSitNo() const;

    // A name the file system may be given for a file or folder.
    static bool gyldigtNavn(const QString& name);
    // Tells the user that the entries named cannot be used, because their names have no
    // logical form; nothing when the list is empty.
    static void afvisUbrugelige(const QStringList& names);

private:
    enum class Udfald { Kopieret, Sprunget, Fejlet, Stoppet };

    // What a node stands for: a folder or file path; empty for nothing copyable.
    struct Element {
        QString path;
        bool folder = false;
    };
    static Element elementOf(const StrukturRec& rec);
    QList<StrukturItem*> selectedNodes() const;
    // The elements of the active tree's selected nodes, folders and files apart; the user is
    // told of selected entries no operation can reach.
    void delValgte(QStringList& mapper, QStringList& filer) const;

    // Shows how far the file being copied has come; false once the user stopped the paste.
    bool kopiFremdrift(qint64 done, qint64 total);
    // One file (a link as a link); the progress advances by its size whatever happens.
    Udfald kopierFil(const QString& source, const QString& target, bool overskriv);
    // What a copy's result means for the paste; a failure is noted.
    Udfald udfaldAf(const QString& source, const FileResult& r);
    // Copies the folder `source` into the folder `target`, made when missing; true when all
    // of it was copied.
    bool kopierTrae(const QString& source, const QString& target);
    // Copies an open folder's contents into another; true when all of it was copied.
    bool kopierMappe(const OpenFolder& source, const OpenFolder& target);
    // The files and links `filer` of an open folder into another, several at a time; true
    // when all of them were copied.
    bool kopierFiler(const OpenFolder& source, const QList<FileInfo>& filer,
                     const OpenFolder& target);
    // The subfolder `name` of `source` into the same name in `target`, made when missing.
    bool kopierUndermappe(const OpenFolder& source, const OpenFolder& target, const QString& name);
    // The files of the clipboard into the destination, with the existing-files questions;
    // the number of files pasted (and for a move removed from their folders).
    int indsaetFiler(const QStringList& filer, const QString& destination);
    // A folder of the clipboard into the destination; true when it was pasted (and moved).
    bool indsaetMappe(const QString& folder, const QString& destination, bool kopiMode);
    void fejl(const QString& path, const QString& handling, const FileResult& r);
    void visFejl(const QString& overskrift);
    // The folder itself if it exists, else its nearest existing ancestor.
    static QString naermesteMappe(const QString& folder);
    // The name clashes with an element that is not the renamed one.
    static bool navnOptaget(const QString& oldPath, const QString& newPath);
    // The files below a folder whose names end with `ext`, never through a link.
    void samlFiler(const QString& folder, const QString& ext, QStringList& found);

    QStringList fList; // files to paste whose names are new at the destination
    QStringList eList; // files whose names exist there already
    QString SourceMappe;
    QString SourceDirectory;
    QStringList FCopyListe1;
    QStringList FCopyListe2;
    QStringList FDeleteListe1;
    QStringList FDeleteListe2;
    QStringList FFejl; // what went wrong in the running operation
};
