#pragma once

#include "shared/mainhost.h"

#include <QList>
#include <QObject>
#include <QPointer>

class CommandTable;
class QMdiArea;
class QMdiSubWindow;
class QTabBar;
class Tmainform;
class Twinform;
struct TekstFund;

// The main window's document area: the document windows inside it, the tab row `tc` that
// names them ("3: rapport.txt") and the switch between the file view (the file area shown)
// and the document view (the documents shown instead). The folder tree stays in both. Also
// the document commands of the main menu: closing one or all, arranging, and editing the
// selected file.
class Dokumentomraade : public QObject {
    Q_OBJECT

public:
    // `panelRight` is the file area the documents take the place of.
    Dokumentomraade(Tmainform& window, CommandTable& commands, QWidget* panelRight);

    QTabBar* tc() const { return m_tc; }
    QMdiArea* mdi() const { return m_mdi; }

    // Opens a document window with the caption and file (empty for a new document of the
    // type `dokumentExt`), or brings the window that holds that file to the front: the same
    // file, whatever path reached it.
    void openwin(const QString& aCap, const QString& aFilename, const QString& dokumentExt);
    void InsertTab(const Twinform* vindue);
    void SetTCindex(const Twinform* vindue);
    void RenameTab(const QString& oldCapNavn, const QString& newCapNavn);
    void CloseTab(const QString& aCapNavn);
    // After a window closed: with none left, the tab row goes and the file area comes back.
    void lukKontrol();
    void tcChange(int index);
    void tcMouseDown(int index);

    int antal() const { return int(m_vinduer.size()); }
    // The open windows in the order they were opened.
    QList<Twinform*> vinduer() const;
    // The active document window, null when there is none.
    Twinform* aktivt() const;
    // Asks every window to close, the last opened first; false at the first that refuses,
    // which stays open with every window opened before it.
    bool lukAlle();
    void visFilvisning();
    void visDokumentvisning();

    bool visTekstFund(const TekstFund& fund, int laengde, bool fokus);
    QList<AabentDokument> aabneDokumenter() const;

private:
    void kommandoer();
    void redigerValgte();
    void arranger(Qt::Orientation retning);
    void bringFrem(Twinform* vindue);
    Twinform* vindueMedFil(const QString& filnavn) const;
    Twinform* vindueMedFane(const QString& capNavn) const;
    static QMdiSubWindow* ramme(const Twinform* vindue);
    void lukket(Twinform* vindue);

    Tmainform& w;
    CommandTable& c;
    QWidget* m_panelRight;
    QTabBar* m_tc;
    QMdiArea* m_mdi;
    QList<QPointer<Twinform>> m_vinduer;
};
