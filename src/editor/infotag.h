#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QPlainTextEdit;

// The program's one HTML checker. It works on the editor of the active document window,
// which binds it when it is activated and unbinds it when a document that is no web page,
// style sheet or script takes its place; every operation does nothing while it is unbound.
class Tinfotag : public QObject {
    Q_OBJECT
public:
    explicit Tinfotag(QObject* parent = nullptr);

    QPlainTextEdit* editor() const;
    // Binds the checker to an editor; nullptr unbinds it.
    void setEditor(QPlainTextEdit* editor);

    // Replaces the text of the caret's line with `s` (and a line break with `newLine`),
    // which leaves the caret after it. `defCursPos` remembers that caret position,
    // `setCursPos` moves the caret back to the remembered one. Three calls write a block:
    // start text (newLine, defCursPos), an empty line (newLine), end text (setCursPos),
    // leaving the caret on the empty middle line.
    void InsertLine(const QString& s, bool newLine, bool defCursPos, bool setCursPos);

private:
    QPointer<QPlainTextEdit> m_editor;
    int m_cursPos = 0;
};
