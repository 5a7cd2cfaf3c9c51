#include "app/frmOptions.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/AccountStore.h"

#include "ui_frmOptions.h"

namespace {

int valueOf(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

frmOptions::frmOptions(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::frmOptions>())
{
    m_ui->setupUi(this);
    QFont heading = m_ui->Label1->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    m_ui->Label1->setFont(heading);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
    connect(m_ui->OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(m_ui->CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

frmOptions::~frmOptions() = default;

QString frmOptions::user() const
{
    return m_context.session().userOrFallback().trimmed();
}

void frmOptions::formLoad()
{
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram")))
        mainmodule::keepAbove(this, main);
    AccountStore store(m_context.database());
    auto switches = store.switches(user());
    if (!switches) {
        m_context.messages().inform(switches.error(), MessageIcon::Critical);
        return;
    }
    // With no row for the user the boxes stay unticked.
    if (!switches.value())
        return;
    const UserSwitches& s = *switches.value();
    m_ui->chkPopup->setChecked(s.popstatus != 0);
    mainmodule::setPopupSwitch(s.popstatus);
    m_ui->chkMusic->setChecked(s.musstatus != 0);
    m_ui->chkTips->setChecked(s.tipstatus != 0);
}

void frmOptions::OKButton_Click()
{
    mainmodule::setPopupSwitch(valueOf(m_ui->chkPopup));
    AccountStore store(m_context.database());
    const QString name = user();
    auto existing = store.switches(name);
    if (!existing) {
        m_context.messages().inform(existing.error(), MessageIcon::Critical);
        return;
    }
    if (existing.value()) {
        const UserSwitches chosen{mainmodule::popupSwitch(), valueOf(m_ui->chkMusic),
                                  valueOf(m_ui->chkTips)};
        if (auto saved = store.setSwitches(name, chosen); !saved) {
            m_context.messages().inform(saved.error(), MessageIcon::Critical);
            return;
        }
    }
    m_context.forms().unload(QStringLiteral("frmOptions"));
}

void frmOptions::CancelButton_Click()
{
    m_context.forms().unload(QStringLiteral("frmOptions"));
}
