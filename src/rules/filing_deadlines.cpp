// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules/tax_year.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int kWorkingDaysToFile = 30;
constexpr int kSunday = 1;

// The tax year record's non-working days as day numbers: one mark per day
// of the span they cover, so a lookup is a subtraction and a bit test.
struct NonWorkingDayTable {
    int firstSerial = 0;
    std::vector<bool> marks;

    [[nodiscard]] bool contains(int serial) const
    {
        // Days before the span wrap to large offsets and fail the bound too.
        const auto offset = static_cast<unsigned>(serial - firstSerial);
        return offset < marks.size() && marks[offset];
    }
};

NonWorkingDayTable convertDays()
{
    std::vector<int> serials;
    for (const CalendarYear &year : taxParameters().years)
        for (const DayAndMonth &day : year.nonWorkingDays)
            if (const auto date = TDateTime::tryFromYmd(year.year, day.month, day.day))
                serials.push_back(date->wholeDays());
    NonWorkingDayTable table;
    if (serials.empty())
        return table;
    const auto [first, last] = std::minmax_element(serials.begin(), serials.end());
    table.firstSerial = *first;
    table.marks.assign(static_cast<size_t>(*last - *first + 1), false);
    for (const int serial : serials)
        table.marks[static_cast<size_t>(serial - table.firstSerial)] = true;
    return table;
}

const NonWorkingDayTable &convertedTable()
{
    static const NonWorkingDayTable table = convertDays();
    return table;
}

// The table as last filled: none until the first fill. Every fill yields the
// same days, so a refill only has to point at the table converted once.
const NonWorkingDayTable *filledTable = nullptr;
} // namespace

void LoadNonWorkingDays()
{
    filledTable = &convertedTable();
}

bool IsNonWorkingDay(TDateTime date)
{
    return filledTable && filledTable->contains(date.wholeDays());
}

TDateTime AddThirtyWorkingDays(TDateTime date)
{
    LoadNonWorkingDays();
    const NonWorkingDayTable &table = *filledTable;
    const int start = date.wholeDays();
    int day = start;
    int weekday = date.dayOfWeek();
    int count = 0;
    // The given day never counts. The calendar ends on 31/12/9999: a count
    // that would pass it stops there.
    while (count < kWorkingDaysToFile && day < TDateTime::MaxSerial) {
        ++day;
        weekday = weekday == 7 ? 1 : weekday + 1;
        if (weekday != kSunday && !table.contains(day))
            ++count;
    }
    return date.addDays(day - start);
}

TDateTime FilingDeadline(std::int32_t extension, std::int32_t transferKind, TDateTime accrual)
{
    if (transferKind == 0)
        return AddThirtyWorkingDays(accrual);
    return accrual.addMonths(extension != 0 ? 12 : 6);
}

TDateTime ExtendedDeadlineStart(std::int32_t requirement, TDateTime dayAfterPeriod, TDateTime accrual)
{
    if (requirement != 0)
        return accrual;
    return dayAfterPeriod.addMonths(12);
}

std::int32_t MonthsLate(TDateTime deadline, TDateTime filing)
{
    const TDateTime::Ymd d = deadline.ymd();
    const TDateTime::Ymd f = filing.ymd();
    const std::int32_t lessOne = f.day < d.day ? 1 : 0;
    if (f.year - d.year >= 2)
        return 13;
    if (f.year == d.year + 1)
        return 13 - d.month + f.month - lessOne;
    return f.month - d.month - lessOne;
}
