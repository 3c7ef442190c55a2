#pragma once

#include "launcher.h"
#include "mainoptions.h"
#include "stylelibrary.h"
#include "typeliste.h"

#include "engine/enginehost.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class CommandTable;
class KeyGuard;
class MainCommands;
class SpecialFolderCommands;
class MainMenus;
class MainOperationWindows;
class MainToolbars;
class QLabel;
class QLineEdit;
class QSplitter;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
class THandlinger;
class TAboutBox;
class TreeDragDrop;
class Tfilinfoform;
class Tfindform;
class Tfindformen;
class Tbilledform;
class TextForm;
class TfileExistsForm;
class Tkopieringsform;
class Tprogressform;
class TspmForm;

// The main window: folder tree on the left, file pane on the right, path box and status
// bar; host of the engine and owner of every option.
class Tmainform : public QMainWindow, public EngineHost {
    Q_OBJECT

public:
    // Start-up: user name, data folders, options, engine and the first trees.
    explicit Tmainform(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~Tmainform() override;

    // EngineHost
    int lastStrukturNo() const override { return opt.lastStrukturNo; }
    void setLastStrukturNo(int number) override { opt.lastStrukturNo = number; }
    void makeSpecialStruktur() override;
    bool visBillede() const override { return opt.visBillede; }
    void historyChanged(bool canGoBack, bool canGoForward, bool hasHistory) override;
    void showPicture(const QImage& picture, const QString& fileName) override;

    // Status bar panel 3.
    void Info(const QString& text);
    // Status bar panel 1: the caption of the current program.
    void InfoProg(const QString& text);
    // Opens the information viewer on a help topic.
    void HelpInfo(const QString& topic);
    // The counted result sentence of an operation (code 0 copy ... 5 rename).
    void HandlingsInfo(int hNumber, int aAntal);
    const Launcher& launcher() const { return m_launcher; }
    QString infoText(int panel) const;

    // Type list distribution to the windows that show it.
    void makeTypeliste();
    const Typeliste& typeliste() const { return m_typeliste; }

    THandlinger& funk() { return *m_funk; }
    QTreeWidget* dirbox() const { return m_dirbox; }
    QTreeWidget* filbox() const { return m_filbox; }
    QLineEdit* EditSti() const { return m_editSti; }
    QWidget* PanelDirbox() const { return m_panelDirbox; }
    // The shared windows, created once at start-up.
    TAboutBox* AboutBox() const { return m_aboutBox; }
    Tprogressform* progressform() const { return m_progressform; }
    TspmForm* spmForm() const { return m_spmForm; }
    Tkopieringsform* kopieringsform() const { return m_kopieringsform; }
    TfileExistsForm* fileExistsForm() const { return m_fileExistsForm; }
    Tbilledform* billedform() const { return m_billedform; }
    TextForm* extForm() const { return m_extForm; }
    Tfilinfoform* filinfoform() const { return m_filinfoform; }
    Tfindform* findform() const { return m_findform; }
    Tfindformen* findformen() const { return m_findformen; }
    StyleLibrary& styles() { return m_styles; }
    CommandTable& commands() const { return *m_commands; }
    MainMenus& menus() const { return *m_menus; }
    MainToolbars& toolbars() const { return *m_toolbars; }
    KeyGuard& keyGuard() const { return *m_keyGuard; }
    TreeDragDrop& dragDrop() const { return *m_dragDrop; }
    // Open document windows; there are none until the document area exists.
    int documentCount() const { return 0; }

    const QString& brugernavn() const { return m_brugernavn; }

    // Every path of the data root, logical; those with a trailing backslash keep it.
    QString programDir, ikonDir, scriptdir, appdir, lydfilDir, strukturDir, htmllistedir,
        attributedir, optDir, musikListeDir, mappestrukturDir, brugerKalenderMappe,
        brugerNotatMappe, alarmDir, alarmTekster, lastStruktur, optFilnavn, typelisteNavn;
    MainOptions opt;
    // The user's OneDrive and contacts folders, from the personal folders settings.
    QString OneDriveDir, kontakterDir;
    // Window state the enabling rules read.
    bool mayCopy = false;           // the engine's canCopy, taken after clicks in the trees
    bool mayDoIt = false;           // the engine's canDoIt, taken at the same moments
    bool klipAfterCopy = false;     // the last copy was a cut: the next paste moves
    bool favChanged = false;        // the path box changed since the last favourite insertion
    bool listeForandret = false;    // the favourites were reordered and not saved
    bool nyMappeErOprettet = false; // the last new folder's name is being edited
    int NewCount = 0;               // document windows opened in this run
    // Rebuilds the path tabs from the engine's Grundmappe.
    void udskrivSti();
    // The path tab n stands for.
    QString getStiFraFane(int n) const;
    // The last folder name of a path; a drive root with its backslash stays whole.
    static QString getSlutDir(const QString& path);
    // Rebuilds both trees in place after an element's attributes changed.
    void updateStrukturer();
    // Takes mayCopy and mayDoIt from the engine.
    void refreshMay();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class MainCommands;
    void visHint(const QString& hint);
    void showTreeMenu(QTreeWidget* tree, const QPoint& position);
    void hentBrugernavn();
    bool makeDataFolders();
    void hentOpt();
    void standardOpt();
    bool gemOpt();
    void hentTypelisteFil();
    void buildLayout();
    void createWindows();
    void startEngine();
    void startStrukturer();
    void FormShow();
    void placeWindow();
    void mappeChange(const QString& dirDir, const QString& fileDir, const QString& grundDir,
                     const QString& filnavnet);

    // In-place renaming in either tree.
    bool treeEditing(QTreeWidget* tree, QTreeWidgetItem* item);
    QString treeEdited(QTreeWidget* tree, QTreeWidgetItem* item, const QString& oldText,
                       const QString& newText);
    // The folder dialog of the text search; nullopt when the user cancels.
    std::optional<QString> vaelgMappe(const QString& start);
    void stiboxChange(int index);
    void stiboxMouseDown(Qt::MouseButton button);
    void dirboxClick(QTreeWidgetItem* item);
    void dirboxDblClick(QTreeWidgetItem* item);
    void filboxClick(QTreeWidgetItem* item);
    void filboxDblClick(QTreeWidgetItem* item);

    QStringList m_arguments;
    bool opstart = true;
    bool m_dataRootUsable = false;
    QString m_brugernavn;
    Typeliste m_typeliste;
    StyleLibrary m_styles;
    // Declared before the engine, which uses them until it is gone.
    std::unique_ptr<MainOperationWindows> m_operationWindows;
    std::unique_ptr<THandlinger> m_funk;
    Launcher m_launcher;
    CommandTable* m_commands = nullptr;
    MainMenus* m_menus = nullptr;
    MainToolbars* m_toolbars = nullptr;
    KeyGuard* m_keyGuard = nullptr;
    TreeDragDrop* m_dragDrop = nullptr;
    std::unique_ptr<MainCommands> m_mainCommands;
    std::unique_ptr<SpecialFolderCommands> m_specialFolders;
    QString m_lastMessage;
    QStringList stiArray; // Grundmappe split at its backslashes, as the path tabs show it

    QSplitter* m_splitter = nullptr;
    QWidget* m_panelDirbox = nullptr;
    QTreeWidget* m_dirbox = nullptr;
    QWidget* m_panelRight = nullptr;
    QTreeWidget* m_filbox = nullptr;
    QLineEdit* m_editSti = nullptr;
    QStatusBar* m_infobar = nullptr;
    QList<QLabel*> m_panels;
    TAboutBox* m_aboutBox = nullptr;
    Tprogressform* m_progressform = nullptr;
    TspmForm* m_spmForm = nullptr;
    Tkopieringsform* m_kopieringsform = nullptr;
    TfileExistsForm* m_fileExistsForm = nullptr;
    Tbilledform* m_billedform = nullptr;
    TextForm* m_extForm = nullptr;
    Tfilinfoform* m_filinfoform = nullptr;
    Tfindform* m_findform = nullptr;
    Tfindformen* m_findformen = nullptr;
};
