#pragma once

#include "centreddialog.h"

class QButtonGroup;
class QLabel;
class QListWidget;

// Asks what to do with files that already exist at the destination. After "Forsæt" the
// caller reads choice(): 0 "Overskriv ingen", 1 "Overskriv alle", 2 "Spørg hver gang",
// 3 "Opret kopier".
class TfileExistsForm : public CentredDialog {
    Q_OBJECT

public:
    explicit TfileExistsForm(QWidget* parent = nullptr);

    // Replaces the list of existing names.
    void setNames(const QStringList& names);
    int choice() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateCount();

    QLabel* m_filinfoLabel = nullptr;
    QListWidget* m_fileBox = nullptr;
    QButtonGroup* m_result = nullptr;
};
