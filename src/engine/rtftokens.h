#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Splits a rich text (RTF) document, read in parts of any size, into what its readers act
// on: group braces, control words with their parameter, control symbols, bytes of text
// (literal or written as \'hh) and Unicode characters (\uN). It takes care of what every
// reader must skip alike: the data of \binN and the \ucN fallback characters after \uN.
// Malformed input (unbalanced braces, overlong words, data running past the end) is cut or
// ignored, never an error. Groups nested deeper than kDeepest are read as part of the group
// around them, so a reader keeping state per group needs no more than that many levels.
class RtfTokens {
public:
    static constexpr int kDeepest = 256;

    // Receives the tokens in document order.
    class Lytter {
    public:
        virtual ~Lytter() = default;
        virtual void gruppeStart() = 0;
        // Only for a brace that closes an open group; surplus closing braces are dropped.
        virtual void gruppeSlut() = 0;
        virtual void kontrolord(const QByteArray& ord, bool harParameter, int parameter) = 0;
        // "\*", "\~", "\-", "\\", "\{", "\}", a line break after a backslash and the like.
        virtual void kontrolsymbol(char c) = 0;
        // A byte of text in the document's code page.
        virtual void byte(uchar b) = 0;
        // One UTF-16 unit of a \uN character.
        virtual void unicode(char16_t c) = 0;
    };

    void feed(QByteArrayView bytes, Lytter& lytter);

    // Destinations whose content is not part of the document's text.
    static bool erSkjult(const QByteArray& ord);
    // The character a control word stands for ("\emdash", "\bullet" ...), or a null QChar.
    static QChar navngivetTegn(const QByteArray& ord);
    // The character a control symbol stands for ("\~" a no-break space, "\{" a brace ...),
    // "\n" for a paragraph ("\" before a line break), or a null QChar ("\-", "\*" ...).
    static QChar symbolTegn(char c);

private:
    enum class State { Text, Escape, Word, Parameter, Hex1, Hex2, Binary };

    void controlWord(Lytter& lytter);
    // True when the token is a fallback character of the last \uN and is to be skipped.
    bool fallback();

    State m_state = State::Text;
    QList<int> m_uc{1}; // fallback characters after \uN, per open group
    int m_deeper = 0;   // open groups beyond kDeepest
    QByteArray m_word;
    QByteArray m_parameter;
    int m_hex = 0;
    int m_fallback = 0;  // characters still to skip after \uN
    qint64 m_binary = 0; // bytes of \binN data still to skip
};
