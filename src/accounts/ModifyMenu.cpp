#include "accounts/ModifyMenu.h"

#include "accounts/AccountPickerList.h"
#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/StretchedPicture.h"
#include "core/Messages.h"
#include "ui_ModifyMenu.h"

#include <QListWidget>
#include <QPushButton>

ModifyMenu::ModifyMenu(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_ui(std::make_unique<Ui::ModifyMenu>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("ModifyMenu"));
    new StretchedPicture(QStringLiteral(":/images/ModifyMenu.svg"), QStringLiteral("Picture"),
                         this);
    connect(m_ui->Command1, &QPushButton::clicked, this, &ModifyMenu::Command1_Click);
    // A double click on an entry is the button.
    connect(m_ui->List1, &QListWidget::itemDoubleClicked, this, &ModifyMenu::Command1_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &ModifyMenu::cmdClose_Click);
}

ModifyMenu::~ModifyMenu() = default;

void ModifyMenu::formLoad()
{
    move(0, 0);
    picker::fill(m_ui->List1, m_context);
}

QString ModifyMenu::selectedEntry() const
{
    return picker::selectedEntry(m_ui->List1);
}

void ModifyMenu::Command1_Click()
{
    if (selectedEntry().isEmpty()) {
        m_context.messages().inform(QStringLiteral("Please select one of the accounts listed"),
                                    MessageIcon::Information);
        return;
    }
    // The confirmation lives for one attempt: each one starts afresh.
    m_context.forms().unload(QStringLiteral("ValidUser"));
    m_context.forms().show(QStringLiteral("ValidUser"));
}

void ModifyMenu::cmdClose_Click()
{
    m_context.forms().unload(objectName());
}
