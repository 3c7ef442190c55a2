#pragma once

#include "makestrukturer.h"

// What the user does in the two trees: taking over a selection, expanding folders, walking
// to a path, opening from the file pane, renaming and picture preview.
class TGrundfunktioner : public TMakeStrukturer {
    Q_OBJECT

public:
    using TMakeStrukturer::TMakeStrukturer;

    // Takes over the folder tree's selection as Dirmappe.
    QString getDirectory();
    // Loads and expands the selected folder tree node; returns Dirmappe.
    QString udfoldDirectory();
    // Walks the folder tree down to a folder, re-reading each level when `opfrisk`;
    // returns the path as far as the tree could follow it.
    QString udfoldStruktur1(const QString& aDirectory, bool opfrisk);
    // Double-click in the file pane: opens a folder or chooses a file.
    QString udfoldFilDirectory();
    void deleteSelected(bool onlyChildren);
    void editSelected();
    // Takes over the file pane's selection.
    void infoStruktur2();
    bool LoadPicture(const QString& fName);
    // Keeps a folder tree node in step after its folder was renamed.
    void setData(const QString& oldDirectory, const QString& newDirectory);
    // Marks the file pane's files of one type (with or without its dot) with the search hit
    // icon, deselecting every node; returns how many were marked.
    int fremvisFiltype(const QString& aExt);

    // Drive menu whose click shows that one drive as the folder tree, opened one level.
    void makeDrevMappeMenu(QMenu* PUdrevene);
    // Rebuilds the history or dot structure kept in "lastStruktur.txt" under the host's
    // structure number; the normal structure when that cannot be done.
    void genopbygSpecialStruktur();

protected:
    // Tells the user a folder or drive vanished and rebuilds both trees.
    void genindlaesStrukturer();
    // Replaces a node's children by its current subfolders; false when it has none.
    bool reloadChildren(StrukturItem* node);
};
