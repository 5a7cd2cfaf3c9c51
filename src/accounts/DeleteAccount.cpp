#include "accounts/DeleteAccount.h"

#include "accounts/AccountPickerList.h"
#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/Messages.h"
#include "ui_DeleteAccount.h"

#include <QListWidget>
#include <QPushButton>

DeleteAccount::DeleteAccount(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_ui(std::make_unique<Ui::DeleteAccount>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("DeleteAccount"));
    connect(m_ui->Command1, &QPushButton::clicked, this, &DeleteAccount::Command1_Click);
    // A double click on an entry is the button.
    connect(m_ui->List1, &QListWidget::itemDoubleClicked, this, &DeleteAccount::Command1_Click);
    connect(m_ui->Com2close, &QPushButton::clicked, this, &DeleteAccount::Com2close_Click);
}

DeleteAccount::~DeleteAccount() = default;

void DeleteAccount::formLoad()
{
    move(0, 0);
    picker::fill(m_ui->List1, m_context);
}

QString DeleteAccount::selectedEntry() const
{
    return picker::selectedEntry(m_ui->List1);
}

void DeleteAccount::Command1_Click()
{
    if (selectedEntry().isEmpty()) {
        m_context.messages().inform(QStringLiteral("Please select one of the UserInfo listed"),
                                    MessageIcon::Information);
        return;
    }
    // The confirmation lives for one attempt: each one starts afresh.
    m_context.forms().unload(QStringLiteral("ValidUser2"));
    m_context.forms().show(QStringLiteral("ValidUser2"));
}

void DeleteAccount::Com2close_Click()
{
    m_context.forms().unload(objectName());
}
