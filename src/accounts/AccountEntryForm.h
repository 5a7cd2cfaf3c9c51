#pragma once

#include "accounts/AccountForm.h"
#include "accounts/AccountValidation.h"

#include <QWidget>

#include <memory>

class Messages;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class AccountEntryForm;
}

// The entry form both account windows carry: initial information, body profile
// with its converter, the optional daily limits and the men's and women's
// body-shape frames, of which one shows at a time.
class AccountEntryForm final : public QWidget {
    Q_OBJECT

public:
    explicit AccountEntryForm(QWidget* parent = nullptr);
    ~AccountEntryForm() override;

    // The converters tell a wrong entry through these messages.
    void setMessages(Messages* messages) { m_messages = messages; }
    // Fills the drop-downs in their order, CmbSex first, and picks "Male",
    // which shows the men's frame.
    void fillLists();
    // Typing into a drop-down empties it at once; only list picks stay.
    void setPickOnly(bool pickOnly) { m_pickOnly = pickOnly; }
    // The men's body-shape labels with or without their leading "* ".
    void setMenLabelsStarred(bool starred);

    AccountForm values() const;
    // Puts an account into the boxes and shows its sex's frame.
    void setValues(const AccountForm& form);
    // A failed check: its box emptied when the check says so, and focused.
    void apply(const Failure& failure);
    // After a save every box is emptied but CmbGoal_f and txtWstSize.
    void clearAfterSave();
    // First name, last name and age read-only on light yellow; the sex shown
    // in CmbSex2 in place of the drop-down. Only the boxes `locks` allows.
    void lockIdentity(const QString& sex, const validation::IdentityLocks& locks);
    void showSexLabel(bool shown);
    void setPasswordHint(const QString& hint);

    QPushButton* createButton() const;
    QLabel* ostrelUsername() const;

    // CmbSex_Click: the frame that matches the sex shows; any other text changes nothing.
    void CmbSex_Click();

private:
    void txtCmCnv_KeyPress();
    void txtCmCnv2_KeyPress();
    void txtKgCnv_KeyPress();
    void txtWstSize_Change();
    void markConverted(QLineEdit* box);
    void warn(const QString& text);
    QList<QComboBox*> comboBoxes() const;

    std::unique_ptr<Ui::AccountEntryForm> m_ui;
    Messages* m_messages = nullptr;
    bool m_pickOnly = false;
};
