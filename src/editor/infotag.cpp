#include "infotag.h"

#include "kodelaeser.h"

#include "platform/platform.h"

#include <QGuiApplication>
#include <QHash>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <optional>

namespace {

// The hourglass while the checker reads or checks a page.
class Timeglas {
public:
    Timeglas() : m_vis(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (m_vis)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Timeglas() {
        if (m_vis)
            QGuiApplication::restoreOverrideCursor();
    }
    Timeglas(const Timeglas&) = delete;
    Timeglas& operator=(const Timeglas&) = delete;

private:
    bool m_vis;
};

// Everything written between construction and destruction is one step for undo.
bool erIkkeTag(QChar efterVinkel) {
    return efterVinkel.isSpace() || QStringView(u"!%-<>?").contains(efterVinkel);
}

// The tag word from `fra`: up to white space, "/", ">" or "<", or up to and with a "%".
QString ordEfter(const QString& tekst, qsizetype fra) {
    qsizetype slut = fra;
    while (slut < tekst.size()) {
        const QChar c = tekst[slut];
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('>') || c == QLatin1Char('<'))
            break;
        ++slut;
        if (c == QLatin1Char('%'))
            break;
    }
    return tekst.mid(fra, slut - fra);
}

bool iOrdJs(QChar c) {
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('_');
}

bool iOrdCss(QChar c) {
    return (c.unicode() < 128 && c.isLetter()) || c == QLatin1Char('-') || c == QLatin1Char('@');
}

} // namespace

Tinfotag::Tinfotag(QObject* parent) : QObject(parent) {}

QPlainTextEdit* Tinfotag::editor() const {
    return m_editor;
}

void Tinfotag::setEditor(QPlainTextEdit* editor) {
    m_editor = editor;
}

bool Tinfotag::LoadNosluttagliste(const QString& filnavn) {
    return m_nosluttag.hent(filnavn);
}

bool Tinfotag::LoadTagliste(const QString& filnavn) {
    return m_tag.hent(filnavn);
}

bool Tinfotag::LoadAlletagliste(const QString& filnavn) {
    return m_alle.hent(filnavn);
}

bool Tinfotag::LoadUAttributliste(const QString& filnavn) {
    return m_uattribut.hent(filnavn);
}

bool Tinfotag::LoadExcludeliste(const QString& filnavn) {
    return m_exclude.hent(filnavn);
}

void Tinfotag::LoadLister(const QString& htmllistedir, const QString& attributedir) {
    const std::pair<bool (Tinfotag::*)(const QString&), QString> lister[] = {
        {&Tinfotag::LoadNosluttagliste, htmllistedir + QStringLiteral("UdenSlutkode.txt")},
        {&Tinfotag::LoadTagliste, htmllistedir + QStringLiteral("MedSlutkode.txt")},
        {&Tinfotag::LoadAlletagliste, htmllistedir + QStringLiteral("AlleKoder.txt")},
        {&Tinfotag::LoadUAttributliste, attributedir + QStringLiteral("_undtagelser.txt")},
        {&Tinfotag::LoadExcludeliste, htmllistedir + QStringLiteral("Ekskluderet.txt")},
    };
    QStringList mangler;
    for (const auto& [hent, fil] : lister)
        if (!(this->*hent)(fil))
            mangler << fil;
    mangler << m_regler.hent(htmllistedir);
    for (const QString& fil : mangler)
        Platform::prompter().message(QStringLiteral("Kodelisten ") + fil +
                                         QStringLiteral(" kunne ikke læses.\nHtml kontrollen "
                                                        "arbejder uden den."),
                                     MessageKind::Error);
}

void Tinfotag::ReadStructure() {
    emit OnProgress(0);
    if (!m_editor) {
        emit OnProgress(100);
        return;
    }
    Timeglas timeglas;
    const QString tekst = m_editor->document()->toPlainText();
    m_trae.begynd();
    m_trae.ryd(true);
    Kodelaeser laeser({m_nosluttag, m_tag, m_exclude, m_regler}, m_trae);
    laeser.laes(tekst, [this](int procent) { emit OnProgress(procent); });
    m_trae.afslut();
    emit OnProgress(100);
}

int Tinfotag::kontrol(const std::function<int(int)>& knudeKontrol) {
    if (!m_editor || m_trae.antal() == 0)
        return -1;
    Timeglas timeglas;
    int antal = 0;
    m_trae.forHverKnude([&](int knude) { antal += knudeKontrol(knude); });
    m_trae.noterSkiftet();
    return antal;
}

int Tinfotag::VisAttributter() {
    return kontrol([this](int knude) {
        const QString& liste = m_trae.data(knude).AttrListe;
        if (liste.isEmpty())
            return 0;
        m_trae.setNote(knude, QLatin1Char(' ') + liste);
        return 1;
    });
}

int Tinfotag::EndtagsKontrol() {
    return kontrol([this](int knude) {
        if (m_trae.data(knude).TagEnd != 0) {
            m_trae.setNote(knude, QString());
            return 0;
        }
        if (kendt(knude, m_trae.ord(knude), m_tag)) {
            m_trae.setNote(knude, QStringLiteral(" Mangler slutkode"));
            return 1;
        }
        m_trae.setNote(knude, QStringLiteral(" Ukendt kode"));
        return 0;
    });
}

bool Tinfotag::kendt(int knude, QStringView navn, const Kodeliste& html) const {
    switch (m_trae.rum(knude)) {
    case Navnerum::Svg:
        return m_regler.svg().contains(navn);
    case Navnerum::MathML:
        return m_regler.mathml().contains(navn);
    case Navnerum::Html:
        break;
    }
    return html.contains(navn);
}

int Tinfotag::ForMangeEndtag() {
    return kontrol([this](int knude) {
        const bool forMange = m_trae.data(knude).TagEnd == 3;
        m_trae.setNote(knude, forMange ? QStringLiteral(" Slutkode?") : QString());
        return forMange ? 1 : 0;
    });
}

int Tinfotag::KodeKontrol() {
    return kontrol([this](int knude) {
        const QString& ord = m_trae.ord(knude);
        const bool slutkode = ord.startsWith(QLatin1Char('/'));
        if (slutkode ? kendt(knude, QStringView(ord).sliced(1), m_tag)
                     : kendt(knude, ord, m_alle)) {
            m_trae.setNote(knude, QString());
            return 0;
        }
        m_trae.setNote(knude, slutkode ? QStringLiteral(" Ukendt slutkode")
                                       : QStringLiteral(" Ukendt kode"));
        return 1;
    });
}

int Tinfotag::AttributeKontrol(const QString& attributeDir) {
    // Each tag's file is read once a check; the event names are allowed on every tag.
    Kodeliste events;
    (void)events.tilfoej(attributeDir + QStringLiteral("_formEvents.txt"));
    (void)events.tilfoej(attributeDir + QStringLiteral("_mediaEvents.txt"));
    // Names that begin so are known on every tag.
    Kodeliste forstavelser;
    (void)forstavelser.tilfoej(attributeDir + QStringLiteral("_forstavelser.txt"));
    const QStringList begyndelser = forstavelser.navne();
    auto harForstavelse = [&](QStringView navn) {
        for (const QString& b : begyndelser)
            if (navn.startsWith(b, Qt::CaseInsensitive))
                return true;
        return false;
    };
    QHash<QString, std::optional<Kodeliste>> filer;
    return kontrol([&](int knude) {
        m_trae.setNote(knude, QString());
        const QString& liste = m_trae.data(knude).AttrListe;
        if (liste.isEmpty())
            return 0;
        // SVG's and MathML's elements have folders of their own.
        static const QString undermapper[] = {QString(), QStringLiteral("svg\\"),
                                              QStringLiteral("math\\")};
        const QString noegle = undermapper[int(m_trae.rum(knude))] + m_trae.ord(knude).toLower();
        auto fil = filer.find(noegle);
        if (fil == filer.end()) {
            std::optional<Kodeliste> attributter;
            // Only a plain tag word names a file: nothing outside the folder is read.
            if (Kodeliste::erFilnavn(m_trae.ord(knude))) {
                attributter.emplace();
                if (!attributter->hent(attributeDir + noegle + QStringLiteral(".txt")))
                    attributter.reset();
            }
            fil = filer.insert(noegle, attributter);
        }
        if (!fil->has_value()) {
            m_trae.setNote(knude, QStringLiteral(" Ukendt"));
            return 1;
        }
        QString note;
        int ukendte = 0;
        for (const QStringView navn :
             QStringView(liste).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if ((*fil)->contains(navn) || events.contains(navn) || harForstavelse(navn))
                continue;
            note += QStringLiteral(" Ukendt: ") + navn.toString();
            ++ukendte;
        }
        m_trae.setNote(knude, note);
        return ukendte;
    });
}

void Tinfotag::GotoTag(int knude) {
    if (!m_editor || knude < 0 || knude >= m_trae.antal())
        return;
    QTextCursor markoer(m_editor->document());
    if (knude > 0) {
        // Reading counted positions as the editor does; should the text have changed since,
        // the tag is looked for from there on.
        const QString ord = m_trae.ord(knude);
        const QString tekst = m_editor->document()->toPlainText();
        const qsizetype fra = qBound(0, m_trae.data(knude).Index, int(tekst.size()));
        const qsizetype fundet = tekst.indexOf(QLatin1Char('<') + ord, fra, Qt::CaseInsensitive);
        const int start = fundet >= 0 ? int(fundet) + 1 : 0;
        const int laengde =
            m_kontrolMode == 4 && m_trae.data(knude).TagEnd == 3 ? 2 : int(ord.size());
        markoer.setPosition(start);
        markoer.setPosition(qMin(start + laengde, int(tekst.size())), QTextCursor::KeepAnchor);
    }
    m_editor->setTextCursor(markoer);
}

QString Tinfotag::GetNodeTag(const QString& s) {
    const qsizetype mellemrum = s.indexOf(QLatin1Char(' '));
    return mellemrum < 0 ? s : s.left(mellemrum);
}

QString Tinfotag::GetTag() {
    m_posData = TPosData();
    if (!m_editor)
        return {};
    const QString tekst = m_editor->document()->toPlainText();
    qsizetype foerste = 0;
    while (foerste < tekst.size() && (tekst[foerste].isSpace() || tekst[foerste] == QChar(0xFEFF)))
        ++foerste;
    // A page that does not begin with a tag (an include file that starts with text) gives
    // the caret commands nothing to work on.
    if (tekst.size() > 1 && (foerste == tekst.size() || tekst[foerste] != QLatin1Char('<')))
        return {};

    const int pos = m_editor->textCursor().selectionStart();
    m_posData.PosIndex = pos;
    if (pos == 0)
        return {};
    m_posData.LastChar = tekst[pos - 1];

    qsizetype vinkel = pos - 1;
    while (vinkel >= 0 && tekst[vinkel] != QLatin1Char('<') && tekst[vinkel] != QLatin1Char('>'))
        --vinkel;
    if (vinkel >= 0 && tekst[vinkel] == QLatin1Char('<')) {
        // Inside a tag.
        if (vinkel == tekst.size() - 1) {
            m_posData.CurPos = cpInside;
            return {};
        }
        if (tekst[vinkel + 1] == QLatin1Char('/')) {
            m_posData.CurPos = cpInsideEnd;
            m_posData.Tag = ordEfter(tekst, vinkel + 2);
            return m_posData.Tag;
        }
        m_posData.CurPos = cpInside;
        m_posData.Tag = ordEfter(tekst, vinkel + 1);
        // Right to left from the caret: a style property before a ":", and the attribute
        // whose quoted value holds the caret.
        bool css = false, cssSlut = false;
        for (qsizetype j = pos - 1; j > vinkel; --j) {
            const QChar c = tekst[j];
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                if (j - 1 > vinkel && tekst[j - 1] == QLatin1Char('=')) {
                    qsizetype a = j - 2;
                    while (a > vinkel && !tekst[a].isSpace())
                        --a;
                    m_posData.Attribut = tekst.mid(a + 1, j - 2 - a);
                }
                break;
            }
            if (cssSlut)
                continue;
            if (css) {
                if (c == QLatin1Char(';') || c.isSpace())
                    cssSlut = true;
                else
                    m_posData.cssKode.prepend(c);
            } else if (c == QLatin1Char(':')) {
                css = true;
            }
        }
        return m_posData.Tag;
    }

    // Between tags: the nearest start tag left of the caret that is not closed before it.
    int dybde = 0;
    for (qsizetype k = pos - 1; k >= 0; --k) {
        if (tekst[k] != QLatin1Char('<') || k + 1 == tekst.size())
            continue;
        const QChar efter = tekst[k + 1];
        if (efter == QLatin1Char('/')) {
            ++dybde;
            continue;
        }
        if (erIkkeTag(efter))
            continue;
        const QString ord = ordEfter(tekst, k + 1);
        if (m_nosluttag.contains(ord) || m_exclude.contains(ord))
            continue;
        const qsizetype slut = tekst.indexOf(QLatin1Char('>'), k);
        if (slut > 0 && slut < pos && tekst[slut - 1] == QLatin1Char('/'))
            continue; // "<x/>" has no end tag
        if (--dybde == -1) {
            m_posData.CurPos = cpBetween;
            m_posData.Tag = ord;
            return ord;
        }
    }
    return {};
}

QString Tinfotag::ordVedMarkoer(bool (*iOrd)(QChar)) const {
    if (!m_editor)
        return {};
    const QTextCursor markoer = m_editor->textCursor();
    if (markoer.hasSelection())
        return markoer.selectedText();
    const QString linje = markoer.block().text();
    const int kolonne = markoer.positionInBlock();
    int start = kolonne, slut = kolonne;
    while (start > 0 && iOrd(linje[start - 1]))
        --start;
    while (slut < linje.size() && iOrd(linje[slut]))
        ++slut;
    return linje.mid(start, slut - start);
}

QString Tinfotag::FindOrd() const {
    return ordVedMarkoer(iOrdJs);
}

QString Tinfotag::FindOrdCSS() const {
    return ordVedMarkoer(iOrdCss);
}

QString Tinfotag::FindOrdJs() const {
    return ordVedMarkoer(iOrdJs);
}

Tinfotag::Trin::Trin(Tinfotag& taginf) : m_taginf(taginf), m_blok(taginf.m_editor->document()) {
    if (m_taginf.m_trin++ == 0) {
        m_taginf.m_nyCaret = m_taginf.m_editor->textCursor();
        m_blok.beginEditBlock();
    }
}

Tinfotag::Trin::~Trin() {
    if (--m_taginf.m_trin > 0)
        return;
    m_blok.endEditBlock();
    if (m_taginf.m_editor)
        m_taginf.m_editor->setTextCursor(m_taginf.m_nyCaret);
}

QTextCursor Tinfotag::caret() const {
    return m_trin > 0 ? m_nyCaret : m_editor->textCursor();
}

void Tinfotag::skrevet() {
    m_editor->setFocus();
    m_editor->document()->setModified(true);
}

void Tinfotag::InsertLine(const QString& s, bool newLine, bool defCursPos, bool setCursPos) {
    if (!m_editor)
        return;
    const Trin trin(*this);
    const QTextBlock linje = m_editor->document()->findBlock(caret().selectionStart());
    QTextCursor skriv(linje);
    skriv.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    skriv.insertText(newLine ? s + QLatin1Char('\n') : s);
    if (defCursPos)
        m_cursPos = skriv.position();
    if (setCursPos)
        skriv.setPosition(qMin(m_cursPos, m_editor->document()->characterCount() - 1));
    m_nyCaret = skriv;
    skrevet();
}

void Tinfotag::UdskrivLinjer(const QStringList& linjer, int markeret) {
    if (!m_editor || linjer.isEmpty())
        return;
    const Trin trin(*this);
    const QTextBlock linje = m_editor->document()->findBlock(caret().selectionStart());
    if (!linje.text().trimmed().isEmpty()) {
        QTextCursor ny(linje);
        ny.movePosition(QTextCursor::EndOfBlock);
        ny.insertText(QStringLiteral("\n"));
        m_nyCaret = ny;
    }
    const int sidste = int(linjer.size()) - 1;
    for (int i = 0; i <= sidste; ++i)
        InsertLine(linjer[i], i < sidste, i == markeret, i == sidste);
}

void Tinfotag::UdskrivBlok(const QString& start, const QString& slut, const QString& indre1,
                           const QString& indre2) {
    if (!m_editor)
        return;
    const Trin trin(*this);
    UdskrivLinjer({start, QString(), slut}, 0);
    if (!indre1.isEmpty())
        UdskrivKode(indre1, indre2);
}

void Tinfotag::UdskrivKode(const QString& s1, const QString& s2) {
    if (!m_editor)
        return;
    const Trin trin(*this);
    QTextCursor markoer = caret();
    const int start = markoer.selectionStart();
    markoer.insertText(s1 + s2);
    markoer.setPosition(start + int(s1.size()));
    m_nyCaret = markoer;
    skrevet();
}

void Tinfotag::UdskrivKoden(const QString& s) {
    UdskrivKode(s, QString());
}

void Tinfotag::UdskrivKoder(const QString& s, QChar curGoto, int antal) {
    if (!m_editor)
        return;
    qsizetype efter = 0; // position counted from 1 of the antal-th curGoto, 0 if none
    for (qsizetype i = 0, set = 0; i < s.size(); ++i)
        if (s[i] == curGoto && ++set == antal) {
            efter = i + 1;
            break;
        }
    UdskrivKode(s.left(efter), s.mid(efter));
}

void Tinfotag::udskrivAttribut(const QString& aAttribut) {
    if (!m_editor || GetTag().isEmpty() || m_posData.CurPos != cpInside)
        return;
    const QTextCursor markoer = m_editor->textCursor();
    const QTextBlock linje = m_editor->document()->findBlock(markoer.selectionStart());
    if (linje.text().size() <= 1 || markoer.selectionStart() - linje.position() < 2)
        return;
    const QString tekst =
        (m_posData.LastChar == QLatin1Char(' ') ? QString() : QStringLiteral(" ")) + aAttribut;
    if (m_uattribut.contains(aAttribut))
        UdskrivKoden(tekst);
    else
        UdskrivKoder(tekst + QStringLiteral("=\"\""), QLatin1Char('"'), 1);
}

bool Tinfotag::UdskrivSlutkode() {
    if (!m_editor || m_posData.CurPos != cpBetween || !m_tag.contains(m_posData.Tag))
        return false;
    UdskrivKode(QString(), QStringLiteral("</") + m_posData.Tag + QLatin1Char('>'));
    return true;
}

void Tinfotag::InsertVbs(const QString& s, int indrykning) {
    if (!m_editor)
        return;
    const Trin trin(*this);
    const QTextCursor fra = caret();
    m_cursPos = fra.position();
    QTextCursor skriv(m_editor->document()->findBlock(fra.position()));
    skriv.movePosition(QTextCursor::EndOfBlock);
    skriv.insertText(QLatin1Char('\n') + QString(qMax(0, indrykning), QLatin1Char(' ')) + s);
    QTextCursor tilbage = fra;
    tilbage.setPosition(m_cursPos);
    m_nyCaret = tilbage;
    skrevet();
}
