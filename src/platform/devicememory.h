#pragma once

#include <QSet>

#include <mutex>
#include <sys/types.h>
#include <utility>

// What a copy learns of the file systems it works on, so that a call one of them cannot do
// is tried once and not for every file: which pairs of devices cannot share blocks (reflink),
// and which devices keep no extended attributes. The files of one folder are copied on
// several threads at once, and all of them ask and tell it.
class DeviceMemory {
public:
    bool mayClone(dev_t from, dev_t to) const {
        const std::lock_guard lock(m_mutex);
        return !m_noClone.contains({from, to});
    }
    void cannotClone(dev_t from, dev_t to) {
        const std::lock_guard lock(m_mutex);
        m_noClone.insert({from, to});
    }
    bool mayHaveXattrs(dev_t device) const {
        const std::lock_guard lock(m_mutex);
        return !m_noXattrs.contains(device);
    }
    void hasNoXattrs(dev_t device) {
        const std::lock_guard lock(m_mutex);
        m_noXattrs.insert(device);
    }

private:
    mutable std::mutex m_mutex;
    QSet<std::pair<dev_t, dev_t>> m_noClone;
    QSet<dev_t> m_noXattrs;
};
