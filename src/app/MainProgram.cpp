#include "app/MainProgram.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/HelpViewer.h"
#include "app/Login.h"
#include "app/MainModule.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/AccountStore.h"

#include <QCloseEvent>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString accountInfo = QStringLiteral("AccountInfo");
const QString modifyMenu = QStringLiteral("ModifyMenu");

// The text under a toolbar picture: short, so that every button fits; the
// tool tip carries the full name.
QString shortLabel(const QString& tip)
{
    static const QHash<QString, QString> labels = {
        {QStringLiteral("Health / Nutrition"), QStringLiteral("Health")},
        {QStringLiteral("Fitness / Relaxation"), QStringLiteral("Fitness")},
        {QStringLiteral("Food / Workout Reports"), QStringLiteral("Reports")},
        {QStringLiteral("Calculate BMI"), QStringLiteral("BMI")},
        {QStringLiteral("Target Heart Rate"), QStringLiteral("Heart Rate")},
        {QStringLiteral("Modify Account"), QStringLiteral("Modify")},
        {QStringLiteral("New Account"), QStringLiteral("New")},
        {QStringLiteral("Delete Account"), QStringLiteral("Delete")},
        {QStringLiteral("Help Library"), QStringLiteral("Help")},
        {QStringLiteral("Exit Nutrova"), QStringLiteral("Exit")}};
    return labels.value(tip, tip);
}

// A toolbar or menu picture; none when the picture is missing.
QIcon iconOf(const QString& name)
{
    const QString path = QStringLiteral(":/images/ico_%1.svg").arg(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace

MainProgram::MainProgram(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context)
{
    setWindowTitle(Messages::applicationTitle());
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    resize(1100, 760);
    mainmodule::centerOnScreen(this);

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("MDIArea"));
    m_area->setAccessibleName(QStringLiteral("Main area"));
    m_area->setBackground(QColor(0x8f, 0xa8, 0xac));
    setCentralWidget(m_area);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    auto* userIcon = new QLabel(status);
    userIcon->setObjectName(QStringLiteral("StatusIcon"));
    userIcon->setPixmap(iconOf(QStringLiteral("user")).pixmap(16, 16));
    status->addWidget(userIcon);
    m_panel1 = new QLabel(status);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setAccessibleName(QStringLiteral("Login status"));
    status->addWidget(m_panel1, 1);
    setStatusBar(status);

    m_modFlag = new QLabel(this);
    m_modFlag->setObjectName(QStringLiteral("modFlag"));
    m_modFlag->hide();

    buildMenus();
    buildToolbars();
}

MainProgram::~MainProgram() = default;

void MainProgram::buildMenus()
{
    m_begin = menuBar()->addMenu(QStringLiteral("&Accounts"));
    m_begin->setObjectName(QStringLiteral("Begin"));
    m_begin->menuAction()->setObjectName(QStringLiteral("BeginMenu"));
    addMenuItem(m_begin, QStringLiteral("LoginDiffUser"),
                QStringLiteral("&Login as Different User"), &MainProgram::LoginDiffUser_Click);
    m_mainmenu = addMenuItem(m_begin, QStringLiteral("mainmenu"),
                             QStringLiteral("&Return to Main Menu"), &MainProgram::mainmenu_Click);
    addSeparator(m_begin, QStringLiteral("split"));
    addMenuItem(m_begin, QStringLiteral("NewAcct"), QStringLiteral("&New Account"),
                &MainProgram::NewAcct_Click);
    m_modAcct = addMenuItem(m_begin, QStringLiteral("ModAcct"), QStringLiteral("&Modify Account"),
                            &MainProgram::ModAcct_Click);
    addSeparator(m_begin, QStringLiteral("split2"));
    addMenuItem(m_begin, QStringLiteral("Exit"), QStringLiteral("E&xit"), &MainProgram::Exit_Click);

    m_actions = menuBar()->addMenu(QStringLiteral("Nutrova A&ctions"));
    m_actions->setObjectName(QStringLiteral("actions"));
    m_actions->menuAction()->setObjectName(QStringLiteral("actionsMenu"));
    addMenuItem(m_actions, QStringLiteral("HealthNutrition"), QStringLiteral("Health / Nutrition"),
                &MainProgram::HealthNutrition_Click);
    addMenuItem(m_actions, QStringLiteral("FitnessRelax"), QStringLiteral("Fitness / Relaxation"),
                &MainProgram::FitnessRelax_Click);
    addSeparator(m_actions, QStringLiteral("sep"));
    auto* bmi =
        addMenuItem(m_actions, QStringLiteral("bmi"), QStringLiteral("Calculate BMI"), nullptr);
    connect(bmi, &QAction::triggered, this,
            [this] { m_context.forms().show(QStringLiteral("frmBMI")); });
    auto* heart = addMenuItem(m_actions, QStringLiteral("heartRate"),
                              QStringLiteral("Calculate Heart Rate"), nullptr);
    connect(heart, &QAction::triggered, this,
            [this] { m_context.forms().show(QStringLiteral("heartcalc")); });
    addSeparator(m_actions, QStringLiteral("sep2"));
    auto* options =
        addMenuItem(m_actions, QStringLiteral("Options"), QStringLiteral("Preferences"), nullptr);
    connect(options, &QAction::triggered, this,
            [this] { loadAndShow(QStringLiteral("frmOptions"), false); });

    m_help = menuBar()->addMenu(QStringLiteral("Help"));
    m_help->setObjectName(QStringLiteral("help"));
    m_help->menuAction()->setObjectName(QStringLiteral("helpMenu"));
    addMenuItem(m_help, QStringLiteral("helpTopic"), QStringLiteral("Help Topics"),
                &MainProgram::helpTopic_Click);
    auto* tips =
        addMenuItem(m_help, QStringLiteral("goodTips"), QStringLiteral("Good Tips"), nullptr);
    connect(tips, &QAction::triggered, this,
            [this] { m_context.forms().show(QStringLiteral("frmTip")); });
    addSeparator(m_help, QStringLiteral("split3"));
    auto* about = addMenuItem(m_help, QStringLiteral("about"), QStringLiteral("About"), nullptr);
    connect(about, &QAction::triggered, this,
            [this] { m_context.forms().show(QStringLiteral("frmAbout")); });
}

QAction* MainProgram::addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                                  void (MainProgram::*handler)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    static const QHash<QString, QString> icons = {
        {QStringLiteral("LoginDiffUser"), QStringLiteral("login")},
        {QStringLiteral("mainmenu"), QStringLiteral("main_menu")},
        {QStringLiteral("NewAcct"), QStringLiteral("new_account")},
        {QStringLiteral("ModAcct"), QStringLiteral("modify_account")},
        {QStringLiteral("Exit"), QStringLiteral("exit")},
        {QStringLiteral("HealthNutrition"), QStringLiteral("health")},
        {QStringLiteral("FitnessRelax"), QStringLiteral("fitness")},
        {QStringLiteral("bmi"), QStringLiteral("bmi")},
        {QStringLiteral("heartRate"), QStringLiteral("heart")},
        {QStringLiteral("Options"), QStringLiteral("options")},
        {QStringLiteral("helpTopic"), QStringLiteral("help")},
        {QStringLiteral("goodTips"), QStringLiteral("tip")},
        {QStringLiteral("about"), QStringLiteral("about")}};
    if (icons.contains(name))
        item->setIcon(iconOf(icons.value(name)));
    if (handler)
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return item;
}

QAction* MainProgram::addSeparator(QMenu* menu, const QString& name)
{
    QAction* line = menu->addSeparator();
    line->setObjectName(name);
    return line;
}

void MainProgram::buildToolbars()
{
    m_toolbar2 = new QToolBar(QStringLiteral("Nutrova"), this);
    m_toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    m_toolbar2->setMovable(false);
    m_toolbar2->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar2->setIconSize(QSize(32, 32));
    addToolButton(m_toolbar2, QStringLiteral("Health / Nutrition"), {}, QStringLiteral("health"));
    addToolButton(m_toolbar2, QStringLiteral("Fitness / Relaxation"), {},
                  QStringLiteral("fitness"));
    addToolButton(m_toolbar2, {}, {}, {});
    addToolButton(m_toolbar2, QStringLiteral("Food / Workout Reports"), QStringLiteral("reports"),
                  QStringLiteral("reports"));
    addToolButton(m_toolbar2, QStringLiteral("Main Menu"), QStringLiteral("mainmenu"),
                  QStringLiteral("main_menu"));
    addToolButton(m_toolbar2, {}, {}, {});
    addToolButton(m_toolbar2, QStringLiteral("Calculate BMI"), {}, QStringLiteral("bmi"));
    addToolButton(m_toolbar2, QStringLiteral("Target Heart Rate"), QStringLiteral("thrate"),
                  QStringLiteral("heart"));
    addToolButton(m_toolbar2, {}, QStringLiteral("sep2"), {});
    addToolButton(m_toolbar2, QStringLiteral("Options"), QStringLiteral("options"),
                  QStringLiteral("options"));
    addToolButton(m_toolbar2, QStringLiteral("Modify Account"), {},
                  QStringLiteral("modify_account"));
    addToolButton(m_toolbar2, QStringLiteral("New Account"), {}, QStringLiteral("new_account"));
    addToolButton(m_toolbar2, {}, {}, {});
    addToolButton(m_toolbar2, QStringLiteral("Help Library"), {}, QStringLiteral("help"));
    addToolButton(m_toolbar2, QStringLiteral("Exit Nutrova"), {}, QStringLiteral("exit"));
    addToolBar(Qt::TopToolBarArea, m_toolbar2);
    connect(m_toolbar2, &QToolBar::actionTriggered, this,
            [this](QAction* button) { Toolbar2_ButtonClick(button); });

    m_toolbar1 = new QToolBar(QStringLiteral("Accounts"), this);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setMovable(false);
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar1->setIconSize(QSize(32, 32));
    addToolButton(m_toolbar1, QStringLiteral("New Account"), {}, QStringLiteral("new_account"));
    addToolButton(m_toolbar1, QStringLiteral("Modify Account"), QStringLiteral("ModAcct"),
                  QStringLiteral("modify_account"));
    addToolButton(m_toolbar1, QStringLiteral("Delete Account"), {},
                  QStringLiteral("delete_account"));
    addToolButton(m_toolbar1, {}, {}, {});
    addToolButton(m_toolbar1, QStringLiteral("Options"), QStringLiteral("options"),
                  QStringLiteral("options"));
    addToolButton(m_toolbar1, {}, QStringLiteral("sep2"), {});
    addToolButton(m_toolbar1, QStringLiteral("Help Library"), {}, QStringLiteral("help"));
    addToolButton(m_toolbar1, {}, {}, {});
    addToolButton(m_toolbar1, QStringLiteral("Exit Nutrova"), {}, QStringLiteral("exit"));
    addToolBar(Qt::TopToolBarArea, m_toolbar1);
    connect(m_toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* button) { Toolbar1_ButtonClick(button); });
}

QAction* MainProgram::addToolButton(QToolBar* bar, const QString& tip, const QString& key,
                                    const QString& icon)
{
    QAction* button = nullptr;
    if (tip.isEmpty()) {
        button = bar->addSeparator();
    } else {
        button = bar->addAction(iconOf(icon), shortLabel(tip));
        button->setToolTip(tip);
    }
    // The key names the button where it has one; the tool tip is what the
    // click handlers go by.
    if (!key.isEmpty()) {
        button->setObjectName(key);
        button->setProperty("key", key);
    }
    return button;
}

QAction* MainProgram::toolButton(QToolBar* bar, const QString& tip) const
{
    const QList<QAction*> buttons = bar->actions();
    for (QAction* button : buttons) {
        if (!button->isSeparator() && button->toolTip() == tip)
            return button;
    }
    return nullptr;
}

void MainProgram::formLoad()
{
    Forms& forms = m_context.forms();
    Session& session = m_context.session();
    // A fresh main window starts with an empty mode flag.
    setModFlag(QString());

    const QString user = session.currentUser().trimmed();
    if (!user.isEmpty()) {
        AccountStore store(m_context.database());
        auto switches = store.switches(user);
        if (!switches) {
            m_context.messages().inform(switches.error(), MessageIcon::Critical);
        } else if (switches.value()) {
            m_chkPopup = switches.value()->popstatus;
            m_chkMusic = switches.value()->musstatus;
            m_chkTips = switches.value()->tipstatus;
        }
    }

    // The main menu screen and the section windows live in this window's area.
    forms.setChildHost([this](QWidget* window) {
        QMdiSubWindow* frame = m_area->addSubWindow(window, Qt::FramelessWindowHint);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWindowState(Qt::WindowMaximized);
    });

    if (!user.isEmpty()) {
        setLoggedOnStatus(user);
        m_toolbar1->hide();
        m_toolbar2->show();
        if (QAction* options = toolButton(m_toolbar1, QStringLiteral("Options")))
            options->setEnabled(true);
    } else {
        setStatusText(nobodyLoggedOnText());
        showNobodyLoggedOnState();
    }

    if (m_chkPopup != 0)
        forms.load(QStringLiteral("popupMsg"));
    if (m_actions->menuAction()->isEnabled()) {
        forms.load(QStringLiteral("bgForm"));
        forms.show(QStringLiteral("bgForm"));
    }
    if (m_chkTips != 0)
        forms.show(QStringLiteral("frmTip"));
}

void MainProgram::formUnload()
{
    unloadContainedWindows();
    m_context.forms().setChildHost({});
}

void MainProgram::unloadContainedWindows()
{
    // The windows of this window's area, and dialogs that belong to it, close with it.
    Forms& forms = m_context.forms();
    const QStringList names = forms.loadedNames();
    for (const QString& name : names) {
        QWidget* window = forms.find(name);
        for (QWidget* up = window ? window->parentWidget() : nullptr; up; up = up->parentWidget()) {
            if (up == this) {
                forms.unload(name);
                break;
            }
        }
    }
}

QString MainProgram::statusText() const
{
    return m_panel1->text();
}

void MainProgram::setStatusText(const QString& text)
{
    m_panel1->setText(text);
}

void MainProgram::setLoggedOnStatus(const QString& user)
{
    setStatusText(user + loggedOnSuffix());
}

void MainProgram::showLoggedInState()
{
    m_toolbar1->hide();
    m_toolbar2->show();
    m_begin->menuAction()->setEnabled(true);
    m_actions->menuAction()->setEnabled(true);
    m_modAcct->setEnabled(true);
    m_mainmenu->setEnabled(true);
    if (QAction* options = toolButton(m_toolbar1, QStringLiteral("Options")))
        options->setEnabled(true);
}

void MainProgram::showNobodyLoggedOnState()
{
    m_toolbar1->show();
    m_modAcct->setEnabled(false);
    m_actions->menuAction()->setEnabled(false);
    m_mainmenu->setEnabled(false);
    m_toolbar2->hide();
    if (QAction* modify = toolButton(m_toolbar1, QStringLiteral("Modify Account")))
        modify->setEnabled(false);
    if (QAction* options = toolButton(m_toolbar1, QStringLiteral("Options")))
        options->setEnabled(false);
}

QString MainProgram::modFlag() const
{
    return m_modFlag->text();
}

void MainProgram::setModFlag(const QString& flag)
{
    m_modFlag->setText(flag);
    m_context.session().setModFlag(flag);
}

void MainProgram::loadAndShow(const QString& name, bool toFront)
{
    Forms& forms = m_context.forms();
    forms.load(name);
    forms.show(name);
    if (toFront) {
        if (QWidget* window = forms.find(name))
            window->raise();
    }
}

void MainProgram::showAccountWindow(const QString& flag)
{
    setModFlag(flag);
    m_context.forms().unload(accountInfo);
    loadAndShow(accountInfo, true);
}

void MainProgram::showModifyMenu()
{
    setModFlag(Session::deleteMode());
    m_context.forms().unload(modifyMenu);
    loadAndShow(modifyMenu, true);
}

void MainProgram::NewAcct_Click()
{
    showAccountWindow(QString());
    if (!m_context.session().currentUser().isEmpty()) {
        m_toolbar1->hide();
        m_toolbar2->show();
    } else {
        m_toolbar1->show();
        m_toolbar2->hide();
    }
}

void MainProgram::ModAcct_Click()
{
    if (statusText() != nobodyLoggedOnText()) {
        showAccountWindow(Session::modifyMode());
        m_toolbar2->show();
        m_toolbar1->hide();
    } else {
        showModifyMenu();
    }
}

void MainProgram::HealthNutrition_Click()
{
    m_context.forms().unload(QStringLiteral("introyoga"));
    loadAndShow(QStringLiteral("introhealth"), false);
}

void MainProgram::FitnessRelax_Click()
{
    // One section at a time: the diet planner closes before the fitness pages open.
    m_context.forms().unload(QStringLiteral("frmAllShed"));
    loadAndShow(QStringLiteral("introyoga"), false);
}

void MainProgram::mainmenu_Click()
{
    loadAndShow(QStringLiteral("bgForm"), false);
}

void MainProgram::helpTopic_Click()
{
    Forms& forms = m_context.forms();
    forms.show(HelpViewer::windowName());
    if (auto* viewer = forms.find<HelpViewer>(HelpViewer::windowName()))
        viewer->showContents();
}

void MainProgram::LoginDiffUser_Click()
{
    Forms& forms = m_context.forms();
    m_context.session().setCurrentUser(QString());
    auto* login = dynamic_cast<Login*>(forms.load(QStringLiteral("Login")));
    if (login)
        login->clearSelection();
    forms.show(QStringLiteral("Login"));
    hide();
    const bool anyAccount = login && login->refreshAccounts();
    if (!anyAccount) {
        // No account to log in to: the account window instead of an empty list.
        forms.hide(QStringLiteral("Login"));
        show();
        loadAndShow(accountInfo, true);
    }
    m_modAcct->setEnabled(true);
}

void MainProgram::killme()
{
    Exit_Click();
}

void MainProgram::Exit_Click()
{
    if (m_exiting)
        return;
    m_exiting = true;
    mainmodule::runExitSteps(m_context.forms());
}

void MainProgram::closeEvent(QCloseEvent* event)
{
    Exit_Click();
    event->accept();
}

void MainProgram::exitFromToolbar()
{
    Forms& forms = m_context.forms();
    forms.unload(QStringLiteral("Intro"));
    forms.unload(QStringLiteral("popupMsg"));
    forms.unload(QStringLiteral("Login"));
    close();
}

void MainProgram::Toolbar1_ButtonClick(QAction* button)
{
    Forms& forms = m_context.forms();
    const QString tip = button->toolTip();
    if (tip == QLatin1String("New Account")) {
        m_actions->menuAction()->setEnabled(false);
        showAccountWindow(QString());
    } else if (tip == QLatin1String("Modify Account")) {
        showModifyMenu();
    } else if (tip == QLatin1String("Delete Account")) {
        forms.unload(accountInfo);
        forms.unload(modifyMenu);
        forms.unload(QStringLiteral("DeleteAccount"));
        loadAndShow(QStringLiteral("DeleteAccount"), false);
    } else if (tip == QLatin1String("Options")) {
        loadAndShow(QStringLiteral("frmOptions"), false);
    } else if (tip == QLatin1String("Help Library")) {
        helpTopic_Click();
    } else if (tip == QLatin1String("Exit Nutrova")) {
        exitFromToolbar();
    }
}

void MainProgram::Toolbar2_ButtonClick(QAction* button)
{
    Forms& forms = m_context.forms();
    const QString tip = button->toolTip();
    if (tip == QLatin1String("Health / Nutrition")) {
        loadAndShow(QStringLiteral("introhealth"), true);
    } else if (tip == QLatin1String("Fitness / Relaxation")) {
        forms.unload(QStringLiteral("frmAllShed"));
        loadAndShow(QStringLiteral("introyoga"), true);
    } else if (tip == QLatin1String("Food / Workout Reports")) {
        forms.unload(QStringLiteral("introhealth"));
        forms.unload(QStringLiteral("introyoga"));
        loadAndShow(QStringLiteral("Nut_Reports"), true);
    } else if (tip == QLatin1String("Main Menu")) {
        mainmenu_Click();
    } else if (tip == QLatin1String("Calculate BMI")) {
        loadAndShow(QStringLiteral("frmBMI"), true);
    } else if (tip == QLatin1String("Target Heart Rate")) {
        loadAndShow(QStringLiteral("heartcalc"), true);
    } else if (tip == QLatin1String("Options")) {
        loadAndShow(QStringLiteral("frmOptions"), true);
    } else if (tip == QLatin1String("Modify Account")) {
        showAccountWindow(Session::modifyMode());
    } else if (tip == QLatin1String("New Account")) {
        showAccountWindow(QString());
    } else if (tip == QLatin1String("Help Library")) {
        helpTopic_Click();
    } else if (tip == QLatin1String("Exit Nutrova")) {
        exitFromToolbar();
    }
}
