#pragma once

#include "app/FormWindow.h"

#include <QWidget>

class AppContext;

// The entry page of the Health / Nutrition section: eleven pictures, each of which
// opens the Schedule Designer, over a background picture.
class introhealth final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit introhealth(AppContext& context, QWidget* parent = nullptr);

    void formLoad() override;

private:
    AppContext& m_context;
};
