#pragma once

#include <QSet>

#include <sys/types.h>
#include <utility>

// What a copy learns of the file systems it works on, so that a call one of them cannot do
// is tried once and not for every file: which pairs of devices cannot share blocks (reflink),
// and which devices keep no extended attributes.
class DeviceMemory {
public:
    bool mayClone(dev_t from, dev_t to) const { return !m_noClone.contains({from, to}); }
    void cannotClone(dev_t from, dev_t to) { m_noClone.insert({from, to}); }
    bool mayHaveXattrs(dev_t device) const { return !m_noXattrs.contains(device); }
    void hasNoXattrs(dev_t device) { m_noXattrs.insert(device); }

private:
    QSet<std::pair<dev_t, dev_t>> m_noClone;
    QSet<dev_t> m_noXattrs;
};
