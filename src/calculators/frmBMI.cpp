#include "calculators/frmBMI.h"

#include "ui_frmBMI.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "calculators/BmiCalculation.h"
#include "calculators/SvgPicture.h"
#include "core/Messages.h"

#include <QKeyEvent>

namespace {

bool isEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

frmBMI::frmBMI(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::frmBMI>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("frmBMI"));
    m_ui->imgCalculator->setPixmap(
        svgPicture(QStringLiteral(":/images/calculator.svg"), QSize(64, 64)));

    // Light advice colours need a dark ground to be read.
    QPalette results = m_ui->FrameResults->palette();
    results.setColor(QPalette::Window, QColor(32, 48, 72));
    results.setColor(QPalette::WindowText, Qt::white);
    m_ui->FrameResults->setPalette(results);
    m_ui->Label3->setVisible(false);

    connect(m_ui->cmdCalcBMI, &QPushButton::clicked, this, &frmBMI::calculate);
    connect(m_ui->txtinches, &QLineEdit::returnPressed, this, &frmBMI::calculate);
    connect(m_ui->Command1, &QPushButton::clicked, this,
            [this] { m_context.forms().unload(objectName()); });
    m_ui->cmdCalcBMI->installEventFilter(this);
}

frmBMI::~frmBMI() = default;

void frmBMI::formLoad()
{
    // Over the main window, a quarter of its width in from its left edge.
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram")))
        move(main->frameGeometry().topLeft() + QPoint(main->width() / 4, 0));
}

void frmBMI::calculate()
{
    const BmiOutcome outcome = calculateBmi(
        BmiEntry{m_ui->txtweight->text(), m_ui->txtfeet->text(), m_ui->txtinches->text()});
    if (outcome.inches != m_ui->txtinches->text())
        m_ui->txtinches->setText(outcome.inches);

    if (outcome.failure) {
        QLineEdit* box = nullptr;
        switch (outcome.failure->clearAndFocus) {
        case BmiBox::Weight:
            box = m_ui->txtweight;
            break;
        case BmiBox::Feet:
            box = m_ui->txtfeet;
            break;
        case BmiBox::Inches:
            box = m_ui->txtinches;
            break;
        case BmiBox::None:
            break;
        }
        m_context.messages().inform(outcome.failure->message, MessageIcon::Exclamation);
        if (box) {
            box->clear();
            box->setFocus();
        }
        return;
    }

    m_ui->lblBMI->setText(QString::number(outcome.bmi));
    QPalette advice = m_ui->BMI_Advice->palette();
    const BmiColour& colour = outcome.advice.colour;
    advice.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    m_ui->BMI_Advice->setPalette(advice);
    m_ui->Label3->setVisible(true);
    m_ui->BMI_Advice->setText(outcome.advice.text);
}

bool frmBMI::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on "Go!" runs it, as Space does.
    if (watched == m_ui->cmdCalcBMI && isEnter(event)) {
        calculate();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmBMI::reject()
{
    // Escape does not close the window: it has no cancel button.
}
