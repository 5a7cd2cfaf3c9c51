#pragma once

#include <QString>

#include <optional>

// Target heart rates: the maximum is 220 less the age; beginners train between
// 60 and 80 percent of it, advanced users at the resting rate plus 60 to 80
// percent of the reserve above it.

struct HeartRates {
    int maximum = 0;
    int minTraining = 0;
    int maxTraining = 0;
    bool operator==(const HeartRates&) const = default;
};

// The age of a profile as the calculator keeps it: rounded to a whole number,
// a half to the even neighbour; nothing when the text is not a usable number.
std::optional<int> heartRateAge(const QString& profileAge);

HeartRates beginnerRates(int age);

// The advanced figures for a typed resting rate, or the message that refuses it.
struct AdvancedRates {
    std::optional<QString> message;
    HeartRates rates;
};

AdvancedRates advancedRates(int age, const QString& restingRate);
