#include "blokke.h"

#include <QIODevice>

#include <cstring>

namespace {

// The size of a part. The fuzz build makes it a few bytes, so that short inputs reach the
// edges between parts.
#ifndef RAVNSTI_SEARCH_PART
#define RAVNSTI_SEARCH_PART (1 << 20)
#endif
constexpr qint64 kPart = RAVNSTI_SEARCH_PART;

} // namespace

Blokke::Blokke(QIODevice& file, QByteArray& buffer, const std::function<bool()>& fortsaet)
    : m_file(file), m_buffer(buffer), m_fortsaet(fortsaet) {}

bool Blokke::next(qint64 keep) {
    if (m_fortsaet && !m_fortsaet())
        return false;
    const qsizetype drop = qBound<qint64>(0, keep - m_start, m_size);
    m_size -= drop;
    if (m_size > 0 && drop > 0)
        std::memmove(m_buffer.data(), m_buffer.constData() + drop, size_t(m_size));
    m_start += drop;
    if (m_buffer.size() < m_size + kPart)
        m_buffer.resize(m_size + kPart);
    // An unbuffered file reads until the part is full or the file ends.
    const qint64 n = m_file.read(m_buffer.data() + m_size, kPart);
    if (n < 0)
        return false;
    m_size += n;
    m_atEnd = n < kPart;
    return true;
}

bool Blokke::fromStart() {
    if (m_start == 0)
        return true;
    if (!m_file.seek(0))
        return false;
    m_start = 0;
    m_size = 0;
    m_atEnd = false;
    return next(0);
}
