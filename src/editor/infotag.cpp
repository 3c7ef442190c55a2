#include "infotag.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

Tinfotag::Tinfotag(QObject* parent) : QObject(parent) {}

QPlainTextEdit* Tinfotag::editor() const {
    return m_editor;
}

void Tinfotag::setEditor(QPlainTextEdit* editor) {
    m_editor = editor;
}

void Tinfotag::InsertLine(const QString& s, bool newLine, bool defCursPos, bool setCursPos) {
    if (!m_editor)
        return;
    QTextCursor caret = m_editor->textCursor();
    const QTextBlock linje = m_editor->document()->findBlock(caret.selectionStart());
    QTextCursor skriv(linje);
    skriv.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    skriv.insertText(newLine ? s + QLatin1Char('\n') : s);
    if (defCursPos)
        m_cursPos = skriv.position();
    if (setCursPos)
        skriv.setPosition(qMin(m_cursPos, m_editor->document()->characterCount() - 1));
    m_editor->setTextCursor(skriv);
    m_editor->setFocus();
    m_editor->document()->setModified(true);
}
