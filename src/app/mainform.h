#pragma once

#include "launcher.h"
#include "mainoptions.h"
#include "stylelibrary.h"
#include "typeliste.h"

#include "engine/enginehost.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QLineEdit;
class QSplitter;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
class THandlinger;
class TAboutBox;
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
    StyleLibrary& styles() { return m_styles; }

    const QString& brugernavn() const { return m_brugernavn; }

    // Every path of the data root, logical; those with a trailing backslash keep it.
    QString programDir, ikonDir, scriptdir, appdir, lydfilDir, strukturDir, htmllistedir,
        attributedir, optDir, musikListeDir, mappestrukturDir, brugerKalenderMappe,
        brugerNotatMappe, alarmDir, alarmTekster, lastStruktur, optFilnavn, typelisteNavn;
    MainOptions opt;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
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
    std::unique_ptr<THandlinger> m_funk;
    Launcher m_launcher;

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
};
