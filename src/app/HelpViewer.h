#pragma once

#include "app/FormWindow.h"

#include <QWidget>

class AppContext;
class QTextBrowser;

// The help pages of the program folder's help/ folder, opened at their table
// of contents (help/index.html).
class HelpViewer final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    static QString windowName() { return QStringLiteral("HelpViewer"); }
    static QString missingPageText(const QString& path);

    explicit HelpViewer(AppContext& context, QWidget* parent = nullptr);

    void formLoad() override;

    // Goes to the table of contents.
    void showContents();
    // The page the viewer shows; empty when the help page is missing.
    QString currentPage() const;

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    QTextBrowser* m_browser = nullptr;
};
