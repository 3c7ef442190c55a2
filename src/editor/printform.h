#pragma once

#include "shared/centreddialog.h"

class QLineEdit;

// The print dialog "Udskriv dokument": the four page margins in centimetres (with a decimal
// comma) and the number of copies. Typing keeps only what a box can hold: digits and commas
// in the margins, digits in the copy count. "Standard" puts the defaults back.
class Tprintform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tprintform(QWidget* parent = nullptr);

    // Edit1 to Edit4: left, right, top, bottom margin; Edit5: copies.
    QLineEdit* Edit(int number) const { return m_edits[number - 1]; }
    QString venstre() const;
    QString hoejre() const;
    QString top() const;
    QString bund() const;
    QString kopier() const;
    void standard();

private:
    QLineEdit* m_edits[5] = {};
};
