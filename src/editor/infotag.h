#pragma once

#include "kodeliste.h"
#include "koderegler.h"
#include "kodetrae.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextCursor>

class QPlainTextEdit;

// Where the caret stands, as the last caret analysis (GetTag) found it.
enum TCursorPos { cpNone, cpInside, cpBetween, cpInsideEnd };

struct TPosData {
    TCursorPos CurPos = cpNone;
    QString Attribut; // the attribute whose quoted value holds the caret
    QString cssKode;  // the style property before the nearest ":" left of the caret
    QString Tag;      // the tag found
    int PosIndex = 0; // characters in front of the caret
    QChar LastChar = QLatin1Char(' '); // the character in front of the caret
};

// The program's one HTML checker. It works on the editor of the active document window,
// which binds it when it is activated and unbinds it when a document that is no web page,
// style sheet or script takes its place; every operation does nothing while it is unbound.
//
// It reads a page into the structure tree, checks the tree against five name lists and the
// attribute files, finds what lies at the caret, and writes code at the caret. Every write
// is one step for the editor's undo.
class Tinfotag : public QObject {
    Q_OBJECT
public:
    explicit Tinfotag(QObject* parent = nullptr);

    QPlainTextEdit* editor() const;
    // Binds the checker to an editor; nullptr unbinds it.
    void setEditor(QPlainTextEdit* editor);

    // Each replaces its list by the names of a file; false when the file cannot be read,
    // which leaves the list empty.
    bool LoadNosluttagliste(const QString& filnavn);
    bool LoadTagliste(const QString& filnavn);
    bool LoadAlletagliste(const QString& filnavn);
    bool LoadUAttributliste(const QString& filnavn);
    bool LoadExcludeliste(const QString& filnavn);
    // Loads the five lists from the program's folders of tag lists and attribute files in
    // their order, then the rules of how tags nest; a file that cannot be read gets a message
    // naming it, and its list stays empty.
    void LoadLister(const QString& htmllistedir, const QString& attributedir);
    const Kodeliste& Nosluttagliste() const { return m_nosluttag; }
    const Kodeliste& Tagliste() const { return m_tag; }
    const Kodeliste& AlleTagliste() const { return m_alle; }
    const Kodeliste& UAttributliste() const { return m_uattribut; }
    const Kodeliste& Excludeliste() const { return m_exclude; }

    // The check last run: 0 reading or attribute view, 1 missing end tags, 2 unknown tags,
    // 3 unknown attributes, 4 end tags too many.
    int KontrolMode() const { return m_kontrolMode; }
    void setKontrolMode(int mode) { m_kontrolMode = mode; }

    // The structure tree of the last page read; the check window shows it.
    Kodetrae& trae() { return m_trae; }

    // Rebuilds the structure tree from the bound editor's text.
    void ReadStructure();
    // The attribute view and the four checks. Each writes its findings behind the tag words
    // of the nodes and returns its count: -1 when no editor is bound or nothing was read.
    int VisAttributter();
    int EndtagsKontrol();
    int ForMangeEndtag();
    int KodeKontrol();
    int AttributeKontrol(const QString& attributeDir);

    // Selects in the editor the tag a node stands for (the root: the start of the text).
    void GotoTag(int knude);
    // S up to its first space.
    static QString GetNodeTag(const QString& s);

    // What lies at the caret: the tag the caret is in or between; fills PosData.
    QString GetTag();
    const TPosData& PosData() const { return m_posData; }
    // The selected text, or the word at the caret: letters, digits and "_" (FindOrd,
    // FindOrdJs) or letters, "-" and "@" (FindOrdCSS).
    QString FindOrd() const;
    QString FindOrdCSS() const;
    QString FindOrdJs() const;

    // Replaces the text of the caret's line with `s` (and a line break with `newLine`),
    // which leaves the caret after it. `defCursPos` remembers that caret position,
    // `setCursPos` moves the caret back to the remembered one.
    void InsertLine(const QString& s, bool newLine, bool defCursPos, bool setCursPos);
    // Writes lines as new lines at the caret's line: an empty caret line is taken over, the
    // text of any other stays and the lines follow it. The caret goes to the start of the
    // line after line `markeret`.
    void UdskrivLinjer(const QStringList& linjer, int markeret);
    // A start line, an empty line with the caret, an end line; with an inner pair, the pair
    // is written on the empty line, the caret between its two parts.
    void UdskrivBlok(const QString& start, const QString& slut, const QString& indre1 = {},
                     const QString& indre2 = {});
    // Writes s1 and s2 in place of the selection, the caret between them.
    void UdskrivKode(const QString& s1, const QString& s2);
    void UdskrivKoden(const QString& s);
    // Writes s; the caret goes after the antal-th `curGoto` of s (or stays in front of s).
    void UdskrivKoder(const QString& s, QChar curGoto, int antal);
    // Adds an attribute to the start tag the caret is in.
    void udskrivAttribut(const QString& aAttribut);
    // Writes the end tag of the element the caret is in after the caret, the caret staying
    // in front of it; false when the caret is in no element with an end tag.
    bool UdskrivSlutkode();
    // Inserts `s`, indented by `indrykning` spaces, as a new line under the caret's line; the
    // caret stays where it is.
    void InsertVbs(const QString& s, int indrykning);

signals:
    // Progress of reading in percent.
    void OnProgress(int aPos);

private:
    // One undo step of a write operation, which may call others: the outermost step ends the
    // document's edit block and only then gives the editor its new caret (the editor must not
    // lay out text while the block is open).
    class Trin {
    public:
        explicit Trin(Tinfotag& taginf);
        ~Trin();
        Trin(const Trin&) = delete;
        Trin& operator=(const Trin&) = delete;

    private:
        Tinfotag& m_taginf;
        QTextCursor m_blok;
    };

    // The caret the write operations work from: the one the open step will give the editor.
    QTextCursor caret() const;
    int kontrol(const std::function<int(int)>& knudeKontrol);
    // Whether a node's name is known: in `html` for an HTML element, else in the names of its
    // namespace.
    bool kendt(int knude, QStringView navn, const Kodeliste& html) const;
    QString ordVedMarkoer(bool (*iOrd)(QChar)) const;
    void skrevet();

    QPointer<QPlainTextEdit> m_editor;
    Kodeliste m_nosluttag, m_tag, m_alle, m_uattribut, m_exclude;
    Koderegler m_regler;
    Kodetrae m_trae;
    int m_kontrolMode = 0;
    TPosData m_posData;
    int m_cursPos = 0;
    int m_trin = 0; // the write operations open now
    QTextCursor m_nyCaret;
};
