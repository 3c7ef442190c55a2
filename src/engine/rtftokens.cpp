#include "rtftokens.h"

#include <QSet>
#include <climits>

namespace {

// Longest control word and parameter kept; longer ones are malformed and cut.
constexpr qsizetype kLongestWord = 32;
constexpr qsizetype kLongestParameter = 10;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool RtfTokens::erSkjult(const QByteArray& ord) {
    static const QSet<QByteArray> words = {"fonttbl",      "colortbl",  "stylesheet",
                                           "info",         "pict",      "object",
                                           "header",       "headerl",   "headerr",
                                           "headerf",      "footer",    "footerl",
                                           "footerr",      "footerf",   "fldinst",
                                           "datafield",    "themedata", "colorschememapping",
                                           "latentstyles", "listtable", "listoverridetable",
                                           "rsidtbl",      "generator", "xmlnstbl",
                                           "mmathPr",      "filetbl",   "revtbl",
                                           "nonshppict",   "objdata",   "private",
                                           "pgdsctbl",     "userprops", "docvar",
                                           "xe",           "tc",        "bkmkstart",
                                           "bkmkend",      "fldtype",   "panose",
                                           "falt",         "fontemb",   "fontfile"};
    return words.contains(ord);
}

QChar RtfTokens::navngivetTegn(const QByteArray& ord) {
    static const QList<QPair<QByteArray, char16_t>> named = {
        {"par", u'\n'},           {"line", u'\n'},          {"sect", u'\n'},
        {"page", u'\n'},          {"row", u'\n'},           {"tab", u'\t'},
        {"cell", u'\t'},          {"emdash", u'\u2014'},    {"endash", u'\u2013'},
        {"bullet", u'\u2022'},    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
        {"enspace", u'\u2002'},   {"qmspace", u'\u2005'}};
    for (const auto& [name, c] : named)
        if (name == ord)
            return QChar(c);
    return {};
}

QChar RtfTokens::symbolTegn(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        return QLatin1Char(c);
    case '~':
        return QChar(0x00A0);
    case '_':
        return QChar(0x2011);
    case '\r':
    case '\n':
        return QLatin1Char('\n');
    default:
        return {}; // "\-" (optional hyphen) and unknown symbols give nothing
    }
}

bool RtfTokens::fallback() {
    if (m_fallback == 0)
        return false;
    --m_fallback;
    return true;
}

void RtfTokens::controlWord(Lytter& lytter) {
    // Ten digits at most: the value fits, and a larger one is clamped to what an int holds.
    const qint64 value = m_parameter.isEmpty() ? 0 : m_parameter.toLongLong();
    if (m_word == "bin") {
        // The data counts as one fallback character, whichever it is.
        m_binary = qMax<qint64>(0, value);
        if (m_binary > 0)
            m_state = State::Binary;
        fallback();
        return;
    }
    const int parameter = int(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
    if (m_word == "u") {
        // A \uN right after another is taken as a character, not as the first one's fallback.
        lytter.unicode(char16_t(parameter < 0 ? parameter + 65536 : parameter));
        m_fallback = m_uc.last();
    } else if (fallback()) {
        return;
    } else if (m_word == "uc") {
        m_uc.last() = qMax(0, parameter);
    } else {
        lytter.kontrolord(m_word, !m_parameter.isEmpty(), parameter);
    }
}

void RtfTokens::feed(QByteArrayView bytes, Lytter& lytter) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        switch (m_state) {
        case State::Binary: {
            const qint64 take = qMin<qint64>(m_binary, bytes.size() - i);
            i += take - 1;
            m_binary -= take;
            if (m_binary == 0)
                m_state = State::Text;
            break;
        }
        case State::Text:
            if (c == '\\') {
                m_state = State::Escape;
            } else if (c == '{') {
                m_fallback = 0;
                if (m_uc.size() > kDeepest) {
                    ++m_deeper;
                } else {
                    m_uc.append(m_uc.last());
                    lytter.gruppeStart();
                }
            } else if (c == '}') {
                m_fallback = 0;
                if (m_deeper > 0) {
                    --m_deeper;
                } else if (m_uc.size() > 1) {
                    m_uc.removeLast();
                    lytter.gruppeSlut();
                }
            } else if (c != '\r' && c != '\n' && !fallback()) {
                lytter.byte(uchar(c));
            }
            break;
        case State::Escape:
            if (isLetter(c)) {
                m_word = QByteArray(1, c);
                m_parameter.clear();
                m_state = State::Word;
            } else if (c == '\'') {
                m_state = State::Hex1;
            } else {
                m_state = State::Text;
                if (!fallback())
                    lytter.kontrolsymbol(c);
            }
            break;
        case State::Word:
        case State::Parameter:
            if (m_state == State::Word && isLetter(c)) {
                if (m_word.size() < kLongestWord)
                    m_word.append(c);
            } else if (isDigit(c) || (m_state == State::Word && c == '-')) {
                if (m_parameter.size() < kLongestParameter)
                    m_parameter.append(c);
                m_state = State::Parameter;
            } else {
                m_state = State::Text;
                controlWord(lytter); // may switch to Binary
                if (c != ' ')
                    --i; // the delimiter belongs to what follows
            }
            break;
        case State::Hex1:
        case State::Hex2: {
            const int value = hexValue(c);
            if (value < 0) {
                m_state = State::Text;
                --i;
            } else if (m_state == State::Hex1) {
                m_hex = value;
                m_state = State::Hex2;
            } else {
                m_state = State::Text;
                if (!fallback())
                    lytter.byte(uchar(m_hex * 16 + value));
            }
            break;
        }
        }
    }
}
