#include "app/frmloginHelp.h"

#include "app/AppContext.h"
#include "app/Forms.h"

#include "ui_frmloginHelp.h"

frmloginHelp::frmloginHelp(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::frmloginHelp>())
{
    m_ui->setupUi(this);
    QFont heading = m_ui->Label1->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    m_ui->Label1->setFont(heading);
    resize(420, 180);
    connect(m_ui->Command1, &QPushButton::clicked, this,
            [this] { m_context.forms().unload(QStringLiteral("frmloginHelp")); });
}

frmloginHelp::~frmloginHelp() = default;

void frmloginHelp::formLoad()
{
    move(0, 0);
    m_ui->lblloginHelp->setText(
        QStringLiteral("Select your username from the list and enter your password. However, ") +
        QStringLiteral("if you do not have an account, close this window and click on the Manage "
                       "Accounts button to create a new account."));
}
