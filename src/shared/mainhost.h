#pragma once

#include "typeliste.h"

#include <QString>
#include <optional>

struct DataFolders;
class Launcher;
class MainOptions;
class PersonligeMapper;
class QWidget;
class THandlinger;
class TDokument;
class Kodekontrol;
class Tinfotag;
struct TekstFund;

// An open document window's document, with the name a text search hit in it carries: the
// file's path, or the window's caption when the document has no file.
struct AabentDokument {
    QString navn;
    TDokument* dokument;
};

// The main window as every other window sees it: the options, the data folders, the one
// engine, the launcher, the status bar, help and the document area. Windows hold a
// reference to it and never reach the main window itself; tests give a stand-in.
class MainHost {
public:
    virtual ~MainHost() = default;

    // The main window: parent and centre of the other windows.
    virtual QWidget* hovedvindue() = 0;
    // The options of "mainform.txt"; other windows read and change them directly.
    virtual MainOptions& opt() = 0;
    virtual const DataFolders& mapper() const = 0;
    // The engine; dialogs that show a tree of their own borrow its trees (StrukturLaan).
    virtual THandlinger& funk() = 0;
    virtual const Launcher& launcher() const = 0;
    virtual const Typeliste& typeliste() const = 0;
    virtual const QString& brugernavn() const = 0;
    // The user's own paths for the personal folders; the special-folder lookups use them.
    virtual PersonligeMapper& personligeMapper() = 0;
    // The one HTML checker; the active document window binds it to its editor.
    virtual Tinfotag& taginf() = 0;
    // The check window "Html kontrol" and the checks it runs on the checker's tree.
    virtual Kodekontrol& kodekontrol() = 0;
    // The special folders that exist, each with its label, in the order the folder tree's
    // structures of them show.
    virtual void kendteMapper(QStringList& folders, QStringList& labels) = 0;

    // Status bar panel 3: a short result or message.
    virtual void Info(const QString& text) = 0;
    // Status bar panel 1: the caption of the current program.
    virtual void InfoProg(const QString& text) = 0;
    // Opens the information viewer on a topic (the program help when empty); with
    // `lukFoerst` a viewer that is open starts afresh.
    virtual void HelpInfo(const QString& topic, bool lukFoerst) = 0;
    // The viewer on the reference topics, at the node of that text (the first node when
    // empty): HTML, the HTML examples, CSS, JavaScript and the scripts.
    virtual void HtmlInfo(const QString& topic) = 0;
    virtual void HtmlEksemplerInfo(const QString& topic) = 0;
    virtual void CssInfo(const QString& topic) = 0;
    virtual void JsInfo(const QString& topic) = 0;
    virtual void VbsInfo(const QString& topic) = 0;
    // Rebuilds both trees in place after elements changed outside the engine.
    virtual void updateStrukturer() = 0;
    // The folder dialog: the chosen folder as a logical path, nullopt when cancelled.
    virtual std::optional<QString> vaelgMappe(const QString& caption, const QString& start) = 0;
    // The file choice dialog "Vælg fil" at a folder (empty: where it was left), with the bar
    // of special folders when asked and `forvalgt` chosen: the chosen file, nullopt when none
    // was chosen.
    virtual std::optional<QString> vaelgFil(const QString& start, bool medMappebar,
                                            const QString& forvalgt = {}) = 0;
    // The folder choice dialog "Vælg mappe" in the tree of all drives, opened down to
    // `start`: the chosen folder, nullopt when cancelled.
    virtual std::optional<QString> vaelgStrukturMappe(const QString& start) = 0;
    // The text-document dialog in save mode, proposing the name `forslag`: the chosen folder,
    // "\\" and the typed name, nullopt when cancelled.
    virtual std::optional<QString> vaelgDokumentnavn(const QString& forslag) = 0;

    // Opens a document window with the caption and file (empty for a new document), or
    // brings the window that holds the file to the front.
    virtual void openwin(const QString& aCap, const QString& aFilename) = 0;
    // Opens a file in a document window captioned with its name.
    virtual void OpenFilIEditor(const QString& path) = 0;
    // Opens the document of a text search hit (or brings its window to the front) and
    // selects `laengde` characters at the hit, focusing the text with `fokus`; false when
    // the document is neither a file nor an open document any more.
    virtual bool visTekstFund(const TekstFund& fund, int laengde, bool fokus) = 0;
    // The documents of the open document windows, in window order.
    virtual QList<AabentDokument> aabneDokumenter() = 0;

    // What the properties window makes the main window do.
    // Shows the tool bar and the folder tree's lines as the options say.
    virtual void anvendVisning() = 0;
    // Hands the options' private block to the engine and rebuilds the folder tree.
    virtual void anvendPrivatmapper() = 0;
    // The number of favourite folders, and a new capacity for them: the list is read again
    // and keeps its first entries only.
    virtual int favoritter() const = 0;
    virtual void setFavoritKapacitet(int kapacitet) = 0;
    // Shows the personal folders window without blocking.
    virtual void visPersonligeMapper() = 0;
    // Replaces the type list by the standard list, or by `typer`, saves it and refills the
    // new-document list and the text search's filter box; false, after a message, when the
    // file could not be written (the list in use is the new one all the same).
    virtual bool makeTypeliste() = 0;
    virtual bool GemTypeliste(const QList<Typeliste::Type>& typer) = 0;
    // The names of the styles installed, and the change to another one: false, after a
    // message, while a document window stays open.
    virtual QStringList designNavne() const = 0;
    virtual bool newDesign(const QString& navn) = 0;
};
