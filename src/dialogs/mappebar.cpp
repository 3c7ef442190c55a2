#include "mappebar.h"

#include "engine/handlinger.h"
#include "platform/platform.h"
#include "shared/centreddialog.h"
#include "shared/mainhost.h"
#include "shared/personligemapper.h"

#include <QAction>

Mappebar::Mappebar(MainHost& host,
                   std::function<void(const QString& folder, const QString& label)> vis,
                   QWidget* parent)
    : QToolBar(parent) {
    setObjectName(QStringLiteral("mappebar"));
    setIconSize(QSize(16, 16));
    using Opslag = std::function<std::optional<QString>()>;
    auto engine = [&host](std::optional<QString> (TMapper::*find)(bool) const) -> Opslag {
        return [&host, find] { return (host.funk().*find)(true); };
    };
    const Opslag oneDrive = [&host] { return Mappebar::oneDrive(host); };
    const struct {
        const char* label;
        const char* hint;
        const char* icon;
        Opslag opslag;
    } knapper[] = {
        {"Skrivebord", "Skrivebord", "Action1", engine(&TMapper::GetMyDesktop)},
        {"OneDrive", "Valgte OneDrive", "Action7", oneDrive},
        {"Dokumenter", "Valgte dokumentmappe", "Action2", engine(&TMapper::GetMyDocuments)},
        {"Billeder", "Valgte billedmappe", "Action4", engine(&TMapper::GetMyPictures)},
        {"Musik", "Valgte musikmappe", "Action5", engine(&TMapper::GetMyMusic)},
        {"Video", "Valgte videomappe", "Action6", engine(&TMapper::GetMyVideo)},
        {"Delte dokumenter", "Delt dokumentmappe", "Action2", engine(&TMapper::GetCommonDocuments)},
        {"Delte billeder", "Delt billedmappe", "Action4", engine(&TMapper::GetCommonPictures)},
        {"Delt musik", "Delt musikmappe", "Action5", engine(&TMapper::GetCommonMusic)},
        {"Delte videoer", "Delt videomappe", "Action6", engine(&TMapper::GetCommonVideo)},
    };
    int nummer = 0;
    for (const auto& knap : knapper) {
        QAction* action = addAction(CentredDialog::programIcon(QStringLiteral("cmd-") + knap.icon),
                                    QString::fromUtf8(knap.hint));
        action->setObjectName(QStringLiteral("mappebarKnap%1").arg(++nummer));
        action->setStatusTip(action->text());
        const QString label = QString::fromUtf8(knap.label);
        connect(action, &QAction::triggered, this, [vis, opslag = knap.opslag, label] {
            if (const std::optional<QString> folder = opslag())
                vis(*folder, label);
        });
        if (nummer == 6)
            addSeparator();
    }
}

std::optional<QString> Mappebar::oneDrive(MainHost& host) {
    const QString folder = host.personligeMapper().stier[PersonligeMapper::OneDrive];
    if (!folder.isEmpty() && Platform::files().isFolder(folder))
        return folder;
    Platform::prompter().message(QStringLiteral("Mappen blev ikke fundet."),
                                 MessageKind::Information);
    return std::nullopt;
}
