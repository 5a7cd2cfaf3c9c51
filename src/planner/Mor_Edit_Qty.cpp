#include "planner/Mor_Edit_Qty.h"

#include "ui_Mor_Edit_Qty.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/FoodLogStore.h"
#include "data/FoodStore.h"
#include "planner/ActivationFilter.h"
#include "planner/FoodLogChecks.h"
#include "planner/frmAllShed.h"

namespace {

const QString windowName = QStringLiteral("Mor_Edit_Qty");

const struct {
    MealSlot slot;
    const char* mode;
} modes[] = {{MealSlot::Morning, "Edit_Mor"},
             {MealSlot::Midday, "Edit_Mid"},
             {MealSlot::Evening, "Edit_Eve"}};

} // namespace

Mor_Edit_Qty::Mor_Edit_Qty(AppContext& context, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Mor_Edit_Qty>()), m_context(context)
{
    m_ui->setupUi(this);
    m_ui->Image1->load(QStringLiteral(":/images/ROSE.svg"));
    connect(m_ui->OKButton, &QPushButton::clicked, this, &Mor_Edit_Qty::update);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &Mor_Edit_Qty::unloadDialog);
    // Enter in the quantity box presses the default button, "Update".
    ActivationFilter::clickOnEnter(m_ui->OKButton);
}

Mor_Edit_Qty::~Mor_Edit_Qty() = default;

void Mor_Edit_Qty::formLoad()
{
    // The planner's own user: the dialog never edits another account's rows.
    if (auto* planner = m_context.forms().find<frmAllShed>(QStringLiteral("frmAllShed")))
        m_user = planner->currentUser();
    else
        m_user = m_context.session().currentUser().trimmed();
    m_ui->edit_user->setText(m_user);
    m_context.forms().hide(QStringLiteral("AccountInfo"));
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram")))
        move(main->x() + main->width() / 4, main->y() + main->height() / 4);
}

void Mor_Edit_Qty::open(const QString& food, const QDate& day, MealSlot slot)
{
    m_ui->LabelTest->setText(food);
    m_ui->Edit_Qty_Calendar->setSelectedDate(day);
    for (const auto& m : modes) {
        if (m.slot == slot)
            m_ui->lblquery_flag->setText(QLatin1String(m.mode));
    }
    m_ui->txtNew_Qty->clear();
}

void Mor_Edit_Qty::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_ui->txtNew_Qty->setFocus();
}

void Mor_Edit_Qty::reject()
{
    unloadDialog();
}

void Mor_Edit_Qty::unloadDialog()
{
    m_context.forms().unload(windowName);
}

std::optional<MealSlot> Mor_Edit_Qty::slotOfMode() const
{
    for (const auto& m : modes) {
        if (m_ui->lblquery_flag->text() == QLatin1String(m.mode))
            return m.slot;
    }
    return std::nullopt;
}

void Mor_Edit_Qty::update()
{
    Messages& messages = m_context.messages();
    const QString typed = m_ui->txtNew_Qty->text();
    if (auto problem = FoodLogChecks::checkNewQuantity(typed)) {
        messages.inform(*problem, MessageIcon::Exclamation);
        return;
    }
    const QString amount = typed.trimmed();
    const QString name = m_ui->LabelTest->text().trimmed();
    const auto slot = slotOfMode();
    FoodLogStore log(m_context.database());
    std::optional<qint64> row;
    if (slot) {
        const auto found =
            log.findByDay(m_user, m_ui->Edit_Qty_Calendar->selectedDate(), *slot, name);
        if (!found) {
            messages.inform(found.error(), MessageIcon::Critical);
            return;
        }
        row = found.value();
    }
    // The food may have left the dictionary since it was logged: the row then
    // stays as it is.
    std::optional<FoodItem> food;
    if (row) {
        const auto item = FoodStore(m_context.database()).find(name);
        if (!item) {
            messages.inform(item.error(), MessageIcon::Critical);
            return;
        }
        food = item.value();
    }
    if (!row || !food) {
        messages.inform(QStringLiteral("Food item not found"), MessageIcon::Exclamation);
    } else if (auto changed = log.changeQuantity(
                   *row, amount, food->perServing.times(FoodLogChecks::quantityOf(amount)));
               !changed) {
        messages.inform(changed.error(), MessageIcon::Critical);
        return;
    }
    if (auto* planner = m_context.forms().find<frmAllShed>(QStringLiteral("frmAllShed"))) {
        planner->repaint();
        planner->SSTab1_Click();
    }
    unloadDialog();
}
