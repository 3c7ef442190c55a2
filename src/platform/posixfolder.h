#pragma once

#include "devicememory.h"
#include "openfolder.h"
#include "posixfd.h"

#include <QByteArray>

#include <memory>
#include <sys/types.h>

// A host folder held open for a tree copy, with what the copy knows of it.
class PosixFolder : public OpenFolder {
public:
    PosixFolder(const QString& path, const QByteArray& host, int fd)
        : OpenFolder(path), m_host(host), m_fd(fd) {}

    int fd() const { return m_fd.get(); }
    // Its host path when opened, for messages and the calls that need a path.
    const QByteArray& host() const { return m_host; }

    dev_t device = 0;
    // Made by this copy: an entry in it is one the copy put there.
    bool fresh = false;
    // A file created in it gets the mode asked for less the umask; false when a default ACL
    // (or something unknown) decides instead.
    bool plainModes = false;
    mode_t umask = 0;
    // Shared by the folders of one copy.
    std::shared_ptr<DeviceMemory> memory;

private:
    QByteArray m_host;
    PosixIo::Fd m_fd;
};
