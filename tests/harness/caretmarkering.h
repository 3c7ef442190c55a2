#pragma once

#include <QString>

class QPlainTextEdit;

// Texts with the caret written as "|", for tests of commands that write at the caret.
namespace CaretMarkering {

// Sets the editor's text to `tekst` without its "|", with the caret where it stood.
void saet(QPlainTextEdit& editor, QString tekst);
// The editor's text with a "|" at the caret.
QString vis(const QPlainTextEdit& editor);

} // namespace CaretMarkering
