#pragma once

#include "tekstsoegning.h"

// Finds the hits of a text in a piece of a document's text handed over in parts, keeping
// only as much of it as the hits still to come may need. Every line break of the parts
// (CR LF, LF or CR) counts as one character.
class Fundsoeger {
public:
    // `base`: the position in the document of the piece's first character.
    Fundsoeger(const QString& needle, bool heleOrd, Qt::CaseSensitivity cs, const QString& dokument,
               QList<TekstFund>& fund, qsizetype max, qint64 base = 0)
        : m_needle(needle), m_heleOrd(heleOrd), m_cs(cs), m_dokument(dokument), m_fund(fund),
          m_max(max), m_base(base) {}

    void feed(QStringView piece);
    // The piece ends here: the hits near its end are taken with what there is after them.
    void finish() { scan(true); }
    bool full() const { return m_fund.size() >= m_max; }

private:
    void append(QStringView piece);
    bool wholeWord(qsizetype start, qsizetype end) const;
    void scan(bool atEnd);

    const QString& m_needle;
    const bool m_heleOrd;
    const Qt::CaseSensitivity m_cs;
    const QString& m_dokument;
    QList<TekstFund>& m_fund;
    const qsizetype m_max;
    QString m_buf;
    qint64 m_base;        // position of m_buf's first character in the whole text
    qsizetype m_from = 0; // where in m_buf the search goes on
    bool m_pendingCr = false;
};
