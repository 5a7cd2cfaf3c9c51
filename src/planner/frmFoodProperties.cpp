#include "planner/frmFoodProperties.h"

#include "ui_frmFoodProperties.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/TextRules.h"
#include "data/FoodStore.h"
#include "planner/frmAllShed.h"

frmFoodProperties::frmFoodProperties(AppContext& context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmFoodProperties>()), m_context(context)
{
    m_ui->setupUi(this);
    connect(m_ui->Com_Close, &QPushButton::clicked, this, [this] {
        if (auto* planner = m_context.forms().find<frmAllShed>(QStringLiteral("frmAllShed")))
            planner->hideFoodPropertiesHint();
        m_context.forms().unload(QStringLiteral("frmFoodProperties"));
    });
}

frmFoodProperties::~frmFoodProperties() = default;

void frmFoodProperties::formLoad()
{
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram")))
        move(main->x() + main->width() / 4, y());
    const auto* planner = m_context.forms().find<frmAllShed>(QStringLiteral("frmAllShed"));
    if (!planner)
        return;
    const auto found = FoodStore(m_context.database()).find(planner->pickedFoodLine().trimmed());
    // A line that names no food leaves the values empty.
    if (!found || !found.value())
        return;
    const FoodItem& food = *found.value();
    const Nutrients& n = food.perServing;
    m_ui->lblname->setText(food.name);
    m_ui->fat->setText(text::formatNumber(n.fat));
    m_ui->calories->setText(text::formatNumber(n.calories));
    m_ui->food_type->setText(food.foodType);
    m_ui->Amount_per_Serving->setText(food.amntPerServing);
    m_ui->lblscale->setText(food.scale);
    m_ui->protein->setText(text::formatNumber(n.protein));
    m_ui->Dietary_Fibre->setText(text::formatNumber(n.fibre));
    m_ui->Carbohydrate->setText(text::formatNumber(n.carbohydrate));
    m_ui->sodium->setText(text::formatNumber(n.sodium));
    m_ui->cholesterol->setText(text::formatNumber(n.cholesterol));
    m_ui->Description->setPlainText(food.description);
    m_ui->Healthy_Check->setText(food.healthy == QLatin1String("False") ? QStringLiteral("No")
                                                                        : QStringLiteral("Yes"));
}
