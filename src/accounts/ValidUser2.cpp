#include "accounts/ValidUser2.h"

#include "accounts/DeleteAccount.h"
#include "accounts/PasswordConfirmation.h"
#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainProgram.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/AccountStore.h"
#include "ui_ValidUser2.h"

#include <QLineEdit>
#include <QPushButton>

ValidUser2::ValidUser2(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_ui(std::make_unique<Ui::ValidUser2>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("ValidUser2"));
    connect(m_ui->Command1, &QPushButton::clicked, this, &ValidUser2::Command1_Click);
    connect(m_ui->txtPassword, &QLineEdit::returnPressed, this, &ValidUser2::Command1_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &ValidUser2::Command2_Click);
}

ValidUser2::~ValidUser2() = default;

void ValidUser2::formLoad()
{
    m_ui->txtPassword->setFocus();
}

void ValidUser2::Command1_Click()
{
    Forms& forms = m_context.forms();
    const QString pickerName = QStringLiteral("DeleteAccount");
    auto* picker = forms.find<DeleteAccount>(pickerName);
    const QString entry = picker ? picker->selectedEntry() : QString();
    const auto account = confirmation::confirm(m_context, entry, m_ui->txtPassword->text());
    if (!account) {
        forms.unload(objectName());
        return;
    }
    // Everything of the account goes in one transaction, or nothing does.
    AccountStore accounts(m_context.database());
    if (auto removed = accounts.remove(account->userId); !removed) {
        m_context.messages().inform(removed.error(), MessageIcon::Critical);
        forms.unload(objectName());
        return;
    }
    Session& session = m_context.session();
    const bool wasLoggedIn = session.isLoggedIn();
    session.forgetAccount(account->username);
    if (wasLoggedIn && !session.isLoggedIn()) {
        if (auto* main = forms.find<MainProgram>(QStringLiteral("MainProgram"))) {
            main->setStatusText(MainProgram::nobodyLoggedOnText());
            main->showNobodyLoggedOnState();
        }
    }
    m_context.messages().inform(QStringLiteral("This account has been deleted"),
                                MessageIcon::Information);
    forms.unload(objectName());
    forms.unload(pickerName);
    forms.show(pickerName);
}

void ValidUser2::Command2_Click()
{
    m_context.forms().unload(objectName());
}
