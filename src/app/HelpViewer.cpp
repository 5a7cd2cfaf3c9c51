#include "app/HelpViewer.h"

#include "app/AppContext.h"
#include "app/Forms.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(AppContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setWindowTitle(QStringLiteral("Nutrova Help"));
    resize(760, 620);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    contents->setAccessibleName(QStringLiteral("Contents"));
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setAccessibleName(QStringLiteral("Back"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(QStringLiteral("Close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    connect(contents, &QPushButton::clicked, this, [this] { showContents(); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(close, &QPushButton::clicked, this, [this] { m_context.forms().unload(windowName()); });
}

QString HelpViewer::missingPageText(const QString& path)
{
    return QStringLiteral("The help page is missing: %1").arg(QDir::toNativeSeparators(path));
}

void HelpViewer::formLoad()
{
    showContents();
}

void HelpViewer::showContents()
{
    const QString path =
        QDir(m_context.programFolder()).filePath(QStringLiteral("help/index.html"));
    if (!QFileInfo::exists(path)) {
        m_browser->setSource(QUrl());
        m_browser->setPlainText(missingPageText(path));
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(path));
}

QString HelpViewer::currentPage() const
{
    const QUrl source = m_browser->source();
    return source.isLocalFile() ? source.toLocalFile() : QString();
}
