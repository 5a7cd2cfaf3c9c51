#include "app/disclaimer.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"

#include "ui_disclaimer.h"

#include <QCloseEvent>

disclaimer::disclaimer(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::disclaimer>())
{
    m_ui->setupUi(this);
    m_ui->Image1->load(QStringLiteral(":/images/disclaimer.svg"));
    m_ui->Label1->setText(agreementText());
    connect(m_ui->btnAgree, &QPushButton::clicked, this, [this] { btnAgree_Click(); });
    connect(m_ui->btnDisagree, &QPushButton::clicked, this, [this] { btnDisagree_Click(); });
}

disclaimer::~disclaimer() = default;

QString disclaimer::agreementText()
{
    return QStringLiteral(
        "Please read this before you use Nutrova.\n\n"
        "Nutrova helps you plan meals and exercise and keep a record of your weight. "
        "It does not give medical advice. Its figures, limits and tips are general "
        "guides only. Talk to a doctor before you change your diet or start a new "
        "exercise plan, above all if you have a health condition.\n\n"
        "Everything you enter stays on this computer, in the Nutrova database in the "
        "program's folder. Nutrova sends nothing over the network.\n\n"
        "Choose \"I Agree\" to create your first account, or \"I Disagree\" to close "
        "Nutrova.");
}

void disclaimer::formLoad()
{
    mainmodule::centerOnScreen(this);
}

void disclaimer::btnAgree_Click()
{
    Forms& forms = m_context.forms();
    forms.show(QStringLiteral("FirstAccountInfo"));
    forms.unload(QStringLiteral("disclaimer"));
}

void disclaimer::btnDisagree_Click()
{
    // With no other window loaded, the program ends here.
    m_context.forms().unload(QStringLiteral("disclaimer"));
}

void disclaimer::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_context.forms().unload(QStringLiteral("disclaimer"));
}
