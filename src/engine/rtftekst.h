#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// The plain text of a rich text (RTF) document, read in parts of any size: paragraphs and
// line breaks become "\n", tabs "\t"; font, colour and style tables, pictures, field codes
// and other ignorable destinations give nothing. Bytes written as \'hh are Windows-1252;
// \uN gives its character and skips the \ucN fallback characters after it.
class RtfTekst {
public:
    // Appends the text of the next bytes of the document to `text`.
    void feed(QByteArrayView bytes, QString& text);

private:
    enum class State { Text, Escape, Word, Parameter, Hex1, Hex2, Binary };
    struct Group {
        bool skip = false; // an ignorable destination: its text is not shown
        int uc = 1;        // fallback characters after \uN
    };

    void controlWord(QString& text);
    void controlSymbol(char c, QString& text);
    void put(QChar c, QString& text);

    State m_state = State::Text;
    QList<Group> m_groups{Group()};
    QByteArray m_word;
    QByteArray m_parameter;
    int m_hex = 0;
    int m_fallback = 0;      // characters still to skip after \uN
    qint64 m_binary = 0;     // bytes of \binN data still to skip
    bool m_newGroup = false; // no control word yet in the group just opened
    bool m_starred = false;  // the group began with \*
};
