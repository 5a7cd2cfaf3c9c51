#pragma once

#include <QString>

enum class MessageIcon { None, Critical, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// One message box: the text letter for letter, the title (the application's
// title unless a window names its own), the icon, the buttons and the default.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// Every message box of the program goes through this service, so that tests
// can record what was shown and script the answers.
class Messages {
public:
    static QString applicationTitle() { return QStringLiteral("Nutrova"); }

    virtual ~Messages() = default;

    // Shows the message modally and gives back the button the user chose.
    virtual MessageAnswer show(const Message& message) = 0;

    // A message with a single OK button.
    void inform(const QString& text, MessageIcon icon = MessageIcon::None,
                const QString& title = QString());

    // A Yes/No question; true when the answer is Yes.
    bool ask(const QString& text, MessageIcon icon = MessageIcon::Question,
             MessageAnswer defaultAnswer = MessageAnswer::Yes, const QString& title = QString());
};
