#pragma once

#include <QByteArrayView>

// Small helpers over POSIX descriptors, shared by the platform's writers.
namespace PosixIo {

// Writes all of `data` to the descriptor, going on after interrupted and partial writes:
// 0 when everything was written, else the errno value of the failure.
int writeAll(int fd, QByteArrayView data);

} // namespace PosixIo
