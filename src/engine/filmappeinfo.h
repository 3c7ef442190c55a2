#pragma once

#include "prehandlinger.h"

class FilInfoVisning;
struct FileInfo;

// Drive, folder and file information, shown in the file information window.
class TFilMappeInfo : public TPrehandlinger {
    Q_OBJECT

public:
    using TPrehandlinger::TPrehandlinger;

    // The window the three operations fill; nothing is shown without one.
    void setFilinfoform(FilInfoVisning* window) { Ffilinfoform = window; }
    // The folder of the file type icons (logical, with its trailing backslash).
    void setIkonDir(const QString& folder) { FIkonDir = folder; }

    // The drive whose letter is the first character of aDriveTekst.
    void showDriveInfo(const QString& aDriveTekst);
    // The folder of the selected node of the active tree, counted while the window shows.
    void showMappeInfo();
    void showFileInfo(const QString& aFilename);

    // "Tekstfil: TXT-fil (.txt)"; an unknown type gives "XYZ-fil (.xyz)".
    static QString filtypeTekst(const QString& aFilename);
    // The platform's date and time in the Danish format, empty when unknown.
    static QString datoTekst(const QDateTime& time);

private:
    // The icon of the file's type from the icon folder; null when the one it needs is
    // missing or unreadable.
    QIcon filTypeIkon(const QString& aFilename) const;
    QIcon loadIkon(const QString& key) const;
    // Counts the folder's subfolders, files and bytes, refreshing the window as it goes;
    // false when the window was closed or another folder was asked for meanwhile.
    bool taelMappeTilVisning(const QString& path, int request);
    void visTaelling();

    FilInfoVisning* Ffilinfoform = nullptr;
    QString FIkonDir;
    int FRequest = 0; // numbers the folder counts, so that a newer one stops an older
    qint64 FBytes = 0;
    int FFiler = 0;
    int FMapper = 0;
    int FUlaeste = 0;
};
