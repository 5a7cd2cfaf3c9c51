#include "planner/SummaryTab.h"

#include "ui_SummaryTab.h"

#include <QRegularExpression>

SummaryTab::SummaryTab(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::SummaryTab>())
{
    m_ui->setupUi(this);
    // The captions stand in one label, a line each: every value and unit takes one
    // line's height so the rows stay level with their captions, empty or not.
    const int line = m_ui->lblTotFat->fontMetrics().lineSpacing();
    const QList<QLabel*> rows =
        findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl(Tot.*_Dis|Unit\\d)$")));
    for (QLabel* label : rows)
        label->setFixedHeight(line);
    m_ui->lblTotFat->setContentsMargins(0, 0, 0, 0);
}

SummaryTab::~SummaryTab() = default;

void SummaryTab::showTotals(const QStringList& texts)
{
    QLabel* const labels[] = {m_ui->lblTotFat_Dis,      m_ui->lblTotCal_Dis,
                              m_ui->lblTotProteins_Dis, m_ui->lblTotCarbs_Dis,
                              m_ui->lblTotFibre_Dis,    m_ui->lblTotSodium_Dis,
                              m_ui->lblTotCholest_Dis};
    for (int i = 0; i < 7; ++i)
        labels[i]->setText(i < texts.size() ? texts[i] : QString());
}
