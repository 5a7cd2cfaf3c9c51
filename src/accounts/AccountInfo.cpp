#include "accounts/AccountInfo.h"

#include "accounts/AccountProfile.h"
#include "accounts/AccountValidation.h"
#include "accounts/ModifyMenu.h"
#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/Login.h"
#include "app/MainProgram.h"
#include "app/StretchedPicture.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "core/Session.h"
#include "data/AccountStore.h"
#include "ui_AccountInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace {

const QString notFoundText = QStringLiteral("Sorry the user you selected has not been found");

} // namespace

AccountInfo::AccountInfo(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_ui(std::make_unique<Ui::AccountInfo>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("AccountInfo"));
    new StretchedPicture(QStringLiteral(":/images/AccountInfo.svg"), QStringLiteral("sky"), this);
    m_ui->entryForm->setMessages(&m_context.messages());
    m_ui->entryForm->setMenLabelsStarred(false);
    connect(m_ui->entryForm->createButton(), &QPushButton::clicked, this,
            &AccountInfo::btnCrtAccnt_Click);
    connect(m_ui->Comclose, &QPushButton::clicked, this, &AccountInfo::Comclose_Click);
    connect(m_ui->btnClose, &QPushButton::clicked, this, &AccountInfo::btnClose_Click);
}

AccountInfo::~AccountInfo() = default;

MainProgram* AccountInfo::mainWindow() const
{
    return m_context.forms().find<MainProgram>(QStringLiteral("MainProgram"));
}

void AccountInfo::formLoad()
{
    move(0, 0);
    m_ui->entryForm->fillLists();
    m_ui->entryForm->showSexLabel(false);

    const QString flag = m_context.session().modFlag();
    if (flag == Session::modifyMode())
        m_mode = Mode::ChangeOwn;
    else if (flag == Session::deleteMode())
        m_mode = Mode::ChangePicked;
    else
        return;

    setWindowTitle(QStringLiteral("Modify Account"));
    m_ui->Label2->setText(QStringLiteral("Modify Account"));
    loadAccount();
    m_ui->entryForm->createButton()->setText(QStringLiteral("Modify Account"));
}

void AccountInfo::loadAccount()
{
    Messages& messages = m_context.messages();
    AccountStore accounts(m_context.database());
    QLabel* ostrel = m_ui->entryForm->ostrelUsername();

    // The account saved or logged in last is the fallback for the log-in name.
    if (auto list = accounts.list()) {
        for (const AccountEntry& entry : list.value()) {
            if (entry.lastlogin == 1)
                ostrel->setText(entry.username);
        }
    }

    Result<std::optional<UserProfile>> found = std::optional<UserProfile>();
    if (m_mode == Mode::ChangeOwn) {
        QString name = m_context.session().currentUser().trimmed();
        if (name.isEmpty())
            name = ostrel->text().trimmed();
        if (!name.isEmpty())
            found = accounts.find(name);
    } else {
        auto* picker = m_context.forms().find<ModifyMenu>(QStringLiteral("ModifyMenu"));
        const QString entry = picker ? picker->selectedEntry() : QString();
        if (!entry.isEmpty())
            found = accounts.findByPickerEntry(entry);
    }
    if (!found) {
        messages.inform(found.error(), MessageIcon::Critical);
        return;
    }
    if (!found.value()) {
        messages.inform(notFoundText, MessageIcon::Exclamation);
        return;
    }

    UserProfile profile = *found.value();
    if (profile.sex != account::sexAsShown(profile.sex)) {
        // An old row that says "MaleMale" is rewritten as the man's row it is.
        profile.sex = account::sexAsShown(profile.sex);
        if (auto rewritten = accounts.update(profile); !rewritten)
            messages.inform(rewritten.error(), MessageIcon::Critical);
    }
    m_userId = profile.userId;
    m_loadedUsername = profile.username;
    const AccountForm form = account::formOf(profile);
    m_ui->entryForm->setValues(form);
    m_ui->entryForm->setPasswordHint(
        QStringLiteral("Leave both password boxes empty to keep the current password."));
    m_ui->entryForm->lockIdentity(form.sex, validation::identityLocks(form));
}

bool AccountInfo::validateAccont()
{
    AccountStore accounts(m_context.database());
    const qint64 self = m_userId;
    // A lookup that fails lets the name through; the database's unique index
    // still refuses a taken name when the row is stored.
    const NameTaken taken = [&accounts, self](const QString& name) {
        return accounts.nameTaken(name, self).valueOr(false);
    };
    const auto rule = m_mode == Mode::Add ? validation::PasswordRule::Required
                                          : validation::PasswordRule::KeepWhenBothEmpty;
    const auto failure = validation::checkAccount(m_ui->entryForm->values(), taken, rule);
    if (!failure)
        return true;
    m_context.messages().inform(failure->message, MessageIcon::Exclamation);
    m_ui->entryForm->apply(*failure);
    return false;
}

bool AccountInfo::store()
{
    Messages& messages = m_context.messages();
    AccountStore accounts(m_context.database());
    const AccountForm form = m_ui->entryForm->values();
    const auto rule = m_mode == Mode::Add ? validation::PasswordRule::Required
                                          : validation::PasswordRule::KeepWhenBothEmpty;

    UserProfile profile;
    if (m_mode != Mode::Add) {
        if (m_userId == 0) {
            messages.inform(notFoundText, MessageIcon::Exclamation);
            return false;
        }
        // The row shown is the row written; what the form does not hold (the
        // women's columns of a man, an emptied limit) stays as stored.
        auto current = accounts.findById(m_userId);
        if (!current) {
            messages.inform(current.error(), MessageIcon::Critical);
            return false;
        }
        if (!current.value()) {
            messages.inform(notFoundText, MessageIcon::Exclamation);
            return false;
        }
        profile = *current.value();
    }
    account::applyForm(form, profile);
    profile.popstatus = 1;
    profile.musstatus = 1;
    profile.tipstatus = 1;
    if (!validation::keepsPassword(form, rule)) {
        profile.passwordHash = password::hash(form.password1);
        if (profile.passwordHash.isEmpty()) {
            messages.inform(QStringLiteral("The password could not be stored safely. Nothing "
                                           "was saved; please try again."),
                            MessageIcon::Critical);
            return false;
        }
    }

    QString failure;
    if (m_mode == Mode::Add) {
        if (auto added = accounts.addAsLastLogin(profile); !added)
            failure = added.error();
    } else if (auto updated = accounts.updateAsLastLogin(profile); !updated) {
        failure = updated.error();
    }
    if (!failure.isEmpty()) {
        messages.inform(failure, MessageIcon::Critical);
        return false;
    }
    return true;
}

void AccountInfo::btnCrtAccnt_Click()
{
    if (!validateAccont())
        return;
    if (!store())
        return;

    Forms& forms = m_context.forms();
    Session& session = m_context.session();
    const QString username = m_ui->entryForm->values().username;

    // A renamed account keeps being the one the session means.
    if (m_mode != Mode::Add && m_loadedUsername != username) {
        const bool wasCurrent =
            session.currentUser().compare(m_loadedUsername, Qt::CaseInsensitive) == 0;
        session.renameAccount(m_loadedUsername, username);
        if (wasCurrent && mainWindow())
            mainWindow()->setLoggedOnStatus(username);
        m_loadedUsername = username;
    }

    forms.hide(QStringLiteral("ModifyMenu"));
    m_context.messages().inform(QStringLiteral("Account Information has been saved !"),
                                MessageIcon::Exclamation);
    m_ui->entryForm->ostrelUsername()->setText(username);
    session.setLastSavedUser(username);

    if (!session.isLoggedIn()) {
        // The status line names the account, so the session logs it in: every
        // window that works for the current user then works for this one.
        session.setCurrentUser(username.trimmed());
        if (MainProgram* main = mainWindow())
            main->setLoggedOnStatus(m_ui->entryForm->ostrelUsername()->text().trimmed());
        // A login window still open (the last account was deleted, say) now
        // lists the account, selected, and goes away as after a login.
        if (auto* login = forms.find<Login>(QStringLiteral("Login"))) {
            login->refreshAccounts();
            login->selectUser(username);
            login->hide();
        }
    }

    forms.hide(QStringLiteral("popupMsg"));
    if (MainProgram* main = mainWindow())
        main->mainmenu_Click();
    else
        forms.show(QStringLiteral("bgForm"));
    showTipIfWanted();

    m_ui->entryForm->clearAfterSave();
    hide();
    // The logged-on look: Toolbar2 instead of Toolbar1, the account, action
    // and main-menu menus enabled.
    if (MainProgram* main = mainWindow())
        main->showLoggedInState();
}

void AccountInfo::showTipIfWanted()
{
    Forms& forms = m_context.forms();
    const QString options = QStringLiteral("frmOptions");
    // The dialog is read afresh, so it shows the switches as they are now
    // stored, and unloaded after, so the next "Preferences" reads them again.
    forms.unload(options);
    QWidget* dialog = forms.load(options);
    if (!dialog)
        return;
    auto* tips = dialog->findChild<QCheckBox*>(QStringLiteral("chkTips"));
    const bool wanted = tips && tips->isChecked();
    forms.unload(options);
    if (wanted)
        forms.show(QStringLiteral("frmTip"));
}

void AccountInfo::Comclose_Click()
{
    if (MainProgram* main = mainWindow()) {
        if (m_context.session().isLoggedIn())
            main->showLoggedInState();
        else if (auto* bar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1")))
            bar->setEnabled(true);
    }
    m_context.forms().unload(objectName());
}

void AccountInfo::btnClose_Click()
{
    m_context.forms().unload(objectName());
}
