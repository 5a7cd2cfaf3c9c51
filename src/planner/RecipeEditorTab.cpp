#include "planner/RecipeEditorTab.h"

RecipeEditorTab::RecipeEditorTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RecipeEditorTab"));
}
