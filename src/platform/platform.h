#pragma once

#include "clipboard.h"
#include "clock.h"
#include "drivetable.h"
#include "filesystem.h"
#include "mediaplayer.h"
#include "prompter.h"
#include "recyclebin.h"
#include "shell.h"
#include "specialfolders.h"
#include "useraccount.h"
#include "volumes.h"

#include <functional>
#include <memory>

// The one place the program reaches its operating-system services. Each service is made
// on first use from the environment and is given the drive table and the clock it works
// with when it is made; no service looks them up here. Tests replace single services or
// make all of them anew after changing the environment. setDrives() changes the table the
// services already hold; setClock() makes the trash, which dates its items, again.
class Platform {
public:
    static DriveTable& drives();
    static Volumes& volumes();
    static FileSystem& files();
    static RecycleBin& recycleBin();
    static Shell& shell();
    static SpecialFolders& specialFolders();
    static UserAccount& user();
    static Clock& clock();
    static Clipboard& clipboard();
    static Prompter& prompter();
    // A new player of its own for each window that plays sound or music.
    static std::unique_ptr<MediaPlayer> newMediaPlayer();

    // Forgets every service, so the next use reads the environment again.
    static void reset();

    // Lets the process keep memory it frees for its next use instead of handing large
    // blocks back at once: a folder of a million entries would otherwise be listed into
    // fresh pages, each a fault, every time it is shown. Called once at start;
    // giveBackFreedMemory() then hands back what is kept, when the program has time.
    static void reuseFreedMemory();
    static void giveBackFreedMemory();

    static void setDrives(const DriveTable& table);
    static void setFiles(std::unique_ptr<FileSystem> files);
    static void setRecycleBin(std::unique_ptr<RecycleBin> recycleBin);
    static void setShell(std::unique_ptr<Shell> shell);
    static void setUser(std::unique_ptr<UserAccount> user);
    static void setClock(std::unique_ptr<Clock> clock);
    static void setClipboard(std::unique_ptr<Clipboard> clipboard);
    static void setPrompter(std::unique_ptr<Prompter> prompter);
    using MediaPlayerFactory = std::function<std::unique_ptr<MediaPlayer>()>;
    static void setMediaPlayers(MediaPlayerFactory factory);

    // Convenience for the layer: the host path of a logical one through the drive table.
    static std::optional<QString> hostPath(const QString& logical) {
        return drives().toHost(logical);
    }
    static std::optional<QString> logicalPath(const QString& host) {
        return drives().toLogical(host);
    }
};
