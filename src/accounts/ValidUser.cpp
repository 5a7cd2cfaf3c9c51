#include "accounts/ValidUser.h"

#include "accounts/ModifyMenu.h"
#include "accounts/PasswordConfirmation.h"
#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainProgram.h"
#include "core/Session.h"
#include "ui_ValidUser.h"

#include <QLineEdit>
#include <QPushButton>

ValidUser::ValidUser(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_ui(std::make_unique<Ui::ValidUser>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("ValidUser"));
    connect(m_ui->Command1, &QPushButton::clicked, this, &ValidUser::Command1_Click);
    connect(m_ui->txtPassword, &QLineEdit::returnPressed, this, &ValidUser::Command1_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &ValidUser::Command2_Click);
}

ValidUser::~ValidUser() = default;

void ValidUser::formLoad()
{
    m_ui->txtPassword->setFocus();
}

void ValidUser::Command1_Click()
{
    Forms& forms = m_context.forms();
    auto* picker = forms.find<ModifyMenu>(QStringLiteral("ModifyMenu"));
    const QString entry = picker ? picker->selectedEntry() : QString();
    if (confirmation::confirm(m_context, entry, m_ui->txtPassword->text())) {
        // The account window is loaded afresh in the picked-account mode, so a
        // window left hidden by an earlier save never shows a change as an add.
        if (auto* main = forms.find<MainProgram>(QStringLiteral("MainProgram")))
            main->setModFlag(Session::deleteMode());
        else
            m_context.session().setModFlag(Session::deleteMode());
        forms.unload(QStringLiteral("AccountInfo"));
        forms.show(QStringLiteral("AccountInfo"));
    }
    forms.unload(objectName());
}

void ValidUser::Command2_Click()
{
    m_context.forms().unload(objectName());
}
