// SPDX-License-Identifier: MIT
#include "tdatetime.h"

#include <algorithm>
#include <cmath>

namespace {
// Days from 1970-01-01 to 1899-12-30.
constexpr int kEpochOffset = 25569;

// Howard Hinnant's days_from_civil / civil_from_days: exact for any Gregorian date.
int daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

int serialFromCivil(int year, int month, int day)
{
    return daysFromCivil(year, month, day) + kEpochOffset;
}

TDateTime::Ymd civilFromSerial(int serial)
{
    int z = serial - kEpochOffset + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    const int y = yoe + era * 400 + (m <= 2);
    return {y, m, d};
}

TDateTime TDateTime::fromYmd(int year, int month, int day)
{
    year = std::clamp(year, 1, 9999);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, daysInMonth(year, month));
    return fromSerial(serialFromCivil(year, month, day));
}

std::optional<TDateTime> TDateTime::tryFromYmd(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return fromSerial(serialFromCivil(year, month, day));
}

TDateTime TDateTime::fromQDate(QDate date)
{
    if (!date.isValid())
        return TDateTime();
    return fromYmd(date.year(), date.month(), date.day());
}

std::optional<TDateTime> TDateTime::parseDate(QStringView text)
{
    text = text.trimmed();
    const auto number = [](QStringView part) -> int {
        if (part.isEmpty() || part.size() > 4)
            return -1;
        int value = 0;
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    };
    const auto slash = text.split(u'/');
    if (slash.size() == 3 && slash[2].size() == 4)
        return tryFromYmd(number(slash[2]), number(slash[1]), number(slash[0]));
    const auto dash = text.split(u'-');
    if (dash.size() == 3 && dash[0].size() == 4)
        return tryFromYmd(number(dash[0]), number(dash[1]), number(dash[2]));
    return std::nullopt;
}

int TDateTime::wholeDays() const
{
    if (!std::isfinite(m_value))
        return 0;
    const double t = std::trunc(m_value);
    return static_cast<int>(std::clamp(t, static_cast<double>(MinSerial), static_cast<double>(MaxSerial)));
}

double TDateTime::timeOfDay() const
{
    if (!std::isfinite(m_value))
        return 0.0;
    return std::fabs(m_value - std::trunc(m_value));
}

TDateTime TDateTime::withDays(int days) const
{
    days = std::clamp(days, MinSerial, MaxSerial);
    const double time = timeOfDay();
    return TDateTime(days >= 0 ? days + time : days - time);
}

TDateTime::Ymd TDateTime::ymd() const
{
    return civilFromSerial(wholeDays());
}

int TDateTime::dayOfWeek() const
{
    // Serial 1 (31/12/1899) was a Sunday.
    const int r = ((wholeDays() - 1) % 7 + 7) % 7;
    return r + 1;
}

QDate TDateTime::toQDate() const
{
    const Ymd d = ymd();
    return QDate(d.year, d.month, d.day);
}

TDateTime TDateTime::addDays(int days) const
{
    return withDays(
        static_cast<int>(std::clamp<long long>(static_cast<long long>(wholeDays()) + days, MinSerial, MaxSerial)));
}

TDateTime TDateTime::addMonths(int months) const
{
    const Ymd d = ymd();
    const long long index = static_cast<long long>(d.year) * 12 + (d.month - 1) + months;
    long long year = index >= 0 ? index / 12 : (index - 11) / 12;
    int month = static_cast<int>(index - year * 12) + 1;
    if (year < 1) {
        year = 1;
        month = 1;
    } else if (year > 9999) {
        year = 9999;
        month = 12;
    }
    const int day = std::min(d.day, daysInMonth(static_cast<int>(year), month));
    return withDays(serialFromCivil(static_cast<int>(year), month, day));
}

QString TDateTime::toShortDateText() const
{
    const Ymd d = ymd();
    return QStringLiteral("%1/%2/%3")
        .arg(d.day, 2, 10, QChar(u'0'))
        .arg(d.month, 2, 10, QChar(u'0'))
        .arg(d.year, 4, 10, QChar(u'0'));
}

QString TDateTime::toIsoDateText() const
{
    const Ymd d = ymd();
    return QStringLiteral("%1-%2-%3")
        .arg(d.year, 4, 10, QChar(u'0'))
        .arg(d.month, 2, 10, QChar(u'0'))
        .arg(d.day, 2, 10, QChar(u'0'));
}
