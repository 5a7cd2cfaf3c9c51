#pragma once

#include <QWidget>

// The "&Visual Weight Analyzer" tab: the month's weights.
class WeightChartTab final : public QWidget {
    Q_OBJECT

public:
    explicit WeightChartTab(QWidget* parent = nullptr);
};
