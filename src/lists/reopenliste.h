#pragma once

#include "reopenrec.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;

// What the recent lists and the favourites share: a bounded list, newest first, kept in a
// file of the settings folder and shown as entries of a submenu after its fixed items.
class ReopenListe : public QObject {
    Q_OBJECT

public:
    ReopenListe(int filantal, TItemtype itemtype, QObject* parent);

    const QString& Itemfile() const { return FItemfile; }
    void setItemfile(const QString& file) { FItemfile = file; }
    int Filantal() const { return FFilantal; }
    // Lowering the capacity drops the bottom entries; 0 or less keeps the old capacity.
    void setFilantal(int filantal);
    int Antal() const { return int(Ropen.size()); }
    const QList<TReopenRec>& entries() const { return Ropen; }
    TItemtype Itemtype() const { return FItemtype; }

    QMenu* MainItem() const { return FMainItem; }
    void setMainItem(QMenu* menu) { FMainItem = menu; }
    void setMenuStartNr(int nr) { FMenuStartNr = nr; }
    void setMedMenuStreg(bool on) { FMedMenuStreg = on; }
    void setDeleteItem(const QString& caption, const QString& hint);
    // The picture of an entry in the menu.
    void setIkon(std::function<QIcon(const TReopenRec&)> ikon) { FIkon = std::move(ikon); }

    // Adds an entry at the top (see the class comment of each list for the checks).
    void InsertItem(const QString& FNavn, const QString& MenuCaption);
    // Remove the first entry with exactly that path or caption, or the one at that place.
    void DeleteItem(const QString& FNavn);
    void DeleteCaption(const QString& CapNavn);
    void DeleteItem(int Index);
    // Empties the list and takes its entries out of the menu.
    void DeleteAllItems();
    QString GetCaption(int Index) const;
    QString GetFilnavn(int Index) const;

    // Rebuilds the entries of the menu after its fixed items.
    void MakeMenu();

    virtual void HentReopenFiler() = 0;
    // False when the file could not be written; the old one is then left as it was.
    virtual bool GemReopenFiler() = 0;

protected:
    // Takes the entries of caption and path line pairs from `first` on, the complete pairs
    // only and at most the capacity.
    void takePairs(const QStringList& lines, int first, int count);
    QStringList pairLines() const;
    // The menu entry at `index` was chosen.
    virtual void chosen(int index) = 0;
    // The menu's delete item was chosen.
    virtual void deleteChosen() = 0;
    // An entry was removed.
    virtual void removed() {}
    // Entries were added, dropped or replaced.
    virtual void entriesChanged() {}

    QList<TReopenRec> Ropen;

private:
    QString FItemfile;
    int FFilantal;
    TItemtype FItemtype;
    QMenu* FMainItem = nullptr;
    int FMenuStartNr = 2;
    bool FMedMenuStreg = true;
    QString FDeleteItemCap;
    QString FDeleteItemHint;
    std::function<QIcon(const TReopenRec&)> FIkon;
};
