// SPDX-License-Identifier: MIT
// Short spellings for the rules' tests: dates as written on the forms and
// money from its text.
#pragma once

#include "money.h"
#include "types/currency.h"
#include "types/tdatetime.h"

#include <QDate>
#include <QString>

#include <array>
#include <ostream>

inline TDateTime date(int day, int month, int year)
{
    return TDateTime::fromYmd(year, month, day);
}

// The published non-working days, written out here independently of the
// rules' own table.
struct Day {
    int d, m;
};
struct YearOfDays {
    int year;
    std::array<Day, 14> days;
};
// clang-format off
inline const std::array<YearOfDays, 6> kPublished = {{
    {2009, {{{ 1,  1}, { 6,  1}, {28,  2}, { 9,  4}, {10,  4}, { 1,  5}, {24,  6}, {16,  8}, { 7, 10}, {12, 10}, { 2, 11}, { 7, 12}, { 8, 12}, {25, 12}}}},
    {2010, {{{ 1,  1}, { 6,  1}, { 1,  3}, { 1,  4}, { 2,  4}, { 1,  5}, {24,  6}, {16,  8}, { 7, 10}, {12, 10}, { 1, 11}, { 6, 12}, { 8, 12}, {25, 12}}}},
    {2011, {{{ 2,  1}, { 6,  1}, {28,  2}, { 5,  4}, { 6,  4}, { 1,  5}, {24,  6}, {15,  8}, { 7, 10}, {12, 10}, { 1, 11}, { 6, 12}, { 8, 12}, {25, 12}}}},
    {2012, {{{ 1,  1}, { 7,  1}, {28,  2}, {28,  3}, {29,  3}, { 1,  5}, {24,  6}, {15,  8}, { 7, 10}, {12, 10}, { 1, 11}, { 6, 12}, { 9, 12}, {25, 12}}}},
    {2013, {{{ 1,  1}, { 7,  1}, {28,  2}, {28,  3}, {29,  3}, { 1,  5}, {24,  6}, {15,  8}, { 7, 10}, {12, 10}, { 1, 11}, { 6, 12}, { 9, 12}, {25, 12}}}},
    {2014, {{{ 1,  1}, { 6,  1}, {28,  2}, {17,  4}, {28,  4}, { 1,  5}, {24,  6}, {15,  8}, { 7, 10}, {13, 10}, { 1, 11}, { 6, 12}, { 8, 12}, {25, 12}}}},
}};
// clang-format on

// Whether a day is one of the published non-working days (Sundays are not listed).
inline bool isPublishedNonWorkingDay(QDate day)
{
    for (const YearOfDays &year : kPublished)
        if (year.year == day.year())
            for (const Day &d : year.days)
                if (d.d == day.day() && d.m == day.month())
                    return true;
    return false;
}

inline void PrintTo(Currency value, std::ostream *os)
{
    *os << value.toFixed4().toStdString();
}

inline void PrintTo(TDateTime value, std::ostream *os)
{
    *os << value.toShortDateText().toStdString() << " (" << value.value() << ")";
}
