#pragma once

#include "data/FoodStore.h"

#include <QString>
#include <QStringList>

#include <optional>

// The lines of the category-grouped food lists: the seven categories in their
// fixed order, each under a header line padded with blanks, and the checks on a
// picked line and a typed category.
class FoodListBuilder final {
public:
    // The food log's list pads its headers with one blank more than the editor's.
    enum class Target { FoodLog, Editor };

    // The seven category names, as stored, in list order.
    static const QStringList& categories();
    // "COMBINATION FOODS", ...: the header words of the seven categories.
    static const QStringList& headerWords();

    // The whole dictionary, given the names of each of the seven categories in
    // order: per category its header, optionally an empty line, its names and an
    // empty line; a category without foods keeps its header.
    static QStringList whole(const QList<QStringList>& namesPerCategory, Target target,
                             bool emptyAfterHeader);

    // A name search: only categories with a match, each under a wider header made
    // from the first match's stored category, then an empty line; the no-match
    // line when nothing matched.
    static QStringList nameSearch(const QList<FoodName>& matches);

    // One category as typed: its header and its names, no empty lines.
    static QStringList category(const QString& typed, const QList<FoodName>& foods);

    static QString noMatchLine();

    // False for an empty line and a header line: the user has to click a food name.
    static bool isFoodLine(const QString& line);

    // The message for a typed category that is empty or not one of the seven, as
    // written (letter case counts).
    static std::optional<QString> categoryProblem(const QString& typed);
};
