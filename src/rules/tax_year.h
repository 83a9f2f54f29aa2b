// SPDX-License-Identifier: MIT
// The municipality's tax parameters, written once, in tax_year.cpp. The
// increment terms, the filing deadlines and the late-payment interest read
// them; so do the draft's band table, the simulation window's date limits and
// bonus, and the calculator's checks and --help.
//
// A new tax year is one more entry at the end of the year table (its
// late-payment interest rate and its non-working days). The last year of the
// table is the edition's year: filings are simulated in it, accruals in it and
// the years before it that the record allows, and every date limit follows.
// Bands, tax rate, reduction and bonus hold for every year the edition takes.
#pragma once

#include "types/currency.h"
#include "types/tdatetime.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// Whole years elapsed from the end of the previous band (from 1 for the
// first) to lastYear bear annualPercentage a year.
struct IncrementBand {
    std::int32_t lastYear;
    Currency annualPercentage; // percent: 3.29
};

struct DayAndMonth {
    int day;
    int month;
};

// What changes from one calendar year to the next.
struct CalendarYear {
    int year;
    Currency lateInterestRate; // fraction: 0.05
    // Sundays are never working days and are not listed.
    std::span<const DayAndMonth> nonWorkingDays;
};

// The dates a picker offers; no first date means no lower limit.
struct DateLimits {
    std::optional<TDateTime> first;
    TDateTime last;
};

struct TaxParameters {
    // Bands in order; the last one ends at the years' cap.
    std::array<IncrementBand, 4> bands;
    Currency taxRate;   // percent: 28.62
    Currency reduction; // percent taken off a cadastral value revised by a general valuation: 40
    // The one bonus of the municipal ordinance on the quota.
    Currency bonusPercentage; // whole percent: 95
    QString bonusArticle;     // "Art. 6 - O.M."
    QString bonusDescription; // the article and what it covers, as the window and the draft show it
    // How many calendar years, the edition's year included, an accrual may lie in.
    int accrualYears;
    std::span<const CalendarYear> years; // consecutive, oldest first

    [[nodiscard]] std::int32_t yearsCap() const { return bands.back().lastYear; }
    [[nodiscard]] std::int32_t firstYearOf(std::size_t band) const { return band == 0 ? 1 : bands[band - 1].lastYear + 1; }
    // The tax rate as the fraction the quota applies: 0.2862.
    [[nodiscard]] Currency taxRateFraction() const { return taxRate.mulDiv(1, 100); }
    [[nodiscard]] int editionYear() const { return years.back().year; }

    [[nodiscard]] DateLimits acquisitionDates() const;
    [[nodiscard]] DateLimits accrualDates() const;
    [[nodiscard]] DateLimits filingDates() const;
};

[[nodiscard]] const TaxParameters &taxParameters();
