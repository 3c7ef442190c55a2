#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <bitset>

// The bytes a piece of a search text may have in a file of a given encoding: a row of byte
// sets, one for each byte of the piece, each holding the bytes that place may have (the
// upper- and lower-case forms of a letter when case does not count). Every hit of the text
// holds one match of the row, and `foer` and `efter` bound how far the hit may reach before
// and after that match; a match need not be a hit, the text decoded around it decides.
//
// A match is looked for fast: a byte of the row that is rare in text with memchr (or two
// bytes at once), else with Boyer-Moore-Horspool.
class Bytemoenster {
public:
    enum class Kodning { Utf8, Windows1252, Utf16LE, Utf16BE };

    // The rows for `tekst` in files of any of `kodninger` (several encodings: one row that
    // finds the text in each of them). Usually one row: the longest piece of the text whose
    // characters have forms of one length. When no character has, the first character's
    // forms, one row for each length. Empty when the text cannot occur in these encodings.
    // `tekst` holds no unpaired surrogate.
    static QList<Bytemoenster> forTekst(const QString& tekst, bool forskelStoreSmaa,
                                        const QList<Kodning>& kodninger);

    // The first match that lies whole in `bytes` and begins at `from` or later; -1 for none.
    qsizetype find(QByteArrayView bytes, qsizetype from) const;

    qsizetype size() const { return m_sets.size(); }
    // At most this many bytes of a hit lie before its match, and after it.
    qsizetype foer() const { return m_foer; }
    qsizetype efter() const { return m_efter; }

    bool operator==(const Bytemoenster& other) const {
        return m_sets == other.m_sets && m_foer == other.m_foer && m_efter == other.m_efter;
    }

private:
    Bytemoenster(QList<std::bitset<256>> sets, qsizetype foer, qsizetype efter);
    bool matchesAt(const uchar* at) const;

    QList<std::bitset<256>> m_sets;
    qsizetype m_foer;
    qsizetype m_efter;
    std::array<qsizetype, 256> m_skip{};
    qsizetype m_rare = -1; // place of a rare set of one or two bytes; -1: Boyer-Moore-Horspool
    uchar m_rareA = 0;
    uchar m_rareB = 0;
};
