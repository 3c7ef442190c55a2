#pragma once

#include "reopenliste.h"

// "Seneste filer" and "Seneste mapper": the list file holds the capacity, the count and the
// caption and path pairs. A chosen entry whose file or folder has gone leaves the list
// without a message.
class TReopenFiler : public ReopenListe {
    Q_OBJECT

public:
    explicit TReopenFiler(TItemtype itemtype = TItemtype::itFil, QObject* parent = nullptr);

    // A missing file leaves the list empty; a damaged one gives the complete entries it has
    // and a sane capacity, without a message.
    void HentReopenFiler() override;
    bool GemReopenFiler() override;

signals:
    // An entry was chosen; the path is empty when its file or folder is gone.
    void OnKlik(const QString& Filnavn);

protected:
    void chosen(int index) override;
    void deleteChosen() override { DeleteAllItems(); }
};
