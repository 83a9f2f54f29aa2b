// SPDX-License-Identifier: MIT
// The rules checked against brute force over thousands of random dates and
// values: walking the calendar a day at a time with QDate, an independent
// calendar.
#include "rules/rules.h"
#include "rules_test_support.h"

#include <QDate>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace {

const QDate kFirst(1950, 1, 1);
const QDate kLast(2049, 12, 31);

class RulesProperties : public ::testing::Test {
protected:
    std::mt19937_64 random{20140602};

    QDate randomDay(QDate first = kFirst, QDate last = kLast)
    {
        std::uniform_int_distribution<qint64> offset(0, first.daysTo(last));
        return first.addDays(offset(random));
    }
    static TDateTime toRules(QDate day) { return TDateTime::fromQDate(day); }
};

// Walks the calendar from a to last a day at a time, counting the
// anniversaries of a as they are reached (in a year without 29 February the
// anniversary of a 29 February falls on 1 March), and hands each day with the
// whole years reached so far to check.
template <typename Check> void walkAnniversaries(QDate a, QDate last, Check check)
{
    int years = 0;
    int lastYearCounted = a.year();
    for (QDate day = a; day <= last; day = day.addDays(1)) {
        int y = 0, m = 0, d = 0;
        day.getDate(&y, &m, &d);
        if (y > lastYearCounted && (m > a.month() || (m == a.month() && d >= a.day()))) {
            ++years;
            lastYearCounted = y;
        }
        check(day, years);
    }
}

TEST_F(RulesProperties, YearsElapsedCountsAnniversaries)
{
    for (int i = 0; i < 150; ++i) {
        const QDate a = randomDay();
        const TDateTime acquisition = toRules(a);
        walkAnniversaries(a, kLast, [&](QDate b, int years) {
            const TDateTime later = toRules(b);
            ASSERT_EQ(YearsElapsed(acquisition, later), std::min(years, 20))
                << a.toString(Qt::ISODate).toStdString() << " " << b.toString(Qt::ISODate).toStdString();
            // The temporary usufruct counts the same years without the cap of 20.
            if (b.day() == 1 || b.day() == 28 || b.day() == 29) {
                const RightValuation v = ValueTemporaryUsufruct(later, acquisition, Currency());
                ASSERT_EQ(v.RightPercentage, Currency::fromInt(2 * std::clamp(years, 1, 35)));
            }
        });
    }
}

TEST_F(RulesProperties, YearsElapsedAroundTwentyNinthOfFebruary)
{
    // Every acquisition of February and March of a leap year and the next, against every later day for 25 years.
    for (const int year : {2004, 2005})
        for (QDate a(year, 2, 1); a <= QDate(year, 3, 31); a = a.addDays(1))
            walkAnniversaries(a, a.addYears(25), [&](QDate b, int years) {
                ASSERT_EQ(YearsElapsed(toRules(a), toRules(b)), std::min(years, 20))
                    << a.toString(Qt::ISODate).toStdString() << " " << b.toString(Qt::ISODate).toStdString();
            });
}

QDate thirtiethWorkingDayWalked(QDate from)
{
    QDate day = from;
    for (int count = 0; count < 30;) {
        day = day.addDays(1);
        if (day.dayOfWeek() != Qt::Sunday && !isPublishedNonWorkingDay(day))
            ++count;
    }
    return day;
}

TEST_F(RulesProperties, AddThirtyWorkingDaysWalksTheCalendar)
{
    // Every day around the listed years, then random days of the century.
    for (QDate day(2008, 10, 1); day <= QDate(2015, 3, 31); day = day.addDays(1))
        ASSERT_EQ(AddThirtyWorkingDays(toRules(day)).toQDate(), thirtiethWorkingDayWalked(day))
            << day.toString(Qt::ISODate).toStdString();
    for (int i = 0; i < 5000; ++i) {
        const QDate day = randomDay();
        ASSERT_EQ(AddThirtyWorkingDays(toRules(day)).toQDate(), thirtiethWorkingDayWalked(day))
            << day.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(FilingDeadline(i % 2, 0, toRules(day)), AddThirtyWorkingDays(toRules(day)));
    }
}

// The three cases, with the days compared as two-digit text.
int monthsLateByTheCases(QDate deadline, QDate filing)
{
    const QString dayD = QStringLiteral("%1").arg(deadline.day(), 2, 10, QChar(u'0'));
    const QString dayF = QStringLiteral("%1").arg(filing.day(), 2, 10, QChar(u'0'));
    const int lessOne = dayF < dayD ? 1 : 0;
    if (filing.year() - deadline.year() >= 2)
        return 13;
    if (filing.year() == deadline.year() + 1)
        return 13 - deadline.month() + filing.month() - lessOne;
    return filing.month() - deadline.month() - lessOne;
}

TEST_F(RulesProperties, MonthsLateFollowsTheThreeCases)
{
    for (int i = 0; i < 20000; ++i) {
        const QDate deadline = randomDay();
        // Half of the filings within three years of the deadline, where the cases differ.
        const QDate filing = i % 2 ? randomDay() : randomDay(deadline.addDays(-400), deadline.addDays(800));
        ASSERT_EQ(MonthsLate(toRules(deadline), toRules(filing)), monthsLateByTheCases(deadline, filing))
            << deadline.toString(Qt::ISODate).toStdString() << " " << filing.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(RulesProperties, SurchargeBandFollowsTheMonthsLate)
{
    const Currency amount = money("1000");
    for (int i = 0; i < 5000; ++i) {
        const QDate accrual = randomDay(QDate(2009, 1, 1), QDate(2014, 12, 31));
        const QDate filing = randomDay(accrual, accrual.addYears(3));
        const std::int32_t kind = i % 3 == 0 ? 1 : 0;
        const std::int32_t extension = i % 5 == 0 ? 1 : 0;
        SurchargeResult r;
        LateFilingSurcharge(0, 0, extension, amount, kind, toRules(accrual), toRules(filing), r);
        const QDate deadline = FilingDeadline(extension, kind, toRules(accrual)).toQDate();
        if (filing <= deadline) {
            ASSERT_EQ(r.SurchargePercent, 0);
            ASSERT_EQ(r.ExecutiveAmount, Currency());
            continue;
        }
        const int months = monthsLateByTheCases(deadline, filing);
        const int expected = months <= 3 ? 5 : months <= 6 ? 10 : months <= 12 ? 15 : 20;
        ASSERT_EQ(r.SurchargePercent, expected)
            << accrual.toString(Qt::ISODate).toStdString() << " " << filing.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(r.SurchargeAmount, Currency::fromInt(10 * expected));
        ASSERT_EQ(r.ExecutiveAmount, Currency::fromCents(5000 + 50 * expected)); // (1000 + surcharge) x 5 %
    }
}

// Whether rounded is value x numerator / denominator rounded to the nearest
// unit, halves to even, checked by multiplying back.
::testing::AssertionResult isRoundedHalfEven(Currency rounded, Int128 numerator, Int128 denominator)
{
    const Int128 error = static_cast<Int128>(rounded.raw()) * denominator * 2 - numerator * 2;
    const Int128 bound = denominator;
    if (error > bound || error < -bound || ((error == bound || error == -bound) && rounded.raw() % 2 != 0))
        return ::testing::AssertionFailure() << rounded.toFixed4().toStdString() << " is not rounded half-even";
    return ::testing::AssertionSuccess();
}

TEST_F(RulesProperties, RightAndRemainderAddUpToTheValue)
{
    std::uniform_int_distribution<std::int64_t> raw(0, 10'000'000LL * Currency::Scale);
    std::uniform_int_distribution<int> age(-5, 120);
    for (int i = 0; i < 20000; ++i) {
        const Currency value = Currency::fromRaw(raw(random));
        const RightValuation life = ValueLifeUsufruct(age(random), value);
        ASSERT_EQ(life.RightValue + life.RemainderValue, value);
        ASSERT_TRUE(isRoundedHalfEven(life.RightValue,
                                      static_cast<Int128>(value.raw()) * life.RightPercentage.truncated(), 100));
        const RightValuation temporary = ValueTemporaryUsufruct(toRules(randomDay()), toRules(randomDay()), value);
        ASSERT_EQ(temporary.RightValue + temporary.RemainderValue, value);
        ASSERT_TRUE(isRoundedHalfEven(temporary.RightValue,
                                      static_cast<Int128>(value.raw()) * temporary.RightPercentage.truncated(), 100));
    }
}

TEST_F(RulesProperties, ApportionAgreesWithTheValuations)
{
    std::uniform_int_distribution<std::int64_t> raw(0, 10'000'000LL * Currency::Scale);
    std::uniform_int_distribution<int> age(0, 100);
    for (int i = 0; i < 20000; ++i) {
        const Currency value = Currency::fromRaw(raw(random));
        const std::int32_t kind = i % 2;
        const std::int32_t usufructuaryAge = age(random);
        const TDateTime end = toRules(randomDay());
        const TDateTime acquisition = toRules(randomDay());
        const TDateTime accrual = toRules(randomDay());
        const RightValuation chosen =
            kind == 0 ? ValueLifeUsufruct(usufructuaryAge, value) : ValueTemporaryUsufruct(end, accrual, value);
        IncrementTerms terms;
        ComputeIncrementTerms(acquisition, accrual, terms);
        const auto bases = ApportionIncrementBase(kind, usufructuaryAge, value, end, acquisition, accrual);
        const Int128 total = terms.TotalPercentage.raw();
        ASSERT_TRUE(
            isRoundedHalfEven(bases.first, static_cast<Int128>(chosen.RightValue.raw()) * total, Currency::Scale));
        ASSERT_TRUE(
            isRoundedHalfEven(bases.second, static_cast<Int128>(chosen.RemainderValue.raw()) * total, Currency::Scale));
        ASSERT_TRUE(isRoundedHalfEven(IncrementBaseFor(value, acquisition, accrual),
                                      static_cast<Int128>(value.raw()) * total, Currency::Scale));
    }
}

TEST_F(RulesProperties, InterestIsTheSumOfRoundedYearShares)
{
    std::uniform_int_distribution<std::int64_t> raw(0, 10'000'000LL * Currency::Scale);
    for (int i = 0; i < 2000; ++i) {
        const Currency amount = Currency::fromRaw(raw(random));
        QDate start = randomDay(QDate(2009, 1, 1), QDate(2014, 12, 31));
        QDate end = randomDay(QDate(2009, 1, 1), QDate(2014, 12, 31));
        if (end < start)
            std::swap(start, end);
        std::map<int, int> daysByYear;
        for (QDate day = start; day <= end; day = day.addDays(1))
            ++daysByYear[day.year()];
        Currency expected;
        for (const auto &[year, days] : daysByYear) {
            const bool whole = year != start.year() && year != end.year();
            // A whole year weighs one, never 366/365.
            expected += whole ? amount * money("0.05")
                              : Currency::fromRatio(static_cast<Int128>(amount.raw()) * 5 * days, 100 * 365);
        }
        ASSERT_EQ(LateInterest(0, 1, toRules(start), toRules(end), amount), expected)
            << start.toString(Qt::ISODate).toStdString() << " " << end.toString(Qt::ISODate).toStdString();
    }
}

} // namespace
