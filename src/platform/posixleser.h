#pragma once

#include "posixfd.h"

#include <QIODevice>

// A regular file opened for reading, read straight through its descriptor: no buffer of
// its own and no calls beyond read() and lseek(), so that opening many small files costs
// little. A read fills what was asked for unless the file ends first.
class PosixLeser : public QIODevice {
    Q_OBJECT

public:
    // Takes over `fd`; `size` is the file's size when it was opened.
    PosixLeser(int fd, qint64 size);

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_size; }
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    PosixIo::Fd m_fd;
    qint64 m_size;
    qint64 m_pos = 0;
};
