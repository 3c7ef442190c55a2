#include "platform.h"
#include "desktopshell.h"
#include "freedesktoptrash.h"
#include "guiclipboard.h"
#include "linuxvolumes.h"
#include "messageboxprompter.h"
#include "posixfilesystem.h"
#include "posixuseraccount.h"
#include "qtmediaplayer.h"
#include "systemclock.h"
#include "xdgspecialfolders.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

struct Services {
    std::optional<DriveTable> drives;
    std::unique_ptr<Volumes> volumes;
    std::unique_ptr<FileSystem> files;
    std::unique_ptr<RecycleBin> recycleBin;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<SpecialFolders> specialFolders;
    std::unique_ptr<UserAccount> user;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<Prompter> prompter;
    Platform::MediaPlayerFactory mediaPlayers;
};

Services& services() {
    static Services s;
    return s;
}

// Makes a service on first use from what it is built on (the drive table, the clock).
template <typename Interface, typename Implementation, typename... Parts>
Interface& lazy(std::unique_ptr<Interface>& slot, Parts&... parts) {
    if (!slot)
        slot = std::make_unique<Implementation>(parts...);
    return *slot;
}

} // namespace

DriveTable& Platform::drives() {
    auto& d = services().drives;
    if (!d)
        d = DriveTable::fromEnvironment();
    return *d;
}

Volumes& Platform::volumes() {
    return lazy<Volumes, LinuxVolumes>(services().volumes, drives());
}
FileSystem& Platform::files() {
    return lazy<FileSystem, PosixFileSystem>(services().files, drives());
}
RecycleBin& Platform::recycleBin() {
    return lazy<RecycleBin, FreedesktopTrash>(services().recycleBin, drives(), clock());
}
Shell& Platform::shell() {
    return lazy<Shell, DesktopShell>(services().shell, drives());
}
SpecialFolders& Platform::specialFolders() {
    return lazy<SpecialFolders, XdgSpecialFolders>(services().specialFolders, drives());
}
UserAccount& Platform::user() {
    return lazy<UserAccount, PosixUserAccount>(services().user);
}
Clock& Platform::clock() {
    return lazy<Clock, SystemClock>(services().clock);
}
Clipboard& Platform::clipboard() {
    return lazy<Clipboard, GuiClipboard>(services().clipboard);
}
Prompter& Platform::prompter() {
    return lazy<Prompter, MessageBoxPrompter>(services().prompter);
}

std::unique_ptr<MediaPlayer> Platform::newMediaPlayer() {
    if (const auto& factory = services().mediaPlayers)
        return factory();
    return std::make_unique<QtMediaPlayer>();
}

void Platform::reuseFreedMemory() {
#ifdef __GLIBC__
    // Large blocks come from the heap like small ones, and freeing gives the heap back only
    // beyond this much free memory at its top.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

void Platform::giveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void Platform::reset() {
    services() = Services();
}

void Platform::setDrives(const DriveTable& table) {
    services().drives = table;
}
void Platform::setFiles(std::unique_ptr<FileSystem> files) {
    services().files = std::move(files);
}
void Platform::setRecycleBin(std::unique_ptr<RecycleBin> recycleBin) {
    services().recycleBin = std::move(recycleBin);
}
void Platform::setShell(std::unique_ptr<Shell> shell) {
    services().shell = std::move(shell);
}
void Platform::setUser(std::unique_ptr<UserAccount> user) {
    services().user = std::move(user);
}
void Platform::setClock(std::unique_ptr<Clock> clock) {
    // The trash dates its items by the clock it was made with: it is made again.
    services().recycleBin.reset();
    services().clock = std::move(clock);
}
void Platform::setClipboard(std::unique_ptr<Clipboard> clipboard) {
    services().clipboard = std::move(clipboard);
}
void Platform::setPrompter(std::unique_ptr<Prompter> prompter) {
    services().prompter = std::move(prompter);
}
void Platform::setMediaPlayers(MediaPlayerFactory factory) {
    services().mediaPlayers = std::move(factory);
}
