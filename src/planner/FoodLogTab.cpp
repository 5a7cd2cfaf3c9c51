#include "planner/FoodLogTab.h"

#include "ui_FoodLogTab.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/DayText.h"
#include "core/Messages.h"
#include "core/TextRules.h"
#include "data/AccountStore.h"
#include "data/FoodLogStore.h"
#include "data/FoodStore.h"
#include "planner/ActivationFilter.h"
#include "planner/DayTotals.h"
#include "planner/FoodListBuilder.h"
#include "planner/FoodLogChecks.h"
#include "planner/LimitCheck.h"
#include "planner/Mor_Edit_Qty.h"
#include "planner/PlannerDay.h"
#include "planner/PlannerLists.h"

#include <QMouseEvent>

namespace {

std::optional<QString> selectedText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return item->text();
}

QStringList allLines(const QListWidget* list)
{
    QStringList lines;
    lines.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

FoodLogTab::FoodLogTab(AppContext& context, PlannerDay& day, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::FoodLogTab>()), m_context(context), m_day(day)
{
    m_ui->setupUi(this);
    m_meals[0] = {m_ui->List_Morning2, m_ui->List_Morning, m_ui->txtAmountMor, "morning"};
    m_meals[1] = {m_ui->List_Midday2, m_ui->List_Midday, m_ui->txtAmountMid, "midday"};
    m_meals[2] = {m_ui->List_Evening2, m_ui->List_Evening, m_ui->txtAmountEven, "evening"};

    PlannerLists::setUpFoodList(m_ui->List_Foods);
    QFont hint = m_ui->lbl_Food_Properties->font();
    hint.setPointSize(9);
    m_ui->lbl_Food_Properties->setFont(hint);
    m_ui->lbl_Food_Properties->setStyleSheet(QStringLiteral("color: #0000ff;"));

    const struct {
        MealSlot slot;
        QPushButton* add;
        QPushButton* remove;
        QPushButton* edit;
    } wiring[] = {
        {MealSlot::Morning, m_ui->Com_Morning, m_ui->Com_Morning_Del, m_ui->Com_Morning_Edit},
        {MealSlot::Midday, m_ui->Com_Midday, m_ui->Com_Midday_Del, m_ui->Com_Midday_Edit},
        {MealSlot::Evening, m_ui->Com_Evenning, m_ui->Com_Evening_Del, m_ui->Com_Evening_Edit},
    };
    for (const auto& w : wiring) {
        const MealSlot slot = w.slot;
        connect(w.add, &QPushButton::clicked, this, [this, slot] { addToMeal(slot); });
        connect(w.remove, &QPushButton::clicked, this, [this, slot] { removeFromMeal(slot); });
        connect(w.edit, &QPushButton::clicked, this, [this, slot] { editQuantity(slot); });
        for (QPushButton* button : {w.add, w.remove, w.edit})
            ActivationFilter::clickOnEnter(button);
        // A line picked in the visible list selects the same line of the names.
        const Meal& m = meal(slot);
        connect(m.visible, &QListWidget::currentRowChanged, this, [m](int row) {
            if (row >= 0)
                m.names->setCurrentRow(row);
        });
    }

    connect(m_ui->cmdSearch, &QPushButton::clicked, this, &FoodLogTab::searchByName);
    connect(m_ui->txtSearch, &QLineEdit::returnPressed, this, &FoodLogTab::searchByName);
    connect(m_ui->ComSearchByFdCat, &QPushButton::clicked, this, &FoodLogTab::searchByCategory);
    connect(m_ui->ComDisplayAllFoods, &QPushButton::clicked, this, &FoodLogTab::displayAll);
    for (QPushButton* button : {m_ui->cmdSearch, m_ui->ComSearchByFdCat, m_ui->ComDisplayAllFoods})
        ActivationFilter::clickOnEnter(button);
    connect(m_ui->List_Foods, &QListView::clicked, this, &FoodLogTab::foodLinePicked);
    ActivationFilter::onLeftClick(m_ui->lbl_Food_Properties, [this] { showProperties(); });
    // The right button opens the properties of the line picked before, without
    // changing the pick.
    m_ui->List_Foods->viewport()->installEventFilter(this);
}

FoodLogTab::~FoodLogTab() = default;

const FoodLogTab::Meal& FoodLogTab::meal(MealSlot slot) const
{
    return m_meals[static_cast<int>(slot)];
}

void FoodLogTab::setDayLabels(const QDate& date)
{
    m_ui->lblDayName_foodlog->setText(QString::number(date.day()));
    m_ui->lblMonthName_foodlog->setText(daytext::convertMonthNo(date.month()));
    m_ui->lblYearName_foodlog->setText(QString::number(date.year()));
}

void FoodLogTab::resetSearch()
{
    hideHint();
    m_ui->txtSearch->clear();
    m_ui->Combo_ComSearchByFdCat->setEditText(QString());
}

void FoodLogTab::fillCategoryBox()
{
    m_ui->Combo_ComSearchByFdCat->clear();
    m_ui->Combo_ComSearchByFdCat->addItems(FoodListBuilder::categories());
    m_ui->Combo_ComSearchByFdCat->setCurrentIndex(-1);
    m_ui->Combo_ComSearchByFdCat->setEditText(QString());
}

void FoodLogTab::setFoodList(const QStringList& lines)
{
    PlannerLists::fill(m_ui->List_Foods, lines);
}

void FoodLogTab::setQuantities(const QString& text)
{
    for (const Meal& m : m_meals)
        m.quantity->setText(text);
}

void FoodLogTab::setMeal(MealSlot slot, const MealLines& lines)
{
    const Meal& m = meal(slot);
    PlannerLists::fill(m.visible, lines.visible);
    PlannerLists::fill(m.names, lines.names);
}

QString FoodLogTab::pickedFoodLine() const
{
    return PlannerLists::pickedLine(m_ui->List_Foods).value_or(QString());
}

void FoodLogTab::hideHint()
{
    m_ui->lbl_Food_Properties->hide();
}

void FoodLogTab::refillMeal(MealSlot slot, bool everyRow)
{
    FoodLogStore store(m_context.database());
    const auto foods = store.meal(m_day.user, m_day.texts.dateText, slot, everyRow);
    const MealLines lines = MealLines::of(foods.valueOr({}));
    setMeal(slot, lines);
    emit mealChanged(slot, lines.visible);
}

void FoodLogTab::addToMeal(MealSlot slot)
{
    const Meal& m = meal(slot);
    Messages& messages = m_context.messages();
    const QString picked = pickedFoodLine();
    if (auto refused = FoodLogChecks::checkAdd(
            {picked, m.quantity->text(), selectedText(m.names), allLines(m.names)})) {
        if (refused->hideHint)
            hideHint();
        messages.inform(refused->message, MessageIcon::Exclamation);
        if (refused->resetQuantities)
            setQuantities(QStringLiteral("1"));
        return;
    }

    const QString line = picked.trimmed();
    const auto food = FoodStore(m_context.database()).find(line);
    if (!food) {
        messages.inform(food.error(), MessageIcon::Critical);
        return;
    }
    if (!food.value()) {
        messages.inform(QStringLiteral("Please click on a food name."), MessageIcon::Exclamation);
        return;
    }

    // The day the row will go to is the one whose sums the limits are checked on.
    emit takeCalendarDayRequested();
    // The day so far and the profile's limits decide which questions come first.
    const auto sums = FoodLogStore(m_context.database()).daySums(m_day.user, m_day.texts.dateText);
    const auto profile = AccountStore(m_context.database()).find(m_day.user);
    DailyLimits limits;
    if (profile && profile.value()) {
        const UserProfile& p = *profile.value();
        limits = {p.calorieLimit, p.fatLimit, p.proteinLimit, p.carbsLimit};
    }
    bool proceed = true;
    const auto questions = LimitCheck::questions(
        {limits, DayTotals::asNutrients(sums.valueOr({})), food.value()->perServing,
         FoodLogChecks::quantityOf(m.quantity->text()), slot});
    for (const LimitQuestion& question : questions) {
        // Every question is asked; the food is logged only when each is answered Yes.
        if (!messages.ask(question.text, MessageIcon::Exclamation, MessageAnswer::No,
                          question.title))
            proceed = false;
    }
    if (proceed)
        storeLoggedFood(slot);
    refillMeal(slot, false);
    setQuantities(QStringLiteral("1"));
}

void FoodLogTab::storeLoggedFood(MealSlot slot)
{
    emit takeCalendarDayRequested();
    const QString food = pickedFoodLine().trimmed();
    const QString amount = meal(slot).quantity->text().trimmed();
    const auto item = FoodStore(m_context.database()).find(food);
    if (!item || !item.value()) {
        if (!item)
            m_context.messages().inform(item.error(), MessageIcon::Critical);
        return;
    }
    ScheduleRow row;
    row.username = m_day.user;
    row.dateText = m_day.texts.dateText;
    row.day = m_day.date;
    row.slot = slot;
    row.food = food;
    row.amount = amount;
    row.totals = item.value()->perServing.times(FoodLogChecks::quantityOf(amount));
    if (auto added = FoodLogStore(m_context.database()).add(row); !added)
        m_context.messages().inform(added.error(), MessageIcon::Critical);
}

void FoodLogTab::removeFromMeal(MealSlot slot)
{
    const Meal& m = meal(slot);
    Messages& messages = m_context.messages();
    const auto name = selectedText(m.names);
    if (!name) {
        messages.inform(QStringLiteral("You must select food from your %1 food list to delete ")
                            .arg(QLatin1String(m.word)),
                        MessageIcon::Exclamation);
        return;
    }
    if (!messages.ask(QStringLiteral(" You are about to delete '") + *name +
                          QStringLiteral("' permanently.") +
                          QStringLiteral(" Are you sure you want to do this?"),
                      MessageIcon::Exclamation, MessageAnswer::No, QStringLiteral("Deleting Food")))
        return;
    const auto removed =
        FoodLogStore(m_context.database()).remove(m_day.user, m_day.texts.dateText, slot, *name);
    if (!removed)
        messages.inform(removed.error(), MessageIcon::Critical);
    // One line per remaining row, even two rows of one food with one amount.
    refillMeal(slot, true);
}

void FoodLogTab::editQuantity(MealSlot slot)
{
    const Meal& m = meal(slot);
    const auto name = selectedText(m.names);
    if (!name) {
        m_context.messages().inform(
            QStringLiteral("You must select food from your %1 food list to edit ")
                .arg(QLatin1String(m.word)),
            MessageIcon::Exclamation);
        return;
    }
    Forms& forms = m_context.forms();
    auto* dialog = dynamic_cast<Mor_Edit_Qty*>(forms.load(QStringLiteral("Mor_Edit_Qty")));
    if (!dialog)
        return;
    dialog->open(name->trimmed(), m_day.date, slot);
    forms.show(QStringLiteral("Mor_Edit_Qty"), true);
}

void FoodLogTab::searchByName()
{
    const QString typed = m_ui->txtSearch->text();
    if (text::isEmpty(typed)) {
        m_context.messages().inform(QStringLiteral("Food name is required"),
                                    MessageIcon::Exclamation);
        return;
    }
    const auto matches = FoodStore(m_context.database()).namesStartingWith(typed.trimmed());
    setFoodList(FoodListBuilder::nameSearch(matches.valueOr({})));
}

void FoodLogTab::searchByCategory()
{
    const QString typed = m_ui->Combo_ComSearchByFdCat->currentText();
    if (auto problem = FoodListBuilder::categoryProblem(typed)) {
        m_context.messages().inform(*problem, MessageIcon::Exclamation);
    } else {
        const QString category = typed.trimmed();
        const auto foods = FoodStore(m_context.database()).namesInCategoryStartingWith(category);
        setFoodList(FoodListBuilder::category(category, foods.valueOr({})));
    }
    m_ui->txtSearch->clear();
    m_ui->Combo_ComSearchByFdCat->setFocus();
}

void FoodLogTab::displayAll()
{
    m_ui->txtSearch->clear();
    emit displayAllRequested();
}

void FoodLogTab::foodLinePicked()
{
    if (!FoodListBuilder::isFoodLine(pickedFoodLine())) {
        hideHint();
        m_context.messages().inform(QStringLiteral("Please click on a food name."),
                                    MessageIcon::Exclamation);
        return;
    }
    m_ui->lbl_Food_Properties->show();
}

void FoodLogTab::showProperties()
{
    m_context.forms().show(QStringLiteral("frmFoodProperties"));
}

bool FoodLogTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->List_Foods->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        if (!pickedFoodLine().trimmed().isEmpty())
            showProperties();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
