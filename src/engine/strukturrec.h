#pragma once

#include <QString>

// Node kinds of the engine's trees. An even kind counts as a folder.
namespace NodeKind {
constexpr int Folder = 0;
constexpr int File = 1;
constexpr int Private = 2; // the user node and its personal folders
constexpr int Drive = 4;
constexpr int SearchHit = 5; // a search hit, or the root of a search result list
} // namespace NodeKind

// What every node of the folder tree and the file pane stands for.
struct StrukturRec {
    QString mappe;   // the folder; for a file the folder holding it; "C:" for a drive root
    QString filnavn; // full path of the file (or of a search hit); empty for folders
    int ID = NodeKind::Folder;

    bool isFolder() const { return ID % 2 == 0; }
    // A file pane entry whose name has no logical form: it is shown, but no operation can
    // reach it (its record has no file path and points at the listed folder).
    bool unusable() const { return ID == NodeKind::File && filnavn.isEmpty(); }
};

// One entry of a folder listing: the node text and the record the node will carry.
struct ListEntry {
    QString text;
    StrukturRec rec;
};
