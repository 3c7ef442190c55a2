#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// What every fuzz target needs: Qt started once (offscreen), the platform's messages sent
// nowhere, a temporary folder that lives as long as the process, and a check that stops the
// run with a report when a property of the code under test does not hold.
namespace FuzzSupport {

// Starts a QApplication (a QCoreApplication when `widgets` is false) and installs a prompter
// that shows nothing and answers every question "Nej". With `drives`, C: and D: are the
// folders "C" and "D" of folder(), and the data home (so the home trash) is its "data".
void start(const char* name, bool widgets, bool drives = false);
// A folder of the process's own, made on first use.
QString folder();
// Replaces the file at a host path by these bytes.
void writeHost(const QString& hostPath, const QByteArray& bytes);
// Replaces the file at a logical path by these bytes, making its folder.
void write(const QString& logicalPath, const QByteArray& bytes);
// Makes these logical folders (and those above them).
void makeFolders(const QStringList& logicalFolders);
// The input cut at its first `count - 1` NUL bytes: `count` parts, the missing ones empty.
QList<QByteArray> parts(const uint8_t* data, size_t size, int count);
// Aborts (a finding) when the condition is false, after printing what did not hold.
void require(bool condition, const char* what);

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace FuzzSupport
