#include "caretmarkering.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace CaretMarkering {

void saet(QPlainTextEdit& editor, QString tekst) {
    const int caret = int(tekst.indexOf(QLatin1Char('|')));
    editor.setPlainText(tekst.remove(QLatin1Char('|')));
    QTextCursor c(editor.document());
    c.setPosition(qMax(caret, 0));
    editor.setTextCursor(c);
}

QString vis(const QPlainTextEdit& editor) {
    QString t = editor.toPlainText();
    return t.insert(editor.textCursor().position(), QLatin1Char('|'));
}

} // namespace CaretMarkering
