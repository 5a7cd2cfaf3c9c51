#include "support/RecordingMessages.h"

MessageAnswer RecordingMessages::show(const Message& message)
{
    m_shown.append(message);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return message.defaultAnswer;
}

void RecordingMessages::queueAnswers(std::initializer_list<MessageAnswer> answers)
{
    for (MessageAnswer answer : answers)
        m_answers.enqueue(answer);
}

QStringList RecordingMessages::texts() const
{
    QStringList result;
    for (const Message& message : m_shown)
        result << message.text;
    return result;
}
