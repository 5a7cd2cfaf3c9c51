#pragma once

#include <QWidget>

// The "&Body Information" tab: the starting profile, the day's figures and BMI.
class BodyInfoTab final : public QWidget {
    Q_OBJECT

public:
    explicit BodyInfoTab(QWidget* parent = nullptr);
};
