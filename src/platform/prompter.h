#pragma once

#include <QString>

enum class MessageKind { Information, Error, Warning };

// Every message box and question of the program passes through here, so that tests can
// script the answers and see every text shown.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal box with one OK button. Line breaks in `text` are "\n".
    virtual void message(const QString& text, MessageKind kind = MessageKind::Information) = 0;
    // A Ja/Nej question; true only for "Ja".
    virtual bool question(const QString& text) = 0;
};
