// SPDX-License-Identifier: MIT
// Internal to the rules: the whole-years count shared by the period of
// increment (capped) and the temporary usufruct (uncapped).
#pragma once

#include "types/tdatetime.h"

#include <cstdint>

namespace rules_detail {

// Difference of the calendar years, one less when the second date's month
// and day come before the first's (so 29/02 -> 28/02 is one short). The time
// of day plays no part.
[[nodiscard]] inline std::int32_t wholeYearsBetween(TDateTime first, TDateTime second)
{
    const TDateTime::Ymd a = first.ymd();
    const TDateTime::Ymd b = second.ymd();
    std::int32_t years = b.year - a.year;
    if (b.month * 100 + b.day < a.month * 100 + a.day)
        --years;
    return years;
}

} // namespace rules_detail
