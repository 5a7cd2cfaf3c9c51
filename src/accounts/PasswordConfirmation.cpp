#include "accounts/PasswordConfirmation.h"

#include "app/AppContext.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "data/AccountStore.h"

namespace confirmation {

std::optional<UserProfile> confirm(AppContext& context, const QString& entry,
                                   const QString& typedPassword)
{
    Messages& messages = context.messages();
    AccountStore accounts(context.database());
    auto found = entry.isEmpty() ? Result<std::optional<UserProfile>>(std::nullopt)
                                 : accounts.findByPickerEntry(entry);
    if (!found) {
        messages.inform(found.error(), MessageIcon::Critical);
        return std::nullopt;
    }
    if (!found.value()) {
        messages.inform(QStringLiteral("Sorry the user you selected has not been found"),
                        MessageIcon::Critical);
        return std::nullopt;
    }
    if (!password::verify(typedPassword, found.value()->passwordHash)) {
        messages.inform(QStringLiteral("You have not entered a correct password"),
                        MessageIcon::Critical);
        return std::nullopt;
    }
    return found.value();
}

} // namespace confirmation
