#include "rtftekst.h"

#include "platform/textfile.h"

#include <QSet>

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

QChar fromWindows1252(uchar byte) {
    if (byte < 0x80)
        return QLatin1Char(char(byte));
    return TextFile::fromWindows1252(QByteArray(1, char(byte))).at(0);
}

// Destinations whose content is not part of the document's text.
bool isIgnorable(const QByteArray& word) {
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
    return words.contains(word);
}

QChar namedCharacter(const QByteArray& word) {
    static const QList<QPair<QByteArray, char16_t>> named = {
        {"par", u'\n'},           {"line", u'\n'},          {"sect", u'\n'},
        {"page", u'\n'},          {"row", u'\n'},           {"tab", u'\t'},
        {"cell", u'\t'},          {"emdash", u'\u2014'},    {"endash", u'\u2013'},
        {"bullet", u'\u2022'},    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
        {"enspace", u'\u2002'},   {"qmspace", u'\u2005'}};
    for (const auto& [name, c] : named)
        if (name == word)
            return QChar(c);
    return {};
}

} // namespace

void RtfTekst::put(QChar c, QString& text) {
    if (m_groups.last().skip)
        return;
    if (m_fallback > 0) {
        --m_fallback;
        return;
    }
    text.append(c);
}

void RtfTekst::controlSymbol(char c, QString& text) {
    m_newGroup = false;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        put(QLatin1Char(c), text);
        break;
    case '~':
        put(QChar(0x00A0), text);
        break;
    case '_':
        put(QChar(0x2011), text);
        break;
    case '\r':
    case '\n':
        put(QLatin1Char('\n'), text);
        break;
    case '*':
        m_starred = true;
        m_newGroup = true; // the destination word follows
        break;
    default:
        break; // "\-" (optional hyphen) and unknown symbols give nothing
    }
}

void RtfTekst::controlWord(QString& text) {
    const bool first = m_newGroup;
    const bool starred = m_starred;
    m_newGroup = false;
    m_starred = false;
    Group& group = m_groups.last();
    if ((first && starred) || isIgnorable(m_word)) {
        group.skip = true;
        return;
    }
    const int parameter = m_parameter.toInt();
    if (m_word == "u") {
        m_fallback = 0;
        put(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter)), text);
        m_fallback = group.uc;
    } else if (m_word == "uc") {
        group.uc = qMax(0, parameter);
    } else if (m_word == "bin") {
        m_binary = qMax(0, parameter);
        if (m_binary > 0)
            m_state = State::Binary;
    } else if (const QChar c = namedCharacter(m_word); !c.isNull()) {
        put(c, text);
    }
}

void RtfTekst::feed(QByteArrayView bytes, QString& text) {
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
                m_groups.append(m_groups.last());
                m_newGroup = true;
                m_starred = false;
                m_fallback = 0;
            } else if (c == '}') {
                if (m_groups.size() > 1)
                    m_groups.removeLast();
                m_newGroup = false;
                m_fallback = 0;
            } else if (c != '\r' && c != '\n') {
                m_newGroup = false;
                put(fromWindows1252(uchar(c)), text);
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
                controlSymbol(c, text);
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
                controlWord(text); // may switch to Binary
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
                m_newGroup = false;
                put(fromWindows1252(uchar(m_hex * 16 + value)), text);
            }
            break;
        }
        }
    }
}
