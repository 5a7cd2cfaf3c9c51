#include "accounts/AccountEntryForm.h"

#include "accounts/AccountVocabulary.h"
#include "accounts/UnitConverters.h"
#include "core/Messages.h"
#include "ui_AccountEntryForm.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QColor lockedBackground(255, 255, 192);

void fill(QComboBox* box, const QStringList& items)
{
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->clearEditText();
}

// A listed text is picked as its item; any other text stands as typed.
void setComboText(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(text);
}

void clearCombo(QComboBox* box)
{
    box->setCurrentIndex(-1);
    box->clearEditText();
}

void paintBackground(QWidget* widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, lockedBackground);
    widget->setPalette(palette);
}

} // namespace

AccountEntryForm::AccountEntryForm(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::AccountEntryForm>())
{
    m_ui->setupUi(this);
    m_ui->CmbSex2->hide();
    m_ui->lblPasswordHint->hide();
    m_ui->frmWomen->hide();

    for (QComboBox* box : comboBoxes()) {
        // Typed text stays as typed: no completion, nothing added to the list.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(box == m_ui->CmbSex ? 7 : 14);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box] {
            if (m_pickOnly && !box->currentText().isEmpty())
                clearCombo(box);
        });
    }
    connect(m_ui->CmbSex, &QComboBox::currentIndexChanged, this, &AccountEntryForm::CmbSex_Click);
    // A sex typed in full shows its frame too, so a check never focuses a hidden box.
    connect(m_ui->CmbSex, &QComboBox::editTextChanged, this, &AccountEntryForm::CmbSex_Click);

    connect(m_ui->txtCmCnv, &QLineEdit::returnPressed, this, &AccountEntryForm::txtCmCnv_KeyPress);
    connect(m_ui->txtCmCnv2, &QLineEdit::returnPressed, this,
            &AccountEntryForm::txtCmCnv2_KeyPress);
    connect(m_ui->txtKgCnv, &QLineEdit::returnPressed, this, &AccountEntryForm::txtKgCnv_KeyPress);
    connect(m_ui->txtWstSize, &QLineEdit::textChanged, this, &AccountEntryForm::txtWstSize_Change);
}

AccountEntryForm::~AccountEntryForm() = default;

QList<QComboBox*> AccountEntryForm::comboBoxes() const
{
    return {m_ui->CmbSex,         m_ui->CmbBodyType_m, m_ui->CmbBodyType2_m, m_ui->CmbBodyType_f,
            m_ui->CmbBodyType2_f, m_ui->CmbStomach_m,  m_ui->CmbStomach_f,   m_ui->CmbArms_m,
            m_ui->CmbArms_f,      m_ui->CmbChest_f,    m_ui->CmbGoal_m,      m_ui->CmbGoal_f};
}

void AccountEntryForm::fillLists()
{
    fill(m_ui->CmbSex, vocabulary::sexes());
    fill(m_ui->CmbBodyType_m, vocabulary::bodyTypesMen());
    fill(m_ui->CmbBodyType2_m, vocabulary::desiredBodyTypesMen());
    fill(m_ui->CmbBodyType_f, vocabulary::bodyTypesWomen());
    fill(m_ui->CmbBodyType2_f, vocabulary::desiredBodyTypesWomen());
    fill(m_ui->CmbStomach_m, vocabulary::stomachs());
    fill(m_ui->CmbStomach_f, vocabulary::stomachs());
    fill(m_ui->CmbArms_m, vocabulary::arms());
    fill(m_ui->CmbArms_f, vocabulary::arms());
    fill(m_ui->CmbChest_f, vocabulary::chests());
    fill(m_ui->CmbGoal_m, vocabulary::goals());
    fill(m_ui->CmbGoal_f, vocabulary::goals());
    m_ui->CmbSex->setCurrentIndex(0);
    CmbSex_Click();
}

void AccountEntryForm::setMenLabelsStarred(bool starred)
{
    const QString star = starred ? QStringLiteral("* ") : QString();
    m_ui->lblBodyType_m->setText(star + QStringLiteral("Body Type"));
    m_ui->lblBodyType2_m->setText(star + QStringLiteral("Desired Body Type"));
    m_ui->lblGoal_m->setText(star + QStringLiteral("Goals"));
    m_ui->lblStomach_m->setText(star + QStringLiteral("Stomach"));
    m_ui->lblArms_m->setText(star + QStringLiteral("Arms"));
}

AccountForm AccountEntryForm::values() const
{
    AccountForm f;
    f.fname = m_ui->txtFname->text();
    f.lname = m_ui->txtLname->text();
    f.age = m_ui->txtAge->text();
    f.sex = m_ui->CmbSex->currentText();
    f.username = m_ui->txtUsername->text();
    f.password1 = m_ui->txtPassword1->text();
    f.password2 = m_ui->txtPassword2->text();
    f.weight = m_ui->txtWeight->text();
    f.height1 = m_ui->txtHeight1->text();
    f.height2 = m_ui->txtHeight2->text();
    f.waist = m_ui->txtWstSize->text();
    f.calorieLimit = m_ui->txtCal->text();
    f.fatLimit = m_ui->txtFat->text();
    f.proteinLimit = m_ui->txtProtein->text();
    f.carbsLimit = m_ui->txtCarb->text();
    f.bodyTypeMen = m_ui->CmbBodyType_m->currentText();
    f.desiredBodyTypeMen = m_ui->CmbBodyType2_m->currentText();
    f.goalMen = m_ui->CmbGoal_m->currentText();
    f.stomachMen = m_ui->CmbStomach_m->currentText();
    f.armsMen = m_ui->CmbArms_m->currentText();
    f.bodyTypeWomen = m_ui->CmbBodyType_f->currentText();
    f.desiredBodyTypeWomen = m_ui->CmbBodyType2_f->currentText();
    f.goalWomen = m_ui->CmbGoal_f->currentText();
    f.stomachWomen = m_ui->CmbStomach_f->currentText();
    f.armsWomen = m_ui->CmbArms_f->currentText();
    f.chestWomen = m_ui->CmbChest_f->currentText();
    f.hipWomen = m_ui->txtHip_f->text();
    f.thighWomen = m_ui->txtThigh_f->text();
    return f;
}

void AccountEntryForm::setValues(const AccountForm& f)
{
    // In the order the boxes are read from the row: the inches before the
    // waist, so a stored empty inches box becomes "0" as typing would make it.
    m_ui->txtFname->setText(f.fname);
    m_ui->txtLname->setText(f.lname);
    m_ui->txtHeight1->setText(f.height1);
    m_ui->txtHeight2->setText(f.height2);
    m_ui->txtWeight->setText(f.weight);
    m_ui->txtAge->setText(f.age);
    setComboText(m_ui->CmbSex, f.sex);
    m_ui->CmbSex2->setText(f.sex);
    CmbSex_Click();
    m_ui->txtWstSize->setText(f.waist);
    setComboText(m_ui->CmbBodyType_m, f.bodyTypeMen);
    setComboText(m_ui->CmbBodyType2_m, f.desiredBodyTypeMen);
    setComboText(m_ui->CmbStomach_m, f.stomachMen);
    setComboText(m_ui->CmbArms_m, f.armsMen);
    setComboText(m_ui->CmbGoal_m, f.goalMen);
    setComboText(m_ui->CmbBodyType_f, f.bodyTypeWomen);
    setComboText(m_ui->CmbBodyType2_f, f.desiredBodyTypeWomen);
    setComboText(m_ui->CmbStomach_f, f.stomachWomen);
    setComboText(m_ui->CmbArms_f, f.armsWomen);
    setComboText(m_ui->CmbChest_f, f.chestWomen);
    setComboText(m_ui->CmbGoal_f, f.goalWomen);
    m_ui->txtHip_f->setText(f.hipWomen);
    m_ui->txtThigh_f->setText(f.thighWomen);
    m_ui->txtCal->setText(f.calorieLimit);
    m_ui->txtFat->setText(f.fatLimit);
    m_ui->txtProtein->setText(f.proteinLimit);
    m_ui->txtCarb->setText(f.carbsLimit);
    m_ui->txtUsername->setText(f.username);
    m_ui->txtPassword1->setText(f.password1);
    m_ui->txtPassword2->setText(f.password2);
}

void AccountEntryForm::apply(const Failure& failure)
{
    QWidget* box = findChild<QWidget*>(failure.box);
    if (!box)
        return;
    if (failure.clear) {
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(box))
            clearCombo(combo);
    }
    if (failure.focus)
        box->setFocus();
}

void AccountEntryForm::clearAfterSave()
{
    for (QLineEdit* box :
         {m_ui->txtFname, m_ui->txtLname, m_ui->txtHeight1, m_ui->txtHeight2, m_ui->txtWeight,
          m_ui->txtAge, m_ui->txtHip_f, m_ui->txtThigh_f, m_ui->txtUsername, m_ui->txtPassword1,
          m_ui->txtPassword2, m_ui->txtCal, m_ui->txtFat, m_ui->txtProtein, m_ui->txtCarb})
        box->clear();
    for (QComboBox* box : comboBoxes()) {
        if (box != m_ui->CmbGoal_f)
            clearCombo(box);
    }
}

void AccountEntryForm::lockIdentity(const QString& sex, const validation::IdentityLocks& locks)
{
    for (auto [box, locked] :
         {std::pair{m_ui->txtFname, locks.fname}, std::pair{m_ui->txtLname, locks.lname},
          std::pair{m_ui->txtAge, locks.age}}) {
        if (!locked)
            continue;
        box->setReadOnly(true);
        box->setFrame(false);
        paintBackground(box, QPalette::Base);
    }
    if (!locks.sex)
        return;
    paintBackground(m_ui->CmbSex, QPalette::Base);
    m_ui->CmbSex2->setAutoFillBackground(true);
    paintBackground(m_ui->CmbSex2, QPalette::Window);
    m_ui->CmbSex2->setText(sex);
    m_ui->CmbSex->hide();
    m_ui->CmbSex2->show();
}

void AccountEntryForm::showSexLabel(bool shown)
{
    m_ui->CmbSex2->setVisible(shown);
}

void AccountEntryForm::setPasswordHint(const QString& hint)
{
    m_ui->lblPasswordHint->setText(hint);
    m_ui->lblPasswordHint->setVisible(!hint.isEmpty());
}

QPushButton* AccountEntryForm::createButton() const
{
    return m_ui->btnCrtAccnt;
}

QLabel* AccountEntryForm::ostrelUsername() const
{
    return m_ui->OstrelUsername;
}

void AccountEntryForm::CmbSex_Click()
{
    const QString sex = m_ui->CmbSex->currentText().trimmed();
    if (sex == QLatin1String("Male")) {
        m_ui->frmWomen->hide();
        m_ui->frmMen->show();
    } else if (sex == QLatin1String("Female")) {
        m_ui->frmMen->hide();
        m_ui->frmWomen->show();
    }
}

void AccountEntryForm::markConverted(QLineEdit* box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, QColor(255, 0, 0));
    box->setPalette(palette);
}

void AccountEntryForm::warn(const QString& text)
{
    if (m_messages)
        m_messages->inform(text, MessageIcon::Exclamation);
}

void AccountEntryForm::txtCmCnv_KeyPress()
{
    const convert::Height height = convert::heightFromCentimetres(m_ui->txtCmCnv->text());
    if (height.outcome != convert::Outcome::Converted) {
        warn(convert::centimetreMessage());
        return;
    }
    m_ui->txtHeight1->setText(height.feet);
    m_ui->txtHeight2->setText(height.inches);
    markConverted(m_ui->txtHeight1);
    markConverted(m_ui->txtHeight2);
    m_ui->txtCmCnv->clear();
}

void AccountEntryForm::txtCmCnv2_KeyPress()
{
    const convert::Value waist = convert::waistFromCentimetres(m_ui->txtCmCnv2->text());
    if (waist.outcome != convert::Outcome::Converted) {
        warn(convert::centimetreMessage());
        // Nothing at all to convert empties the waist; a mistyped number changes nothing.
        if (waist.outcome == convert::Outcome::NoDigit)
            m_ui->txtWstSize->clear();
        return;
    }
    m_ui->txtWstSize->setText(waist.text);
    markConverted(m_ui->txtWstSize);
    m_ui->txtCmCnv2->clear();
}

void AccountEntryForm::txtKgCnv_KeyPress()
{
    const convert::Value weight = convert::weightFromKilograms(m_ui->txtKgCnv->text());
    if (weight.outcome != convert::Outcome::Converted) {
        warn(convert::kilogramMessage());
        return;
    }
    m_ui->txtWeight->setText(weight.text);
    markConverted(m_ui->txtWeight);
    m_ui->txtKgCnv->clear();
}

void AccountEntryForm::txtWstSize_Change()
{
    if (m_ui->txtHeight2->text().isEmpty())
        m_ui->txtHeight2->setText(QStringLiteral("0"));
}
