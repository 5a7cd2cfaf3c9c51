#pragma once

#include <QWidget>

// The "Crea&te Nutritional Reports" tab: no content; choosing it opens the reports window.
class ReportsTab final : public QWidget {
    Q_OBJECT

public:
    explicit ReportsTab(QWidget* parent = nullptr);
};
