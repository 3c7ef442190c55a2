#pragma once

#include <QString>

// The folder a benchmark writes its test data in. As root it mounts a RAM file system of its
// own there (tmpfs), so that both sides of a comparison read and write memory, not a disk
// shared with whatever else the machine does; otherwise it is a plain temporary folder. It
// unmounts and removes everything when it goes.
class BenchFolder {
public:
    // Makes the folder under `base` (default: the temporary folder), named after `name`.
    explicit BenchFolder(const QString& name, const QString& base = QString());
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }
    QString filePath(const QString& name) const { return m_path + QLatin1Char('/') + name; }
    // "tmpfs (RAM, mounted for this run)" or the file system type of a plain folder.
    QString fileSystem() const;

private:
    QString m_path;
    bool m_mounted = false;
};
