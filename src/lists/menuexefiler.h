#pragma once

#include "progrec.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>

// The user's program list ("ProgItem.txt"): the programs in menu order, each with its icon,
// and the submenu that shows them. Every item and every row stands for its program by its
// place in the list, so the program chosen is the program started.
//
// The list file holds the count, then four lines per program: menu text, path, arguments
// and show code. A damaged file gives the complete programs it has; writing keeps every
// program, also one whose file cannot be reached just now (an unmounted drive).
class TMenuExeFiler : public QObject {
    Q_OBJECT

public:
    explicit TMenuExeFiler(QObject* parent = nullptr);

    const QString& Itemfile() const { return FItemfile; }
    // Empty: the list is never written.
    void setItemfile(const QString& file) { FItemfile = file; }
    int Filantal() const { return int(Prog.size()); }
    const QList<TProgRec>& programmer() const { return Prog; }
    // The icon of program `index`.
    QIcon ikon(int index) const { return m_ikoner.value(index); }
    QMenu* MainItem() const { return FMainItem; }
    void setMainItem(QMenu* menu) { FMainItem = menu; }

    void HentProgrammer();
    // False, after a message, when the file could not be written; the old one then stays.
    bool GemProgrammer();
    // Appends a program and rebuilds the menu; writes nothing.
    void InsertItem(const QString& FNavn, const QString& MenuCaption, const QString& Param,
                    quint8 ProgOpstart);
    // Removes program MenuNr (when there is one), writes the list, rebuilds the menu and
    // tells that the list changed.
    void DeleteItem(int MenuNr);
    // Swap a program with the one above or below, in the menu too; false when there is none.
    // Nothing is written.
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);
    // Empty for a number beyond the list.
    QString GetCaption(int MenuNr) const;
    QString GetFilnavn(int MenuNr) const;
    // Whether the list holds the path, compared without regard to case.
    bool findes(const QString& FNavn) const;

    // The program's icon: the desktop theme's, else its file type's; never blank.
    static QIcon GetIcon(const QString& FNavn);
    // The menu text a program is offered under: a desktop entry's name, else the file's
    // name without its extension.
    static QString menuTekst(const QString& FNavn);

    void setAktuelleProgram(const QString& value) { FAktuelleProgram = value; }
    const QString& AktuelleProgram() const { return FAktuelleProgram; }
    // The menu text of the first program with the current program's path (any case).
    QString getAktuelleCaption() const;

    // One item per program whose file exists; a program that has gone keeps no item.
    void MakeMenu();
    // Program `index` was chosen in the menu or the panel: an existing one becomes the
    // current program and is handed on to start; for one that has gone the user is asked
    // whether it leaves the list.
    void vaelg(int index);

signals:
    // Program `index` was chosen and exists: the host starts it.
    void OnParam(int index);
    // Programs were added, removed or reordered.
    void listeAendret();

private:
    void bytPlads(int a, int b);

    QString FItemfile;
    QList<TProgRec> Prog;
    QList<QIcon> m_ikoner;
    QPointer<QMenu> FMainItem;
    QString FAktuelleProgram;
};
