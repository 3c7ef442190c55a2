#include "fuzzsupport.h"

#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Malformed input is expected; its messages go nowhere.
class SilentPrompter : public Prompter {
public:
    void message(const QString&, MessageKind) override {}
    bool question(const QString&) override { return false; }
};

} // namespace

// Qt keeps its font engines until the process ends; those are not leaks of the code tested.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libfreetype\nleak:libharfbuzz\nleak:libQt6Gui\n";
}

namespace FuzzSupport {

void start(const char* name, bool widgets, bool drives) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (drives) {
        const QString base = folder();
        for (const char* sub : {"/C", "/D", "/data"})
            QDir().mkpath(base + QLatin1String(sub));
        qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("/data")));
        qputenv("RAVNSTI_DRIVES",
                QFile::encodeName(QStringLiteral("C=%1/C;D=%1/D").arg(QDir(base).canonicalPath())));
    }
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    // Never destroyed, and neither are the windows of the targets: what Qt would tear down
    // after main() returns is gone by then, and a widget destroyed that late crashes.
    if (widgets)
        new QApplication(argc, argv);
    else
        new QCoreApplication(argc, argv);
    Platform::setPrompter(std::make_unique<SilentPrompter>());
}

QString folder() {
    static QTemporaryDir dir;
    return dir.path();
}

void writeHost(const QString& hostPath, const QByteArray& bytes) {
    QFile file(hostPath);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes) == bytes.size(),
            "a file of the fuzz folder can be written");
}

void write(const QString& logicalPath, const QByteArray& bytes) {
    const std::optional<QString> host = Platform::hostPath(logicalPath);
    require(bool(host), "a logical path of the fuzz drives has a host path");
    QDir().mkpath(QFileInfo(*host).path());
    writeHost(*host, bytes);
}

void makeFolders(const QStringList& logicalFolders) {
    for (const QString& folder : logicalFolders) {
        const std::optional<QString> host = Platform::hostPath(folder);
        require(host && QDir().mkpath(*host), "a folder of the fuzz drives can be made");
    }
}

QList<QByteArray> parts(const uint8_t* data, size_t size, int count) {
    const QByteArray bytes = bytesOf(data, size);
    QList<QByteArray> cut;
    qsizetype from = 0;
    while (int(cut.size()) < count - 1) {
        const qsizetype nul = bytes.indexOf('\0', from);
        if (nul < 0)
            break;
        cut << bytes.mid(from, nul - from);
        from = nul + 1;
    }
    cut << bytes.mid(from);
    while (int(cut.size()) < count)
        cut << QByteArray();
    return cut;
}

void require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "Property failed: %s\n", what);
    std::abort();
}

} // namespace FuzzSupport
