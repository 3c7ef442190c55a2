#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTextDocument;

// What an extension makes of a document: how the window shows it and how its file is read
// and written. Only ".rtf" files are rich text; every other file is text, byte for byte.
enum class DokumentArt { Tekst, RigTekst, Hjemmeside };

// How a text document's characters lie in its file.
enum class Tegnsaet { Windows1252, Utf8, Utf8Bom, Utf16LE, Utf16BE };
enum class Linjeskift { LF, CRLF, CR };

// One open document, apart from the window that shows it: its text, file name, encoding,
// line ends, modified flag and kind, and its loading and saving. Files are reached by
// logical path through the platform's file system; every problem is told to the user in
// Danish through the platform's prompter, and nothing is written unless the whole file can
// take the old one's place.
//
// Loading: ".rtf" files that hold rich text are read with RtfLaeser; everything else is text.
// A byte-order mark decides the encoding; without one, valid UTF-8 is UTF-8 and anything
// else Windows-1252 (every byte kept). The first line end found decides the line ends.
// Saving writes the text back in that encoding, with the mark or without it as it was, and
// with those line ends; a character Windows-1252 lacks turns the document into UTF-8 with a
// byte-order mark, and the user is told. A new document is UTF-8 without a mark, with LF.
class TDokument : public QObject {
    Q_OBJECT
public:
    // Larger files are not opened: the editor would hold them several times over.
    static constexpr qint64 kStoersteFil = 64 * 1024 * 1024;

    // What a load came to; `besked` is what the user was told when it failed.
    struct Indlaesning {
        bool hentet = false;
        QString besked;
    };
    // SkalHaveNavn: the document has no file of its own (new, or its load failed); the
    // window asks for a name ("Gem som...") instead.
    enum class Gemning { Gemt, Fejlet, SkalHaveNavn };

    explicit TDokument(QObject* parent = nullptr);

    // An empty, unnamed, unmodified document of the kind `ext` (".html", or empty) makes.
    void nyt(const QString& ext);
    // Reads the file at a logical path. On failure the document is empty and has no file
    // name, only the file's extension, so that a later save asks for a name.
    Indlaesning hent(const QString& filnavn);
    // Writes the document to its own file.
    Gemning gem();
    // Writes the document to another file, which is its file from then on; its extension
    // decides the kind. Asking before an existing file is replaced is the caller's part.
    Gemning gemSom(const QString& filnavn);

    // The text the window shows and edits; owned by the document.
    QTextDocument* tekst() const { return m_tekst; }
    const QString& filnavn() const { return m_filnavn; }
    bool harFilnavn() const { return !m_filnavn.isEmpty(); }
    // The extension with its dot, as written in the file name; empty when there is none.
    const QString& ext() const { return m_ext; }
    DokumentArt art() const { return artAf(m_ext); }
    Tegnsaet tegnsaet() const { return m_tegnsaet; }
    Linjeskift linjeskift() const { return m_linjeskift; }
    bool erAendret() const;
    void setAendret(bool aendret);

    static DokumentArt artAf(const QString& ext);
    // The extension of a logical path's last part, with its dot ("" for "noter" and ".bashrc").
    static QString extAf(const QString& filnavn);

signals:
    void aendretSkift(bool aendret);
    // After a save under another name, which may change the kind.
    void filnavnSkift(const QString& filnavn);

private:
    Indlaesning laes(const QString& filnavn);
    Indlaesning fejl(const QString& besked);
    void tekstFra(const QByteArray& bytes);
    // The file's bytes; switches a Windows-1252 document to UTF-8 where it must (`skiftet`).
    QByteArray bytes(bool& skiftet) const;
    Gemning skriv(const QString& filnavn);

    QTextDocument* m_tekst;
    QString m_filnavn;
    QString m_ext;
    Tegnsaet m_tegnsaet = Tegnsaet::Utf8;
    Linjeskift m_linjeskift = Linjeskift::LF;
    bool m_henter = false;    // a load is replacing the text
    bool m_tekstIRtf = false; // an ".rtf" file that held plain text, kept as plain text
};
