#pragma once

#include "shared/lazywindow.h"

#include <QKeySequence>
#include <QList>
#include <QWidget>
#include <functional>

class DokumentHandlinger;
class HtmlMenuer;
class MainHost;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QStatusBar;
class QTextCharFormat;
class QTextEdit;
class QToolBar;
class QToolButton;
class TDokument;
class Tinfotag;
class TSkrivPanel;
class Tprintform;
class VbsKommandoer;

// A document window: one document (TDokument) shown in an editor with its tool bars and a
// status bar with the caret position. The extension decides the face: web pages (".html",
// ".asp", ".inc", ".asa") get the HTML bar and the checker, style sheets, scripts and
// Windows scripts the information and script buttons, ".rtf" the rich text tool bar and the
// font panel; everything else is plain text. Only ".rtf" is shown in a rich QTextEdit;
// every other kind in a QPlainTextEdit on the document's text, which the HTML checker is
// bound to while the window is the active one.
//
// The window lives inside the main window's document area, which it tells through signals
// what becomes of it: its tab text, its activation, its saving and its closing.
class Twinform : public QWidget {
    Q_OBJECT

public:
    explicit Twinform(MainHost& host, QWidget* parent = nullptr);

    // Fills the fresh window: number `nummer` (the document area's count), caption, file
    // (empty for a new document) and, for a new document, the chosen type's extension. A
    // file is loaded; a new document of a known type starts from its template.
    void InfoCap(int nummer, const QString& aCapNavn, const QString& docFname,
                 const QString& dokumentExt);
    // The kind of document from DocExt: sets cssSide and jsSide, binds or unbinds the checker
    // and shows the buttons of the kind; true for a web page.
    bool erHjemmeside();
    // Refreshes the caret panels (and in rich text the font panel).
    void XYinfo();
    // Shows the plain or rich text face as DocExt asks, swapping the editor if needed.
    void ApplyDocumentMode();
    // After a save under a new name: tab text, caption, kind and face follow the name.
    void UpdateCaption();
    // Ctrl+S: writes the document to its file, or asks for a name when it has none.
    bool SaveDocument();
    // "Gem som...": asks for a name and writes the document there.
    bool SaveDocumentAs();
    // Inserts the clipboard's text without its formatting.
    void pasteFromInfo();
    // The print command on the system's printer.
    void udskriv();
    // The print dialog and, on "Print", the print on `printer`; true when printed.
    bool udskrivPaa(QPrinter& printer);
    // The window became the active one: the tab follows and the checker is bound anew.
    void FormActivate();
    // Closes the window, asking first about unsaved changes; false when it stays open.
    bool luk();
    // Selects `laengde` characters at `position`, shows the window and with `fokus` gives
    // the text the focus.
    void vaelg(qint64 position, int laengde, bool fokus);

    TDokument& dokument() const { return *m_dok; }
    // The editor: a QPlainTextEdit, or for rich text a QTextEdit.
    QWidget* infoTekst() const;
    QPlainTextEdit* plainTekst() const { return m_plain; }
    QTextEdit* rigTekst() const { return m_rich; }
    // The status panel `nummer` (0 to 7).
    QString InfoX(int nummer) const;
    // The name the document goes by: its file, else the window's caption.
    QString dokumentNavn() const;

    // The HTML bar and the commands the HTML tools act through.
    QToolBar* HtmlBar() const { return m_htmlBar; }
    QAction* aKontrol() const;
    QAction* aSlutkode() const;
    QAction* AclassAttribut() const;
    QAction* AstyleAttribut() const;
    QAction* AidAttribut() const;
    QAction* AonclickEvent() const;
    QAction* aHTMLinfo() const;
    QAction* aCssInfo() const;
    QAction* aJsInfo() const;
    QAction* aVbInfo() const;
    QAction* aScriptSlutkoder() const;
    QAction* tsVbAbc() const;
    // The drop-down button of aScriptSlutkoder; its menu is the script block templates'.
    QToolButton* tsVbSlutkoder() const { return m_tsVbSlutkoder; }
    // Any of the window's commands by name.
    QAction* handling(const char* name) const;
    // The keys the window's commands use while it has the focus.
    const QList<QKeySequence>& egneTaster() const;
    Tprintform* printform() { return m_printform.get(); }

    int winNo = 0;
    QString CapNavn;         // the tab text: number, ": " and caption
    QString dokumentFilnavn; // empty for a new document, "???" after a failed load
    bool hjemmeside = false;
    bool cssSide = false;
    bool jsSide = false;
    bool dontClose = false; // the user refused the last close

signals:
    void aktiveret(Twinform* vindue);
    void omdoebt(const QString& gammelCapNavn, const QString& nyCapNavn);
    void lukket(Twinform* vindue);
    // A file was loaded or saved under this name.
    void brugtFil(const QString& filnavn);
    // "Åben filfinder": the file area is to show this folder.
    void visFilfinder(const QString& mappe);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void byggVaerktoej();
    QToolButton* menuKnap(QToolBar* bar);
    QToolButton* knap(QToolBar* bar, const char* name, QAction* action);
    void forbindHandlinger();
    void forbindRigTekst();
    void byggStatus();
    void byggEditor(bool rig);
    bool rig() const { return m_rich != nullptr; }
    void WriteTemplate();
    void SetFontSize(int size);
    void flet(const QTextCharFormat& format);
    void fontValgt(const QString& name);
    void farve(const QColor& color);
    void visRigFormat();
    void margin();
    void prik();
    void opdaterIndsaet();
    // What the caret analysis finds at this window's caret; empty in rich text.
    QString vedMarkoer(const std::function<QString(Tinfotag&)>& analyse) const;
    bool gemSom(const QString& filnavn);

    MainHost& host;
    TDokument* m_dok;
    DokumentHandlinger* m_handlinger;
    HtmlMenuer* m_menuer;
    VbsKommandoer* m_vbs;
    QPlainTextEdit* m_plain = nullptr;
    QTextEdit* m_rich = nullptr;
    QToolBar* m_toolBar1 = nullptr;
    QToolBar* m_toolBar2 = nullptr;
    QToolBar* m_htmlBar = nullptr;
    TSkrivPanel* m_panelSkrivTop = nullptr;
    QMenu* m_popupEdit = nullptr;
    QToolButton* m_tsVbSlutkoder = nullptr;
    // The tool-bar places of the buttons that come and go with the kind.
    QAction* m_tsHtmlInfo = nullptr;
    QAction* m_tsCssInfo = nullptr;
    QAction* m_tsJsInfo = nullptr;
    QAction* m_tsVbInfo = nullptr;
    QAction* m_tsVbAbc = nullptr;
    QAction* m_tsVbSlutkoderPlads = nullptr;
    QStatusBar* m_infoX = nullptr;
    QList<QLabel*> m_panels;
    LazyWindow<Tprintform> m_printform;
    QString DocExt;
    bool opstart = false;
    QString fontNameDoc;
    int fontSizeDoc = 10;
    int LinieAntal = 0;
    int posX = 0;
    int posY = 0;
};
