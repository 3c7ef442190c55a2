#pragma once

#include "grundfunktioner.h"
#include "platform/filesystem.h"

// Search by name and extension into the file pane: one root node with the hits, sorted by
// their text, as its children. The walk never descends through a symbolic link, and a
// folder that cannot be read is skipped and counted.
class TSearchHandlinger : public TGrundfunktioner {
    Q_OBJECT

public:
    using TGrundfunktioner::TGrundfunktioner;

    // What the name search looks for.
    enum SearchOpt { KunFiler = 0, KunMapper = 1, Begge = 2 };

    // Name search under aDir. withExt compares file names with their extension, else
    // without; ikkeKunHeleOrd also takes names that contain the text. The text is plain:
    // no character in it is a pattern.
    void getDirFileList(const QString& aDir, const QString& aSearchS, int searchOpt, bool withExt,
                        bool ikkeKunHeleOrd);
    // The files of one extension (with or without its dot) under aDir; hidden folders are
    // not entered.
    void getDirFileExtList(const QString& aDir, const QString& aExt);

    // Hits of the last search; the host resets it before each search.
    int FindCount() const { return FFindCount; }
    void setFindCount(int count) { FFindCount = count; }
    // Folders the last search could not read.
    int UlaesteMapper() const { return FUlaesteMapper; }

    // Called before each folder a search reads, with the number read so far and the
    // folder; returning false stops the search, which then shows the hits found so far.
    using Fremdrift = std::function<bool(int laesteMapper, const QString& mappe)>;
    void setFremdrift(Fremdrift fremdrift) { FFremdrift = std::move(fremdrift); }
    // Whether the last search was stopped before it had read every folder.
    bool SoegningStoppet() const { return FStoppet; }

protected:
    // Calls `visit` with each entry below aDir that has a logical name, folder by folder,
    // until it returns false; hidden folders are entered only with `hiddenToo`, links never.
    // `detail` says how much of each entry is filled in; entries come in no particular order.
    // Folders that cannot be read are counted in `ulaeste`. False when `visit` stopped it.
    bool walk(const QString& aDir, bool hiddenToo, ListDetail detail, int& ulaeste,
              const std::function<bool(const QString& folder, const FileInfo& entry)>& visit);

private:
    struct Fund {
        QString text;
        StrukturRec rec;
        int slot;
    };
    // Replaces the file pane by the root node and the hits sorted under it.
    void visFund(const QString& rootText, const QString& rootMappe, QList<Fund>& hits);

    int FFindCount = 0;
    int FUlaesteMapper = 0;
    Fremdrift FFremdrift;
    bool FStoppet = false;
};
