// SPDX-License-Identifier: MIT
// Report variables and how a memo prints them. A variable holds an integer,
// a Currency, a day count or a text expression; the memo's print style turns
// the value into the text on the page.
#pragma once

#include "types/currency.h"
#include "types/tdatetime.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

// A date handed over as a plain count of days since 30/12/1899.
struct DayCount {
    double days = 0.0;
    friend bool operator==(DayCount, DayCount) = default;
};

// A text variable is evaluated as an expression: 'literal' yields literal.
struct Expression {
    QString source;
    friend bool operator==(const Expression &, const Expression &) = default;
};

using ReportValue = std::variant<std::int32_t, Currency, DayCount, Expression>;

// A text as a literal expression: quoted, an inner quote doubled.
[[nodiscard]] Expression quotedLiteral(const QString &text);

// Evaluates a text expression: single-quoted literals ('' inside stands for
// one quote) and plain numbers, joined by '+'. Nothing when it does not parse.
[[nodiscard]] std::optional<QString> evaluateExpression(QStringView source);

enum class PrintStyle {
    None,        // plain text of the value
    Money,       // 1.234,56 €
    Percent,     // 28,62
    PlainNumber, // 20, 3,29, 29,7, 100
    Date,        // 05/03/2013
    IssueDate,   // 05 mar 2013
    Text,        // the evaluated text
};

// The value as a memo of that style prints it; nothing when a text
// expression does not evaluate.
[[nodiscard]] std::optional<QString> formatValue(const ReportValue &value, PrintStyle style);

// "dd mmm yyyy" with the Spanish short month names: "08 dic 2026".
[[nodiscard]] QString issueDateText(TDateTime date);

// The named variables of a report, in the order they were first set.
class ReportVariables final {
public:
    // Replaces the value of the variable of that name (names ignore case),
    // or appends a new variable.
    void set(const QString &name, ReportValue value);
    [[nodiscard]] const ReportValue *find(QStringView name) const;
    [[nodiscard]] const std::vector<std::pair<QString, ReportValue>> &entries() const { return m_entries; }
    [[nodiscard]] std::size_t size() const { return m_entries.size(); }
    void clear() { m_entries.clear(); }

private:
    std::vector<std::pair<QString, ReportValue>> m_entries;
};
