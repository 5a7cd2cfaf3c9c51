#pragma once

#include <QStringList>

#include <optional>

class QListView;
class QListWidget;

// How the planner's lists are drawn and filled. The two food lists hold the
// whole dictionary, so they are views over a list of lines rather than one item
// object per line.
namespace PlannerLists {

// Gives a food list its model of lines, font size 7 and the light-blue text.
void setUpFoodList(QListView* list);
// Font size 7 in light blue, as both food lists are drawn.
void styleFoodList(QListView* list);

// Replaces every line in one go.
void fill(QListView* list, const QStringList& lines);
void fill(QListWidget* list, const QStringList& lines);

QStringList lines(const QListView* list);
// The text of the picked line; nothing when no line is picked.
std::optional<QString> pickedLine(const QListView* list);

} // namespace PlannerLists
