#pragma once

#include "reopenliste.h"

#include <QListWidget>
#include <QPointer>

// "Favoritmapper": the list file holds only the caption and path pairs, and the list is
// written again after every removal. A chosen folder that has gone is reported and stays.
// Besides the menu, a list box may mirror the captions; clicks on it are reported for
// folders that still exist.
class TReopenFilerX : public ReopenListe {
    Q_OBJECT

public:
    explicit TReopenFilerX(QObject* parent = nullptr);

    void HentReopenFiler() override;
    bool GemReopenFiler() override;
    // Asks, and on "Ja" empties the list and writes the empty file.
    void SletAlleItems();

    // The list box that shows the captions, top entry first; null for none.
    void setListeBoks(QListWidget* listeBoks);
    QListWidget* ListeBoks() const { return FListeBoks; }
    // Refills the list box from the entries.
    void MakeListeMenu();
    // Swap the entry with the one above or below; false when there is none. Nothing is written.
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);
    // A click and a double click on a row of the list box.
    void ListeKlik(int index);
    void DblListeKlik(int index);

signals:
    void OnKlik(const QString& Capnavn, const QString& Filnavn);
    void OnListeKlik(const QString& Capnavn, const QString& Filnavn);
    void OnDblListeKlik(const QString& Capnavn, const QString& Filnavn);

protected:
    void chosen(int index) override;
    void deleteChosen() override { SletAlleItems(); }
    void removed() override;
    void entriesChanged() override { MakeListeMenu(); }

private:
    // False, after `besked`, when the entry's folder is gone.
    bool findes(int index, const QString& besked) const;

    QPointer<QListWidget> FListeBoks;
};
