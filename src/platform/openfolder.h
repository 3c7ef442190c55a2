#pragma once

#include <QString>

// A folder held open while a tree is copied. Its entries are reached relative to it, so the
// folder is looked up once, and a link put in its place meanwhile redirects nothing. Made by
// FileSystem::openFolder() and openSubfolder(), and used only with the file system that made it.
class OpenFolder {
public:
    virtual ~OpenFolder() = default;
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    // The logical path it was opened by.
    const QString& path() const { return m_path; }

protected:
    explicit OpenFolder(const QString& path) : m_path(path) {}

private:
    QString m_path;
};
