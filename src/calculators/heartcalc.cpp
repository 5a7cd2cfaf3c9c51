#include "calculators/heartcalc.h"

#include "ui_heartcalc.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "calculators/HeartRate.h"
#include "calculators/SvgPicture.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/AccountStore.h"

heartcalc::heartcalc(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::heartcalc>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("heartcalc"));
    m_ui->imgHeart->setPixmap(svgPicture(QStringLiteral(":/images/heart.svg"), QSize(64, 64)));

    connect(m_ui->btncalc, &QPushButton::clicked, this, &heartcalc::calculate);
    connect(m_ui->btnClose, &QPushButton::clicked, this,
            [this] { m_context.forms().unload(objectName()); });
}

heartcalc::~heartcalc() = default;

void heartcalc::formLoad()
{
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram")))
        move(main->frameGeometry().topLeft() + QPoint(main->width() / 4, 0));

    // The logged-in user, or the account saved last when nobody is logged in.
    const QString user = m_context.session().userOrFallback().trimmed();
    const auto found = AccountStore(m_context.database()).find(user);
    std::optional<int> age;
    if (found.ok() && found.value())
        age = heartRateAge(found.value()->age);
    if (!age) {
        m_context.messages().inform(
            QStringLiteral("Your profile could not be found. Please log in again."),
            MessageIcon::Exclamation);
        m_context.forms().unload(objectName());
        return;
    }

    m_age = *age;
    const HeartRates rates = beginnerRates(m_age);
    m_ui->txtage->setText(QString::number(m_age));
    m_ui->txtmax->setText(QString::number(rates.maximum));
    m_ui->txtminhr->setText(QString::number(rates.minTraining));
    m_ui->txtmaxhr->setText(QString::number(rates.maxTraining));
}

void heartcalc::calculate()
{
    const AdvancedRates result = advancedRates(m_age, m_ui->txtresthr->text());
    if (result.message) {
        m_context.messages().inform(*result.message, MessageIcon::Exclamation);
        m_ui->txtresthr->clear();
        return;
    }
    m_ui->txtmax2->setText(QString::number(result.rates.maximum));
    m_ui->txtminhr2->setText(QString::number(result.rates.minTraining));
    m_ui->txtmaxhr2->setText(QString::number(result.rates.maxTraining));
}

void heartcalc::reject()
{
    // Escape does not close the window: it has no cancel button.
}
