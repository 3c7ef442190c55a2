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
    oneDrive = ownSetting(w.OneDriveDir);
    contacts = ownSetting(w.kontakterDir);
    downloads = of(&TMapper::GetMyDownLoad);
    startMenu = of(&TMapper::GetStartMenuPrograms);
    appData = of(&TMapper::GetMyApp);
    allUsers = of(&TMapper::GetAllUsers);
    cameraPictures = camera(w.opt().kameraBilledDir, pictures);
    cameraFilms = camera(w.opt().KameraFilmDir, videos);

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

    const MainMenus& menus = w.menus();
    auto item = [&menus](const char* name) { return menus.item(QString::fromLatin1(name)); };
    asDotStructure(item("mMapper01"), oneDrive);
    asDotStructure(item("mMapper02"), desktop);
    asDotStructure(item("mMapper03"), documents);
    asDotStructure(item("mMapper04"), pictures);
    asDotStructure(item("mMapper05"), music);
    asDotStructure(item("mMapper06"), videos);
    asDotStructure(item("mMapper11"), favourites);
    asDotStructure(item("mMapper12"), contacts);
    asDotStructure(item("mMapper13"), downloads);
    asDotStructure(item("mMapper14"), startMenu);
    asDotStructure(item("mMapper15"), appData);
    asDotStructure(item("mMapper21"), cameraPictures);
    asDotStructure(item("mMapper22"), cameraFilms);
    asDotStructure(item("mMapper31"), of(&TMapper::GetCommonDocuments));
    asDotStructure(item("mMapper32"), of(&TMapper::GetCommonPictures));
    asDotStructure(item("mMapper33"), of(&TMapper::GetCommonMusic));
    asDotStructure(item("mMapper34"), of(&TMapper::GetCommonVideo));

    // The two commands run through the command table, which tells of commands without an
    // effect; the menu item and the tool button beside each are plain actions.
    const MainToolbars& bars = w.toolbars();
    const std::function<void()> history = [this] {
        QStringList folders, labels;
        collect(folders, labels);
        w.funk().makeHistoryStruktur(folders);
    };
    w.commands().setEffect(QStringLiteral("Action16"), history);
    for (QAction* view : {item("mMapperUdvidet"), bars.button(QStringLiteral("tbSpecialStruktur"))})
        QObject::connect(view, &QAction::triggered, &w, history);
    const std::function<void()> dots = [this] {
        QStringList folders, labels;
        collect(folders, labels);
        w.funk().makePunktStruktur(folders, labels, 2);
    };
    w.commands().setEffect(QStringLiteral("Action17"), dots);
    for (QAction* view :
         {item("mMapperPunkt"), bars.button(QStringLiteral("tbSpecialPunktStruktur"))})
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
