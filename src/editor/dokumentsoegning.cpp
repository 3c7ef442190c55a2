#include "dokumentsoegning.h"

#include <QTextBlock>
#include <QTextCursor>

namespace {

bool linjeskift(QChar c) {
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The line holding the text from `start` to `end` of a paragraph: as far as a soft line
// break, and no more than TekstSoegning::kKontekst characters on each side.
QString linjen(const QString& afsnit, qsizetype start, qsizetype end) {
    qsizetype fra = start;
    while (fra > 0 && start - fra < TekstSoegning::kKontekst && !linjeskift(afsnit.at(fra - 1)))
        --fra;
    qsizetype til = end;
    while (til < afsnit.size() && til - end < TekstSoegning::kKontekst &&
           !linjeskift(afsnit.at(til)))
        ++til;
    return afsnit.mid(fra, til - fra);
}

TekstFund fundet(const QString& navn, const QTextCursor& hit) {
    const QTextBlock block = hit.document()->findBlock(hit.selectionStart());
    const qsizetype start = hit.selectionStart() - block.position();
    const qsizetype end = qMin<qsizetype>(hit.selectionEnd() - block.position(), block.length());
    return {navn, hit.selectionStart(), linjen(block.text(), start, end)};
}

} // namespace

DokumentSoegning::DokumentSoegning(const QString& soegetekst, bool heleOrd, bool forskelStoreSmaa)
    : m_tekst(soegetekst) {
    m_flags.setFlag(QTextDocument::FindWholeWords, heleOrd);
    m_flags.setFlag(QTextDocument::FindCaseSensitively, forskelStoreSmaa);
}

void DokumentSoegning::find(const QString& navn, QTextDocument& dokument,
                            QList<TekstFund>& fund) const {
    if (m_tekst.isEmpty())
        return;
    QTextCursor hit = dokument.find(m_tekst, 0, m_flags);
    while (!hit.isNull() && fund.size() < TekstSoegning::kMaxFund) {
        fund.append(fundet(navn, hit));
        hit = dokument.find(m_tekst, hit.selectionEnd(), m_flags);
    }
}

int DokumentSoegning::erstat(const QString& navn, QTextDocument& dokument,
                             const QString& erstatning, QList<TekstFund>& fund) const {
    if (m_tekst.isEmpty())
        return 0;
    int antal = 0;
    QTextCursor redigering(&dokument);
    QTextCursor hit = dokument.find(m_tekst, 0, m_flags);
    if (hit.isNull())
        return 0;
    redigering.beginEditBlock();
    while (!hit.isNull()) {
        const int position = hit.selectionStart();
        redigering.setPosition(position);
        redigering.setPosition(hit.selectionEnd(), QTextCursor::KeepAnchor);
        redigering.insertText(erstatning);
        ++antal;
        if (fund.size() < TekstSoegning::kMaxFund) {
            redigering.setPosition(position, QTextCursor::KeepAnchor);
            fund.append(fundet(navn, redigering));
        }
        hit = dokument.find(m_tekst, position + int(erstatning.size()), m_flags);
    }
    redigering.endEditBlock();
    return antal;
}
