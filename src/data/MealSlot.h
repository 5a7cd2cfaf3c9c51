#pragma once

#include <array>

// The three meals of a day; each logged food lies in exactly one of them.
enum class MealSlot { Morning, Midday, Evening };

inline constexpr std::array<MealSlot, 3> allMealSlots{MealSlot::Morning, MealSlot::Midday,
                                                      MealSlot::Evening};
