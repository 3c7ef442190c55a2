#include "scriptedprompter.h"

#include <QTest>

void ScriptedPrompter::expectMessage(const QString& text) {
    m_messages.enqueue(text);
}

void ScriptedPrompter::answer(bool ja) {
    m_answers.enqueue(ja);
}

void ScriptedPrompter::message(const QString& text, MessageKind kind) {
    m_shown.append(text);
    m_lastKind = kind;
    if (m_messages.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__,
                     __LINE__);
        return;
    }
    const QString expected = m_messages.dequeue();
    if (expected != text)
        QTest::qFail(
            qPrintable(QStringLiteral("message box \"%1\", expected \"%2\"").arg(text, expected)),
            __FILE__, __LINE__);
}

bool ScriptedPrompter::question(const QString& text) {
    m_shown.append(text);
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__,
                     __LINE__);
        return false;
    }
    return m_answers.dequeue();
}
