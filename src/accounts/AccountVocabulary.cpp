#include "accounts/AccountVocabulary.h"

namespace vocabulary {

const QStringList& sexes()
{
    static const QStringList items{QStringLiteral("Male"), QStringLiteral("Female")};
    return items;
}

const QStringList& bodyTypesMen()
{
    static const QStringList items{QStringLiteral("Slim"), QStringLiteral("Average Build"),
                                   QStringLiteral("Built"), QStringLiteral("Over-Weight")};
    return items;
}

const QStringList& desiredBodyTypesMen()
{
    static const QStringList items{QStringLiteral("Slim"), QStringLiteral("Average Build"),
                                   QStringLiteral("Built")};
    return items;
}

const QStringList& bodyTypesWomen()
{
    static const QStringList items{QStringLiteral("Pear Shape"), QStringLiteral("Hour Glass"),
                                   QStringLiteral("Square Shape"),
                                   QStringLiteral("Coca-Cola Bottle")};
    return items;
}

const QStringList& desiredBodyTypesWomen()
{
    static const QStringList items{QStringLiteral("Hour Glass"), QStringLiteral("Square Shape"),
                                   QStringLiteral("Coca-Cola Bottle")};
    return items;
}

const QStringList& stomachs()
{
    static const QStringList items{QStringLiteral("Flat Stomach"), QStringLiteral("Small Belly"),
                                   QStringLiteral("Large Belly")};
    return items;
}

const QStringList& arms()
{
    static const QStringList items{QStringLiteral("Small"), QStringLiteral("Average"),
                                   QStringLiteral("Large"), QStringLiteral("Extra Large")};
    return items;
}

const QStringList& chests()
{
    static const QStringList items{QStringLiteral("A"),  QStringLiteral("B"),
                                   QStringLiteral("C"),  QStringLiteral("D"),
                                   QStringLiteral("DD"), QStringLiteral("Larger than DD")};
    return items;
}

const QStringList& goals()
{
    static const QStringList items{QStringLiteral("Gain Weight"), QStringLiteral("Lose Weight"),
                                   QStringLiteral("Build Bulk"), QStringLiteral("General Health"),
                                   QStringLiteral("Tone")};
    return items;
}

bool inList(const QStringList& items, const QString& text)
{
    return items.contains(text.trimmed(), Qt::CaseSensitive);
}

} // namespace vocabulary
