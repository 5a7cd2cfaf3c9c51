#include "planner/ReportsTab.h"

ReportsTab::ReportsTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportsTab"));
}
