#include "app/frmAbout.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"
#include "core/Messages.h"

#include "ui_frmAbout.h"

frmAbout::frmAbout(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::frmAbout>())
{
    m_ui->setupUi(this);
    m_ui->picIcon->load(QStringLiteral(":/images/icon.svg"));
    QFont title = m_ui->lblTitle->font();
    title.setPointSize(title.pointSize() + 3);
    title.setBold(true);
    m_ui->lblTitle->setFont(title);
    m_ui->lblTitle->setText(
        QStringLiteral("Nutrova 2006 \u2013 personal health, diet and fitness planning"));
    m_ui->lblVersion2->setText(QStringLiteral(
        "This program is protected by copyright. Copying or passing on this program, or any "
        "part of it, without the permission of its makers is not allowed."));
    m_ui->cmdOK->setMinimumWidth(90);
    resize(460, sizeHint().height());
    connect(m_ui->cmdOK, &QPushButton::clicked, this,
            [this] { m_context.forms().unload(QStringLiteral("frmAbout")); });
}

frmAbout::~frmAbout() = default;

void frmAbout::formLoad()
{
    setWindowTitle(QStringLiteral("About ") + Messages::applicationTitle());
    m_ui->lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                                  .arg(versionMajor)
                                  .arg(versionMinor)
                                  .arg(versionRevision));
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram")))
        mainmodule::keepAbove(this, main);
}
