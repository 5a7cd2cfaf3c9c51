#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class SummaryTab;
}

// The "Sc&hedule Summary" tab: the picked day's seven nutrient totals.
class SummaryTab final : public QWidget {
    Q_OBJECT

public:
    explicit SummaryTab(QWidget* parent = nullptr);
    ~SummaryTab() override;

    // Fat, calories, proteins, carbohydrates, fibre, sodium, cholesterol.
    void showTotals(const QStringList& texts);

private:
    std::unique_ptr<Ui::SummaryTab> m_ui;
};
