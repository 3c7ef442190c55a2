#pragma once

#include <QToolBar>
#include <functional>
#include <optional>

class MainHost;

// The choice dialogs' bar of special folders: the desktop, OneDrive, the user's documents,
// pictures, music and videos, and those all users share. A button hands its folder and label
// to the dialog; a folder that is not there has been reported.
class Mappebar : public QToolBar {
    Q_OBJECT

public:
    Mappebar(MainHost& host, std::function<void(const QString& folder, const QString& label)> vis,
             QWidget* parent);

    // The user's OneDrive folder; nullopt, the user having been told, when it is not there.
    static std::optional<QString> oneDrive(MainHost& host);
};
