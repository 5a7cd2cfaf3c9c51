#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class FoodEditorTab;
}

// The "Create/Edit &Food" tab: the whole food dictionary in its list.
class FoodEditorTab final : public QWidget {
    Q_OBJECT

public:
    explicit FoodEditorTab(QWidget* parent = nullptr);
    ~FoodEditorTab() override;

    void setFoodList(const QStringList& lines);
    // Font size 7 in light blue, as at loading.
    void styleFoodList();

private:
    std::unique_ptr<Ui::FoodEditorTab> m_ui;
};
