#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <sys/types.h>
#include <utility>

// Small helpers over POSIX descriptors, shared by the platform's writers.
namespace PosixIo {

// Writes all of `data` to the descriptor, going on after interrupted and partial writes:
// 0 when everything was written, else the errno value of the failure.
int writeAll(int fd, QByteArrayView data);

// A host path as text, for messages.
QString display(const QByteArray& host);
// "/a/b/c" -> ("/a/b", "c"); "/c" -> ("/", "c"); "/" -> ("/", "").
std::pair<QByteArray, QByteArray> splitHost(const QByteArray& host);
QByteArray joinHost(const QByteArray& folder, const QByteArray& name);
// A unique name for a temporary entry in a folder: ".ravnsti-<pid>-<n>-<random>.tmp", the
// shape TextFile::removeStaleTemporaries knows as ours.
QByteArray temporaryName();

// The umask without changing it (Linux >= 4.7 shows it in /proc), else by setting it back.
mode_t currentUmask();
// Whether an errno value says the call's flags are unknown to the kernel or file system.
bool flagsUnsupported(int e);
// renameat2(RENAME_NOREPLACE), or check-then-rename where the file system lacks it: 0 or
// the errno value.
int renameNoReplace(int fromDir, const char* from, int toDir, const char* to);

} // namespace PosixIo
