#pragma once

#include "centreddialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of long copies and deletes, shown and hidden by the engine and
// written only by it. Values outside a bar's range fill it or empty it. "Annuller" (or Esc)
// asks the engine to stop after the current file; the window stays until the engine
// closes it.
class Tprogressform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tprogressform(QWidget* parent = nullptr);

    void setInfo(const QString& text);
    // Percent of the current file.
    void setFileProgress(int percent);
    // Percent of everything, in words ("37%") and on the bar.
    void setProcent(int percent);
    void setAllProgress(int percent);
    void setResterende(const QString& count);
    // "Sletter mapper/filer..." while folders are being deleted.
    void setSletInfo(bool deleting);
    // Counting: the bar's range (0 to `maximum`), its position and the status line.
    void setCountRange(int maximum);
    void setCounted(int position);
    void setCountText(const QString& text);
    // Back to the texts and empty bars it was created with.
    void clear();
    // A new operation begins: "Annuller" is ready again.
    void nyOperation();
    bool annulleret() const { return m_annulleret; }

protected:
    void reject() override;

private:
    QLabel* m_info = nullptr;
    QLabel* m_procent = nullptr;
    QLabel* m_resterende = nullptr;
    QLabel* m_sletInfo = nullptr;
    QLabel* m_countText = nullptr;
    QProgressBar* m_file = nullptr;
    QProgressBar* m_all = nullptr;
    QProgressBar* m_counting = nullptr;
    QPushButton* m_annuller = nullptr;
    bool m_annulleret = false;
};
