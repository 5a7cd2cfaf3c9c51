#include "planner/PlannerLists.h"

#include <QListView>
#include <QListWidget>
#include <QStringListModel>

namespace PlannerLists {

void setUpFoodList(QListView* list)
{
    list->setModel(new QStringListModel(list));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    styleFoodList(list);
}

void styleFoodList(QListView* list)
{
    QFont font = list->font();
    font.setPointSize(7);
    list->setFont(font);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    list->setPalette(palette);
}

void fill(QListView* list, const QStringList& lines)
{
    if (auto* model = qobject_cast<QStringListModel*>(list->model()))
        model->setStringList(lines);
}

void fill(QListWidget* list, const QStringList& lines)
{
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(lines);
    list->setUpdatesEnabled(true);
}

QStringList lines(const QListView* list)
{
    const auto* model = qobject_cast<const QStringListModel*>(list->model());
    return model ? model->stringList() : QStringList();
}

std::optional<QString> pickedLine(const QListView* list)
{
    const QModelIndex current = list->currentIndex();
    if (!current.isValid() || !list->selectionModel()->isSelected(current))
        return std::nullopt;
    return current.data().toString();
}

} // namespace PlannerLists
