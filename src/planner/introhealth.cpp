#include "planner/introhealth.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "planner/ActivationFilter.h"

#include "planner/SvgPicture.h"
#include <QGridLayout>
#include <QPushButton>

introhealth::introhealth(AppContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("introhealth"));
    // The background fills the page; the pictures and the button lie on it.
    auto* background = new SvgPicture(QStringLiteral(":/images/health_bg.svg"), this);
    background->setObjectName(QStringLiteral("Image1"));
    auto* outer = new QGridLayout(this);
    outer->addWidget(background, 0, 0);
    auto* front = new QGridLayout;
    outer->addLayout(front, 0, 0);

    for (int i = 0; i < 11; ++i) {
        auto* picture = new SvgPicture(
            QStringLiteral(":/images/health%1.svg").arg(i + 1, 2, 10, QLatin1Char('0')), this);
        picture->setObjectName(QStringLiteral("Image%1").arg(i + 2));
        picture->setAccessibleName(QStringLiteral("Health and Nutrition Picture %1").arg(i + 1));
        picture->setToolTip(
            QStringLiteral("Click here to proceed to the Health and Nutrition Section"));
        picture->setCursor(Qt::PointingHandCursor);
        picture->setMinimumSize(96, 96);
        ActivationFilter::onLeftClick(picture, [this] {
            // The planner's loading closes this page.
            m_context.forms().show(QStringLiteral("frmAllShed"));
        });
        front->addWidget(picture, i / 4, i % 4);
    }
    auto* close = new QPushButton(QStringLiteral("CLOSE"), this);
    close->setObjectName(QStringLiteral("btnCloseNut"));
    close->setAccessibleName(QStringLiteral("Close"));
    front->addWidget(close, 2, 3, Qt::AlignRight | Qt::AlignBottom);
    connect(close, &QPushButton::clicked, this,
            [this] { m_context.forms().unload(QStringLiteral("introhealth")); });
}

void introhealth::formLoad()
{
    Forms& forms = m_context.forms();
    forms.unload(QStringLiteral("frmAllShed"));
    forms.unload(QStringLiteral("introyoga"));
}
