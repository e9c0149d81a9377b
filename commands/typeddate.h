#pragma once

#include "records/dates.h"

#include <optional>
#include <string_view>

// A date as the user types it into a date field, in the field's own order:
// a four-digit year, the month and the day, either with "/" between them
// ("2004/9/20", "2004/09/20") or as digits alone ("2004920", "20040920",
// "200492"). Blanks around it are allowed. A text of digits alone that
// splits into two real dates ("2004111": 11/1 or 1/11) is no date, as is
// anything that is not a real date: nothing is ever guessed or carried into
// another month.
std::optional<CivilDate> ParseTypedDate(std::string_view text);
