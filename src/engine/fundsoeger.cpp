#include "fundsoeger.h"

void Fundsoeger::feed(QStringView piece) {
    append(piece);
    scan(false);
}

// Appends with every line break as one "\n", as the editor counts it.
void Fundsoeger::append(QStringView piece) {
    if (piece.isEmpty())
        return; // a part that gave no text leaves a CR before it pending
    if (m_pendingCr && piece.startsWith(u'\n'))
        piece = piece.mid(1);
    m_pendingCr = false;
    while (!piece.isEmpty()) {
        const qsizetype cr = piece.indexOf(u'\r');
        if (cr < 0) {
            m_buf.append(piece);
            return;
        }
        m_buf.append(piece.left(cr));
        m_buf.append(u'\n');
        piece = piece.mid(cr + 1);
        if (piece.isEmpty())
            m_pendingCr = true; // a LF at the start of the next part belongs to it
        else if (piece.startsWith(u'\n'))
            piece = piece.mid(1);
    }
}

bool Fundsoeger::wholeWord(qsizetype start, qsizetype end) const {
    return (start == 0 || !m_buf.at(start - 1).isLetterOrNumber()) &&
           (end == m_buf.size() || !m_buf.at(end).isLetterOrNumber());
}

void Fundsoeger::scan(bool atEnd) {
    const qsizetype n = m_needle.size();
    const QStringView buf(m_buf);
    while (!full()) {
        const qsizetype at = buf.indexOf(m_needle, m_from, m_cs);
        if (at < 0) {
            m_from = qMax(m_from, buf.size() - n + 1);
            break;
        }
        const qsizetype end = at + n;
        const qsizetype limit = end + TekstSoegning::kKontekst;
        qsizetype lineEnd = buf.mid(end, qMin(limit, buf.size()) - end).indexOf(u'\n');
        if (lineEnd >= 0) {
            lineEnd += end;
        } else if (buf.size() < limit && !atEnd) {
            m_from = at; // the rest of its line has not come yet
            break;
        } else {
            lineEnd = qMin(limit, buf.size());
        }
        if (m_heleOrd && !wholeWord(at, end)) {
            m_from = at + 1;
            continue;
        }
        const qsizetype from = qMax<qsizetype>(0, at - TekstSoegning::kKontekst);
        const qsizetype lineStart = from + buf.mid(from, at - from).lastIndexOf(u'\n') + 1;
        m_fund.append({m_dokument, m_base + at, m_buf.mid(lineStart, lineEnd - lineStart)});
        m_from = end;
    }
    // Keep what the next hit may show before it (or need to tell a whole word).
    const qsizetype drop = qMax<qsizetype>(0, m_from - TekstSoegning::kKontekst);
    if (drop > 0) {
        m_buf.remove(0, drop);
        m_base += drop;
        m_from -= drop;
    }
}
