#include "app/bgForm.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"
#include "app/MainProgram.h"
#include "app/StretchedPicture.h"

#include "ui_bgForm.h"

#include <QMouseEvent>

bgForm::bgForm(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::bgForm>())
{
    m_ui->setupUi(this);
    setWindowTitle(QString());
    new StretchedPicture(QStringLiteral(":/images/background.svg"), QStringLiteral("Image1"), this);
    m_ui->imgLogo->load(QStringLiteral(":/images/logo.svg"));

    // The section labels in a heavy display face, HELP and EXIT in a plain one.
    QFont heavy = font();
    heavy.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")});
    heavy.setPointSize(17);
    heavy.setWeight(QFont::Black);
    QFont plain = font();
    plain.setPointSize(13);
    plain.setWeight(QFont::Normal);

    const QList<QLabel*> sections = {m_ui->lblHN,      m_ui->lblFR,      m_ui->lblBMI,
                                     m_ui->lblTHRC,    m_ui->lblNewAcct, m_ui->lblModifyAcct,
                                     m_ui->lblrelogin, m_ui->lblPref};
    for (QLabel* label : sections) {
        label->setFont(heavy);
        label->setProperty("section", true);
    }
    for (QLabel* label : {m_ui->lblHelp, m_ui->lblExit}) {
        label->setFont(plain);
        label->setProperty("plain", true);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    setStyleSheet(QStringLiteral(
        "QLabel[section=\"true\"] { color: #1F4E57; background-color: rgba(255, 255, 255, 170);"
        " border: 2px solid rgba(31, 111, 120, 90); border-radius: 14px; padding: 14px 24px; }"
        "QLabel[section=\"true\"]:hover { background-color: rgba(255, 255, 255, 235); }"
        "QLabel[plain=\"true\"] { color: #1F4E57; background-color: rgba(255, 255, 255, 150);"
        " border-radius: 10px; padding: 6px 16px; }"
        "QLabel[plain=\"true\"]:hover { text-decoration: underline; }"));
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label == m_ui->lblMSG)
            continue;
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
}

bgForm::~bgForm() = default;

MainProgram* bgForm::mainWindow() const
{
    return m_context.forms().find<MainProgram>(QStringLiteral("MainProgram"));
}

void bgForm::labelClicked(const QString& name)
{
    Forms& forms = m_context.forms();
    MainProgram* main = mainWindow();
    if (name == QLatin1String("lblHN")) {
        if (main)
            main->HealthNutrition_Click();
    } else if (name == QLatin1String("lblFR")) {
        if (main)
            main->FitnessRelax_Click();
    } else if (name == QLatin1String("lblBMI")) {
        forms.show(QStringLiteral("frmBMI"));
    } else if (name == QLatin1String("lblTHRC")) {
        forms.show(QStringLiteral("heartcalc"));
    } else if (name == QLatin1String("lblNewAcct")) {
        if (main)
            main->NewAcct_Click();
    } else if (name == QLatin1String("lblModifyAcct")) {
        if (main)
            main->ModAcct_Click();
    } else if (name == QLatin1String("lblrelogin")) {
        if (main)
            main->LoginDiffUser_Click();
    } else if (name == QLatin1String("lblPref")) {
        forms.load(QStringLiteral("frmOptions"));
        forms.show(QStringLiteral("frmOptions"));
    } else if (name == QLatin1String("lblHelp")) {
        if (main)
            main->helpTopic_Click();
    } else if (name == QLatin1String("lblExit")) {
        mainmodule::endProgram(m_context);
    }
}

bool bgForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->pos())) {
            labelClicked(label->objectName());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
