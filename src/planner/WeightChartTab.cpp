#include "planner/WeightChartTab.h"

WeightChartTab::WeightChartTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WeightChartTab"));
}
