#pragma once

#include "devicememory.h"
#include "fileinfo.h"
#include "filesystem.h"
#include "posixfd.h"
#include "posixmeta.h"

#include <QByteArray>
#include <QString>

// Copies one file or link. The copy is written under a temporary name in the target's
// folder and only then takes the target's name, so a target is never seen half written;
// contents go by reflink, copy_file_range or read and write, whichever the file systems
// allow, with the source's modes, times and DOS attributes. Every step is taken relative to
// the open source and target folders.
class PosixCopier {
public:
    // The folder a copy goes to and what is known of it.
    struct Target {
        int dir = -1;
        dev_t device = 0;
        bool fresh = false;      // made by this copy: no entry of another is expected there
        bool plainModes = false; // a file created there gets the mode asked less the umask
        mode_t umask = 0;
    };

    PosixCopier(const QString& source, const QString& target, const CopyProgress& progress,
                DeviceMemory& memory)
        : m_source(source), m_target(target), m_progress(progress), m_memory(memory) {}

    // Copies the entry `name` of the folder open as `fromDir` to `toName` in `to`, through a
    // temporary entry beside it, which goes again when the copy fails or is cancelled.
    // `kind` is what a listing said the entry is: a File is opened at once (and refused
    // should it be something else by then), anything else is looked at first.
    FileResult run(int fromDir, const QByteArray& name, EntryKind kind, const Target& to,
                   const QByteArray& toName, ReplaceMode mode);

private:
    // Opens the source for reading: 0 or the errno value.
    int openSource(PosixIo::Fd& in);
    // Refuses folders, FIFOs, sockets and devices.
    FileResult refuseKind(mode_t mode) const;
    // Refuses a target that is the source itself or a folder, or (Refuse) any existing
    // target; succeeds when there is none.
    FileResult checkTarget(const PosixIo::Meta& sl, ReplaceMode mode);
    FileResult copyLink(const PosixIo::Meta& sl, ReplaceMode mode);
    FileResult copyRegular(int in, const PosixIo::Meta& fm, ReplaceMode mode);
    // Copies the contents from `in` to `out`; `done` receives the bytes copied.
    FileResult copyData(int in, int out, const PosixIo::Meta& fm, qint64& done);
    // Gives the finished temporary entry the target's name.
    FileResult place(const PosixIo::Meta& sl, ReplaceMode mode);
    bool report(qint64 done, qint64 total) { return !m_progress || m_progress(done, total); }
    void removeTemporary() {
        if (!m_temp.isEmpty())
            ::unlinkat(m_to.dir, m_temp.constData(), 0);
        m_temp.clear();
    }
    FileResult cancelled() { return FileResult::failure(FileError::Cancelled, m_target); }

    QString m_source;
    QString m_target;
    const CopyProgress& m_progress;
    DeviceMemory& m_memory;
    int m_fromDir = -1;
    QByteArray m_fromName;
    Target m_to;
    QByteArray m_name; // the target's name in its folder
    QByteArray m_temp; // the temporary entry while one exists
};
