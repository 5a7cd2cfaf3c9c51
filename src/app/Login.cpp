#include "app/Login.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"
#include "app/MainProgram.h"
#include "app/StretchedPicture.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "core/Session.h"
#include "data/AccountStore.h"

#include "ui_Login.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

Login::Login(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::Login>())
{
    m_ui->setupUi(this);
    setWindowTitle(QString());
    setFixedSize(480, 360);
    new StretchedPicture(QStringLiteral(":/images/login.svg"), QStringLiteral("Image1"), this);

    connect(m_ui->Enter, &QPushButton::clicked, this, [this] { Enter_Click(); });
    connect(m_ui->Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_ui->cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(m_ui->cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    // Enter in the list runs the login; in the password box the default button does,
    // and returnPressed covers a hidden window driven from code.
    m_ui->txtUser->installEventFilter(this);
    connect(m_ui->txtPwd, &QLineEdit::returnPressed, this, [this] { Enter_Click(); });
    for (QLabel* heading : {m_ui->Label1, m_ui->Label2}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setStyleSheet(QStringLiteral("color: #1F4E57;"));
    }
    m_ui->Enter->setAutoDefault(false);
    m_ui->Enter->setDefault(false);
}

Login::~Login() = default;

void Login::formLoad()
{
    mainmodule::centerOnScreen(this);
    refreshAccounts();
    selectFirst();
}

bool Login::refreshAccounts()
{
    m_ui->txtUser->clear();
    AccountStore store(m_context.database());
    auto accounts = store.list();
    if (!accounts) {
        m_context.messages().inform(accounts.error(), MessageIcon::Critical);
        return false;
    }
    QStringList names;
    for (const AccountEntry& entry : accounts.value())
        names << entry.username;
    // Ordered by log-in name as the database orders it: letter case ignored.
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    m_ui->txtUser->addItems(names);
    m_ui->txtUser->setCurrentRow(-1);
    m_ui->txtUser->clearSelection();
    return !names.isEmpty();
}

QString Login::selectedUser() const
{
    const QList<QListWidgetItem*> selected = m_ui->txtUser->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text().trimmed();
}

bool Login::selectUser(const QString& user)
{
    for (int row = 0; row < m_ui->txtUser->count(); ++row) {
        if (m_ui->txtUser->item(row)->text() == user) {
            m_ui->txtUser->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void Login::clearSelection()
{
    m_ui->txtUser->setCurrentRow(-1);
    m_ui->txtUser->clearSelection();
    m_ui->txtPwd->clear();
}

void Login::setPassword(const QString& password)
{
    m_ui->txtPwd->setText(password);
}

void Login::selectFirst()
{
    if (m_ui->txtUser->count() > 0)
        m_ui->txtUser->setCurrentRow(0);
}

void Login::Enter_Click()
{
    Messages& messages = m_context.messages();
    const QString user = selectedUser();
    const QString typed = m_ui->txtPwd->text();
    // Once a message has been shown, the scan below stays quiet, so one attempt
    // shows one message.
    bool shown = false;
    if (user.isEmpty()) {
        messages.inform(QStringLiteral("Please enter a username !"), MessageIcon::Critical);
        m_ui->txtUser->setFocus();
        shown = true;
    } else if (typed.isEmpty()) {
        messages.inform(QStringLiteral("Please enter a password !"), MessageIcon::Critical);
        m_ui->txtPwd->setFocus();
        shown = true;
    }

    AccountStore store(m_context.database());
    auto accounts = store.list();
    if (!accounts) {
        messages.inform(accounts.error(), MessageIcon::Critical);
        return;
    }
    if (accounts.value().isEmpty()) {
        messages.inform(QStringLiteral("Sorry, but there is no accounts created !"),
                        MessageIcon::Critical);
        return;
    }
    for (const AccountEntry& entry : accounts.value()) {
        if (entry.username != user)
            continue;
        auto profile = store.findById(entry.userId);
        if (!profile) {
            messages.inform(profile.error(), MessageIcon::Critical);
            return;
        }
        if (profile.value() && !typed.isEmpty() &&
            password::verify(typed, profile.value()->passwordHash)) {
            hide();
            LoadMainMenu();
            if (auto marked = store.markLastLogin(user); !marked)
                messages.inform(marked.error(), MessageIcon::Critical);
            return;
        }
        if (!shown)
            messages.inform(QStringLiteral("Sorry you have entered invalid password !"),
                            MessageIcon::Critical);
        shown = true;
    }
    if (!shown)
        messages.inform(QStringLiteral("Sorry the username you have entered does not exist !"),
                        MessageIcon::Critical);
}

void Login::LoadMainMenu()
{
    Forms& forms = m_context.forms();
    hide();
    // The selected account is now the current user.
    m_context.session().setCurrentUser(selectedUser());
    // A replacement, not the exit steps: this window and its list stay.
    forms.unload(QStringLiteral("MainProgram"));
    forms.show(QStringLiteral("MainProgram"));
    if (auto* main = forms.find<MainProgram>(QStringLiteral("MainProgram")))
        main->showLoggedInState();
}

void Login::Command1_Click()
{
    clearSelection();
    m_context.session().setCurrentUser(QString());
    hide();
    Forms& forms = m_context.forms();
    forms.unload(QStringLiteral("MainProgram"));
    forms.show(QStringLiteral("MainProgram"));
}

void Login::cmdHelp_Click()
{
    m_context.forms().show(QStringLiteral("frmloginHelp"));
}

void Login::cmdExit_Click()
{
    // The main window's exit steps, which unload this window too.
    mainmodule::runExitSteps(m_context.forms());
}

bool Login::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->txtUser && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Enter_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Login::closeEvent(QCloseEvent* event)
{
    // Closing the login window ends the program as "&Exit" does.
    event->accept();
    cmdExit_Click();
}

void Login::mousePressEvent(QMouseEvent* event)
{
    selectFirst();
    QWidget::mousePressEvent(event);
}
