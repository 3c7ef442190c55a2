#pragma once

#include "shared/typeliste.h"

#include <QWidget>

class MainHost;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The page "Filtyper" of the properties window: the user's document types, each row with
// its description, its extension and a check mark for the types the new-document list and
// the text search offer. The rows are the list being edited; "Gem" hands them to the main
// window, and until then they stay here, also while the window is closed.
class FiltypeSide : public QWidget {
    Q_OBJECT

public:
    FiltypeSide(MainHost& host, QWidget* parent);

    // Fills the rows from the main window's type list.
    void LoadTypeliste();
    // Appends a row; a change of the page.
    void typelisteAdd(const QString& aTekst, const QString& aType, bool check);
    // The rows as types, in order.
    QList<Typeliste::Type> typer() const;

    QTableWidget* typeliste() const { return m_typeliste; }
    QPushButton* gemKnap() const { return m_gem; }

private:
    QPushButton* knap(const char* name, const QString& text, const QString& hint);
    // Gives the empty row `row` the type's items.
    void saetRaekke(int row, const Typeliste::Type& type);
    // The row selected, or -1.
    int valgtRaekke() const;
    void opdaterFlyt();
    void indsaet();
    void slet();
    void flyt(int skridt);
    void standard();
    void gem();

    MainHost& m_host;
    QTableWidget* m_typeliste;
    QLineEdit* m_tekst;
    QLineEdit* m_type;
    QPushButton* m_op;
    QPushButton* m_ned;
    QPushButton* m_gem;
};
