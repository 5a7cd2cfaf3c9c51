#include "planner/BodyInfoTab.h"

BodyInfoTab::BodyInfoTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BodyInfoTab"));
}
