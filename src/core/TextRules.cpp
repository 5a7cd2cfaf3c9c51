#include "core/TextRules.h"

#include <algorithm>
#include <cmath>

namespace text {

bool isEmpty(const QString& value)
{
    return value.isEmpty();
}

bool isNumeric(const QString& value)
{
    const QString t = value.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::optional<double> toNumber(const QString& value)
{
    if (!isNumeric(value))
        return std::nullopt;
    QString t = value.trimmed();
    if (t.endsWith(u'.'))
        t.chop(1);
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<qint64> wholePart(const QString& value)
{
    const auto number = toNumber(value);
    if (!number)
        return std::nullopt;
    const double floored = std::floor(*number);
    if (floored > 9.0e18 || floored < -9.0e18)
        return std::nullopt;
    return static_cast<qint64>(floored);
}

bool isBadName(const QString& value)
{
    for (const QChar c : value) {
        const bool good = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                          (c >= u'0' && c <= u'9') || c == u',';
        if (!good)
            return true;
    }
    return false;
}

bool containsDigit(const QString& value)
{
    for (const QChar c : value) {
        if (c >= u'0' && c <= u'9')
            return true;
    }
    return false;
}

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double clamped = std::clamp(value, -9.0e18, 9.0e18);
    return static_cast<qint64>(std::nearbyint(clamped)); // default rounding mode: to even
}

int compareText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseSensitive);
}

QString fixString(const QString& value)
{
    QString copy = value;
    return copy.replace(u'\'', QStringLiteral("''"));
}

int checkConvert(const QString& value)
{
    return value == QLatin1String("True") ? 1 : 0;
}

QString checkConvertBack(int value)
{
    return value == 1 ? QStringLiteral("True") : QStringLiteral("False");
}

QString formatNumber(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0.0)
        return QStringLiteral("0");
    int digits = 15;
    for (int d = 1; d < 15; ++d) {
        if (QString::number(value, 'g', d).toDouble() == value) {
            digits = d;
            break;
        }
    }
    // Written out in full, never with an exponent.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, digits - 1 - magnitude);
    QString result = QString::number(value, 'f', decimals);
    if (result.contains(u'.')) {
        while (result.endsWith(u'0'))
            result.chop(1);
        if (result.endsWith(u'.'))
            result.chop(1);
    }
    if (result == QLatin1String("-0"))
        result = QStringLiteral("0");
    return result;
}

} // namespace text
