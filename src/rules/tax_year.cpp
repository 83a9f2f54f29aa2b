// SPDX-License-Identifier: MIT
#include "rules/tax_year.h"

namespace {
// The municipality's non-working days as the tax office publishes them, {day, month}.
constexpr DayAndMonth k2009[] = {{1, 1},  {6, 1},   {28, 2},  {9, 4},   {10, 4}, {1, 5},  {24, 6},
                                 {16, 8}, {7, 10},  {12, 10}, {2, 11},  {7, 12}, {8, 12}, {25, 12}};
constexpr DayAndMonth k2010[] = {{1, 1},  {6, 1},   {1, 3},   {1, 4},   {2, 4},  {1, 5},  {24, 6},
                                 {16, 8}, {7, 10},  {12, 10}, {1, 11},  {6, 12}, {8, 12}, {25, 12}};
constexpr DayAndMonth k2011[] = {{2, 1},  {6, 1},   {28, 2},  {5, 4},   {6, 4},  {1, 5},  {24, 6},
                                 {15, 8}, {7, 10},  {12, 10}, {1, 11},  {6, 12}, {8, 12}, {25, 12}};
constexpr DayAndMonth k2012[] = {{1, 1},  {7, 1},   {28, 2},  {28, 3},  {29, 3}, {1, 5},  {24, 6},
                                 {15, 8}, {7, 10},  {12, 10}, {1, 11},  {6, 12}, {9, 12}, {25, 12}};
constexpr DayAndMonth k2013[] = {{1, 1},  {7, 1},   {28, 2},  {28, 3},  {29, 3}, {1, 5},  {24, 6},
                                 {15, 8}, {7, 10},  {12, 10}, {1, 11},  {6, 12}, {9, 12}, {25, 12}};
constexpr DayAndMonth k2014[] = {{1, 1},  {6, 1},   {28, 2},  {17, 4},  {28, 4}, {1, 5},  {24, 6},
                                 {15, 8}, {7, 10},  {13, 10}, {1, 11},  {6, 12}, {8, 12}, {25, 12}};

// One entry a year, oldest first; the last is the edition's year.
constexpr CalendarYear kYears[] = {
    {2009, Currency::fromRaw(500), k2009}, {2010, Currency::fromRaw(500), k2010},
    {2011, Currency::fromRaw(500), k2011}, {2012, Currency::fromRaw(500), k2012},
    {2013, Currency::fromRaw(500), k2013}, {2014, Currency::fromRaw(500), k2014},
};

TDateTime firstDayOf(int year)
{
    return TDateTime::fromYmd(year, 1, 1);
}

TDateTime lastDayOf(int year)
{
    return TDateTime::fromYmd(year, 12, 31);
}
} // namespace

const TaxParameters &taxParameters()
{
    static const TaxParameters parameters{
        .bands = {{{5, Currency::fromRaw(32900)},
                   {10, Currency::fromRaw(29700)},
                   {15, Currency::fromRaw(28600)},
                   {20, Currency::fromRaw(28600)}}},
        .taxRate = Currency::fromRaw(286200),
        .reduction = Currency::fromInt(40),
        .bonusPercentage = Currency::fromInt(95),
        .bonusArticle = QStringLiteral("Art. 6 - O.M."),
        .bonusDescription = QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)"),
        .accrualYears = 5,
        .years = kYears,
    };
    return parameters;
}

DateLimits TaxParameters::acquisitionDates() const
{
    return {std::nullopt, lastDayOf(editionYear())};
}

DateLimits TaxParameters::accrualDates() const
{
    return {firstDayOf(editionYear() - accrualYears + 1), lastDayOf(editionYear())};
}

DateLimits TaxParameters::filingDates() const
{
    return {firstDayOf(editionYear()), lastDayOf(editionYear())};
}
