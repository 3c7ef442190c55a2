#pragma once

#include <QIcon>
#include <QString>

// The fields of the page "Fil".
struct FilEgenskaber {
    QString filnavn;      // the file shown, full path
    QString EditFilnavn;  // name with extension
    QString EditPath;     // folder with a trailing backslash
    QString LabelFiltype; // "Tekstfil: TXT-fil (.txt)"
    QString LabelSize;
    QString LabelOprettet;
    QString LabelForandret;
    QString LabelAabnet;
    bool cbReadOnly = false;
    bool cbHidden = false;
    QIcon ikon;
};

// The fields of the page "Drev".
struct DrevEgenskaber {
    QString EditDisknavn; // label + " (X:)"
    QString LabelType;
    QString LabelFilsystem;
    QString LabelAnvendtSpace;
    QString LabelFreeSpace;
    QString LabelKapasitet;
    int ProgressBar = 0; // used share in per cent
};

// The fields of the page "Mappe".
struct MappeEgenskaber {
    QString EditMappenavn;
    QString LabelPlacering;
    QString LabelMappeSize;
    QString LabelMappeIndhold;
    QString LabeloprettelsesDato;
};

// The file information window as the engine fills it: each show selects its page, sets the
// caption and the page number and shows the window without blocking.
class FilInfoVisning {
public:
    virtual ~FilInfoVisning() = default;

    virtual void visFil(const FilEgenskaber& fil) = 0;
    virtual void visDrev(const DrevEgenskaber& drev) = 0;
    virtual void visMappe(const MappeEgenskaber& mappe) = 0;
    // The size and content of a folder counted so far.
    virtual void visMappeTaelling(const QString& size, const QString& indhold) = 0;
    // Whether the window is still open; a folder count stops when it is closed.
    virtual bool erVist() const = 0;
    virtual void luk() = 0;
};
