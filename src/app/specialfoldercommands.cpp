#include "specialfoldercommands.h"
#include "commandtable.h"
#include "mainform.h"
#include "mainmenus.h"
#include "maintoolbars.h"

#include "engine/handlinger.h"
#include "platform/platform.h"

#include <QAction>

SpecialFolderCommands::SpecialFolderCommands(Tmainform& window) : w(window) {
    THandlinger& funk = w.funk();
    auto of = [&funk](std::optional<QString> (TMapper::*find)(bool) const) -> Lookup {
        return [&funk, find](bool medBesked) { return (funk.*find)(medBesked); };
    };
    desktop = of(&TMapper::GetMyDesktop);
    documents = of(&TMapper::GetMyDocuments);
    favourites = of(&TMapper::GetMyFavorit);
    pictures = of(&TMapper::GetMyPictures);
    music = of(&TMapper::GetMyMusic);
    videos = of(&TMapper::GetMyVideo);
    oneDrive = ownSetting(w.personligeMapper().stier[PersonligeMapper::OneDrive]);
    contacts = ownSetting(w.personligeMapper().stier[PersonligeMapper::Kontakter]);
    downloads = of(&TMapper::GetMyDownLoad);
    startMenu = of(&TMapper::GetStartMenuPrograms);
    appData = of(&TMapper::GetMyApp);
    allUsers = of(&TMapper::GetAllUsers);
    cameraPictures = camera(w.opt().kameraBilledDir, pictures);
    cameraFilms = camera(w.opt().KameraFilmDir, videos);

    const CommandTable& c = w.commands();
    auto cmd = [&c](const char* name) { return c(QString::fromLatin1(name)); };
    inFilePane({"Adesktopdir", "Action1"}, desktop);
    inFilePane({"Adokudir", "Action2"}, documents);
    inFilePane({"aFavoritmappe", "Action3"}, favourites);
    inFilePane({"Apicdir", "Action4"}, pictures);
    inFilePane({"Amusikdir", "Action5"}, music);
    inFilePane({"Avideodir", "Action6"}, videos);
    inFilePane({"Action7"}, oneDrive);
    inFilePane({"Action8"}, contacts);
    inFilePane({"Action9"}, downloads);
    inFilePane({"aStartMappe", "Action10"}, startMenu);
    inFilePane({"Aprogdir", "Action11"}, appData);
    inFilePane({"Action12"}, allUsers);
    inFilePane({"Action13"}, cameraPictures);
    inFilePane({"Action14"}, cameraFilms);
    inFilePane({"Aalldocu"}, of(&TMapper::GetCommonDocuments));
    inFilePane({"AallPic"}, of(&TMapper::GetCommonPictures));
    inFilePane({"AallVideo"}, of(&TMapper::GetCommonVideo));

    asDotStructure(cmd("mMapper01"), oneDrive);
    asDotStructure(cmd("mMapper02"), desktop);
    asDotStructure(cmd("mMapper03"), documents);
    asDotStructure(cmd("mMapper04"), pictures);
    asDotStructure(cmd("mMapper05"), music);
    asDotStructure(cmd("mMapper06"), videos);
    asDotStructure(cmd("mMapper11"), favourites);
    asDotStructure(cmd("mMapper12"), contacts);
    asDotStructure(cmd("mMapper13"), downloads);
    asDotStructure(cmd("mMapper14"), startMenu);
    asDotStructure(cmd("mMapper15"), appData);
    asDotStructure(cmd("mMapper21"), cameraPictures);
    asDotStructure(cmd("mMapper22"), cameraFilms);
    asDotStructure(cmd("mMapper31"), of(&TMapper::GetCommonDocuments));
    asDotStructure(cmd("mMapper32"), of(&TMapper::GetCommonPictures));
    asDotStructure(cmd("mMapper33"), of(&TMapper::GetCommonMusic));
    asDotStructure(cmd("mMapper34"), of(&TMapper::GetCommonVideo));

    // The two commands run through the command table, which tells of commands without an
    // effect; the menu item and the tool button beside each are plain actions.
    const std::function<void()> history = [this] {
        QStringList folders, labels;
        collect(folders, labels);
        w.funk().makeHistoryStruktur(folders);
    };
    w.commands().setEffect(QStringLiteral("Action16"), history);
    for (QAction* view : {cmd("mMapperUdvidet"), cmd("tbSpecialStruktur")})
        QObject::connect(view, &QAction::triggered, &w, history);
    const std::function<void()> dots = [this] {
        QStringList folders, labels;
        collect(folders, labels);
        w.funk().makePunktStruktur(folders, labels, PunktStruktur);
    };
    w.commands().setEffect(QStringLiteral("Action17"), dots);
    for (QAction* view : {cmd("mMapperPunkt"), cmd("tbSpecialPunktStruktur")})
        QObject::connect(view, &QAction::triggered, &w, dots);
}

SpecialFolderCommands::Lookup SpecialFolderCommands::ownSetting(const QString& folder) const {
    return [&folder](bool medBesked) -> std::optional<QString> {
        if (!folder.isEmpty() && Platform::files().isFolder(folder))
            return folder;
        if (medBesked)
            Platform::prompter().message(QStringLiteral("Mappen blev ikke fundet."),
                                         MessageKind::Information);
        return std::nullopt;
    };
}

SpecialFolderCommands::Lookup SpecialFolderCommands::camera(QString& setting,
                                                            Lookup fallback) const {
    return [&setting, fallback](bool medBesked) -> std::optional<QString> {
        if (setting.isEmpty() || !Platform::files().isFolder(setting)) {
            // The fallback is kept as the camera folder and saved with the settings.
            const std::optional<QString> found = fallback(medBesked);
            if (!found)
                return std::nullopt;
            setting = *found;
        }
        return setting;
    };
}

void SpecialFolderCommands::inFilePane(std::initializer_list<const char*> commands,
                                       const Lookup& lookup) {
    for (const char* name : commands)
        w.commands().setEffect(QString::fromLatin1(name), [this, lookup] {
            if (const std::optional<QString> folder = lookup(true))
                w.funk().makeStruktur2(*folder, true);
        });
}

void SpecialFolderCommands::asDotStructure(QAction* item, const Lookup& lookup) {
    QObject::connect(item, &QAction::triggered, &w, [this, lookup] {
        const std::optional<QString> folder = lookup(true);
        if (!folder)
            return;
        THandlinger& funk = w.funk();
        funk.setDirmappe(*folder);
        funk.setAktiveStruktur(1);
        if (funk.makePunktStruktur({*folder}, QStringList{THandlinger::getLastDirectory(*folder)},
                                   3))
            funk.udfoldDirectory();
    });
}

void SpecialFolderCommands::collect(QStringList& folders, QStringList& labels) const {
    // A folder that is not there takes its label with it, so the two lists stay paired.
    const QList<std::pair<const char*, const Lookup*>> all = {{"Skrivebord", &desktop},
                                                              {"Dokumenter", &documents},
                                                              {"Favoritter", &favourites},
                                                              {"Billeder", &pictures},
                                                              {"Musik", &music},
                                                              {"Videoer", &videos},
                                                              {"OneDrive", &oneDrive},
                                                              {"Kontakter", &contacts},
                                                              {"Overførsler", &downloads},
                                                              {"Startmenu", &startMenu},
                                                              {"AppData", &appData},
                                                              {"Alle brugere", &allUsers},
                                                              {"Kamera billeder", &cameraPictures},
                                                              {"Kamera film", &cameraFilms}};
    for (const auto& [label, lookup] : all)
        if (const std::optional<QString> folder = (*lookup)(false)) {
            folders.append(*folder);
            labels.append(QString::fromUtf8(label));
        }
}
