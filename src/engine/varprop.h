#pragma once

#include "mapper.h"
#include "strukturrec.h"

#include <QIcon>
#include <QList>
#include <functional>

class EngineHost;
class StrukturVisning;

// Called with Dirmappe, Bibmappe, Grundmappe and Filnavn after every navigation.
using TonDirectoryChange = std::function<void(const QString& dDir, const QString& fDir,
                                              const QString& gDir, const QString& fName)>;

// The engine's shared state: the two trees, the navigation folders, the user, the work
// lists and the change event.
class TVarProp : public TMapper {
    Q_OBJECT

public:
    TVarProp(QObject* owner, EngineHost& host);

    StrukturVisning* Struktur1() const { return FStruktur1; }
    void setStruktur1(StrukturVisning* tree) { FStruktur1 = tree; }
    StrukturVisning* Struktur2() const { return FStruktur2; }
    void setStruktur2(StrukturVisning* tree) { FStruktur2 = tree; }
    int AktiveStruktur() const { return FAktiveStruktur; }
    void setAktiveStruktur(int tree) { FAktiveStruktur = tree; }

    const QString& Dirmappe() const { return FDirmappe; }
    void setDirmappe(const QString& folder) { FDirmappe = folder; }
    const QString& Grundmappe() const { return FGrundmappe; }
    void setGrundmappe(const QString& folder) { FGrundmappe = folder; }
    const QString& Bibmappe() const { return FBibmappe; }
    void setBibmappe(const QString& folder) { FBibmappe = folder; }
    const QString& OldGrundmappe() const { return FOldgrundmappe; }
    void setOldGrundmappe(const QString& folder) { FOldgrundmappe = folder; }
    const QString& Brugernavn() const { return FBrugernavn; }
    void setBrugernavn(const QString& name) { FBrugernavn = name; }
    const QString& Filnavn() const { return FFilnavn; }
    void setFilnavn(const QString& name) { FFilnavn = name; }
    bool KontrolDelete() const { return FKontrolDelete; }

    void setImageDirliste(const QList<QIcon>& icons) { ImageDirliste = icons; }

    bool MedtagPrivat() const { return FMedtagPrivat; }
    void setMedtagPrivat(bool on) { FMedtagPrivat = on; }
    bool PrivatTop() const { return FPrivatTop; }
    void setPrivatTop(bool on) { FPrivatTop = on; }

    // The change event. It is one handler, not a broadcast: a dialog that borrows a tree
    // takes the event over and gives it back (StrukturLaan).
    const TonDirectoryChange& onDirectoryChange() const { return FOnDirectoryChange; }
    void setOnDirectoryChange(TonDirectoryChange handler) {
        FOnDirectoryChange = std::move(handler);
    }

protected:
    void fireDirectoryChange() const;
    // The tree the user acts in: Struktur1 for 1, Struktur2 otherwise.
    StrukturVisning* activeTree() const;

    QList<QIcon> ImageDirliste; // icons of the drive menus by slot

    qint64 totalSize = 0;
    qint64 posSize = 0;
    int antalFiler = 0;
    int antalMapper = 1;
    QList<ListEntry> SL;    // folders of the last listing, in the platform's order
    QList<ListEntry> SLfil; // files of the last listing
    int StartNo = 0;
    bool deleteAfterCopy = false;
    QString FFilnavn;
    bool FKontrolDelete = false;

private:
    StrukturVisning* FStruktur1 = nullptr;
    StrukturVisning* FStruktur2 = nullptr;
    QString FDirmappe;
    QString FGrundmappe;
    QString FBibmappe;
    QString FOldgrundmappe;
    int FAktiveStruktur = 1;
    QString FBrugernavn;
    bool FMedtagPrivat = true;
    bool FPrivatTop = true;
    TonDirectoryChange FOnDirectoryChange;
};
