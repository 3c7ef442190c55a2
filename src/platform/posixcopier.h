#pragma once

#include "filesystem.h"
#include "posixfd.h"
#include "posixmeta.h"

#include <QByteArray>
#include <QString>

// Copies one file or link. The copy is written under a temporary name in the target's
// folder and only then takes the target's name, so a target is never seen half written;
// contents go by reflink, copy_file_range or read and write, whichever the file systems
// allow, with the source's modes, times and DOS attributes.
class PosixCopier {
public:
    PosixCopier(const QString& source, const QString& target, const CopyProgress& progress)
        : m_source(source), m_target(target), m_progress(progress) {}

    // Copies host file `src` to host path `dst` through a temporary entry beside it, which
    // goes again when the copy fails or is cancelled.
    FileResult run(const QByteArray& src, const QByteArray& dst, ReplaceMode mode);

private:
    FileResult copyLink(const QByteArray& src, const PosixIo::Meta& sl, ReplaceMode mode);
    FileResult copyRegular(const QByteArray& src, const PosixIo::Meta& sl, ReplaceMode mode);
    // Copies the contents from `in` to `out`; `done` receives the bytes copied.
    FileResult copyData(int in, int out, qint64 total, qint64& done);
    bool report(qint64 done, qint64 total) { return !m_progress || m_progress(done, total); }
    void removeTemporary() {
        if (!m_temp.isEmpty())
            ::unlinkat(m_dir.get(), m_temp.constData(), 0);
        m_temp.clear();
    }
    FileResult cancelled() { return FileResult::failure(FileError::Cancelled, m_target); }

    QString m_source;
    QString m_target;
    const CopyProgress& m_progress;
    PosixIo::Fd m_dir; // the target's folder
    QByteArray m_name; // the target's name in it
    QByteArray m_temp; // the temporary entry while one exists
};
