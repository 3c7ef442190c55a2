#pragma once

#include "engine/operationwindows.h"

#include <QList>
#include <QQueue>
#include <functional>

// Operation windows for tests: options as set, every window recorded, questions answered
// from a queue (a question nobody announced fails the test).
class RecordingWindows : public OperationWindows {
public:
    bool AskInsert() const override { return askInsert; }
    bool AskMove() const override { return askMove; }
    bool AskDelete() const override { return askDelete; }
    bool sletTilPapirkurv() const override { return papirkurv; }

    bool bekraeft(const Bekraeftelse& spm) override;
    bool spoerg(const QStringList& lines) override;
    int filerEksisterer(const QStringList& names) override;
    void visProgress(const ProgressVisning& visning) override;
    void lukProgress() override;
    bool annulleret() const override { return annuller; }
    // The first text of the progress window that begins with `start`, or empty.
    QString info(const QString& start) const;

    bool askInsert = true;
    bool askMove = true;
    bool askDelete = true;
    bool papirkurv = true;

    bool bekraeftSvar = true;          // the confirmation window's answer
    QList<Bekraeftelse> bekraeftelser; // every confirmation shown
    QQueue<bool> svar;                 // answers of the question box, in order
    QList<QStringList> spoergsmaal;    // every question shown
    int valg = 0;                      // the existing-files window's choice
    QList<QStringList> eksisterende;   // the names it was shown
    QList<ProgressVisning> visninger;  // every update of the progress window
    int lukninger = 0;
    std::function<void()> underProgress; // runs at each update, as window messages would
    bool annuller = false;               // "Annuller" was pressed
};
