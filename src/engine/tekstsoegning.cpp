#include "tekstsoegning.h"
#include "blokke.h"
#include "fundsoeger.h"
#include "rtftekst.h"
#include "tegntaeller.h"

#include "platform/logicalpath.h"
#include "platform/parallelbatch.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QIODevice>
#include <QStringDecoder>

#include <optional>
#include <vector>

namespace {

using Form = Bytemoenster::Kodning;

// Bytes decoded on each side of a match beyond the text itself: the characters a hit shows
// around it and the one that tells a whole word (a character or a line break takes at most
// four bytes for each character counted).
constexpr qint64 kKant = 4 * (TekstSoegning::kKontekst + 2);
// Bytes a place moves at most to where a character begins.
constexpr qint64 kRet = 8;

bool isUtf16(Form form) {
    return form == Form::Utf16LE || form == Form::Utf16BE;
}

QString decoded(QByteArrayView bytes, Form form) {
    switch (form) {
    case Form::Utf8:
        return TextFile::fromUtf8(bytes);
    case Form::Windows1252:
        return TextFile::fromWindows1252(bytes.toByteArray());
    default:
        return QStringDecoder(form == Form::Utf16LE ? QStringConverter::Utf16LE
                                                    : QStringConverter::Utf16BE,
                              QStringConverter::Flag::ConvertInitialBom)
            .decode(bytes);
    }
}

// How many of the last bytes begin a UTF-8 sequence that the bytes after them must complete.
qsizetype incompleteTail(QByteArrayView tail) {
    for (qsizetype back = 1; back <= qMin<qsizetype>(4, tail.size()); ++back) {
        const auto b = uchar(tail.at(tail.size() - back));
        if ((b & 0xC0) == 0x80)
            continue; // a continuation byte: the lead lies further back
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

qint64 countUtf16(const uchar* at, const uchar* const end, bool little, bool& afterCr) {
    qint64 n = 0;
    for (; end - at >= 2; at += 2) {
        const char16_t unit = little ? char16_t(at[0] | at[1] << 8) : char16_t(at[0] << 8 | at[1]);
        n += afterCr && unit == u'\n' ? 0 : 1;
        afterCr = unit == u'\r';
    }
    return n;
}

} // namespace

TekstSoegning::TekstSoegning(const QString& soegetekst, bool heleOrd, bool forskelStoreSmaa)
    : m_tekst(soegetekst), m_heleOrd(heleOrd),
      m_cs(forskelStoreSmaa ? Qt::CaseSensitive : Qt::CaseInsensitive) {
    // A line break matches each kind of line break, U+FFFD also bytes that are no character,
    // and an unpaired surrogate half a character: such texts are found in decoded text only.
    m_iBytes = QStringView(soegetekst).isValidUtf16() && !soegetekst.contains(u'\n') &&
               !soegetekst.contains(u'\r') && !soegetekst.contains(QChar::ReplacementCharacter);
    if (!m_iBytes)
        return;
    m_utf8 = Bytemoenster::forTekst(soegetekst, forskelStoreSmaa, {Form::Utf8});
    m_windows1252 = Bytemoenster::forTekst(soegetekst, forskelStoreSmaa, {Form::Windows1252});
    // A piece the same in both, long enough to be rare, is looked for once.
    const QList<Bytemoenster> faelles =
        Bytemoenster::forTekst(soegetekst, forskelStoreSmaa, {Form::Utf8, Form::Windows1252});
    if (faelles.size() == 1 &&
        (faelles.first().size() >= 4 || (faelles.first().foer() + faelles.first().efter() == 0)))
        m_utf8 = m_windows1252 = faelles;
    m_utf16le = Bytemoenster::forTekst(soegetekst, forskelStoreSmaa, {Form::Utf16LE});
    m_utf16be = Bytemoenster::forTekst(soegetekst, forskelStoreSmaa, {Form::Utf16BE});
}

bool TekstSoegning::kanIndeholde(Blokke& blokke, qint64 dataStart,
                                 const QList<const QList<Bytemoenster>*>& former) const {
    qsizetype longest = 1;
    for (const QList<Bytemoenster>* rows : former)
        for (const Bytemoenster& row : *rows)
            longest = qMax(longest, row.size());
    // The end of each part is kept before the next, so no match falls between two parts.
    for (qint64 from = dataStart;;) {
        for (const QList<Bytemoenster>* rows : former)
            for (const Bytemoenster& row : *rows)
                if (row.find(blokke.bytes(), from - blokke.start()) >= 0)
                    return true;
        if (blokke.atEnd())
            return false;
        from = qMax(from, blokke.end() - longest + 1);
        if (!blokke.next(from))
            return true; // the reading that follows tells the failure
    }
}

TekstSoegning::Udfald TekstSoegning::gennemgaa(Blokke& blokke, Form kodning, qint64 dataStart,
                                               const QList<Bytemoenster>& former,
                                               const QString& path, QList<TekstFund>& fund,
                                               qsizetype max) const {
    if (!blokke.fromStart())
        return Udfald::Fejl;
    qsizetype longest = 1;
    qint64 foer = 0, efter = 0;
    for (const Bytemoenster& row : former) {
        longest = qMax(longest, row.size());
        foer = qMax(foer, row.foer());
        efter = qMax(efter, row.size() + row.efter());
    }
    const qint64 back = foer + kKant, ahead = efter + kKant;
    const bool wide = isUtf16(kodning);
    const auto byteAt = [&](qint64 at) { return uchar(blokke.bytes().at(at - blokke.start())); };
    const auto unitAt = [&](qint64 at) {
        return kodning == Form::Utf16LE ? char16_t(byteAt(at) | byteAt(at + 1) << 8)
                                        : char16_t(byteAt(at) << 8 | byteAt(at + 1));
    };
    // The first place from `at` on where a piece of text may begin: where a character
    // begins, and not between the CR and the LF of a line break.
    const auto snap = [&](qint64 at) {
        const qint64 end = blokke.end();
        if (wide) {
            at += (at - dataStart) & 1;
            if (at + 1 < end && at - 2 >= dataStart && QChar::isLowSurrogate(unitAt(at)) &&
                QChar::isHighSurrogate(unitAt(at - 2)))
                at += 2;
            if (at + 1 < end && at - 2 >= dataStart && unitAt(at) == u'\n' &&
                unitAt(at - 2) == u'\r')
                at += 2;
            return qMin(at, end);
        }
        while (kodning == Form::Utf8 && at < end && (byteAt(at) & 0xC0) == 0x80)
            ++at;
        if (at < end && at > dataStart && byteAt(at) == '\n' && byteAt(at - 1) == '\r')
            ++at;
        return at;
    };

    // The characters before `counted`, each line break one. UTF-8 is checked as it is
    // counted, so every byte of the file is counted: false once it cannot be UTF-8.
    qint64 counted = dataStart, characters = 0;
    bool afterCr = false;
    Tegntaeller taeller(kodning == Form::Utf8);
    const auto count = [&](qint64 to) {
        if (to <= counted)
            return true;
        const QByteArrayView bytes = blokke.bytes().sliced(counted - blokke.start(), to - counted);
        counted = to;
        if (wide) {
            const auto* at = reinterpret_cast<const uchar*>(bytes.data());
            characters += countUtf16(at, at + bytes.size(), kodning == Form::Utf16LE, afterCr);
            return true;
        }
        const bool valid = taeller.feed(bytes);
        characters = taeller.tegn();
        return valid;
    };

    // The piece of text being searched: from `fed` to `pieceEnd` still to be decoded.
    std::optional<Fundsoeger> soeger;
    qint64 fed = 0, pieceEnd = 0;
    const auto feedTo = [&](qint64 to) {
        if (soeger && to > fed) {
            soeger->feed(decoded(blokke.bytes().sliced(fed - blokke.start(), to - fed), kodning));
            fed = to;
        }
    };
    const auto finishPiece = [&] {
        if (soeger) {
            feedTo(pieceEnd);
            soeger->finish();
            soeger.reset();
        }
    };
    const auto add = [&](qint64 start, qint64 end) {
        if (soeger && start <= pieceEnd) {
            pieceEnd = qMax(pieceEnd, end);
            return true;
        }
        finishPiece();
        if (!count(start))
            return false;
        soeger.emplace(m_tekst, m_heleOrd, m_cs, path, fund, max, characters);
        fed = start;
        pieceEnd = end;
        return true;
    };

    qint64 from = dataStart, next = dataStart;
    QList<qsizetype> match(former.size());
    for (;;) {
        const QByteArrayView bytes = blokke.bytes();
        const qint64 start = blokke.start(), end = blokke.end();
        // The matches of all rows in order; one too near the end of the bytes read waits
        // for the next part.
        for (qsizetype i = 0; i < former.size(); ++i)
            match[i] = former.at(i).find(bytes, from - start);
        bool waiting = false;
        for (;;) {
            qsizetype first = -1;
            for (qsizetype i = 0; i < former.size(); ++i)
                if (match.at(i) >= 0 && (first < 0 || match.at(i) < match.at(first)))
                    first = i;
            if (first < 0)
                break;
            const qint64 at = start + match.at(first);
            if (at >= next) {
                if (!blokke.atEnd() && at + ahead + kRet > end) {
                    from = at;
                    waiting = true;
                    break;
                }
                if (!add(snap(qMax(dataStart, at - back)),
                         at + ahead + kRet > end ? end : snap(at + ahead)))
                    return Udfald::IkkeUtf8;
                if (soeger->full())
                    return count(end) ? Udfald::Faerdig : Udfald::IkkeUtf8;
                next = at + 1;
            }
            match[first] = former.at(first).find(bytes, match.at(first) + 1);
        }
        if (blokke.atEnd()) {
            if (!count(end) || !taeller.complete())
                return Udfald::IkkeUtf8;
            finishPiece();
            return Udfald::Faerdig;
        }
        if (!waiting)
            from = qMax(from, end - longest + 1);
        qint64 keep = qMax(dataStart, from - back - kRet);
        keep -= wide ? (keep - dataStart) & 1 : 0;
        if (soeger)
            feedTo(qMin(pieceEnd, snap(keep)));
        if (!count(keep))
            return Udfald::IkkeUtf8;
        if (!blokke.next(keep))
            return Udfald::Fejl;
    }
}

bool TekstSoegning::laes(Blokke& blokke, Kodning kodning, const QString& path,
                         QList<TekstFund>& fund, qsizetype max) const {
    if (!blokke.fromStart())
        return false;
    Fundsoeger soeger(m_tekst, m_heleOrd, m_cs, path, fund, max);
    RtfTekst rtf;
    QStringDecoder decoder(kodning == Kodning::Utf16LE   ? QStringConverter::Utf16LE
                           : kodning == Kodning::Utf16BE ? QStringConverter::Utf16BE
                                                         : QStringConverter::Utf8);
    // Without a byte-order mark only valid UTF-8 is taken for UTF-8.
    const bool strict = kodning == Kodning::Utf8;
    QByteArray tail; // the last bytes, to tell a sequence cut off at the end
    bool invalid = false;
    QString text;
    // The byte-order mark is no character of the text.
    qint64 from = kodning == Kodning::Utf8Bom                                  ? 3
                  : kodning == Kodning::Utf16LE || kodning == Kodning::Utf16BE ? 2
                                                                               : 0;
    for (;;) {
        const QByteArrayView part = blokke.bytes().sliced(from - blokke.start());
        text.clear();
        if (kodning == Kodning::Rtf) {
            rtf.feed(part, text);
        } else if (kodning == Kodning::Windows1252) {
            text = TextFile::fromWindows1252(part.toByteArray());
        } else if (kodning == Kodning::Utf8Bom) {
            // A sequence cut by the end of the part waits for the rest of it; each part is
            // decoded whole, so nothing of the decoder's own state can go astray between them.
            tail.append(part.data(), part.size());
            const qsizetype keep = incompleteTail(tail);
            text = TextFile::fromUtf8(QByteArrayView(tail).first(tail.size() - keep));
            tail = tail.right(keep);
        } else {
            text = decoder.decode(part);
            invalid = strict && decoder.hasError();
            tail = (tail + part.last(qMin<qsizetype>(4, part.size())).toByteArray()).right(4);
        }
        if (invalid)
            return false;
        soeger.feed(text);
        if (soeger.full() || blokke.atEnd())
            break;
        from = blokke.end();
        if (!blokke.next(from))
            return false;
    }
    if (strict && incompleteTail(tail) > 0)
        return false;
    if (kodning == Kodning::Utf8Bom)
        soeger.feed(TextFile::fromUtf8(tail)); // a sequence the file ends inside
    soeger.finish();
    return true;
}

int TekstSoegning::soegFiler(const QList<SoegeFil>& filer, QList<TekstFund>& fund, int& ulaeste,
                             const std::function<bool(int soegt)>& fremskridt) const {
    // Each thread searches with a search of its own, made when it takes its first file: for
    // the buffer and open folder it keeps, and to ask the batch, not this search's caller,
    // whether to go on.
    std::vector<std::unique_ptr<TekstSoegning>> soegere(size_t(ParallelBatch::helpers() + 1));
    // Each file's hits wait in its place until the files before it are done.
    std::vector<QList<TekstFund>> filFund(size_t(filer.size()));
    std::vector<std::optional<FileError>> udfald(size_t(filer.size()));
    qsizetype tilfoejet = 0; // files before this one have their hits in `fund`
    int soegt = 0;
    const auto tilfoej = [&](size_t i) {
        if (*udfald[i] == FileError::None)
            fund.append(filFund[i].mid(0, kMaxFund - fund.size()));
        else if (*udfald[i] != FileError::Cancelled)
            ++ulaeste;
        filFund[i] = {};
    };
    bool fortsaet = true;
    ParallelBatch::run(
        filer.size(), int(soegere.size()) - 1,
        [&](qsizetype i, int worker, const CopyProgress& goOn) {
            std::unique_ptr<TekstSoegning>& soeger = soegere[size_t(worker)];
            if (!soeger)
                soeger =
                    std::make_unique<TekstSoegning>(m_tekst, m_heleOrd, m_cs == Qt::CaseSensitive);
            soeger->m_fortsaet = [&goOn] { return goOn(0, 0); };
            if (soeger->soegFil(filer[i].sti, filFund[size_t(i)], filer[i].art))
                return FileResult();
            // A file left in the middle by a stop was not read to its end, nor did it fail.
            return FileResult::failure(goOn(0, 0) ? FileError::ReadFailed : FileError::Cancelled);
        },
        [&](qint64, qint64) {
            fortsaet = !m_fortsaet || m_fortsaet();
            return fortsaet;
        },
        [&](qsizetype i, const FileResult& r, qint64) {
            udfald[size_t(i)] = r.error();
            soegt += r.error() == FileError::Cancelled ? 0 : 1;
            for (; tilfoejet < filer.size() && udfald[size_t(tilfoejet)]; ++tilfoejet)
                tilfoej(size_t(tilfoejet));
            // Nothing more is told once the search was stopped.
            fortsaet = fortsaet && fremskridt(soegt) && fund.size() < kMaxFund;
            return fortsaet;
        });
    // After a stop, the files done after one that was not.
    for (; tilfoejet < filer.size(); ++tilfoejet)
        if (udfald[size_t(tilfoejet)])
            tilfoej(size_t(tilfoejet));
    return soegt;
}

bool TekstSoegning::soegFil(const QString& path, QList<TekstFund>& fund, EntryKind art) const {
    FileSystem& files = Platform::files();
    if (const QString mappe = LogicalPath::parent(path); mappe != m_mappeSti) {
        m_mappeSti = mappe;
        if (!files.openFolder(mappe, false, m_mappe))
            m_mappe.reset();
    }
    FileResult opened;
    const std::unique_ptr<QIODevice> file =
        m_mappe ? files.openForReading(*m_mappe, LogicalPath::lastComponent(path), art, opened)
                : files.openForReading(path, opened);
    if (!file)
        return false;
    if (m_tekst.isEmpty() || fund.size() >= kMaxFund)
        return true;
    Blokke blokke(*file, m_buffer, m_fortsaet);
    if (!blokke.next(0))
        return false;
    const QByteArrayView head = blokke.bytes();
    Kodning kodning = Kodning::Utf8;
    if (head.startsWith("\xEF\xBB\xBF"))
        kodning = Kodning::Utf8Bom;
    else if (head.startsWith("\xFF\xFE"))
        kodning = Kodning::Utf16LE;
    else if (head.startsWith("\xFE\xFF"))
        kodning = Kodning::Utf16BE;
    else if (head.startsWith("{\\rtf"))
        kodning = Kodning::Rtf;
    const qsizetype max = kMaxFund - fund.size();
    QList<TekstFund> found;
    bool read = true;
    if (kodning == Kodning::Rtf || !m_iBytes) {
        read = laes(blokke, kodning, path, found, max);
        if (!read && kodning == Kodning::Utf8) {
            // Not valid UTF-8 (or a read error): read it again as Windows-1252.
            found.clear();
            read = laes(blokke, Kodning::Windows1252, path, found, max);
        }
    } else if (kodning == Kodning::Utf16LE || kodning == Kodning::Utf16BE) {
        const bool little = kodning == Kodning::Utf16LE;
        const QList<Bytemoenster>& former = little ? m_utf16le : m_utf16be;
        read = !kanIndeholde(blokke, 2, {&former}) ||
               gennemgaa(blokke, little ? Form::Utf16LE : Form::Utf16BE, 2, former, path, found,
                         max) == Udfald::Faerdig;
    } else {
        const bool bom = kodning == Kodning::Utf8Bom;
        const qint64 dataStart = bom ? 3 : 0;
        QList<const QList<Bytemoenster>*> former{&m_utf8};
        if (!bom && m_windows1252 != m_utf8)
            former.append(&m_windows1252);
        if (kanIndeholde(blokke, dataStart, former)) {
            switch (gennemgaa(blokke, Form::Utf8, dataStart, m_utf8, path, found, max)) {
            case Udfald::Faerdig:
                break;
            case Udfald::Fejl:
                read = false;
                break;
            case Udfald::IkkeUtf8:
                // With a byte-order mark it is UTF-8 still, its faults decoded as U+FFFD;
                // without one, Windows-1252.
                found.clear();
                read = bom ? laes(blokke, Kodning::Utf8Bom, path, found, max)
                           : gennemgaa(blokke, Form::Windows1252, 0, m_windows1252, path, found,
                                       max) == Udfald::Faerdig;
                break;
            }
        }
    }
    if (read)
        fund.append(found);
    return read;
}
