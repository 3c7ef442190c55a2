#include "imagelists.h"
#include "lazyiconengine.h"

#include <initializer_list>
#include <mutex>

// The icons live in a resource of this static library, which has to be registered by hand
// (from the global namespace, where the macro's declaration must be).
static void registerIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace {

// One icon per name from the resource, a null icon for an empty (nullptr) slot.
QList<QIcon> iconList(std::initializer_list<const char*> names) {
    static std::once_flag registered;
    std::call_once(registered, registerIconResources);
    QList<QIcon> list;
    list.reserve(qsizetype(names.size()));
    for (const char* name : names)
        list.append(
            name ? LazyIconEngine::icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)))
                 : QIcon());
    return list;
}

} // namespace

QList<QIcon> ImageLists::dirliste() {
    static const QList<QIcon> list = iconList({
        nullptr,            // 0
        "drive-system",     // 1
        "drive",            // 2
        "folder",           // 3
        "folder",           // 4
        "folder-pictures",  // 5
        "folder-documents", // 6
        "folder-music",     // 7
        "folder-videos",    // 8
        "desktop",          // 9
        "favourites",       // 10
        "user",             // 11
        "drive-cdrom",      // 12
    });
    return list;
}

QList<QIcon> ImageLists::filliste() {
    static const QList<QIcon> list = iconList({
        nullptr,         // 0
        "folder",        // 1
        "file",          // 2
        "file-picture",  // 3
        "file-mp3",      // 4
        "file-mp4",      // 5
        "file-text",     // 6
        "program",       // 7
        "file-m4v",      // 8
        "file-avi",      // 9
        "file-m4a",      // 10
        "shortcut",      // 11
        "file-mpg",      // 12
        "file-wav",      // 13
        "file-iss",      // 14
        "file-search",   // 15
        "folder-search", // 16
        "search",        // 17
        "file-pas",      // 18
        "file",          // 19
        "file-rtf",      // 20
        "file-vbs",      // 21
        "file-js",       // 22
        "file-html",     // 23
        "file-css",      // 24
        "file-bat",      // 25
        "file-ps1",      // 26
    });
    return list;
}

QList<QIcon> ImageLists::strukturImage() {
    static const QList<QIcon> list =
        iconList({"emne-bog", "emne-bog-aaben", "emne-side", "emne-tekst", "folder", "emne-vindue",
                  "file-picture", "emne-spoergsmaal", "emne-tastatur", "emne-punkt"});
    return list;
}

QList<QIcon> ImageLists::htmlListe() {
    static const QList<QIcon> list =
        iconList({"emne-bog", "emne-bog-aaben", "emne-tag", "emne-attribut", "folder", "emne-css",
                  "file-picture", "emne-eksempel", "emne-event", "emne-punkt"});
    return list;
}

QList<QIcon> ImageLists::scriptListe() {
    static const QList<QIcon> list = iconList(
        {"emne-bog", "emne-bog-aaben", "emne-objekt", "emne-metode", "folder", "emne-egenskab",
         "emne-funktion", "emne-eksempel", "emne-saetning", "emne-punkt"});
    return list;
}
