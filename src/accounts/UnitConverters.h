#pragma once

#include <QString>

// The three converter boxes of the account form: centimetres to feet and
// inches, centimetres to waist inches, kilograms to pounds.
namespace convert {

enum class Outcome {
    Converted,
    NoDigit,   // nothing that looks like a number: the converter's message
    NotANumber // a digit, but no number ("5a", "1.2.3"): the message, nothing changes
};

struct Height {
    Outcome outcome = Outcome::NoDigit;
    QString feet;
    QString inches;
};

struct Value {
    Outcome outcome = Outcome::NoDigit;
    QString text;
};

// Total inches rounded half to even, then whole feet and the inches left over.
Height heightFromCentimetres(const QString& centimetres);
// The whole part of the inches.
Value waistFromCentimetres(const QString& centimetres);
// Pounds rounded half to even.
Value weightFromKilograms(const QString& kilograms);

QString centimetreMessage();
QString kilogramMessage();

} // namespace convert
