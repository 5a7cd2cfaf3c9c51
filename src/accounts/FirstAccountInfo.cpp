#include "accounts/FirstAccountInfo.h"

#include "accounts/AccountProfile.h"
#include "accounts/AccountValidation.h"
#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/Login.h"
#include "app/StretchedPicture.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "core/Session.h"
#include "data/AccountStore.h"
#include "ui_FirstAccountInfo.h"

#include <QLabel>
#include <QPushButton>

FirstAccountInfo::FirstAccountInfo(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context),
      m_ui(std::make_unique<Ui::FirstAccountInfo>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("FirstAccountInfo"));
    new StretchedPicture(QStringLiteral(":/images/FirstAccount.svg"), QStringLiteral("Image1"),
                         this);
    m_ui->entryForm->setMessages(&m_context.messages());
    m_ui->entryForm->setPickOnly(true);
    m_ui->entryForm->setMenLabelsStarred(true);
    connect(m_ui->entryForm->createButton(), &QPushButton::clicked, this,
            &FirstAccountInfo::btnCrtAccnt_Click);
    connect(m_ui->CmdClose, &QPushButton::clicked, this, &FirstAccountInfo::CmdClose_Click);
}

FirstAccountInfo::~FirstAccountInfo() = default;

void FirstAccountInfo::formLoad()
{
    move(0, 0);
    m_ui->entryForm->fillLists();
}

bool FirstAccountInfo::validateAccont()
{
    AccountStore store(m_context.database());
    // A lookup that fails lets the name through; the database's unique index
    // still refuses a taken name when the row is stored.
    const NameTaken taken = [&store](const QString& name) {
        return store.nameTaken(name).valueOr(false);
    };
    const auto failure = validation::checkFirstAccount(m_ui->entryForm->values(), taken);
    if (!failure)
        return true;
    m_context.messages().inform(failure->message, MessageIcon::Exclamation);
    m_ui->entryForm->apply(*failure);
    return false;
}

void FirstAccountInfo::btnCrtAccnt_Click()
{
    if (!validateAccont())
        return;
    Messages& messages = m_context.messages();
    const AccountForm form = m_ui->entryForm->values();
    UserProfile profile;
    account::applyForm(form, profile);
    profile.popstatus = 1;
    profile.musstatus = 1;
    profile.tipstatus = 1;
    profile.passwordHash = password::hash(form.password1);
    if (profile.passwordHash.isEmpty()) {
        messages.inform(QStringLiteral("The password could not be stored safely. Nothing was "
                                       "saved; please try again."),
                        MessageIcon::Critical);
        return;
    }
    AccountStore store(m_context.database());
    if (auto added = store.add(profile); !added) {
        messages.inform(added.error(), MessageIcon::Critical);
        return;
    }
    messages.inform(QStringLiteral("Account Information has been saved !"),
                    MessageIcon::Exclamation);
    m_ui->entryForm->ostrelUsername()->setText(form.username);
    m_context.session().setLastSavedUser(form.username);
    hide();
    logIn(form.username, form.password1);
}

void FirstAccountInfo::logIn(const QString& username, const QString& password)
{
    Forms& forms = m_context.forms();
    const bool wasLoaded = forms.isLoaded(QStringLiteral("Login"));
    auto* login = dynamic_cast<Login*>(forms.load(QStringLiteral("Login")));
    if (!login)
        return;
    // A login window loaded before this account existed does not list it yet.
    if (wasLoaded)
        login->refreshAccounts();
    login->selectUser(username);
    login->setPassword(password);
    login->Enter_Click();
}

void FirstAccountInfo::CmdClose_Click()
{
    m_context.forms().unload(objectName());
}
