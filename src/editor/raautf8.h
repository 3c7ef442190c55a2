#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// UTF-8 that keeps every byte of a file: a byte that is not part of a valid sequence is held
// as the lone surrogate U+DC80-U+DCFF of its value and written back as that byte. Valid UTF-8
// never gives a lone surrogate, so a file that is all valid UTF-8 reads and writes as plain
// UTF-8 does.
class RaaUtf8 {
public:
    static QString afkod(QByteArrayView bytes);
    static QByteArray kod(const QString& tekst);
};
