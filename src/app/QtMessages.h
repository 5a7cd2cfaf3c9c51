#pragma once

#include "core/Messages.h"

// Shows each message as a modal QMessageBox over the active window.
class QtMessages final : public Messages {
public:
    MessageAnswer show(const Message& message) override;
};
