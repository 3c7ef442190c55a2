#pragma once

#include <QString>
#include <QStringList>

// What the confirmation window of a copy, move or delete shows.
struct Bekraeftelse {
    QString caption;
    QString question;
    // The 32-pixel picture of the kind of operation, by its place in the picture list.
    enum Billede : int { Kopier = 2, Slet = 4, Flyt = 7 };
    int picture = 0;
    QString source;
    QString destination;
    QStringList files;
    QStringList folders;
};

// Everything the progress window shows at one moment.
struct ProgressVisning {
    QString info;             // LabelInfo
    int filProcent = 0;       // pBar: the current file
    int procent = 0;          // LabelProcent
    int alleProcent = 0;      // pBarAll and the taskbar progress
    QString resterende;       // LabelResterende
    bool sletter = false;     // "Sletter mapper/filer..." in LabelSletInfo
    int taelleMaksimum = 100; // pBarAktiv's range while elements are counted
    int taelt = 0;            // pBarAktiv's position
    QString taelleTekst;      // infoBar: the folders counted
};

// The windows and options the copy, move and delete operations use. The main window gives
// the engine one built on its shared dialogs; without one the engine asks through the
// platform's prompter and shows no progress.
class OperationWindows {
public:
    virtual ~OperationWindows() = default;

    virtual bool AskInsert() const = 0;
    virtual bool AskMove() const = 0;
    virtual bool AskDelete() const = 0;
    virtual bool sletTilPapirkurv() const = 0;

    // The confirmation window, modal; true only for "Ja".
    virtual bool bekraeft(const Bekraeftelse& spm) = 0;
    // The question box with these lines, modal; true only for "Ja".
    virtual bool spoerg(const QStringList& lines) = 0;
    // The existing-files window for these names: the chosen action after "Forsæt"
    // (0 "Overskriv ingen", 1 "Overskriv alle", 2 "Spørg hver gang", 3 "Opret kopier"),
    // -1 when it was closed another way.
    virtual int filerEksisterer(const QStringList& names) = 0;
    // Shows the progress window (with the busy cursor) or updates it while it is shown.
    virtual void visProgress(const ProgressVisning& visning) = 0;
    // Closes it and restores the cursor.
    virtual void lukProgress() = 0;
    // Whether the user has asked, since the progress window was last shown, to stop the
    // work. The operation then stops after the current file.
    virtual bool annulleret() const = 0;
};
