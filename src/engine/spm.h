#pragma once

#include "prompterwindows.h"
#include "searchhandlinger.h"

// The confirmation questions of copy, move and delete, asked in the owner's operation
// windows.
class TSpm : public TSearchHandlinger {
    Q_OBJECT

public:
    using TSearchHandlinger::TSearchHandlinger;

    // The windows the operations use; null (the start) asks through the platform's prompter.
    void setOperationWindows(OperationWindows* windows) { FWindows = windows; }

protected:
    OperationWindows& vinduer() { return FWindows ? *FWindows : FStandard; }

    // The confirmation window of a paste; `filer` and `mapper` are full paths.
    bool spmKopier(bool flyt, const QStringList& mapper, const QStringList& filer,
                   const QString& kilde, const QString& destination);
    // The confirmation window of a delete.
    bool spmSlet(const QStringList& mapper, const QStringList& filer, const QString& kilde,
                 bool tilPapirkurv);
    bool spmOverskrivFil(const QString& navn);
    bool spmMappeEksisterer();
    // The elements lie in the destination itself: make copies of them?
    bool spmOpretKopi();

    // What the lists of the confirmation window show of full paths: the last component,
    // a drive root whole.
    static QStringList visteNavne(const QStringList& paths);

private:
    bool bekraeft(const QString& caption, const QString& question, int picture,
                  const QStringList& mapper, const QStringList& filer, const QString& kilde,
                  const QString& destination);

    OperationWindows* FWindows = nullptr;
    PrompterWindows FStandard;
};
