#pragma once

#include "shared/centreddialog.h"

#include <functional>

class MainHost;
class QLineEdit;
class QTableWidget;

// "Vælg filtype": the document types a new document may have, from the user's type list.
// A double click, or Enter on a row, chooses it.
class Topenform : public CentredDialog {
    Q_OBJECT

public:
    explicit Topenform(MainHost& host);

    // Fills the list with the types the type list offers.
    void LoadFilliste();
    // The extension of the row chosen, with its dot; empty when no row is selected.
    QString valgtExt() const;
    // The name box: the chosen type's description followed by its extension.
    QString filnavn() const;
    // "Bestem filer": shows the user's type list where it is kept.
    std::function<void()> bestemFiler;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void visValgt();

    MainHost& m_host;
    QTableWidget* m_filliste;
    QLineEdit* m_editFil;
    bool m_opstart = true;
};
