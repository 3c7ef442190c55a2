#pragma once

#include "stylelibrary.h"

#include "editor/infotag.h"
#include "editor/kodekontrol.h"
#include "engine/enginehost.h"
#include "shared/datafolders.h"
#include "shared/launcher.h"
#include "shared/lazywindow.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/personligemapper.h"
#include "shared/statustekster.h"
#include "shared/typeliste.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class AlarmCommands;
class CommandTable;
class Dokumentomraade;
class DokumentDialogCommands;
class FavoritPanel;
class FilInfoOpslag;
class KeyGuard;
class MainCommands;
class MappeDialogCommands;
class MappestrukturCommands;
class MusikCommands;
class ProgramCommands;
class ReopenCommands;
class VaerktoejCommands;
class SpecialFolderCommands;
class MainMenus;
class MainOperationWindows;
class MainToolbars;
class QLabel;
class QHBoxLayout;
class QLineEdit;
class QSplitter;
class QStatusBar;
class StrukturVisning;
class StrukturItem;
class THandlinger;
class TAboutBox;
class TreeDragDrop;
class Tegenskabsform;
class Tfilinfoform;
class Topendiaform;
class Tfindform;
class Tfindformen;
class Tinfoform;
class Tbilledform;
class TextForm;
class TfileExistsForm;
class Topendiaform;
class Tkopieringsform;
class Tprogressform;
class TspmForm;

// The main window: folder tree on the left, file pane on the right, path box and status
// bar; host of the engine and of every other window, and owner of every option.
class Tmainform : public QMainWindow, public EngineHost, public MainHost {
    Q_OBJECT

public:
    // Start-up: user name, data folders, options, engine and the first trees.
    explicit Tmainform(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~Tmainform() override;

    // EngineHost
    int lastStrukturNo() const override { return m_opt.lastStrukturNo; }
    void setLastStrukturNo(int number) override { m_opt.lastStrukturNo = number; }
    void makeSpecialStruktur() override;
    bool visBillede() const override { return m_opt.visBillede; }
    void historyChanged(bool canGoBack, bool canGoForward, bool hasHistory) override;
    void showPicture(const QImage& picture, const QString& fileName) override;
    QString personligMappe(PersonligMappe mappe) const override {
        return m_personlige.stier[int(mappe)];
    }

    // MainHost
    QWidget* hovedvindue() override { return this; }
    MainOptions& opt() override { return m_opt; }
    const DataFolders& mapper() const override { return m_mapper; }
    THandlinger& funk() override { return *m_funk; }
    const Launcher& launcher() const override { return m_launcher; }
    const Typeliste& typeliste() const override { return m_typeliste; }
    const QString& brugernavn() const override { return m_brugernavn; }
    PersonligeMapper& personligeMapper() override { return m_personlige; }
    Tinfotag& taginf() override { return m_taginf; }
    Kodekontrol& kodekontrol() override { return m_kodekontrol; }
    void kendteMapper(QStringList& folders, QStringList& labels) override;
    void Info(const QString& text) override;
    void InfoProg(const QString& text) override;
    void HelpInfo(const QString& topic, bool lukFoerst) override;
    void HtmlInfo(const QString& topic) override;
    void HtmlEksemplerInfo(const QString& topic) override;
    void CssInfo(const QString& topic) override;
    void JsInfo(const QString& topic) override;
    void VbsInfo(const QString& topic) override;
    void updateStrukturer() override;
    std::optional<QString> vaelgMappe(const QString& caption, const QString& start) override;
    std::optional<QString> vaelgFil(const QString& start, bool medMappebar,
                                    const QString& forvalgt = {}) override;
    std::optional<QString> vaelgStrukturMappe(const QString& start) override;
    std::optional<QString> vaelgDokumentnavn(const QString& forslag) override;
    void openwin(const QString& aCap, const QString& aFilename) override;
    void OpenFilIEditor(const QString& path) override;
    bool visTekstFund(const TekstFund& fund, int laengde, bool fokus) override;
    QList<AabentDokument> aabneDokumenter() override;
    void anvendVisning() override;
    void anvendPrivatmapper() override;
    int favoritter() const override;
    void setFavoritKapacitet(int kapacitet) override;
    void visPersonligeMapper() override;
    bool makeTypeliste() override;
    bool GemTypeliste(const QList<Typeliste::Type>& typer) override;
    QStringList designNavne() const override;
    bool newDesign(const QString& navn) override;

    // The counted result sentence of an operation.
    void HandlingsInfo(StatusTekster::Handling hNumber, int aAntal);
    QString infoText(int panel) const;

    // Shows or hides the tool bar, with the caption and hint of the command that does it.
    void visRedskabslinje(bool vis);

    StrukturVisning* dirbox() const { return m_dirbox; }
    StrukturVisning* filbox() const { return m_filbox; }
    QLineEdit* EditSti() const { return m_editSti; }
    QWidget* PanelDirbox() const { return m_panelDirbox; }
    // The file area: the file pane and the side panels beside it.
    QWidget* PanelRight() const { return m_panelRight; }
    // The shared windows, each made the first time it is asked for and kept from then on.
    TAboutBox* AboutBox() { return m_aboutBox.get(); }
    Tprogressform* progressform() { return m_progressform.get(); }
    TspmForm* spmForm() { return m_spmForm.get(); }
    Tkopieringsform* kopieringsform() { return m_kopieringsform.get(); }
    TfileExistsForm* fileExistsForm() { return m_fileExistsForm.get(); }
    Tbilledform* billedform() { return m_billedform.get(); }
    TextForm* extForm() { return m_extForm.get(); }
    Tfilinfoform* filinfoform() { return m_filinfoform.get(); }
    Tegenskabsform* egenskabsform() { return m_egenskabsform.get(); }
    Tfindform* findform() { return m_findform.get(); }
    Tfindformen* findformen() { return m_findformen.get(); }
    // The information viewer, which the help and information commands open.
    Tinfoform* infoform() { return m_infoform.get(); }
    // The find window when it has been made, else null: its enabling rules need not make it.
    Tfindformen* findformenIfMade() const { return m_findformen.made(); }
    StyleLibrary& styles() { return m_styles; }
    CommandTable& commands() const { return *m_commands; }
    MainMenus& menus() const { return *m_menus; }
    MainToolbars& toolbars() const { return *m_toolbars; }
    KeyGuard& keyGuard() const { return *m_keyGuard; }
    TreeDragDrop& dragDrop() const { return *m_dragDrop; }
    AlarmCommands& alarms() const { return *m_alarmCommands; }
    ReopenCommands& reopen() const { return *m_reopenCommands; }
    MappeDialogCommands& mappeDialogs() const { return *m_mappeDialogs; }
    // The document windows and their tab row.
    Dokumentomraade& dokumenter() const { return *m_dokumenter; }
    int documentCount() const;
    MappestrukturCommands& mappestruktur() const { return *m_mappestruktur; }
    FavoritPanel* favoritPanel() const { return m_favoritPanel; }
    ProgramCommands& programmer() const { return *m_programCommands; }
    VaerktoejCommands& vaerktoej() const { return *m_vaerktoej; }

    // Window state the enabling rules read.
    bool mayCopy = false;           // the engine's canCopy, taken after clicks in the trees
    bool mayDoIt = false;           // the engine's canDoIt, taken at the same moments
    bool mayFiler = false;          // the file pane's selection holds a file, taken at changes
    bool klipAfterCopy = false;     // the last copy was a cut: the next paste moves
    bool favChanged = false;        // the path box changed since the last favourite insertion
    bool listeForandret = false;    // the favourites were reordered and not saved
    bool nyMappeErOprettet = false; // the last new folder's name is being edited
    int NewCount = 0;               // document windows opened in this run
    QString m_dokumentExt;          // the type of the next new document; its window takes it
    // Rebuilds the path tabs from the engine's Grundmappe.
    void udskrivSti();
    // The path tab n stands for.
    QString getStiFraFane(int n) const;
    // The last folder name of a path; a drive root with its backslash stays whole.
    static QString getSlutDir(const QString& path);
    // Takes mayCopy and mayDoIt from the engine.
    void refreshMay();
    // In-place renaming of the nodes of a tree the engine shows (either of the main window's
    // or a dialog's that borrows the file pane).
    void installRename(StrukturVisning* tree);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class MainCommands;
    void visHint(const QString& hint);
    void showTreeMenu(StrukturVisning* tree, const QPoint& position);
    void hentBrugernavn();
    bool makeDataFolders();
    // Reads "mainform.txt"; settings missing or incomplete are the defaults.
    void hentOpt();
    // Shows the tool bars and panel widths the options give.
    void anvendOpt();
    // Sets the style the options name.
    void anvendDesign();
    bool gemOpt();
    void hentTypelisteFil();
    // Saves the type list and refills the new-document list and the filter box from it.
    bool typelisteAendret();
    void buildLayout();
    void createWindows();
    void startEngine();
    void startStrukturer();
    void FormShow();
    void aabnArgumenter();
    void placeWindow();
    void mappeChange(const QString& dirDir, const QString& fileDir, const QString& grundDir,
                     const QString& filnavnet);

    // In-place renaming in either tree.
    bool treeEditing(StrukturVisning* tree, StrukturItem* item);
    QString treeEdited(StrukturVisning* tree, StrukturItem* item, const QString& oldText,
                       const QString& newText);
    void stiboxChange(int index);
    void stiboxMouseDown(Qt::MouseButton button);
    void dirboxClick(StrukturItem* item);
    void dirboxDblClick(StrukturItem* item);
    void filboxClick(StrukturItem* item);
    void filboxDblClick(StrukturItem* item);

    QStringList m_arguments;
    bool opstart = true;
    bool m_dataRootUsable = false;
    bool m_nyeIndstillinger = false; // the settings folder was made by this start
    QString m_brugernavn;
    DataFolders m_mapper;
    MainOptions m_opt;
    PersonligeMapper m_personlige;
    Typeliste m_typeliste;
    StyleLibrary m_styles;
    Tinfotag m_taginf;
    Kodekontrol m_kodekontrol{*this};
    // Declared before the engine, which uses them until it is gone.
    LazyWindow<TAboutBox> m_aboutBox;
    LazyWindow<Tprogressform> m_progressform;
    LazyWindow<TspmForm> m_spmForm;
    LazyWindow<Tkopieringsform> m_kopieringsform;
    LazyWindow<TfileExistsForm> m_fileExistsForm;
    LazyWindow<Tbilledform> m_billedform;
    LazyWindow<TextForm> m_extForm;
    LazyWindow<Tfilinfoform> m_filinfoform;
    LazyWindow<Tfindform> m_findform;
    LazyWindow<Tfindformen> m_findformen;
    LazyWindow<Tinfoform> m_infoform;
    LazyWindow<Tegenskabsform> m_egenskabsform;
    LazyWindow<Topendiaform> m_opendiaform;
    std::unique_ptr<MainOperationWindows> m_operationWindows;
    std::unique_ptr<FilInfoOpslag> m_filinfoOpslag;
    std::unique_ptr<THandlinger> m_funk;
    Launcher m_launcher;
    CommandTable* m_commands = nullptr;
    MainMenus* m_menus = nullptr;
    MainToolbars* m_toolbars = nullptr;
    KeyGuard* m_keyGuard = nullptr;
    TreeDragDrop* m_dragDrop = nullptr;
    Dokumentomraade* m_dokumenter = nullptr;
    std::unique_ptr<MainCommands> m_mainCommands;
    std::unique_ptr<SpecialFolderCommands> m_specialFolders;
    AlarmCommands* m_alarmCommands = nullptr;
    std::unique_ptr<MusikCommands> m_musikCommands;
    std::unique_ptr<ReopenCommands> m_reopenCommands;
    std::unique_ptr<MappeDialogCommands> m_mappeDialogs;
    std::unique_ptr<DokumentDialogCommands> m_dokumentDialogs;
    std::unique_ptr<MappestrukturCommands> m_mappestruktur;
    FavoritPanel* m_favoritPanel = nullptr;
    std::unique_ptr<ProgramCommands> m_programCommands;
    std::unique_ptr<VaerktoejCommands> m_vaerktoej;
    QString m_lastMessage;
    QStringList stiArray; // Grundmappe split at its backslashes, as the path tabs show it

    QSplitter* m_splitter = nullptr;
    QWidget* m_panelDirbox = nullptr;
    StrukturVisning* m_dirbox = nullptr;
    QWidget* m_panelRight = nullptr;
    StrukturVisning* m_filbox = nullptr;
    QHBoxLayout* m_filRaekke = nullptr; // the file pane, then the side panels
    QLineEdit* m_editSti = nullptr;
    QStatusBar* m_infobar = nullptr;
    QList<QLabel*> m_panels;
};
