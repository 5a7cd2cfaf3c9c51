#pragma once

#include "core/Result.h"

#include <QString>

#include <optional>

class Database;

// The tips of the day, by number.
class TipStore final {
public:
    // The tip window draws among the numbers 1 to this.
    static constexpr int drawnTips = 28;

    explicit TipStore(Database& database) : m_database(database) {}

    // The text of tip `tipId`; nothing when no tip has that number.
    Result<std::optional<QString>> text(int tipId) const;

private:
    Database& m_database;
};
