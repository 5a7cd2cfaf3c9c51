#include "planner/FoodEditorTab.h"

#include "ui_FoodEditorTab.h"

#include "planner/PlannerLists.h"

FoodEditorTab::FoodEditorTab(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::FoodEditorTab>())
{
    m_ui->setupUi(this);
    PlannerLists::setUpFoodList(m_ui->ListAllFoodDiplay);
}

FoodEditorTab::~FoodEditorTab() = default;

void FoodEditorTab::setFoodList(const QStringList& lines)
{
    PlannerLists::fill(m_ui->ListAllFoodDiplay, lines);
}

void FoodEditorTab::styleFoodList()
{
    PlannerLists::styleFoodList(m_ui->ListAllFoodDiplay);
}
