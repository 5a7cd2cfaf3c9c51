#pragma once

#include <QWidget>

// The "Create/Ed&it Recipe" tab: the shared recipes.
class RecipeEditorTab final : public QWidget {
    Q_OBJECT

public:
    explicit RecipeEditorTab(QWidget* parent = nullptr);
};
