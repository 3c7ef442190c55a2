#include "dokument.h"

#include "engine/tegntaeller.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "raautf8.h"
#include "rtflaeser.h"
#include "rtfskriver.h"
#include "shared/fejlgrund.h"

#include <QPlainTextDocumentLayout>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTextDocument>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
// So much of a file is looked at for NUL bytes, which no text file holds.
constexpr qsizetype kBinaerGraense = 64 * 1024;

bool erRtf(const QByteArray& bytes) {
    return bytes.trimmed().startsWith("{\\rtf");
}

} // namespace

TDokument::TDokument(QObject* parent) : QObject(parent), m_tekst(new QTextDocument(this)) {
    // Laid out line by line, as a plain text editor shows it; a rich text editor puts the
    // full layout in its place.
    m_tekst->setDocumentLayout(new QPlainTextDocumentLayout(m_tekst));
    connect(m_tekst, &QTextDocument::modificationChanged, this, [this](bool aendret) {
        if (!m_henter)
            emit aendretSkift(aendret);
    });
}

bool TDokument::erAendret() const {
    return m_tekst->isModified();
}

void TDokument::setAendret(bool aendret) {
    m_tekst->setModified(aendret);
}

QString TDokument::extAf(const QString& filnavn) {
    const QString navn = filnavn.mid(filnavn.lastIndexOf(QLatin1Char('\\')) + 1);
    const qsizetype punktum = navn.lastIndexOf(QLatin1Char('.'));
    return punktum > 0 ? navn.mid(punktum) : QString();
}

DokumentArt TDokument::artAf(const QString& ext) {
    static const QStringList hjemmesider = {QStringLiteral(".html"), QStringLiteral(".asp"),
                                            QStringLiteral(".inc"), QStringLiteral(".asa")};
    if (ext.compare(QLatin1String(".rtf"), Qt::CaseInsensitive) == 0)
        return DokumentArt::RigTekst;
    if (hjemmesider.contains(ext, Qt::CaseInsensitive))
        return DokumentArt::Hjemmeside;
    return DokumentArt::Tekst;
}

void TDokument::nyt(const QString& ext) {
    m_filnavn.clear();
    m_ext = ext;
    m_tekstIRtf = false;
    m_tegnsaet = Tegnsaet::Utf8;
    m_linjeskift = Linjeskift::LF;
    m_tekst->setUndoRedoEnabled(false); // also forgets what could be undone
    m_tekst->clear();
    m_tekst->setUndoRedoEnabled(true);
    m_tekst->setModified(false);
}

TDokument::Indlaesning TDokument::fejl(const QString& besked) {
    Platform::prompter().message(besked, MessageKind::Error);
    return {false, besked};
}

TDokument::Indlaesning TDokument::hent(const QString& filnavn) {
    // The flag goes up and down while the text is replaced; the window hears the outcome.
    const bool foer = erAendret();
    m_henter = true;
    const Indlaesning indlaesning = laes(filnavn);
    m_henter = false;
    if (erAendret() != foer)
        emit aendretSkift(erAendret());
    return indlaesning;
}

TDokument::Indlaesning TDokument::laes(const QString& filnavn) {
    nyt(extAf(filnavn));
    const QString hvilken = QStringLiteral("\n") + filnavn;
    const auto info = Platform::files().info(filnavn);
    if (info && info->isFile() && info->size > kStoersteFil)
        return fejl(
            QStringLiteral("Filen er for stor til at blive åbnet i editoren (over 64 MB).") +
            hvilken);
    QByteArray bytes;
    if (FileResult r = Platform::files().readFile(filnavn, bytes, kStoersteFil); !r)
        return fejl((r.error() == FileError::InvalidData
                         ? QStringLiteral("Filen er for stor til at blive åbnet i editoren "
                                          "(over 64 MB).")
                         : Fejlgrund::laesning(r.error())) +
                    hvilken);

    m_tekst->setUndoRedoEnabled(false);
    // An ".rtf" file that holds plain text is edited and saved as the plain text it is.
    m_tekstIRtf = art() == DokumentArt::RigTekst && !erRtf(bytes);
    if (art() == DokumentArt::RigTekst && !m_tekstIRtf) {
        RtfLaeser::laes(bytes, *m_tekst);
    } else {
        const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
        if (!utf16 && bytes.left(kBinaerGraense).contains('\0')) {
            m_tekst->setUndoRedoEnabled(true);
            return fejl(QStringLiteral("Filen er ikke en tekstfil og kan ikke redigeres.") +
                        hvilken);
        }
        tekstFra(bytes);
    }
    m_tekst->setUndoRedoEnabled(true);
    m_tekst->setModified(false);
    m_filnavn = filnavn;
    return {true, {}};
}

void TDokument::tekstFra(const QByteArray& bytes) {
    QString tekst;
    TextEncoding merket = TextEncoding::Windows1252;
    if (bytes.startsWith(kUtf8Bom)) {
        // A marked UTF-8 file may still hold bytes that are not UTF-8; they are kept.
        m_tegnsaet = Tegnsaet::Utf8Bom;
        tekst = RaaUtf8::afkod(QByteArrayView(bytes).sliced(kUtf8Bom.size()));
    } else if (std::optional<QString> efterMaerke = TextFile::decodeMarked(bytes, merket)) {
        m_tegnsaet = merket == TextEncoding::Utf16LE ? Tegnsaet::Utf16LE : Tegnsaet::Utf16BE;
        tekst = *efterMaerke;
    } else if (Tegntaeller utf8(true); utf8.feed(bytes) && utf8.complete()) {
        m_tegnsaet = Tegnsaet::Utf8;
        tekst = TextFile::fromUtf8(bytes);
    } else {
        m_tegnsaet = Tegnsaet::Windows1252;
        tekst = TextFile::fromWindows1252(bytes);
    }
    const qsizetype slut = tekst.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    m_linjeskift = slut < 0 || tekst.at(slut) == QLatin1Char('\n') ? Linjeskift::LF
                   : slut + 1 < tekst.size() && tekst.at(slut + 1) == QLatin1Char('\n')
                       ? Linjeskift::CRLF
                       : Linjeskift::CR;
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_tekst->setPlainText(tekst);
}

QByteArray TDokument::bytes(bool& skiftet) const {
    skiftet = false;
    if (art() == DokumentArt::RigTekst && !m_tekstIRtf)
        return RtfSkriver::skriv(*m_tekst);
    const QString linjeskift = m_linjeskift == Linjeskift::CRLF ? QStringLiteral("\r\n")
                               : m_linjeskift == Linjeskift::CR ? QStringLiteral("\r")
                                                                : QStringLiteral("\n");
    const QString tekst = m_tekst->toRawText().replace(QChar::ParagraphSeparator, linjeskift);
    switch (m_tegnsaet) {
    case Tegnsaet::Windows1252:
        if (const auto ansi = TextFile::toWindows1252(tekst))
            return *ansi;
        skiftet = true;
        return kUtf8Bom + tekst.toUtf8();
    case Tegnsaet::Utf8:
        return tekst.toUtf8();
    case Tegnsaet::Utf8Bom:
        return kUtf8Bom + RaaUtf8::kod(tekst);
    case Tegnsaet::Utf16LE:
    case Tegnsaet::Utf16BE: {
        const bool lille = m_tegnsaet == Tegnsaet::Utf16LE;
        QStringEncoder encoder(lille ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        return QByteArray(lille ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encoder.encode(tekst));
    }
    }
    return {};
}

TDokument::Gemning TDokument::skriv(const QString& filnavn) {
    bool skiftet = false;
    const QByteArray indhold = bytes(skiftet);
    if (FileResult r = Platform::files().writeFile(filnavn, indhold); !r) {
        Platform::prompter().message(QStringLiteral("Dokumentet kunne ikke gemmes i\n") + filnavn +
                                         QStringLiteral("\n") + Fejlgrund::skrivning(r.error()) +
                                         QStringLiteral("\nFilen er, som den var."),
                                     MessageKind::Error);
        return Gemning::Fejlet;
    }
    if (skiftet) {
        m_tegnsaet = Tegnsaet::Utf8Bom;
        Platform::prompter().message(
            QStringLiteral("Dokumentet indeholder tegn, som tegnsættet Windows-1252 ikke har.\n"
                           "Det er derfor gemt som UTF-8."));
    }
    m_tekst->setModified(false);
    return Gemning::Gemt;
}

TDokument::Gemning TDokument::gem() {
    return harFilnavn() ? skriv(m_filnavn) : Gemning::SkalHaveNavn;
}

TDokument::Gemning TDokument::gemSom(const QString& filnavn) {
    const QString ext = m_ext;
    m_ext = extAf(filnavn); // the new name's kind decides how it is written
    const Gemning gemning = skriv(filnavn);
    if (gemning != Gemning::Gemt) {
        m_ext = ext;
        return gemning;
    }
    m_filnavn = filnavn;
    emit filnavnSkift(m_filnavn);
    return gemning;
}
