// SPDX-License-Identifier: MIT
// TDateTime: a date as a count of days since 30 December 1899, the fraction
// being the time of day (for days before that date the fraction is
// subtracted, so -1.25 is 29/12/1899 06:00). The tax rules work on the
// whole-day part; day arithmetic keeps the time of day.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

class TDateTime final {
public:
    // Serial day numbers of 01/01/0001 and 31/12/9999, the range handled.
    static constexpr int MinSerial = -693593;
    static constexpr int MaxSerial = 2958465;

    struct Ymd {
        int year = 1899;
        int month = 12;
        int day = 30;
        friend bool operator==(const Ymd &, const Ymd &) = default;
    };

    constexpr TDateTime() = default;
    constexpr explicit TDateTime(double value) : m_value(value) {}

    // Invalid days are clamped into the month (31/02 becomes 28/02 or 29/02).
    [[nodiscard]] static TDateTime fromYmd(int year, int month, int day);
    [[nodiscard]] static std::optional<TDateTime> tryFromYmd(int year, int month, int day);
    [[nodiscard]] static TDateTime fromSerial(int days) { return TDateTime(static_cast<double>(days)); }
    [[nodiscard]] static TDateTime fromQDate(QDate date);
    // "dd/mm/yyyy" or "yyyy-mm-dd"; nothing when the text is no valid date.
    [[nodiscard]] static std::optional<TDateTime> parseDate(QStringView text);

    [[nodiscard]] constexpr double value() const { return m_value; }
    // The whole-day part (the calendar day), within MinSerial..MaxSerial.
    [[nodiscard]] int wholeDays() const;
    // The time of day, 0 <= t < 1.
    [[nodiscard]] double timeOfDay() const;
    [[nodiscard]] TDateTime dateOnly() const { return fromSerial(wholeDays()); }

    [[nodiscard]] Ymd ymd() const;
    [[nodiscard]] int year() const { return ymd().year; }
    [[nodiscard]] int month() const { return ymd().month; }
    [[nodiscard]] int day() const { return ymd().day; }
    // Sunday = 1 ... Saturday = 7.
    [[nodiscard]] int dayOfWeek() const;
    [[nodiscard]] QDate toQDate() const;

    // Both keep the time of day. addMonths keeps the day of the month, or
    // takes the last day of a shorter target month.
    [[nodiscard]] TDateTime addDays(int days) const;
    [[nodiscard]] TDateTime addMonths(int months) const;

    // "dd/MM/yyyy".
    [[nodiscard]] QString toShortDateText() const;
    // "yyyy-MM-dd".
    [[nodiscard]] QString toIsoDateText() const;

    // Calendar-day comparisons, ignoring the time of day.
    [[nodiscard]] bool sameDay(TDateTime other) const { return wholeDays() == other.wholeDays(); }
    [[nodiscard]] bool dayBefore(TDateTime other) const { return wholeDays() < other.wholeDays(); }
    [[nodiscard]] bool dayAfter(TDateTime other) const { return wholeDays() > other.wholeDays(); }

    friend constexpr bool operator==(TDateTime, TDateTime) = default;
    friend constexpr auto operator<=>(TDateTime, TDateTime) = default;

private:
    [[nodiscard]] TDateTime withDays(int days) const;
    double m_value = 0.0;
};

// Serial day number of a Gregorian date (proleptic), and back.
[[nodiscard]] int serialFromCivil(int year, int month, int day);
[[nodiscard]] TDateTime::Ymd civilFromSerial(int serial);
[[nodiscard]] bool isLeapYear(int year);
[[nodiscard]] int daysInMonth(int year, int month);
