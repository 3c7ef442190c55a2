#include "mainoperationwindows.h"
#include "fileexistsform.h"
#include "kopieringsform.h"
#include "mainoptions.h"
#include "progressform.h"
#include "spmform.h"

#include <QApplication>
#include <QStyle>

namespace {

// The 32-pixel pictures of copy, delete and move.
QIcon billede(int picture) {
    QStyle* style = QApplication::style();
    switch (picture) {
    case Bekraeftelse::Slet:
        return style->standardIcon(QStyle::SP_TrashIcon);
    case Bekraeftelse::Flyt:
        return style->standardIcon(QStyle::SP_ArrowForward);
    default:
        return style->standardIcon(QStyle::SP_FileIcon);
    }
}

} // namespace

MainOperationWindows::MainOperationWindows(const MainOptions& options,
                                           LazyWindow<Tkopieringsform>& kopieringsform,
                                           LazyWindow<TspmForm>& spmForm,
                                           LazyWindow<TfileExistsForm>& fileExistsForm,
                                           LazyWindow<Tprogressform>& progressform)
    : m_options(options), m_kopieringsform(kopieringsform), m_spmForm(spmForm),
      m_fileExistsForm(fileExistsForm), m_progressform(progressform) {}

// A progress window not made yet is not shown either.
bool MainOperationWindows::progressVist() const {
    return m_progressform.made() && m_progressform.made()->isVisible();
}

template <class Ask> auto MainOperationWindows::overProgress(QWidget& window, Ask ask) const {
    const bool lift = progressVist() && !window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (lift)
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const auto answer = ask();
    if (lift)
        window.setWindowFlag(Qt::WindowStaysOnTopHint, false);
    return answer;
}

bool MainOperationWindows::AskInsert() const {
    return m_options.AskInsert;
}

bool MainOperationWindows::AskMove() const {
    return m_options.AskMove;
}

bool MainOperationWindows::AskDelete() const {
    return m_options.AskDelete;
}

bool MainOperationWindows::sletTilPapirkurv() const {
    return m_options.sletTilPapirkurv;
}

bool MainOperationWindows::bekraeft(const Bekraeftelse& spm) {
    m_kopieringsform->clear();
    m_kopieringsform->setCaption(spm.caption);
    m_kopieringsform->setQuestion(spm.question);
    m_kopieringsform->setIcon(billede(spm.picture));
    m_kopieringsform->setLists(spm.files, spm.folders);
    m_kopieringsform->setSource(spm.source);
    m_kopieringsform->setDestination(spm.destination);
    return m_kopieringsform->exec() == QDialog::Accepted;
}

bool MainOperationWindows::spoerg(const QStringList& lines) {
    return overProgress(*m_spmForm, [&] { return m_spmForm->ask(lines); });
}

int MainOperationWindows::filerEksisterer(const QStringList& names) {
    m_fileExistsForm->setNames(names);
    return overProgress(*m_fileExistsForm, [this] {
        return m_fileExistsForm->exec() == QDialog::Accepted ? m_fileExistsForm->choice() : -1;
    });
}

void MainOperationWindows::visProgress(const ProgressVisning& visning) {
    m_progressform->setInfo(visning.info);
    m_progressform->setFileProgress(visning.filProcent);
    m_progressform->setProcent(visning.procent);
    m_progressform->setAllProgress(visning.alleProcent);
    m_progressform->setResterende(visning.resterende);
    m_progressform->setSletInfo(visning.sletter);
    m_progressform->setCountRange(visning.taelleMaksimum);
    m_progressform->setCounted(visning.taelt);
    m_progressform->setCountText(visning.taelleTekst);
    if (!m_progressform->isVisible()) {
        m_progressform->nyOperation();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_aktivFoer = QApplication::activeWindow();
        m_progressform->show();
    }
}

void MainOperationWindows::lukProgress() {
    if (!progressVist())
        return;
    m_progressform->hide();
    QApplication::restoreOverrideCursor();
    if (m_aktivFoer && m_aktivFoer->isVisible())
        m_aktivFoer->activateWindow();
}

bool MainOperationWindows::annulleret() const {
    return m_progressform.made() && m_progressform.made()->annulleret();
}
