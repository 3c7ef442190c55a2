#pragma once

#include "engine/operationwindows.h"
#include "lazywindow.h"

#include <QPointer>
#include <QWidget>

class MainOptions;
class TfileExistsForm;
class Tkopieringsform;
class Tprogressform;
class TspmForm;

// The engine's operation windows on the main window's shared dialogs and options. A dialog
// is made when the first operation needs it.
class MainOperationWindows : public OperationWindows {
public:
    MainOperationWindows(const MainOptions& options, LazyWindow<Tkopieringsform>& kopieringsform,
                         LazyWindow<TspmForm>& spmForm, LazyWindow<TfileExistsForm>& fileExistsForm,
                         LazyWindow<Tprogressform>& progressform);

    bool AskInsert() const override;
    bool AskMove() const override;
    bool AskDelete() const override;
    bool sletTilPapirkurv() const override;

    bool bekraeft(const Bekraeftelse& spm) override;
    bool spoerg(const QStringList& lines) override;
    int filerEksisterer(const QStringList& names) override;
    void visProgress(const ProgressVisning& visning) override;
    void lukProgress() override;
    bool annulleret() const override;

private:
    // Runs a question in `window`; while the progress window is shown, which stays on top of
    // the others, the question stays on top too and so comes above it.
    template <class Ask> auto overProgress(QWidget& window, Ask ask) const;

    bool progressVist() const;

    const MainOptions& m_options;
    LazyWindow<Tkopieringsform>& m_kopieringsform;
    LazyWindow<TspmForm>& m_spmForm;
    LazyWindow<TfileExistsForm>& m_fileExistsForm;
    LazyWindow<Tprogressform>& m_progressform;
    // The window that had the keyboard before the progress window showed; it gets it back.
    QPointer<QWidget> m_aktivFoer;
};
