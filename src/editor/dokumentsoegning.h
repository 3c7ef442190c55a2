#pragma once

#include "engine/tekstsoegning.h"

#include <QTextDocument>

// Finds, and replaces, a text in the documents open in the editor, as their text shows it.
// A hit's position is the editor's character position (every line break one character), so
// the window can place its caret there. The text is plain: no character in it is a pattern.
class DokumentSoegning {
public:
    // heleOrd: only hits with no letter or digit next to them; forskelStoreSmaa: upper and
    // lower case differ.
    DokumentSoegning(const QString& soegetekst, bool heleOrd, bool forskelStoreSmaa);

    // Appends the hits of one document, named `navn` in the rows, as long as there are
    // fewer than TekstSoegning::kMaxFund.
    void find(const QString& navn, QTextDocument& dokument, QList<TekstFund>& fund) const;
    // Replaces every hit, from the start on, by `erstatning`, all of them as one step the
    // editor can undo, and appends a row for each with the line as it became (rows stop at
    // TekstSoegning::kMaxFund, replacing does not). The number of hits replaced.
    int erstat(const QString& navn, QTextDocument& dokument, const QString& erstatning,
               QList<TekstFund>& fund) const;

private:
    QString m_tekst;
    QTextDocument::FindFlags m_flags;
};
