#pragma once

#include "core/Messages.h"

#include <QList>
#include <QQueue>

// Keeps every message shown and answers from a queue; with the queue empty, a
// question gets its default answer.
class RecordingMessages final : public Messages {
public:
    MessageAnswer show(const Message& message) override;

    void queueAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    void queueAnswers(std::initializer_list<MessageAnswer> answers);

    const QList<Message>& shown() const { return m_shown; }
    QStringList texts() const;
    // The last message shown; an empty message when none was.
    Message last() const { return m_shown.isEmpty() ? Message{} : m_shown.last(); }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

private:
    QList<Message> m_shown;
    QQueue<MessageAnswer> m_answers;
};
