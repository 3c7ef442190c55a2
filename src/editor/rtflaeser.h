#pragma once

#include "engine/rtftokens.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCursor>
#include <optional>

class QTextDocument;
class QTextList;

// Reads a rich text (RTF) document into a QTextDocument with what the editor shows: fonts,
// sizes, bold, italic, underline, strike-out and colour of the text; left, centred, right or
// justified paragraphs with their first-line, left and right indents; bulleted paragraphs
// (one QTextList of discs for each run of them), line breaks and tabs. Text bytes are read
// in the code page of their font or of the document; pictures, fields' codes, tables of
// styles and lists, hidden text and every unknown \* destination are skipped, a field's
// result is kept. Any bytes give a document; nothing in them can stop the reading.
class RtfLaeser : private RtfTokens::Lytter {
public:
    // Replaces the content of `dokument` with the rich text in `rtf`.
    static void laes(const QByteArray& rtf, QTextDocument& dokument);
    // A font's name as a font table can hold it: without ";", tabs, line breaks and other
    // control characters, and without blanks at its ends.
    static QString fontnavn(QString navn);

private:
    enum class Maal { Tekst, Skjult, Fonttabel, Farvetabel, Listetekst };
    struct Tegnformat {
        int font = -1; // the document's default font
        int halvpunkter = 24;
        bool fed = false;
        bool kursiv = false;
        bool understreg = false;
        bool overstreg = false;
        bool skjult = false;
        int farve = 0;
        bool operator==(const Tegnformat&) const = default;
    };
    struct Afsnitformat {
        Qt::Alignment justering = Qt::AlignLeft;
        int venstre = 0; // indents in twips
        int hoejre = 0;
        int foerste = 0;
        bool prik = false;
    };
    struct Gruppe {
        Maal maal = Maal::Tekst;
        Tegnformat tegn;
        Afsnitformat afsnit;
    };
    struct Font {
        QString navn;
        int kodeside = 0; // 0: the document's
    };

    explicit RtfLaeser(QTextDocument& dokument);
    void afslut();

    void gruppeStart() override;
    void gruppeSlut() override;
    void kontrolord(const QByteArray& ord, bool harParameter, int parameter) override;
    void kontrolsymbol(char c) override;
    void byte(uchar b) override;
    void unicode(char16_t c) override;

    // The first control word of a group names its destination.
    bool destination(const QByteArray& ord);
    bool tegnord(const QByteArray& ord, bool harParameter, int parameter);
    bool afsnitord(const QByteArray& ord, int parameter);
    void tabelord(const QByteArray& ord, int parameter);
    void tekst(const QString& s);
    // Text where the group's destination wants it: the document, a font's name, a list's mark.
    void ud(const QString& s);
    void afsnitI(Maal maal);
    void fontSlut();
    void bytesUd();
    void runUd();
    void afsnit();
    void afsnitsformatTilBlok();
    void listetekstSlut(const QString& listetekst);
    int kodeside() const;
    QTextCharFormat charFormat(const Tegnformat& t) const;

    QTextCursor m_cursor;
    QTextList* m_liste = nullptr; // the list of the bulleted paragraphs just read
    QList<Gruppe> m_grupper{Gruppe()};
    bool m_nyGruppe = false;
    bool m_stjerne = false;
    bool m_nytAfsnit = false; // a paragraph ended; the next text begins a new block
    bool m_afsluttet = false; // the outermost group closed

    int m_kodeside = 1252;
    int m_deff = 0;
    QHash<int, Font> m_fonte;
    int m_fontNr = 0; // the entry of the font table being read
    QString m_fontNavn;
    QList<std::optional<QColor>> m_farver;
    int m_roed = -1, m_groen = -1, m_blaa = -1;
    QString m_listetekst;

    QByteArray m_bytes; // text bytes not yet decoded, in code page m_bytesKodeside
    int m_bytesKodeside = 1252;
    QString m_run; // text not yet inserted, in format m_runFormat
    Tegnformat m_runFormat;
};
