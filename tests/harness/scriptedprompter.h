#pragma once

#include "platform/prompter.h"

#include <QQueue>
#include <QStringList>

// A prompter for tests: records every text shown, answers questions from a queue, and fails
// the running test when a box appears that the test did not announce.
class ScriptedPrompter : public Prompter {
public:
    // The next message box is expected to show exactly this text.
    void expectMessage(const QString& text);
    // The next question is answered "Ja" (true) or "Nej" (false).
    void answer(bool ja);

    void message(const QString& text, MessageKind kind) override;
    bool question(const QString& text) override;

    const QStringList& shown() const { return m_shown; }
    MessageKind lastKind() const { return m_lastKind; }
    // Expectations and answers the test queued but nothing used.
    int pending() const { return int(m_messages.size() + m_answers.size()); }

private:
    QQueue<QString> m_messages;
    QQueue<bool> m_answers;
    QStringList m_shown;
    MessageKind m_lastKind = MessageKind::Information;
};
