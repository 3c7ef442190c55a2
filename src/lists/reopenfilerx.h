#pragma once

#include "reopenliste.h"

// "Favoritmapper": the list file holds only the caption and path pairs, and the list is
// written again after every removal. A chosen folder that has gone is reported and stays.
class TReopenFilerX : public ReopenListe {
    Q_OBJECT

public:
    explicit TReopenFilerX(QObject* parent = nullptr);

    void HentReopenFiler() override;
    bool GemReopenFiler() override;
    // Asks, and on "Ja" empties the list and writes the empty file.
    void SletAlleItems();

signals:
    void OnKlik(const QString& Capnavn, const QString& Filnavn);

protected:
    void chosen(int index) override;
    void deleteChosen() override { SletAlleItems(); }
    void removed() override;
};
