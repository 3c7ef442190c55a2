#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "bytemoenster.h"

#include "platform/fileinfo.h"
#include "platform/openfolder.h"

#include <functional>
#include <memory>

class Blokke;

// One place a text was found.
struct TekstFund {
    QString dokument; // the file's full path, or the name of a document that has none
    qint64 position;  // character position in the document's text, counted from 0
    QString tekst;    // the line holding the hit
};

// A file to search, and what the folder's listing said it is.
struct SoegeFil {
    QString sti;
    EntryKind art = EntryKind::Other;
};

// Finds a text in files, as the editor would show them: a file is read in its own encoding
// (a byte-order mark; else UTF-8 when it is valid UTF-8; else Windows-1252), rich text
// files as their text. Positions count each line break (CR LF, LF or CR) as one character,
// as the editor does. The text is looked for in the file's bytes, in each form it may have
// there, and only the bytes around a place it may stand are decoded; files are read in
// parts, so their size does not matter. Rich text files, and texts that hold a line break,
// U+FFFD or an unpaired surrogate, are decoded whole. The text is plain: no character in it
// is a pattern.
class TekstSoegning {
public:
    // Hits kept per search at most; a search that reaches it stops.
    static constexpr qsizetype kMaxFund = 100000;
    // Characters of a long line shown on each side of the hit.
    static constexpr qsizetype kKontekst = 200;

    // heleOrd: only hits with no letter or digit next to them; forskelStoreSmaa: upper and
    // lower case differ.
    TekstSoegning(const QString& soegetekst, bool heleOrd, bool forskelStoreSmaa);

    // Asked before each part of a file is read; false stops the search of the file, which
    // then gives no hits and counts as not read.
    void setFortsaet(std::function<bool()> fortsaet) { m_fortsaet = std::move(fortsaet); }

    // Appends the hits of one file (a regular file or a link to one); false when it could
    // not be read. `art` is what a listing said the entry is; a File is opened without
    // being looked at first (FileSystem::openForReading).
    bool soegFil(const QString& path, QList<TekstFund>& fund,
                 EntryKind art = EntryKind::Other) const;

    // Searches `filer` several at a time, on helper threads as well as this one, and appends
    // their hits to `fund` in the files' order, kMaxFund at most. `fremskridt` is called on
    // this thread as files are done, with the number done so far; its false stops the
    // search, as the function of setFortsaet() does, and the hits are then those of the
    // files done. Gives the number of files done and counts in `ulaeste` those of them that
    // could not be read.
    int soegFiler(const QList<SoegeFil>& filer, QList<TekstFund>& fund, int& ulaeste,
                  const std::function<bool(int soegt)>& fremskridt) const;

private:
    enum class Kodning { Utf8, Utf8Bom, Utf16LE, Utf16BE, Rtf, Windows1252 };
    enum class Udfald { Faerdig, IkkeUtf8, Fejl };
    bool kanIndeholde(Blokke& blokke, qint64 dataStart,
                      const QList<const QList<Bytemoenster>*>& former) const;
    // Decodes the bytes around the matches of `former`, from `dataStart` on. UTF-8 must be
    // valid UTF-8 through the whole file, else IkkeUtf8.
    Udfald gennemgaa(Blokke& blokke, Bytemoenster::Kodning kodning, qint64 dataStart,
                     const QList<Bytemoenster>& former, const QString& path, QList<TekstFund>& fund,
                     qsizetype max) const;
    // Reads the whole file as `kodning` into `fund`, at most `max` hits; false when it is
    // not valid UTF-8 after all (strict UTF-8 without a byte-order mark) or a read fails.
    bool laes(Blokke& blokke, Kodning kodning, const QString& path, QList<TekstFund>& fund,
              qsizetype max) const;

    QString m_tekst;
    bool m_heleOrd;
    Qt::CaseSensitivity m_cs;
    bool m_iBytes; // the text is looked for in bytes
    // The forms of the text in each encoding; UTF-8 and Windows-1252 share theirs where a
    // piece of the text is the same in both, so that a file is looked through once.
    QList<Bytemoenster> m_utf8;
    QList<Bytemoenster> m_windows1252;
    QList<Bytemoenster> m_utf16le;
    QList<Bytemoenster> m_utf16be;
    std::function<bool()> m_fortsaet;
    mutable QByteArray m_buffer; // the parts of a file still needed, kept for the next file
    // The folder of the last file, held open for the next files in it; none when it could
    // not be opened, and its files are then opened by their paths.
    mutable QString m_mappeSti;
    mutable std::unique_ptr<OpenFolder> m_mappe;
};
