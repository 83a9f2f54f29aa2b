// SPDX-License-Identifier: MIT
#include "rules/rules.h"

#include <QString>

#include <algorithm>
#include <array>
#include <vector>

namespace {
// The municipality's non-working days, as the tax office publishes them.
// Sundays are never working days and are not listed.
constexpr std::array<const char *, 84> kNonWorkingDayTexts = {
    "01/01/2009", "06/01/2009", "28/02/2009", "09/04/2009", "10/04/2009", "01/05/2009", "24/06/2009", "16/08/2009",
    "07/10/2009", "12/10/2009", "02/11/2009", "07/12/2009", "08/12/2009", "25/12/2009", "01/01/2010", "06/01/2010",
    "01/03/2010", "01/04/2010", "02/04/2010", "01/05/2010", "24/06/2010", "16/08/2010", "07/10/2010", "12/10/2010",
    "01/11/2010", "06/12/2010", "08/12/2010", "25/12/2010", "02/01/2011", "06/01/2011", "28/02/2011", "05/04/2011",
    "06/04/2011", "01/05/2011", "24/06/2011", "15/08/2011", "07/10/2011", "12/10/2011", "01/11/2011", "06/12/2011",
    "08/12/2011", "25/12/2011", "01/01/2012", "07/01/2012", "28/02/2012", "28/03/2012", "29/03/2012", "01/05/2012",
    "24/06/2012", "15/08/2012", "07/10/2012", "12/10/2012", "01/11/2012", "06/12/2012", "09/12/2012", "25/12/2012",
    "01/01/2013", "07/01/2013", "28/02/2013", "28/03/2013", "29/03/2013", "01/05/2013", "24/06/2013", "15/08/2013",
    "07/10/2013", "12/10/2013", "01/11/2013", "06/12/2013", "09/12/2013", "25/12/2013", "01/01/2014", "06/01/2014",
    "28/02/2014", "17/04/2014", "28/04/2014", "01/05/2014", "24/06/2014", "15/08/2014", "07/10/2014", "13/10/2014",
    "01/11/2014", "06/12/2014", "08/12/2014", "25/12/2014",
};

constexpr int kWorkingDaysToFile = 30;
constexpr int kSunday = 1;

// The texts converted to day numbers: one mark per day of the span they
// cover, so a lookup is a subtraction and a bit test.
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

NonWorkingDayTable convertTexts()
{
    std::vector<int> serials;
    for (const char *text : kNonWorkingDayTexts)
        if (const auto day = TDateTime::parseDate(QString::fromLatin1(text)))
            serials.push_back(day->wholeDays());
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
    static const NonWorkingDayTable table = convertTexts();
    return table;
}

// The table as last filled: none until the first fill. Every fill yields the
// same 84 days, so a refill only has to point at the table converted once.
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
