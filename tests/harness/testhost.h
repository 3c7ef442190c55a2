#pragma once

#include "testengine.h"

#include "editor/infotag.h"
#include "editor/kodekontrol.h"
#include "engine/tekstsoegning.h"
#include "shared/datafolders.h"
#include "shared/launcher.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/personligemapper.h"
#include "shared/typeliste.h"

#include <QWidget>

// A main window stand-in for the windows under test: an engine on two trees, the options,
// the data folders of user "anna" under "C:\Ravnsti", and a record of every status text,
// help topic, tree refresh and document the windows asked for.
class TestHost : public MainHost {
public:
    TestHost();

    QWidget* hovedvindue() override { return &window; }
    MainOptions& opt() override { return options; }
    const DataFolders& mapper() const override { return folders; }
    THandlinger& funk() override { return engine.funk; }
    const Launcher& launcher() const override { return m_launcher; }
    const Typeliste& typeliste() const override { return types; }
    const QString& brugernavn() const override { return m_brugernavn; }
    PersonligeMapper& personligeMapper() override { return personlige; }
    Tinfotag& taginf() override { return m_taginf; }
    Kodekontrol& kodekontrol() override { return m_kodekontrol; }
    // Answers with `kendte`, pairs of label and folder.
    void kendteMapper(QStringList& folders, QStringList& labels) override;
    void Info(const QString& text) override { info << text; }
    void InfoProg(const QString& text) override { infoProg << text; }
    void HelpInfo(const QString& topic, bool) override { help << topic; }
    // The reference openers, each as "<opener>|<topic>" in `opslag`.
    void HtmlInfo(const QString& topic) override { opslag << "HtmlInfo|" + topic; }
    void HtmlEksemplerInfo(const QString& topic) override {
        opslag << "HtmlEksemplerInfo|" + topic;
    }
    void CssInfo(const QString& topic) override { opslag << "CssInfo|" + topic; }
    void JsInfo(const QString& topic) override { opslag << "JsInfo|" + topic; }
    void VbsInfo(const QString& topic) override { opslag << "VbsInfo|" + topic; }
    void updateStrukturer() override { ++strukturOpdateringer; }
    // Answers with `valgtMappe`, recording the caption.
    std::optional<QString> vaelgMappe(const QString& caption, const QString&) override;
    // Answer with `valgtFil` and `valgtStrukturMappe`, recording the start folders, and for
    // files the start and the preselection as "folder|file" in `filValg`.
    std::optional<QString> vaelgFil(const QString& start, bool,
                                    const QString& forvalgt = {}) override;
    std::optional<QString> vaelgStrukturMappe(const QString& start) override {
        mappeStarter << start;
        return valgtStrukturMappe;
    }
    // Answers with `dokumentnavn`, recording the proposal in `navneforslag`.
    std::optional<QString> vaelgDokumentnavn(const QString& forslag) override {
        navneforslag << forslag;
        return dokumentnavn;
    }
    void openwin(const QString& aCap, const QString& aFilename) override;
    void OpenFilIEditor(const QString& path) override { openwin(path, path); }
    // Records the hit and answers `dokumentFindes`.
    bool visTekstFund(const TekstFund& fund, int laengde, bool fokus) override;
    QList<AabentDokument> aabneDokumenter() override { return aabne; }
    void anvendVisning() override { ++visningAnvendt; }
    void anvendPrivatmapper() override;
    int favoritter() const override { return favoritAntal; }
    // Records the capacity and keeps the first favourites only.
    void setFavoritKapacitet(int kapacitet) override;
    void visPersonligeMapper() override { ++personligeVist; }
    // Both store the list in `types` and answer `typelisteGemmes`.
    bool makeTypeliste() override;
    bool GemTypeliste(const QList<Typeliste::Type>& typer) override;
    QStringList designNavne() const override { return designs; }
    // Takes the style unless `aabneVinduer` keeps it; records every name asked for.
    bool newDesign(const QString& navn) override;

    QWidget window;
    TestEngine engine;
    MainOptions options;
    DataFolders folders;
    Typeliste types;
    PersonligeMapper personlige;
    QList<std::pair<QString, QString>> kendte;
    QStringList info, infoProg, help, opslag, mappeTitler;
    QStringList dokumenter; // "caption|file" of every document asked for
    QList<TekstFund> visteFund;
    int strukturOpdateringer = 0;
    std::optional<QString> valgtMappe;
    std::optional<QString> dokumentnavn;
    std::optional<QString> valgtFil, valgtStrukturMappe;
    QStringList filStarter, mappeStarter;
    QStringList navneforslag;
    QList<AabentDokument> aabne;
    bool dokumentFindes = true;
    // What the properties window made happen.
    int visningAnvendt = 0;
    int privatOmbygget = 0;
    int favoritAntal = 0;
    QList<int> kapaciteter;
    int personligeVist = 0;
    QStringList filValg;
    bool typelisteGemmes = true;
    int typelisteGemt = 0;
    QStringList designs;
    QStringList designOensker;
    bool aabneVinduer = false;

private:
    QString m_brugernavn = QStringLiteral("anna");
    Launcher m_launcher;
    Tinfotag m_taginf;
    Kodekontrol m_kodekontrol{*this};
};
