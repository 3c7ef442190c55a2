#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class QIODevice;

// One place a text was found.
struct TekstFund {
    QString dokument; // the file's full path, or the name of a document that has none
    qint64 position;  // character position in the document's text, counted from 0
    QString tekst;    // the line holding the hit
};

// Finds a text in files, as the editor would show them: a file is read in its own encoding
// (a byte-order mark; else UTF-8 when it is valid UTF-8; else Windows-1252), rich text
// files as their text. Positions count each line break (CR LF, LF or CR) as one character,
// as the editor does. Files are read in parts, so their size does not matter, and a file
// that cannot hold the text is passed over after a quick look at its bytes. The text is
// plain: no character in it is a pattern.
class TekstSoegning {
public:
    // Hits kept per search at most; a search that reaches it stops.
    static constexpr qsizetype kMaxFund = 100000;
    // Characters of a long line shown on each side of the hit.
    static constexpr qsizetype kKontekst = 200;

    // heleOrd: only hits with no letter or digit next to them; forskelStoreSmaa: upper and
    // lower case differ.
    TekstSoegning(const QString& soegetekst, bool heleOrd, bool forskelStoreSmaa);

    // Appends the hits of one file (a regular file or a link to one); false when it could
    // not be read.
    bool soegFil(const QString& path, QList<TekstFund>& fund) const;

    // The text's bytes in one encoding a file may have, for a quick look at a file's bytes:
    // the shifts of a Boyer-Moore-Horspool search and the position of a byte rare in text
    // (-1 when all are common).
    struct Bytemoenster {
        QByteArray bytes;
        std::array<qsizetype, 256> skip;
        qsizetype rare;
    };

private:
    enum class Kodning { Utf8, Utf8Bom, Utf16LE, Utf16BE, Rtf, Windows1252 };
    bool kanIndeholde(QIODevice& file) const;
    // Reads the whole file as `kodning` into `fund`, at most `max` hits; false when it is
    // not valid UTF-8 after all (strict UTF-8 without a byte-order mark) or a read fails.
    bool laes(QIODevice& file, Kodning kodning, const QString& path, QList<TekstFund>& fund,
              qsizetype max) const;

    QString m_tekst;
    bool m_heleOrd;
    Qt::CaseSensitivity m_cs;
    // Empty when bytes cannot tell (a case-insensitive text with other than ASCII letters).
    QList<Bytemoenster> m_moenstre;
    bool m_foldsToAscii = false;
    mutable QByteArray m_buffer; // the part of a file read last, kept for the next file
};
