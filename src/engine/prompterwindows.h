#pragma once

#include "operationwindows.h"

// The operation windows of an engine whose owner gave none: every option on, questions
// and confirmations through the platform's prompter, existing files never overwritten,
// no progress window.
class PrompterWindows : public OperationWindows {
public:
    bool AskInsert() const override { return true; }
    bool AskMove() const override { return true; }
    bool AskDelete() const override { return true; }
    bool sletTilPapirkurv() const override { return true; }

    bool bekraeft(const Bekraeftelse& spm) override;
    bool spoerg(const QStringList& lines) override;
    int filerEksisterer(const QStringList& names) override;
    void visProgress(const ProgressVisning&) override {}
    void lukProgress() override {}
    bool annulleret() const override { return false; }
};
