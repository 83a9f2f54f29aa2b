// SPDX-License-Identifier: MIT
#include "calc_case.h"

#include "calc_inputs.h"

#include "chart/filing_cost_chart.h"
#include "platform/pixel_font.h"
#include "rules/tax_year.h"
#include "simulation/case_file.h"
#include "simulation/filing_cost.h"

#include <array>

namespace {
std::string plainAmount(Currency value)
{
    // Two decimals with a point, as the calculator's amounts may be written.
    const std::int64_t cents = value.roundedToCents().raw() / 100;
    return std::to_string(cents / 100) + '.' + (cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100);
}

std::string isoDate(TDateTime day)
{
    return day.toIsoDateText().toStdString();
}
} // namespace

Expected<SimulationInputs> inputsOfCase(const std::string &fileName)
{
    const QString name = QString::fromStdString(fileName);
    const Expected<SimulationCase> read = readCaseFile(name);
    if (!read)
        return failure(QStringLiteral("No se puede leer el caso \"%1\": %2").arg(name, read.error().message));
    const SimulationCase &c = *read;
    if (!c.bonus.isEmpty() && c.bonus != taxParameters().bonusDescription)
        return failure(QStringLiteral("El caso \"%1\" tiene una bonificación que este programa no conoce: «%2»")
                           .arg(name, c.bonus));

    // The case as the options would give it, so that it meets the same checks.
    std::array<std::string, ColumnCount> text;
    const auto set = [&text](Column column, std::string value) { text[static_cast<std::size_t>(column)] = value; };
    const auto flag = [&set](Column column, bool on) { set(column, on ? "1" : "0"); };
    set(Column::ValorCatastral, plainAmount(c.cadastralValue));
    flag(Column::SinReduccion, !c.revisedValuation);
    set(Column::Porcentaje, plainAmount(c.shareTransferred));
    flag(Column::MortisCausa, c.transferKind == TransferKind::MortisCausa);
    flag(Column::Prorroga, c.extension);
    flag(Column::NudaPropiedad, c.ownershipMode == OwnershipMode::BareAndUsufruct);
    if (c.age > 0)
        set(Column::Edad, std::to_string(c.age));
    if (c.usufructEnd)
        set(Column::FinUsufructo, isoDate(*c.usufructEnd));
    set(Column::Adquisicion, isoDate(c.acquisitionDate));
    set(Column::Devengo, isoDate(c.accrualDate));
    set(Column::Presentacion, isoDate(c.filingDate));
    flag(Column::Bonificacion, !c.bonus.isEmpty());
    flag(Column::SinIngreso, !c.paidAtFiling);
    flag(Column::Requerimiento, c.priorRequirement);
    InputCells cells;
    for (std::size_t i = 0; i < text.size(); ++i)
        cells.text[i] = text[i];

    Expected<SimulationInputs> inputs = parseInputs(cells);
    if (!inputs)
        return failure(QStringLiteral("El caso \"%1\" no se puede calcular: %2").arg(name, inputs.error().message));
    return inputs;
}

QByteArray caseFileOf(const SimulationInputs &inputs)
{
    return caseToJson(caseOf(inputs));
}

Expected<QByteArray> drawFilingCostPng(const SimulationInputs &inputs)
{
    // The window's fonts, as the window draws it.
    installFontSubstitutes();
    return FilingCostChart::png(filingCostCurve(inputs, taxParameters().filingDates().last));
}
