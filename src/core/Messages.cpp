#include "core/Messages.h"

void Messages::inform(const QString& text, MessageIcon icon, const QString& title)
{
    show(Message{text, title.isNull() ? applicationTitle() : title, icon, MessageButtons::Ok,
                 MessageAnswer::Ok});
}

bool Messages::ask(const QString& text, MessageIcon icon, MessageAnswer defaultAnswer,
                   const QString& title)
{
    return show(Message{text, title.isNull() ? applicationTitle() : title, icon,
                        MessageButtons::YesNo, defaultAnswer}) == MessageAnswer::Yes;
}
