#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

class QIODevice;

// A file read from its start in large parts into one buffer, which keeps of the earlier
// parts only what its reader still needs. Offsets are those of the whole file.
class Blokke {
public:
    // `fortsaet` is asked before each part is read; false stops the reading.
    Blokke(QIODevice& file, QByteArray& buffer, const std::function<bool()>& fortsaet);

    // Reads the next part, dropping the bytes before `keep`; false on a read error or when
    // stopped.
    bool next(qint64 keep);
    // Back to the start of the file: the bytes read first are kept while nothing of them
    // was dropped. False on a read error or when stopped.
    bool fromStart();

    QByteArrayView bytes() const { return QByteArrayView(m_buffer.constData(), m_size); }
    qint64 start() const { return m_start; }
    qint64 end() const { return m_start + m_size; }
    bool atEnd() const { return m_atEnd; }

private:
    QIODevice& m_file;
    QByteArray& m_buffer;
    const std::function<bool()>& m_fortsaet;
    qint64 m_start = 0;
    qsizetype m_size = 0;
    bool m_atEnd = false;
};
